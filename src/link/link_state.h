// The state of the sensor line: request words, frame data area, buffers, reply
// class and reply arrival flag. One instance for the whole run.
#pragma once

#include <array>
#include <cstdint>

inline constexpr double kReplyTimeout = 1.5;  // seconds; strictly more is a time-out
inline constexpr int kFrameBytes = 36;
inline constexpr int kBufferBytes = 4096;
inline constexpr int kNotifyCount = 36;
inline constexpr int kEventChar = 0x55;
inline constexpr std::uint16_t kRequestSync = 0x0055;
inline constexpr std::uint16_t kReplySync = 0x00AA;

struct LinkState {
  std::uint16_t portNumber = 1;
  std::uint16_t baudIndex = 1;
  std::uint16_t syncWord = kRequestSync;
  std::uint16_t commandWord = 1;
  std::uint16_t argumentWord = 0;
  std::array<std::uint16_t, 16> data{};  // frame data area
  std::array<std::uint8_t, kBufferBytes> tx{};
  std::array<std::uint8_t, kBufferBytes> rx{};
  int replyClass = 0;
  int replyArrived = 0;
};

LinkState& Link();
void ResetLinkState();
