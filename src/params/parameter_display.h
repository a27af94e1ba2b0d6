// Showing the parameter set on the panels, and the buttons that need a sensor.
#pragma once

#include <cstdint>

// Applies the limits to the set, then writes every bound control from it.
void ShowParameters();
// Send, Get, Video, Run and Reset on the main panel and Teach on parameter panel 2.
void DimLinkButtons(std::uint16_t dim);
