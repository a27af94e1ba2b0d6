#include "acquire/acquire_callbacks.h"

#include "acquire/run_mode.h"
#include "acquire/video_mode.h"
#include "help/control_help.h"
#include "runtime/events.h"

void RegisterAcquireCallbacks() {
  rt::RegisterCtrlCallback("CC_BTNRun", CC_BTNRun);
  rt::RegisterCtrlCallback("CC_BTNStop", CC_BTNStop);
  rt::RegisterCtrlCallback("CC_BTNVideo", CC_BTNVideo);
  RegisterHelpText("CC_BTNRun", kRunHelp);
  RegisterHelpText("CC_BTNStop", kStopHelp);
  RegisterHelpText("CC_BTNVideo", kVideoHelp);
}
