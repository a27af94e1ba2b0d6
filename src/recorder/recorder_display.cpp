#include "recorder/recorder_display.h"

#include "link/run_state.h"
#include "recorder/record_duration.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

void SetBoxBackground(int colour) {
  rt::SetCtrlAttribute(Panels().recorder, ids::REC_STATUS_BOX, rt::ATTR_TEXT_BGCOLOR, colour);
}

void SetBoxColours(int background, int text, bool bold) {
  const int p = Panels().recorder;
  SetBoxBackground(background);
  rt::SetCtrlAttribute(p, ids::REC_STATUS_BOX, rt::ATTR_TEXT_COLOR, text);
  rt::SetCtrlAttribute(p, ids::REC_STATUS_BOX, rt::ATTR_TEXT_BOLD, bold ? 1 : 0);
}

// An ended recording: red box, text colour and weight as they were.
void ShowFailure(const char* box, const char* status) {
  SetBoxBackground(rt::MakeColor(255, 0, 0));
  SetRecorderBoxText(box);
  ShowStatus(status);
}

}  // namespace

void PaintRecorderBoxRecording() {
  SetBoxColours(rt::MakeColor(0, 128, 0), rt::MakeColor(255, 255, 255), true);
}

void SetRecorderBoxText(const std::string& text) {
  rt::SetCtrlVal(Panels().recorder, ids::REC_STATUS_BOX, text);
}

void ShowDuration(long seconds) {
  const DurationParts d = SplitDuration(seconds);
  const int p = Panels().recorder;
  rt::SetCtrlVal(p, ids::REC_DAYS, d.days);
  rt::SetCtrlVal(p, ids::REC_HOURS, d.hours);
  rt::SetCtrlVal(p, ids::REC_MINUTES, d.minutes);
  rt::SetCtrlVal(p, ids::REC_SECONDS, d.seconds);
}

void DimRecordingButtons(bool dimmed) {
  SetControlDimmed(Panels().main, ids::MAIN_RUN, dimmed);
  SetControlDimmed(Panels().main, ids::MAIN_VIDEO, dimmed);
  SetControlDimmed(Panels().para2, ids::P2_TEACH, dimmed);
  SetControlDimmed(Panels().recorder, ids::REC_START, dimmed);
}

void ShowRecordingOutcome(int stopFlag) {
  switch (stopFlag) {
    case kStopRecorderDone:
      SetBoxColours(rt::MakeColor(224, 224, 224), rt::MakeColor(0, 0, 255), false);
      SetRecorderBoxText("DATA-RECORDER COMPLETED!");
      ShowStatus("Data-Recorder completed successfully!");
      break;
    case kStopRecorderTimeout:
      ShowFailure("DATA-REC. ERROR - TIMEOUT!", "Data-Recorder error - rs232 timeout!");
      break;
    case kStopStopped:
      ShowFailure("DATA-RECORDER STOPPED!", "Data-Recorder stopped!");
      break;
    default:
      break;
  }
}
