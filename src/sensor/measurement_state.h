// The last measurement the sensor reported (measurement or recorder reply).
#pragma once

#include <cstdint>

struct MeasurementState {
  std::uint16_t eLeft = 0;
  std::uint16_t eRight = 0;
  std::uint16_t mValue = 0;
  std::uint32_t micrometre = 0;
  std::uint16_t sensorTolerance = 0;
  std::uint16_t edges = 0;
  std::uint16_t sideWord8 = 0;
  std::uint16_t sideWord9 = 0;
  std::uint16_t word10 = 0;
  std::uint16_t max = 0;
  std::uint16_t min = 0;
  std::uint16_t outputStates = 0;
  std::uint16_t word14 = 0;
  std::uint16_t triggerLevel = 0;
};

MeasurementState& Measurement();
void ResetMeasurementState();
