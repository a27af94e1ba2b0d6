// The state of the sensor line, kept inside the link: port, frame data area,
// buffers, reply class, reply arrival flag and the last reply stored. One
// instance for the whole run; nothing outside src/link reads it.
#pragma once

#include <array>
#include <cstdint>

#include "link/line.h"
#include "link/reply.h"

inline constexpr int kNotifyCount = 36;
inline constexpr int kEventChar = 0x55;
inline constexpr std::uint16_t kRequestSync = 0x0055;
inline constexpr std::uint16_t kReplySync = 0x00AA;

struct LinkState {
  std::uint16_t portNumber = 1;
  std::uint16_t baudIndex = 1;
  ReplyWords data{};  // frame data area: the next request's words, the last reply's
  std::array<std::uint8_t, kBufferBytes> tx{};
  std::array<std::uint8_t, kBufferBytes> rx{};
  int replyClass = 0;
  int replyArrived = 0;
  Reply last;  // the reply the receive callback stored last
};

LinkState& Link();
