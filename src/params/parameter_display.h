// Showing the parameter set on the panels, and the buttons that need a sensor.
#pragma once

#include <cstdint>

// Applies the limits to the set, writes every bound control from it, applies
// the mode rules and redraws what depends on the set: fixed-threshold line,
// the data graph's axis, cursors and background, the tolerance displays.
void ShowParameters();
// Send, Get, Video, Run and Reset on the main panel and Teach on parameter panel 2.
void DimLinkButtons(std::uint16_t dim);
