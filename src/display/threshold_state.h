// Threshold curves of the video signal: the curve stored in the sensor as read
// back, the working auto-threshold line, and the teach-pressed flag.
#pragma once

#include <array>
#include <cstdint>

struct ThresholdState {
  std::array<std::uint16_t, 256> storedCurve{};
  std::array<std::uint16_t, 256> autoLine{};
  bool teachPressed = false;
};

ThresholdState& Threshold();
void ResetThresholdState();
