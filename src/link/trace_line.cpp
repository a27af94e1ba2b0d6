#include "link/trace_line.h"

#include <cstdio>

#include "link/commands.h"
#include "link/frame_codec.h"

namespace {

constexpr int kFrameWords = 18;

std::string Hex(const std::uint8_t* bytes, int count) {
  std::string out;
  out.reserve(static_cast<std::size_t>(count) * 3);
  char b[4];
  for (int i = 0; i < count; ++i) {
    std::snprintf(b, sizeof b, i == 0 ? "%02X" : " %02X", bytes[i]);
    out += b;
  }
  return out;
}

std::string Milliseconds(double ms) {
  char b[32];
  std::snprintf(b, sizeof b, "%.3f", ms);
  return b;
}

const char* Arrow(TraceDirection d) {
  return d == TraceDirection::ToSensor ? "PC>SENSOR" : "SENSOR>PC";
}

}  // namespace

std::string_view CommandName(std::uint16_t code) {
  switch (static_cast<Command>(code)) {
    case Command::Dummy:
      return "Dummy";
    case Command::WriteParaRam:
      return "WriteParaRam";
    case Command::ReadParaRam:
      return "ReadParaRam";
    case Command::WriteParaEeprom:
      return "WriteParaEeprom";
    case Command::ReadParaEeprom:
      return "ReadParaEeprom";
    case Command::Echo:
      return "Echo";
    case Command::Teach:
      return "Teach";
    case Command::FirmwareText:
      return "FirmwareText";
    case Command::Measurement:
      return "Measurement";
    case Command::VideoBlock:
      return "VideoBlock";
    case Command::HardwareInfo:
      return "HardwareInfo";
    case Command::ResetMaxMin:
      return "ResetMaxMin";
    case Command::Calibration:
      return "Calibration";
    case Command::StoreVideoThreshold:
      return "StoreVideoThreshold";
    case Command::RecorderSample:
      return "RecorderSample";
    case Command::ClearFlash:
      return "ClearFlash";
    case Command::FlashBlockWrite:
      return "FlashBlockWrite";
    case Command::ChangeBaudRate:
      return "ChangeBaudRate";
  }
  // The sensor answers a recorder sample with type 19 as well as 18.
  return code == 19 ? "RecorderSample" : "?";
}

std::string TraceFrameLine(double ms, TraceDirection direction, const std::uint8_t* bytes,
                           int count) {
  const int words = count / 2 < kFrameWords ? count / 2 : kFrameWords;
  std::string line = Milliseconds(ms) + '\t' + Arrow(direction) + '\t';
  if (words >= 2) {
    const std::uint16_t type = ReadWord(bytes, 1);
    line += std::string(CommandName(type)) + '\t' + std::to_string(type);
  } else {
    line += "-\t-";
  }
  line += '\t';
  line += words >= 3 ? std::to_string(ReadWord(bytes, 2)) : "-";
  line += '\t';
  for (int w = 3; w < words; ++w) {
    if (w > 3) line += ' ';
    line += std::to_string(ReadWord(bytes, w));
  }
  line += '\t' + Hex(bytes, count) + '\n';
  return line;
}

std::string TraceRawLine(double ms, std::uint16_t command, const std::uint8_t* bytes, int count) {
  return Milliseconds(ms) + "\tSENSOR>PC\t" + std::string(CommandName(command)) + '\t' +
         std::to_string(command) + "\traw\t" + std::to_string(count) + " bytes\t" +
         Hex(bytes, count) + '\n';
}
