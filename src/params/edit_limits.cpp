#include "params/edit_limits.h"

#include <algorithm>

namespace {

std::uint16_t Percent(std::uint32_t base, int percent) {
  return static_cast<std::uint16_t>(base * static_cast<std::uint32_t>(percent) / 100);
}

}  // namespace

int LimitUpperTolerance(int value, int teachValue, int subpixelRange) {
  // A set-point at the very end of the line leaves no room above it: 0, not -1.
  if (teachValue + value <= subpixelRange) return value;
  return std::max(0, subpixelRange - teachValue - 1);
}

int LimitLowerTolerance(int value, int teachValue) {
  return value > teachValue ? teachValue : value;
}

int LimitTeachValue(int value, int subpixelRange) {
  if (value > subpixelRange) value = subpixelRange - 1;
  return value < 1 ? 1 : value;
}

void FillFixedLine(std::array<std::uint16_t, 256>& line, int videoFullScale, int percent) {
  line.fill(Percent(static_cast<std::uint32_t>(videoFullScale), percent));
}

void ScaleProfile(const std::array<std::uint16_t, 256>& profile, int percent,
                  std::array<std::uint16_t, 256>& line) {
  for (std::size_t i = 0; i < line.size(); ++i) line[i] = Percent(profile[i], percent);
}
