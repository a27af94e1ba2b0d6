#include "parameter_memory.h"

namespace sim {

ParaFrame StartPara0() {
  // Power, Power-Mode, Polarity, Eval-Mode, Eval-Begin, Eval-End, Teach-Value,
  // Upper-/Lower-Tolerance, Average, Ext.Trigger-Mode, Analog-Out-Mode,
  // CCD-Operation-Mode, Hardware-Mode, Video-Thd-Mode.
  return {500, 1, 1, 1, 1, 1024, 512, 100, 100, 1, 0, 0, 0, 1, 0};
}

ParaFrame StartPara1() {
  // Video-Thd-Fix, Video-Thd-Auto, RS-232-Mode, RS-232-Baudrate, Filter-Type,
  // Analog-Zoom-Mode, Int.Trigger-Mode, Trigger-Pixel, Digital-Out-Mode,
  // Edge-Hysteresis, Para11, um-Slope (low, high), um-Offset (low, high).
  return {40, 70, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1024, 0, 32767, 0};
}

std::uint32_t ReadLong(const ParaFrame& frame, int lowWord) {
  return static_cast<std::uint32_t>(frame[lowWord]) |
         (static_cast<std::uint32_t>(frame[lowWord + 1]) << 16);
}

void WriteLong(ParaFrame& frame, int lowWord, std::uint32_t value) {
  frame[lowWord] = static_cast<std::uint16_t>(value & 0xFFFF);
  frame[lowWord + 1] = static_cast<std::uint16_t>(value >> 16);
}

ParameterMemory::ParameterMemory() {
  ram = {StartPara0(), StartPara1()};
  eeprom = ram;
}

FlashPage ParameterMemory::flashPage(int page) const {
  auto it = flash.find(page);
  if (it != flash.end()) return it->second;
  FlashPage erased;
  erased.fill(kErasedFlashWord);
  return erased;
}

void ParameterMemory::writeFlash(int page, int offset, const std::uint16_t* words, int count) {
  auto it = flash.find(page);
  if (it == flash.end()) it = flash.emplace(page, flashPage(page)).first;
  for (int i = 0; i < count && offset + i < 256; ++i)
    if (offset + i >= 0) it->second[offset + i] = words[i];
}

}  // namespace sim
