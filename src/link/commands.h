// Every command the program sends to the sensor (word 1 of a request frame).
#pragma once

#include <cstdint>

enum class Command : std::uint16_t {
  Dummy = 0,                 // line wake-up, no reply awaited
  WriteParaRam = 1,          // argument: 0 = PARA0, 1 = PARA1
  ReadParaRam = 2,           //
  WriteParaEeprom = 3,       //
  ReadParaEeprom = 4,        //
  Echo = 5,                  // line check
  Teach = 6,                 // teach the set-point
  FirmwareText = 7,          // answered with 72 raw bytes of text
  Measurement = 8,           // answered with a measurement record
  VideoBlock = 9,            // argument: first index; answered with 128 raw bytes
  HardwareInfo = 10,         //
  ResetMaxMin = 11,          // of the analogue output
  Calibration = 12,          // argument: 1 start, 2 store in RAM, 0 stop
  StoreVideoThreshold = 13,  // argument: Video-Thd-Auto in percent
  RecorderSample = 18,       //
  ClearFlash = 101,          // the external flash
  FlashBlockWrite = 102,     // argument: block offset within the page
  ChangeBaudRate = 190,      // argument: new baud index
};

inline constexpr std::uint16_t CommandCode(Command c) {
  return static_cast<std::uint16_t>(c);
}
