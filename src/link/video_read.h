// Reading one raw block of 64 words of the receiver line's intensity profile or
// of the stored threshold curve (command 9). The caller removes the receive
// callback before and installs it again after the blocks.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int kVideoBlockBytes = 128;
inline constexpr int kVideoBlockWords = 64;
using VideoBlockWords = std::array<std::uint16_t, kVideoBlockWords>;

// first: 0, 64, 128 or 192; target: 0 = profile, other = threshold curve.
// 1 when exactly 128 bytes came (*words holds them), else 0. The waiting and
// outcome texts go to the status line.
int ReadVideoBlockWords(std::uint16_t first, std::uint16_t target, VideoBlockWords* words);
