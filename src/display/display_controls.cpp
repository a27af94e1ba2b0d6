#include "display/display_controls.h"

#include <cstdint>

#include "display/eval_window.h"
#include "display/raw_view.h"
#include "display/threshold_state.h"
#include "help/button_events.h"
#include "help/control_help.h"
#include "help/help_box.h"
#include "link/line.h"
#include "link/request.h"
#include "link/run_state.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr int kGraphHelpDx = 80;
constexpr int kGraphHelpDy = 40;
constexpr int kEvalBeginCursor = 2;
constexpr int kEvalEndCursor = 3;

constexpr const char* kResetHelp =
    "RESET-BUTTON:\nReset the actual maxima und minima\nvalues at the KAVRO-hardware.\nNo "
    "software/hardware reset is done !";
constexpr const char* kZoomHelp =
    "ZOOM-TOGGLE-BUTTON:\nActivate / Deactivate automatic\nzoom function for y-axis of "
    "\nmeasurement-values. RUN-mode";
constexpr const char* kEvalBeginHelp =
    "E-BEG:\nSet evaluation begin at the KAVRO sensor\nEvaluation starts with this pixel ...";
constexpr const char* kEvalEndHelp =
    "E-END:\nSet evaluation end at the KAVRO sensor\nEvaluation ends with this pixel ...";
constexpr const char* kRollGraphHelp =
    "ROLL-GRAPH-WINDOW:\nVisualizes the actual measurement value\nin pixel. The Graph is "
    "displayed in a\n'roll-mode', the latest value is rolling from\nthe left (index=100) to "
    "the right.\nThe baudrate of the serial rs232-interface\nlimits the update-rate of this "
    "graph.";
constexpr const char* kVideoGraphHelp =
    "VIDEO-GRAPH-WINDOW:\nVisualizes the actual video signal\nof the CCD-sensor. The video "
    "signal\nrepresents the analog-value of each pixel.\nBecause of the limited baudrate of "
    "the\nserial RS232 interface, the graph is\nrefreshed slowly.\n";

// The large box is placed by the roll graph whichever graph was clicked.
void ToggleGraphHelp(const char* text) {
  int top = 0, left = 0, height = 0, width = 0;
  rt::GetCtrlBoundingRect(Panels().main, ids::MAIN_ROLL_GRAPH, &top, &left, &height, &width);
  ToggleHelpAt(HelpBox::Large, left + kGraphHelpDx, top + kGraphHelpDy, text);
}

int GraphCallback(int event, const char* text) {
  if (event == rt::EVENT_RIGHT_CLICK) ToggleGraphHelp(text);
  return 0;
}

// Waits for the acknowledgement of the reset; a measurement reply does not count.
bool AwaitResetAck(double t0) {
  for (;;) {
    if (ReplyThatMeets(Await::Ack)) return true;
    rt::ProcessSystemEvents();
    if (rt::Timer() - t0 >= kReplyTimeout) return false;
    if (!ReplyThatMeets(Await::Ack)) rt::WaitForEvents(t0 + kReplyTimeout);
  }
}

// Shares the line with run mode when it runs, and hands it back afterwards.
void ResetMaxMin() {
  SendRequest({.command = Command::ResetMaxMin});
  rt::ProcessSystemEvents();
  ShowStatus("Reset Max/Min values...");
  if (AwaitResetAck(rt::Timer())) {
    ShowStatus("Reset of analog-output Max/Min OK!");
  } else {
    RunMode().stopFlag = kStopStopped;
    ShowStatus("Timeout-RS-232...");
  }
  ResumeRunLoop();
}

void FillThresholdLines() {
  const std::uint16_t full = Hardware().videoFullScale;
  const ParameterSet& p = Params();
  const std::uint16_t fixed = ThresholdLevel(full, p.para1[P1_VIDEO_THD_FIX]);
  const std::uint16_t automatic = ThresholdLevel(full, p.para1[P1_VIDEO_THD_AUTO]);
  Params().fixedThresholdLine.fill(fixed);
  Threshold().autoLine.fill(automatic);
}

