// Every callback named in the resource file is registered here by its name.
#include "app/callbacks.h"
#include "app/main_panel.h"
#include "calib/calibration_callbacks.h"
#include "display/display_callbacks.h"
#include "display/run_mode.h"
#include "help/help_callbacks.h"
#include "params/parameter_callbacks.h"
#include "params/transfer_buttons.h"
#include "params/transfer_state.h"
#include "recorder/recorder_callbacks.h"
#include "runtime/events.h"

void RegisterAllCallbacks() {
  rt::ClearCallbackRegistry();
  RegisterMainPanelCallbacks();
  RegisterTransferCallbacks();
  RegisterDisplayCallbacks();
  // Run and video mode select the RAM target, which lives with the transfer buttons.
  SetRamTargetSelector([] { Transfer().target = kTargetRam; });
  RegisterHelpCallbacks();
  RegisterParameterCallbacks();
  RegisterRecorderCallbacks();
  RegisterCalibrationCallbacks();
}
