// The intensity profile of the receiver line and where the next block read lands.
#pragma once

#include <array>
#include <cstdint>

struct VideoState {
  std::array<std::uint16_t, 256> profile{};
  std::uint16_t blockTarget = 0;  // 0: video profile, other: stored threshold curve
};

VideoState& Video();
void ResetVideoState();