template <typename Clamp>
void CommitEdgeField(int panel, int control, int cursor, int word, Clamp clamp) {
  std::uint16_t entry = 0;
  rt::GetCtrlVal(panel, control, &entry);
  const ClampedEntry c = clamp(entry, Hardware().edgeLow, Hardware().edgeHigh);
  if (c.clamped) Params().para0[word] = c.value;
  rt::SetCtrlVal(panel, control, static_cast<int>(c.value));
  rt::SetGraphCursor(panel, ids::MAIN_DATA_GRAPH, cursor, c.value, 1.0);
}

}  // namespace

int CC_ButtonReset(int panel, int control, int event, void*, int, int) {
  return HandleButtonEvent(panel, control, event, {.commit = ResetMaxMin, .help = {kResetHelp}});
}

int CC_TOGGButtonZoom(int panel, int control, int event, void*, int, int) {
  if (event == rt::EVENT_RIGHT_CLICK) ToggleButtonHelp(panel, control, kZoomHelp);
  return 0;
}

int CC_TOGGButtonRaw(int panel, int control, int event, void*, int, int) {
  if (event != rt::EVENT_VAL_CHANGED) return 0;
  int on = 0;
  rt::GetCtrlVal(panel, control, &on);
  if (on) FillThresholdLines();
  return 0;
}

int CC_NEDITEdgeLeft(int panel, int control, int event, void*, int, int) {
  if (event == rt::EVENT_COMMIT)
    CommitEdgeField(panel, control, kEvalBeginCursor, P0_EVAL_BEGIN, ClampEvalBegin);
  if (event == rt::EVENT_RIGHT_CLICK) ToggleButtonHelp(panel, control, kEvalBeginHelp);
  return 0;
}

int CC_NEDITEdgeRight(int panel, int control, int event, void*, int, int) {
  if (event == rt::EVENT_COMMIT)
    CommitEdgeField(panel, control, kEvalEndCursor, P0_EVAL_END, ClampEvalEnd);
  if (event == rt::EVENT_RIGHT_CLICK) ToggleButtonHelp(panel, control, kEvalEndHelp);
  return 0;
}

int CC_GRAPHRaw(int, int, int event, void*, int, int) {
  return GraphCallback(event, kRollGraphHelp);
}
int CC_GRAPHVideo(int, int, int event, void*, int, int) {
  return GraphCallback(event, kVideoGraphHelp);
}
int CC_GRAPHData(int, int, int event, void*, int, int) {
  return GraphCallback(event, kVideoGraphHelp);
}

void RegisterDisplayControlCallbacks() {
  rt::RegisterCtrlCallback("CC_ButtonReset", CC_ButtonReset);
  rt::RegisterCtrlCallback("CC_TOGGButtonZoom", CC_TOGGButtonZoom);
  rt::RegisterCtrlCallback("CC_TOGGButtonRaw", CC_TOGGButtonRaw);
  rt::RegisterCtrlCallback("CC_NEDITEdgeLeft", CC_NEDITEdgeLeft);
  rt::RegisterCtrlCallback("CC_NEDITEdgeRight", CC_NEDITEdgeRight);
  rt::RegisterCtrlCallback("CC_GRAPHRaw", CC_GRAPHRaw);
  rt::RegisterCtrlCallback("CC_GRAPHVideo", CC_GRAPHVideo);
  rt::RegisterCtrlCallback("CC_GRAPHData", CC_GRAPHData);
  RegisterHelpText("CC_ButtonReset", kResetHelp);
  RegisterHelpText("CC_TOGGButtonZoom", kZoomHelp);
  RegisterHelpText("CC_NEDITEdgeLeft", kEvalBeginHelp);
  RegisterHelpText("CC_NEDITEdgeRight", kEvalEndHelp);
  RegisterHelpText("CC_GRAPHRaw", kRollGraphHelp);
  RegisterHelpText("CC_GRAPHVideo", kVideoGraphHelp);
  RegisterHelpText("CC_GRAPHData", kVideoGraphHelp);
}
