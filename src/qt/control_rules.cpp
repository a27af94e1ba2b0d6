#include "qt/control_rules.h"

#include <algorithm>
#include <cmath>

#include "runtime/constants.h"

namespace qtfront {

int RingIndexOf(const std::vector<rt::RingItem>& items, double value) {
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].value == value) return static_cast<int>(i);
  return -1;
}

bool IsOn(const rt::Control& c) {
  if (c.kind == rt::ControlKind::BinarySwitch) return c.num == c.onValue;
  return c.num != 0;
}

double ClickedValue(const rt::Control& c) {
  if (c.kind == rt::ControlKind::BinarySwitch) return IsOn(c) ? c.offValue : c.onValue;
  return IsOn(c) ? 0 : 1;
}

double CoercedEntry(const rt::Control& c, double entered) {
  double v = c.integerData ? std::round(entered) : entered;
  if (c.minValue <= c.maxValue) v = std::clamp(v, c.minValue, c.maxValue);
  return v;
}

int DisplayDecimals(const rt::Control& c) {
  return c.integerData ? 0 : std::clamp(c.precision, 0, 15);
}

double SliderScale(const rt::Control& c) {
  // Positions must stay well inside the int range of the slider widget.
  double reach = std::max(std::fabs(c.minValue), std::fabs(c.maxValue));
  double scale = 1;
  for (int d = 0; d < DisplayDecimals(c) && reach * scale * 10 < 1e9; ++d) scale *= 10;
  return scale;
}

std::vector<int> PressEvents(MouseButton button, bool doubleClick) {
  switch (button) {
    case MouseButton::Left:
      if (doubleClick) return {rt::EVENT_LEFT_CLICK, rt::EVENT_LEFT_DOUBLE_CLICK};
      return {rt::EVENT_LEFT_CLICK};
    case MouseButton::Right:
      if (doubleClick) return {rt::EVENT_RIGHT_CLICK, rt::EVENT_RIGHT_DOUBLE_CLICK};
      return {rt::EVENT_RIGHT_CLICK};
    case MouseButton::Other:
      break;
  }
  return {};
}

}  // namespace qtfront
