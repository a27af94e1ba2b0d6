#include "display/run_mode.h"

#include "display/button_help.h"
#include "display/measurement_display.h"
#include "link/frame_codec.h"
#include "link/line_checks.h"
#include "link/link_state.h"
#include "link/request.h"
#include "link/run_state.h"
#include "link/serial_port.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "sensor/frame_mapping.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr const char* kRunHelp =
    "RUN-BUTTON:\nStart the continuosly serial RS232-data-\ntransfer between PC and KAVRO "
    "sensor...\nA frame of 16 meas.-values is transferred!";
constexpr const char* kStopHelp =
    "STOP-BUTTON:\nStops the serial RS232-data-transfer\nbetween PC and KAVRO sensor.";
constexpr const char* kTimeoutFirst = "Timeout RS232-Line!";
constexpr const char* kTimeoutEnd = "Timeout RS232 Line!";
constexpr const char* kStopped = "Data-Transfer Stopped!";
constexpr double kReplyMargin = 0.02;  // the sensor's own turnaround and the host's
constexpr double kDrainStep = 0.001;

void (*g_selectRam)() = nullptr;

bool TimeIsUp(double t0) {
  return rt::Timer() - t0 > kReplyTimeout;
}

void SetVisible(int control, bool visible) {
  SetControlVisible(Panels().main, control, visible);
}

void SetUpRunControls() {
  SetVisible(ids::MAIN_VIDEO_GRAPH, false);
  SetVisible(ids::MAIN_PIXEL_GRAPH, false);
  SetVisible(ids::MAIN_RAW, false);
  SetVisible(ids::MAIN_ROLL_GRAPH, true);
  SetVisible(ids::MAIN_ZOOM, true);
  const int main = Panels().main;
  SetControlDimmed(main, ids::MAIN_RUN, true);
  SetControlDimmed(main, ids::MAIN_VIDEO, true);
  SetControlDimmed(main, ids::MAIN_GET, true);
  SetControlDimmed(Panels().para2, ids::P2_SAVE_THD, true);
  SelectRamTarget();
}

// One measurement reply (or whatever the receive callback stored last) on screen.
void ShowArrivedReply() {
  StoreMeasurementReply();
  ShowMeasurement();
  PlotRollGraph();
  Link().replyArrived = 0;
  FlushLineQueues();
}

// Every request of the loop carries PARA0 as its data words.
double SendNextRequest() {
  FlushLineQueues();
  LoadDataFromParaFrame(0);
  SendRequest({.command = Command::Measurement, .flush = Flush::None});
  return rt::Timer();
}

// A request still on the line when the operator stopped: its reply would come
// in after the closing flush and pass for the answer to the next mode's first
// request. It is let in (for at most one exchange at the line's rate, without
// handling the operator's events) so that the closing flush throws it away.
void LetReplyInFlightArrive(double sentAt) {
  const double exchange = 2.0 * kFrameBytes * 10.0 / BaudRateForIndex(Link().baudIndex);
  const double until = sentAt + exchange + kReplyMargin;
  while (rt::GetInQLen(Link().portNumber) < kFrameBytes && rt::Timer() < until)
    rt::Delay(kDrainStep);
}

void SetUpRollTraces(int panel) {
  static constexpr int kColours[6] = {rt::VAL_DK_GREEN, rt::VAL_DK_GREEN, rt::VAL_BLACK,
                                      rt::VAL_RED,      rt::VAL_RED,      rt::VAL_RED};
  for (int trace = 1; trace <= 6; ++trace)
    rt::SetTraceAttribute(panel, ids::MAIN_ROLL_GRAPH, trace, rt::ATTR_TRACE_COLOR,
                          kColours[trace - 1]);
  rt::SetCtrlAttribute(panel, ids::MAIN_ROLL_GRAPH, rt::ATTR_NUM_TRACES, 6);
}

}  // namespace

void SetRamTargetSelector(void (*select)()) {
  g_selectRam = select;
}

