// Context help: a right click puts a control's help text into a help box beside
// the control and toggles the box.
#pragma once

#include <string>

enum class HelpBox { Main, Large, Settings };

// The box next to a control of any panel: left = control left + width + dx and
// top = control top - dy, in main-panel coordinates for controls of child
// panels. The box's visibility flips and it takes the text (also when hidden).
void ToggleHelpBeside(int panel, int control, HelpBox box, int dx, int dy, const std::string& text);
// The box at a given place (left, top), toggled, with the text.
void ToggleHelpAt(HelpBox box, int left, int top, const std::string& text);
