// What travels on the line as values: the 15 data words of a request and a
// reply frame as the receive callback took it.
#pragma once

#include <array>
#include <cstdint>

using DataWords = std::array<std::uint16_t, 15>;   // data words 0..14 of a request
using ReplyWords = std::array<std::uint16_t, 16>;  // data words 0..15 after a reply

struct Reply {
  int replyClass = 0;                     // 1, 8 or 18
  std::array<std::uint16_t, 18> frame{};  // the 36 bytes as words, high byte first
  // The data words as the decoder left them: words 2..17 of a measurement or
  // recorder reply, words 3..17 of any other (whose data word 15 is the one
  // before it).
  ReplyWords data{};

  std::uint16_t type() const { return frame[1]; }  // the command answered
  std::uint16_t argument() const { return frame[2]; }
};
