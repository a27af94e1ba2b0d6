// The help-only callbacks and the registry of the whole family.
#include "params/parameter_callbacks.h"

#include "params/parameter_help.h"
#include "runtime/events.h"

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
  } callbacks[] = {
      {"CC_DROPevalmode", CC_DROPevalmode},
      {"CC_NUMtrgPix", CC_NUMtrgPix},
      {"CC_DROPpolarity", CC_DROPpolarity},
      {"CC_DROPoutmode", CC_DROPoutmode},
      {"CC_DROPaverage", CC_DROPaverage},
      {"CC_DROPzoomMode", CC_DROPzoomMode},
      {"CC_SLIDEpower", CC_SLIDEpower},
      {"CC_DROP_FilterType", CC_DROP_FilterType},
      {"CC_DROP_TrigMode", CC_DROP_TrigMode},
      {"CC_BINSWTarget", CC_BINSWTarget},
      {"CC_DROPintrgMode", CC_DROPintrgMode},
      {"CC_DROPhardware", CC_DROPhardware},
      {"CC_DROPanaMode", CC_DROPanaMode},
      {"CC_DROPvthdmode", CC_DROPvthdmode},
      {"CC_BINSWopmode", CC_BINSWopmode},
      {"CC_DROPrs232mode", CC_DROPrs232mode},
      {"CC_NEDITToleranceUP", CC_NEDITToleranceUP},
      {"CC_NEDITTolerance", CC_NEDITTolerance},
      {"CC_NEDITTeach", CC_NEDITTeach},
      {"CC_SLIDEVideoThreshold", CC_SLIDEVideoThreshold},
  };
  for (const auto& c : callbacks) rt::RegisterCtrlCallback(c.name, c.fn);
}
