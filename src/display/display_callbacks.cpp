#include "display/display_callbacks.h"

#include "display/display_controls.h"
#include "display/run_mode.h"
#include "display/video_mode.h"
#include "runtime/events.h"

void RegisterDisplayCallbacks() {
  rt::RegisterCtrlCallback("CC_BTNRun", CC_BTNRun);
  rt::RegisterCtrlCallback("CC_BTNStop", CC_BTNStop);
  rt::RegisterCtrlCallback("CC_BTNVideo", CC_BTNVideo);
  RegisterDisplayControlCallbacks();
}
