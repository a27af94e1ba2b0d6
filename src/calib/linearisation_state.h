// The linearisation table that is written into the sensor's external flash.
#pragma once

#include <array>
#include <cstdint>

struct LinearisationState {
  std::array<std::uint16_t, 2048> table{};
};

LinearisationState& Linearisation();
void ResetLinearisationState();
