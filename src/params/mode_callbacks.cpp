// The rings and switches whose choice changes what the panels offer: the mode
// is applied at once from the control's new value.
#include "params/panel_rules.h"
#include "params/parameter_callbacks.h"
#include "params/parameter_help.h"
#include "runtime/constants.h"

int CC_DROPintrgMode(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(
      panel, control, event, ParamHelp::IntTriggerMode, rt::EVENT_VAL_CHANGED,
      [](int p, int c) { ApplyInternalTrigger(ControlValue(p, c), RuleSource::Edit); });
}

int CC_DROPhardware(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::HardwareMode, rt::EVENT_COMMIT,
                    [](int p, int c) { ApplyHardwareMode(ControlValue(p, c), RuleSource::Edit); });
}

int CC_DROPanaMode(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::AnalogOut, rt::EVENT_COMMIT,
                    [](int p, int c) { ApplyAnalogOutMode(ControlValue(p, c)); });
}

int CC_DROPvthdmode(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::VideoThdMode, rt::EVENT_COMMIT,
                    [](int p, int c) { ApplyThresholdModeEdit(ControlValue(p, c)); });
}

int CC_BINSWopmode(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::OperationMode, rt::EVENT_VAL_CHANGED,
                    [](int p, int c) { ApplyOperationModeEdit(ControlValue(p, c)); });
}

int CC_DROPrs232mode(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::Rs232Mode, rt::EVENT_VAL_CHANGED,
                    [](int p, int c) { ApplyRecorderMode(ControlValue(p, c), RuleSource::Edit); });
}
