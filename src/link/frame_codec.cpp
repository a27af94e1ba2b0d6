#include "link/frame_codec.h"

std::uint16_t ReadWord(const std::uint8_t* bytes, int word) {
  return static_cast<std::uint16_t>((bytes[2 * word] << 8) | bytes[2 * word + 1]);
}

void WriteWord(std::uint8_t* bytes, int word, std::uint16_t value) {
  bytes[2 * word] = static_cast<std::uint8_t>(value >> 8);
  bytes[2 * word + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

void EncodeRequest(std::uint8_t* out, std::uint16_t sync, std::uint16_t command,
                   std::uint16_t argument, const std::uint16_t* data15) {
  WriteWord(out, 0, sync);
  WriteWord(out, 1, command);
  WriteWord(out, 2, argument);
  for (int i = 0; i < 15; ++i) WriteWord(out, 3 + i, data15[i]);
}

int DecodeReply(const std::uint8_t* reply, std::array<std::uint16_t, 16>* data) {
  const auto type = static_cast<std::int16_t>(ReadWord(reply, 1));
  if (type == 18 || type == 19 || type == 8) {
    for (int i = 0; i < 16; ++i) (*data)[i] = ReadWord(reply, 2 + i);
    return type == 8 ? kReplyClassMeasurement : kReplyClassRecorder;
  }
  for (int i = 0; i < 15; ++i) (*data)[i] = ReadWord(reply, 3 + i);
  return kReplyClassAck;
}
