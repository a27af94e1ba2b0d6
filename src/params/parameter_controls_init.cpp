#include "params/parameter_controls_init.h"

#include <cstdint>

#include "display/threshold_readback.h"
#include "display/threshold_state.h"
#include "help/control_help.h"
#include "help/help_callbacks.h"
#include "params/panel_rules.h"
#include "params/parameter_help.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

// FIXED on the selector dims the save-threshold button; AUTO enables it and
// brings the stored threshold curve from the sensor as the working line.
void InitThresholdView() {
  const int para2 = Panels().para2;
  const bool fixed = ControlValue(para2, ids::P2_VTHD_MODE) == 0;
  rt::SetCtrlAttribute(para2, ids::P2_SAVE_THD, rt::ATTR_DIMMED, fixed ? 1 : 0);
  if (fixed) return;
  GetEEThreshold();
  Threshold().autoLine = Threshold().storedCurve;
  ShowStatus(Hardware().firmwareText);
}

}  // namespace

void InitParameterControls() {
  const PanelHandles& p = Panels();
  ApplyHardwareMode(ControlValue(p.para2, ids::P2_HW_MODE), RuleSource::Controls);
  ApplyInternalTrigger(ControlValue(p.para1, ids::P1_INT_TRIG), RuleSource::Controls);
  ApplyAnalogOutMode(ControlValue(p.para1, ids::P1_ANALOG_OUT));
  InitThresholdView();
  ApplyOperationMode(ControlValue(p.calib, ids::CAL_OPMODE));
  ApplyRecorderMode(ControlValue(p.recorder, ids::REC_RS232_MODE), RuleSource::Controls);
  ShowToleranceValues();
  ResetHelpBoxes();
  ShowHelpTooltips();
}
