#include "params/parameter_help.h"

#include "help/help_box.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"

void ToggleParameterHelp(int panel, int control, ParamHelp which) {
  const HelpEntry e = ParameterHelp(which, Hardware().firmwareVersion);
  ToggleHelpBeside(panel, control, e.large ? HelpBox::Large : HelpBox::Main, e.dx, e.dy, e.text);
}

int HelpOrEdit(int panel, int control, int event, ParamHelp which, int editEvent,
               void (*onEdit)(int panel, int control)) {
  if (event == rt::EVENT_RIGHT_CLICK) {
    ToggleParameterHelp(panel, control, which);
  } else if (onEdit && event == editEvent) {
    onEdit(panel, control);
  }
  return 0;
}

int ControlValue(int panel, int control) {
  int value = 0;
  rt::GetCtrlVal(panel, control, &value);
  return value;
}
