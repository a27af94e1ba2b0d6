// The tolerance and teach fields: a value the sensor cannot use is corrected in
// the field as soon as it is entered.
#include "params/edit_limits.h"
#include "params/mode_rules.h"
#include "params/parameter_callbacks.h"
#include "params/parameter_help.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

int TeachValue() {
  return Params().para0[P0_TEACH_VALUE];
}

// The edited tolerance in length units on its own display of the main panel;
// where the lower field sets both limits, on both.
void ShowEditedTolerance(int pixels, bool upper) {
  const double length = ToleranceInLength(static_cast<std::uint16_t>(pixels), Params().umSlope);
  const bool both = !upper && LowerToleranceSetsBoth(Hardware().firmwareVersion);
  if (upper || both) rt::SetCtrlVal(Panels().main, ids::MAIN_TOL_UP, length);
  if (!upper || both) rt::SetCtrlVal(Panels().main, ids::MAIN_TOL_LOW, length);
}

void LimitUpper(int panel, int control) {
  const int v =
      LimitUpperTolerance(ControlValue(panel, control), TeachValue(), Hardware().subpixelRange);
  rt::SetCtrlVal(panel, control, v);
  ShowEditedTolerance(v, true);
}

void LimitLower(int panel, int control) {
  const int v = LimitLowerTolerance(ControlValue(panel, control), TeachValue());
  rt::SetCtrlVal(panel, control, v);
  ShowEditedTolerance(v, false);
}

void LimitTeach(int panel, int control) {
  rt::SetCtrlVal(panel, control,
                 LimitTeachValue(ControlValue(panel, control), Hardware().subpixelRange));
}

}  // namespace

int CC_NEDITToleranceUP(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::UpperTolerance, rt::EVENT_VAL_CHANGED,
                    LimitUpper);
}

int CC_NEDITTolerance(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::LowerTolerance, rt::EVENT_VAL_CHANGED,
                    LimitLower);
}

int CC_NEDITTeach(int panel, int control, int event, void*, int, int) {
  return HelpOrEdit(panel, control, event, ParamHelp::TeachValue, rt::EVENT_COMMIT, LimitTeach);
}
