// The help-only callbacks and the registry of the whole family, with their help texts.
#include "params/parameter_callbacks.h"

#include "help/control_help.h"
#include "params/parameter_help.h"
#include "runtime/events.h"
#include "sensor/hardware_info.h"

int CC_DROPevalmode(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::EvalMode);
}

int CC_NUMtrgPix(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::TriggerPixel);
}

int CC_DROPpolarity(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::Polarity);
}

int CC_DROPoutmode(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::OutMode);
}

int CC_DROPaverage(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::Average);
}

int CC_DROPzoomMode(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::ZoomMode);
}

int CC_SLIDEpower(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::Power);
}

int CC_DROP_FilterType(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::FilterType);
}

int CC_DROP_TrigMode(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::In0TriggerMode);
}

int CC_BINSWTarget(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::ThresholdTarget);
}

void RegisterParameterCallbacks() {
  const struct {
    const char* name;
    rt::CtrlCallback fn;
    ParamHelp help;
  } callbacks[] = {
      {"CC_DROPevalmode", CC_DROPevalmode, ParamHelp::EvalMode},
      {"CC_NUMtrgPix", CC_NUMtrgPix, ParamHelp::TriggerPixel},
      {"CC_DROPpolarity", CC_DROPpolarity, ParamHelp::Polarity},
      {"CC_DROPoutmode", CC_DROPoutmode, ParamHelp::OutMode},
      {"CC_DROPaverage", CC_DROPaverage, ParamHelp::Average},
      {"CC_DROPzoomMode", CC_DROPzoomMode, ParamHelp::ZoomMode},
      {"CC_SLIDEpower", CC_SLIDEpower, ParamHelp::Power},
      {"CC_DROP_FilterType", CC_DROP_FilterType, ParamHelp::FilterType},
      {"CC_DROP_TrigMode", CC_DROP_TrigMode, ParamHelp::In0TriggerMode},
      {"CC_BINSWTarget", CC_BINSWTarget, ParamHelp::ThresholdTarget},
      {"CC_DROPintrgMode", CC_DROPintrgMode, ParamHelp::IntTriggerMode},
      {"CC_DROPhardware", CC_DROPhardware, ParamHelp::HardwareMode},
      {"CC_DROPanaMode", CC_DROPanaMode, ParamHelp::AnalogOut},
      {"CC_DROPvthdmode", CC_DROPvthdmode, ParamHelp::VideoThdMode},
      {"CC_BINSWopmode", CC_BINSWopmode, ParamHelp::OperationMode},
      {"CC_DROPrs232mode", CC_DROPrs232mode, ParamHelp::Rs232Mode},
      {"CC_NEDITToleranceUP", CC_NEDITToleranceUP, ParamHelp::UpperTolerance},
      {"CC_NEDITTolerance", CC_NEDITTolerance, ParamHelp::LowerTolerance},
      {"CC_NEDITTeach", CC_NEDITTeach, ParamHelp::TeachValue},
      {"CC_SLIDEVideoThreshold", CC_SLIDEVideoThreshold, ParamHelp::VideoThreshold},
  };
  for (const auto& c : callbacks) {
    rt::RegisterCtrlCallback(c.name, c.fn);
    RegisterHelpText(
        c.name, [which = c.help] { return ParameterHelp(which, Hardware().firmwareVersion).text; });
  }
}
