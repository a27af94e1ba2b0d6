// A right click on a parameter control toggles its help box beside it.
#pragma once

#include "params/parameter_help_texts.h"

void ToggleParameterHelp(int panel, int control, ParamHelp which);
// The shape of every parameter callback: a right click toggles the help; the
// edit event (commit or value changed) passes the control to onEdit. Returns 0.
int HelpOrEdit(int panel, int control, int event, ParamHelp which, int editEvent = 0,
               void (*onEdit)(int panel, int control) = nullptr);
// The control's value as a whole number.
int ControlValue(int panel, int control);
