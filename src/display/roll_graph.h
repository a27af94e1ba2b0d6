// The roll graph: the last 100 samples of six traces, scrolled in from the right.
#pragma once

#include <array>

#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"

// Appends the measurement with its tolerance limits, Teach-Value and analogue
// companions, and scales the graph to the zoom window when zoom is on.
void PlotRollGraph(const MeasurementState& measurement, const ParameterSet& parameters,
                   const HardwareInfo& hardware);

// 100 samples of 6 traces (upper limit, lower limit, Teach-Value, M, H, L),
// interleaved, oldest first; zero at start-up and never cleared while running.
inline constexpr int kRollTraces = 6;
inline constexpr int kRollSamples = 100;
struct RollBuffer {
  std::array<double, kRollTraces * kRollSamples> values{};
};
RollBuffer& Roll();
void ResetRollBuffer();
// Drops the oldest sample and puts the new one in the last six places.
void PushRollSample(RollBuffer& buffer, const std::array<double, kRollTraces>& sample);