void SelectRamTarget() {
  const int main = Panels().main;
  rt::SetCtrlVal(main, ids::MAIN_RAM, 1);
  if (g_selectRam) g_selectRam();
  rt::SetCtrlVal(main, ids::MAIN_EEPROM, 0);
  rt::SetCtrlVal(main, ids::MAIN_FILE, 0);
}

int RequestMeasurement() {
  LinkState& l = Link();
  l.replyArrived = 0;
  const int written = SendRequest({.command = Command::Measurement});
  if (written == kFrameBytes) ShowStatus("Line Ok!");
  if (AwaitReply(Await::Measurement, rt::Timer())) return kReplyClassMeasurement;
  ShowStatus(kTimeoutFirst);
  RunMode().stopFlag = kStopStopped;
  return 0;
}

void RunMeasurementLoop() {
  SetUpRunControls();
  LinkState& l = Link();
  RunMode().stopFlag = kStopRunning;
  l.replyArrived = 0;
  l.replyClass = kReplyClassNone;
  double t0 = rt::Timer();
  RequestMeasurement();
  bool inFlight = false;  // a request sent and not answered yet
  for (;;) {
    bool busy = false;
    if (l.replyArrived == 1) {
      ShowArrivedReply();
      inFlight = false;
      busy = true;
    }
    if (l.replyClass == kReplyClassMeasurement) {
      t0 = SendNextRequest();
      inFlight = true;
      busy = true;
    }
    if (TimeIsUp(t0)) {
      ShowStatus(kTimeoutFirst);
      RunMode().stopFlag = kStopTimeout;
      break;
    }
    rt::ProcessSystemEvents();
    if (RunMode().stopFlag != kStopRunning) {
      if (inFlight) LetReplyInFlightArrive(t0);
      break;
    }
    if (!busy && l.replyArrived == 0 && l.replyClass != kReplyClassMeasurement)
      rt::WaitForEvents(t0 + kReplyTimeout);
  }
  EndDataTransfer();
  l.replyClass = kReplyClassNone;
  l.replyArrived = 0;
  FlushLineQueues();
}

void EndDataTransfer() {
  const int main = Panels().main;
  const int para2 = Panels().para2;
  SetControlDimmed(main, ids::MAIN_VIDEO, false);
  SetControlDimmed(main, ids::MAIN_RUN, false);
  SetControlDimmed(main, ids::MAIN_GET, false);
  SetControlDimmed(para2, ids::P2_TEACH, false);
  int& flag = RunMode().stopFlag;
  if (flag == kStopRunning || flag == kStopStopped) ShowStatus(kStopped);
  if (flag == kStopTimeout) ShowStatus(kTimeoutEnd);
  unsigned short mode = 0;
  rt::GetCtrlVal(para2, ids::P2_VTHD_MODE, &mode);
  SetControlDimmed(para2, ids::P2_SAVE_THD, mode == 0);
  if (flag == kStopRunning) flag = kStopStopped;
}

int CC_BTNRun(int panel, int control, int event, void*, int, int) {
  switch (event) {
    case rt::EVENT_LEFT_CLICK:
      SendDummyFrame(Link().portNumber);
      SetUpRollTraces(panel);
      break;
    case rt::EVENT_COMMIT:
      RunMeasurementLoop();
      break;
    case rt::EVENT_RIGHT_CLICK:
      ToggleButtonHelp(panel, control, kRunHelp);
      break;
    default:
      break;
  }
  return 0;
}

int CC_BTNStop(int panel, int control, int event, void*, int, int) {
  switch (event) {
    case rt::EVENT_COMMIT:
      RunMode().stopFlag = kStopStopped;
      EndDataTransfer();
      break;
    case rt::EVENT_LEFT_CLICK:
    case rt::EVENT_KEYPRESS:
      RunMode().stopFlag = kStopStopped;
      break;
    case rt::EVENT_RIGHT_CLICK:
      ToggleButtonHelp(panel, control, kStopHelp);
      break;
    default:
      break;
  }
  return 0;
}
