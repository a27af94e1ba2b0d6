// What the parameter fields accept as the operator types, and the video
// threshold lines the slider previews, computed without touching a control.
#pragma once

#include <array>
#include <cstdint>

// Teach-Value plus the upper tolerance stays below the subpixel range.
int LimitUpperTolerance(int value, int teachValue, int subpixelRange);
// The lower tolerance reaches down to pixel 0 at most.
int LimitLowerTolerance(int value, int teachValue);
// Above the range the set-point becomes the last subpixel; below 1 it becomes
// 1. A value equal to the range passes.
int LimitTeachValue(int value, int subpixelRange);

// A fixed line at percent of the video full scale.
void FillFixedLine(std::array<std::uint16_t, 256>& line, int videoFullScale, int percent);
// The profile scaled point by point to percent.
void ScaleProfile(const std::array<std::uint16_t, 256>& profile, int percent,
                  std::array<std::uint16_t, 256>& line);
