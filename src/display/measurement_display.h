// Showing each measurement: displays, indicators, cursors and bands of the main
// panel, and the roll graph of the last 100 values.
#pragma once

#include <array>

void ShowMeasurement();
void PlotRollGraph();

struct RollBuffer {
  std::array<double, 600> values{};  // 100 samples of 6 traces, oldest first
};
RollBuffer& Roll();
void ResetRollBuffer();
