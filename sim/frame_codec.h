// Sensor frames as the sensor sees them: 36 bytes, 18 big-endian words.
// Requests come in with sync word 0x0055; replies go out with 0x00AA.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace sim {

inline constexpr int kFrameBytes = 36;
inline constexpr int kFrameWords = 18;
inline constexpr std::uint16_t kRequestSync = 0x0055;
inline constexpr std::uint16_t kReplySync = 0x00AA;

using Bytes = std::vector<std::uint8_t>;
using DataWords = std::array<std::uint16_t, 15>;    // words 3..17 of a request or class-1 reply
using RecordWords = std::array<std::uint16_t, 16>;  // words 2..17 of a class-8 or class-18 reply

std::uint16_t GetWord(const std::uint8_t* bytes, int index);
void PutWord(std::uint8_t* bytes, int index, std::uint16_t value);
Bytes WordsBigEndian(const std::uint16_t* words, int count);

struct Request {
  std::uint16_t sync = kRequestSync;
  std::uint16_t command = 0;
  std::uint16_t argument = 0;
  DataWords data{};
};

Request DecodeRequest(const std::uint8_t* frame);
Bytes EncodeRequest(const Request& request);

// Acknowledgement or data answer: word 1 = the command answered (or whatever
// word the caller wants there), word 2 = the argument, words 3..17 = data.
Bytes AckFrame(std::uint16_t word1, std::uint16_t argument, const DataWords& data,
               std::uint16_t sync = kReplySync);
// Measurement record (type 8) or recorder sample (type 18): words 2..17 = data.
Bytes RecordFrame(std::uint16_t type, const RecordWords& data);

// Cuts request frames out of the byte stream from the line. It waits for the
// sync bytes 00 55 before it collects a frame, and forgets a half frame when
// the line has been quiet for longer than kGapLimit seconds.
class FrameCutter {
 public:
  static constexpr double kGapLimit = 0.1;

  // One byte that arrived at time t; true when it completed a frame.
  bool push(std::uint8_t byte, double t);
  const std::array<std::uint8_t, kFrameBytes>& frame() const { return buf_; }
  int pending() const { return fill_; }
  void reset() { fill_ = 0; }

 private:
  std::array<std::uint8_t, kFrameBytes> buf_{};
  int fill_ = 0;
  double last_ = 0;
};

}  // namespace sim
