#include "frame_codec.h"

namespace sim {

std::uint16_t GetWord(const std::uint8_t* bytes, int index) {
  return static_cast<std::uint16_t>((bytes[2 * index] << 8) | bytes[2 * index + 1]);
}

void PutWord(std::uint8_t* bytes, int index, std::uint16_t value) {
  bytes[2 * index] = static_cast<std::uint8_t>(value >> 8);
  bytes[2 * index + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

Bytes WordsBigEndian(const std::uint16_t* words, int count) {
  Bytes out(static_cast<std::size_t>(2 * count));
  for (int i = 0; i < count; ++i) PutWord(out.data(), i, words[i]);
  return out;
}

Request DecodeRequest(const std::uint8_t* frame) {
  Request r;
  r.sync = GetWord(frame, 0);
  r.command = GetWord(frame, 1);
  r.argument = GetWord(frame, 2);
  for (int i = 0; i < 15; ++i) r.data[i] = GetWord(frame, 3 + i);
  return r;
}

Bytes EncodeRequest(const Request& request) {
  Bytes out(kFrameBytes);
  PutWord(out.data(), 0, request.sync);
  PutWord(out.data(), 1, request.command);
  PutWord(out.data(), 2, request.argument);
  for (int i = 0; i < 15; ++i) PutWord(out.data(), 3 + i, request.data[i]);
  return out;
}

Bytes AckFrame(std::uint16_t word1, std::uint16_t argument, const DataWords& data,
               std::uint16_t sync) {
  Bytes out(kFrameBytes);
  PutWord(out.data(), 0, sync);
  PutWord(out.data(), 1, word1);
  PutWord(out.data(), 2, argument);
  for (int i = 0; i < 15; ++i) PutWord(out.data(), 3 + i, data[i]);
  return out;
}

Bytes RecordFrame(std::uint16_t type, const RecordWords& data) {
  Bytes out(kFrameBytes);
  PutWord(out.data(), 0, kReplySync);
  PutWord(out.data(), 1, type);
  for (int i = 0; i < 16; ++i) PutWord(out.data(), 2 + i, data[i]);
  return out;
}

bool FrameCutter::push(std::uint8_t byte, double t) {
  if (fill_ > 0 && t - last_ > kGapLimit) fill_ = 0;
  last_ = t;
  if (fill_ == 0 && byte != 0x00) return false;
  if (fill_ == 1 && byte != 0x55) {
    fill_ = (byte == 0x00) ? 1 : 0;  // a second 00 may start the frame itself
    return false;
  }
  buf_[fill_++] = byte;
  if (fill_ < kFrameBytes) return false;
  fill_ = 0;
  return true;
}

}  // namespace sim
