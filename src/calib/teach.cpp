#include "calib/teach.h"

#include "calib/threshold_save.h"
#include "display/threshold_state.h"
#include "help/button_events.h"
#include "help/control_help.h"
#include "link/request.h"
#include "link/run_state.h"
#include "link/serial_port.h"
#include "params/parameter_panels.h"
#include "params/parameter_transfer.h"
#include "params/transfer_state.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "sensor/frame_mapping.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr const char* kTeachHelp =
    "TEACH-BUTTON:\nStart teach procedure at KAVRO-sensor.\nThe actual pixel-position == teach "
    "value";
// The box opens to the right of the button, level with the teach value field.
constexpr int kHelpDx = 10;
constexpr int kHelpDy = 10;
constexpr double kFramePause = 0.1;
constexpr double kCursorY = 0.75;
constexpr int kSetPointCursor = 1;

// Both frames from RAM; the teach-pressed flag keeps the threshold curve out
// of this refresh.
void ReadBackTaughtFrames() {
  GetParameterFrame(kTargetRam, 0);
  rt::Delay(kFramePause);
  GetParameterFrame(kTargetRam, 1);
}

void Teach() {
  FlushLineQueues();
  ReadParametersFromPanels();
  SendRequest(
      {.command = Command::Teach, .data = ParaFrameWords(Params(), 0), .flush = Flush::Both});
  rt::ProcessSystemEvents();
  ShowStatus("New setpoint value teached!");
  if (AwaitReply(Await::Ack, rt::Timer())) {
    ReadBackTaughtFrames();
  } else {
    ShowStatus("Timeout RS232-Line!");
    RunMode().stopFlag = kStopStopped;
  }
  Threshold().teachPressed = false;
  rt::SetGraphCursor(Panels().main, ids::MAIN_DATA_GRAPH, kSetPointCursor,
                     TeachCursorX(Params().para0[P0_TEACH_VALUE], Hardware().subpixelRange),
                     kCursorY);
  // A teach during run mode hands the line back to the run loop.
  ResumeRunLoop();
}

}  // namespace

double TeachCursorX(std::uint16_t teachValue, std::uint16_t subpixelRange) {
  if (teachValue == 0) return 1;
  if (teachValue > subpixelRange) return subpixelRange;
  return teachValue;
}

int CC_ButtonTeach(int panel, int control, int event, void*, int, int) {
  return HandleButtonEvent(panel, control, event,
                           {.commit = Teach,
                            .press = [] { Threshold().teachPressed = true; },
                            .help = {kTeachHelp, kHelpDx, kHelpDy}});
}

void RegisterTeachCallbacks() {
  rt::RegisterCtrlCallback("CC_ButtonTeach", CC_ButtonTeach);
  rt::RegisterCtrlCallback("CC_CBTNSaveThreshold", CC_CBTNSaveThreshold);
  RegisterHelpText("CC_ButtonTeach", kTeachHelp);
  RegisterHelpText("CC_CBTNSaveThreshold", kSaveThresholdHelp);
}
