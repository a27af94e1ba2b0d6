// Every callback named in the resource file is registered here by its name.
#include "app/callbacks.h"
#include "acquire/acquire_callbacks.h"
#include "app/app_settings.h"
#include "app/main_panel.h"
#include "app/window_keys.h"
#include "calib/calibration_callbacks.h"
#include "calib/teach.h"
#include "connect/com_settings.h"
#include "display/display_controls.h"
#include "help/control_help.h"
#include "help/help_callbacks.h"
#include "params/parameter_callbacks.h"
#include "params/transfer_buttons.h"
#include "recorder/recorder_callbacks.h"
#include "runtime/events.h"
#include "ui/panels.h"

void RegisterAllCallbacks() {
  rt::ClearCallbackRegistry();
  ClearHelpTexts();
  RegisterMainPanelCallbacks();
  RegisterTransferCallbacks();
  RegisterAcquireCallbacks();
  RegisterDisplayControlCallbacks();
  RegisterHelpCallbacks();
  RegisterParameterCallbacks();
  RegisterRecorderCallbacks();
  RegisterCalibrationCallbacks();
  RegisterTeachCallbacks();
  RegisterComSettingsCallbacks();
  NoteKeysOnGraphs();
  // Accepting new communication settings writes the settings file at once.
  SetComSettingsSaver([] { SaveAppSettings(App().settingsPath); });
}
