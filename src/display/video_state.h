// The intensity profile of the receiver line.
#pragma once

#include <array>
#include <cstdint>

struct VideoState {
  std::array<std::uint16_t, 256> profile{};
};

VideoState& Video();
void ResetVideoState();
