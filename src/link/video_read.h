// Reading one raw block of 64 words of the receiver line's intensity profile or
// of the stored threshold curve (command 9). The caller removes the receive
// callback before and installs it again after the blocks.
#pragma once

#include <array>
#include <cstdint>

#include "link/request.h"

inline constexpr int kVideoBlockBytes = 128;
inline constexpr int kVideoBlockWords = 64;
using VideoBlockWords = std::array<std::uint16_t, kVideoBlockWords>;

enum class BlockAnswer { Received, TimedOut, WrongCount };
struct VideoBlock {
  BlockAnswer answer = BlockAnswer::TimedOut;
  VideoBlockWords words{};  // when exactly 128 bytes came
};
// first: 0, 64, 128 or 192; target: 0 = profile, other = threshold curve.
// onWritten runs once the request is out, before the wait.
VideoBlock ReadVideoBlockWords(std::uint16_t first, std::uint16_t target,
                               const OnWritten& onWritten);
