// The help box beside a button or field of the main panel, toggled, with the text.
#pragma once

#include <string>

void ToggleButtonHelp(int panel, int control, const std::string& text);
