#include "acquire/run_mode.h"

#include "acquire/mode_controls.h"
#include "display/measurement_display.h"
#include "help/button_events.h"
#include "link/frame_codec.h"
#include "link/line.h"
#include "link/request.h"
#include "link/run_state.h"
#include "link/serial_port.h"
#include "params/transfer_buttons.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "sensor/frame_mapping.h"
#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/line_messages.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

const char* const kRunHelp =
    "RUN-BUTTON:\nStart the continuosly serial RS232-data-\ntransfer between PC and KAVRO "
    "sensor...\nA frame of 16 meas.-values is transferred!";
const char* const kStopHelp =
    "STOP-BUTTON:\nStops the serial RS232-data-transfer\nbetween PC and KAVRO sensor.";

namespace {

constexpr const char* kTimeoutFirst = "Timeout RS232-Line!";
constexpr const char* kTimeoutEnd = "Timeout RS232 Line!";
constexpr const char* kStopped = "Data-Transfer Stopped!";
constexpr double kReplyMargin = 0.02;  // the sensor's own turnaround and the host's

bool TimeIsUp(double t0) {
  return rt::Timer() - t0 > kReplyTimeout;
}

void ShowTakenMeasurement(const MeasurementState& measurement) {
  ShowMeasurement(measurement, Params(), Hardware());
  PlotRollGraph(measurement, Params(), Hardware());
}

// Every request of the loop carries PARA0 as its data words.
double SendNextRequest() {
  FlushLineQueues();
  SendRequest(
      {.command = Command::Measurement, .data = ParaFrameWords(Params(), 0), .flush = Flush::None});
  return rt::Timer();
}

// A request still on the line when the operator stopped: its reply would come
// in after the closing flush and pass for the answer to the next mode's first
// request. It is let in (for at most one exchange at the line's rate, without
// handling the operator's events) so that the closing flush throws it away.
void LetReplyInFlightArrive(double sentAt) {
  const double exchange = 2.0 * kFrameBytes * 10.0 / BaudRateForIndex(LineBaudIndex());
  const double until = sentAt + exchange + kReplyMargin;
  while (rt::GetInQLen(LinePort()) < kFrameBytes && rt::Timer() < until) rt::WaitForLine(until);
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

const MeasurementState& TakeMeasurement(const Reply& reply) {
  Params().para0[P0_TEACH_VALUE] = TeachValueInReply(reply.data);
  return Measurement() = MeasurementFromReply(reply.data);
}

// A stop ends the wait at once; the reply on its way is let in, so that the
// closing flush throws it away.
std::optional<Reply> RequestMeasurement(bool* timedOut) {
  ForgetReplies();
  const int written = SendRequest({.command = Command::Measurement});
  if (written == kFrameBytes) ShowStatus("Line Ok!");
  const double sentAt = rt::Timer();
  auto reply = AwaitReplyUnlessStopped(Await::Measurement, sentAt);
  const bool late = !reply && RunMode().stopFlag == kStopRunning;
  if (timedOut) *timedOut = late;
  if (reply) return reply;
  if (!late) {
    LetReplyInFlightArrive(sentAt);
    return std::nullopt;
  }
  ShowStatus(kTimeoutFirst);
  RunMode().stopFlag = kStopStopped;
  return std::nullopt;
}

void RunMeasurementLoop() {
  SetUpModeControls(LoopMode::Run);
  SelectRamTarget();
  RunMode().stopFlag = kStopRunning;
  ForgetReplies();
  double t0 = rt::Timer();
  RequestMeasurement();
  bool inFlight = false;  // a request sent and not answered yet
  std::optional<Reply> arrived = TakeArrivedReply();
  for (;;) {
    bool busy = false;
    // One reply (a measurement, or whatever else came in) is taken and shown.
    // Its Teach-Value is in PARA0 before the next request carries PARA0, and
    // that request leaves before the display work, which then overlaps the
    // sensor's answer: the sensor sees the same frames in the same order.
    std::optional<MeasurementState> taken;
    if (arrived) {
      taken = TakeMeasurement(*arrived);
      FlushLineQueues();
      inFlight = false;
      busy = true;
    }
    if (ReplyThatMeets(Await::Measurement)) {
      t0 = SendNextRequest();
      inFlight = true;
      busy = true;
    }
    if (taken) ShowTakenMeasurement(*taken);
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
    arrived = TakeArrivedReply();
    if (!busy && !arrived && !ReplyThatMeets(Await::Measurement))
      rt::WaitForEvents(t0 + kReplyTimeout);
  }
  EndDataTransfer();
  ForgetReplies();
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
  return HandleButtonEvent(panel, control, event,
                           {.commit = RunMeasurementLoop,
                            .press =
                                [] {
                                  WakeLine();
                                  SetUpRollTraces(Panels().main);
                                },
                            .help = {kRunHelp}});
}

// A key on the button stops as the mouse press does.
int CC_BTNStop(int panel, int control, int event, void*, int, int) {
  if (event == rt::EVENT_KEYPRESS) event = rt::EVENT_LEFT_CLICK;
  return HandleButtonEvent(panel, control, event,
                           {.commit =
                                [] {
                                  RunMode().stopFlag = kStopStopped;
                                  EndDataTransfer();
                                },
                            .press = [] { RunMode().stopFlag = kStopStopped; },
                            .help = {kStopHelp}});
}
