// Decisions about control values and mouse clicks that need no widget: which
// ring item a value selects, what a click does to a two-state control, how a
// typed entry is coerced, and which events a mouse press raises.
#pragma once

#include <vector>

#include "runtime/ui_model.h"

namespace qtfront {

// Index of the first ring item holding value, or -1 when no item holds it.
int RingIndexOf(const std::vector<rt::RingItem>& items, double value);

// Toggle, radio button, check box, LED and binary switch: whether it shows "on".
bool IsOn(const rt::Control& c);

// The value a two-state control takes when the operator clicks it.
double ClickedValue(const rt::Control& c);

// A number the operator typed or stepped to, coerced to the control's range and,
// for integer data, rounded to a whole number.
double CoercedEntry(const rt::Control& c, double entered);

// Decimal places a numeric field or slider shows.
int DisplayDecimals(const rt::Control& c);

// Slider positions are whole numbers: the value times this factor.
double SliderScale(const rt::Control& c);

enum class MouseButton { Left, Right, Other };

// Events that one mouse press raises on a control or a panel, in dispatch order.
// The second press of a double click raises the click event and the double-click
// event; other buttons raise nothing.
std::vector<int> PressEvents(MouseButton button, bool doubleClick);

}  // namespace qtfront
