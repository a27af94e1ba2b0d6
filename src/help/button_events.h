// The events of a button as the operator gives them: the mouse press (which
// comes before the commit) may end a running loop or prepare the action, the
// commit performs it, and a right click toggles the button's help text in the
// help box beside it.
#pragma once

#include <string>

struct ButtonHelp {
  const char* text = "";
  int dx = 10;  // right of the control's edge
  int dy = 10;  // above its top
};

struct ButtonActions {
  void (*commit)() = nullptr;
  void (*press)() = nullptr;
  ButtonHelp help;
};

// Runs what the event asks for; returns 0 as every control callback does.
int HandleButtonEvent(int panel, int control, int event, const ButtonActions& actions);

// The help box beside a button or field of the main panel, toggled, with the text.
void ToggleButtonHelp(int panel, int control, const std::string& text);
