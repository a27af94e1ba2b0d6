#include "app/window_fit.h"

#include <algorithm>

namespace {

long long Clamp(long long value, long long low, long long high) {
  return std::max(low, std::min(value, high));
}

int FitDimension(int current, long wanted, int screen) {
  if (wanted <= 0) return current;
  if (screen > 0 && wanted > screen) return screen;
  return static_cast<int>(Clamp(wanted, 1, 1'000'000));
}

// The title bar lies just above the top edge; it can be grabbed when the top
// edge is on the screen (with room for the bar) and a grip's width of the
// window overlaps the screen sideways.
bool TitleBarReachable(long long left, long long top, long long width, ScreenArea screen) {
  const long long grip = std::min<long long>(kTitleGrip, width);
  const bool rowOnScreen = top >= 0 && top < screen.height;
  const bool gripOnScreen = left + width >= grip && left <= screen.width - grip;
  return rowOnScreen && gripOnScreen;
}

}  // namespace

WindowRect FitSize(WindowRect current, long width, long height, ScreenArea screen) {
  current.width = FitDimension(current.width, width, screen.width);
  current.height = FitDimension(current.height, height, screen.height);
  return current;
}

WindowRect FitPlace(WindowRect sized, long left, long top, ScreenArea screen) {
  const bool fillsScreen = sized.width >= screen.width || sized.height >= screen.height;
  if (screen.width <= 0 || screen.height <= 0 ||
      (!fillsScreen && TitleBarReachable(left, top, sized.width, screen))) {
    sized.left = static_cast<int>(Clamp(left, -1'000'000, 1'000'000));
    sized.top = static_cast<int>(Clamp(top, -1'000'000, 1'000'000));
    return sized;
  }
  const long long maxLeft = std::max<long long>(0, 1LL * screen.width - sized.width);
  const long long maxTop = std::max<long long>(0, 1LL * screen.height - sized.height);
  sized.left = static_cast<int>(Clamp(left, 0, maxLeft));
  sized.top = static_cast<int>(Clamp(top, 0, maxTop));
  return sized;
}
