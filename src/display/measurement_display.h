// Showing each measurement: displays, indicators, cursors and bands of the main
// panel (ShowMeasurement), and the roll graph of the last 100 values
// (PlotRollGraph, roll_graph.h).
#pragma once

#include "display/roll_graph.h"

void ShowMeasurement();
