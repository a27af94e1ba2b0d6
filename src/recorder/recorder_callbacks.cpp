#include "recorder/recorder_callbacks.h"

#include <string>

#include "help/control_help.h"
#include "help/help_box.h"
#include "link/run_state.h"
#include "recorder/record_duration.h"
#include "recorder/recorder_display.h"
#include "recorder/recording.h"
#include "runtime/constants.h"
#include "runtime/dialogs.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/ui_model.h"
#include "ui/line_messages.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr const char* kSamplesHelp =
    "SAMPLES [MAX 32000]:\nSpecify the number of samples to \nbe recorded. \nMinimum: 1 sample "
    "\nMaximum: 32000 samples ";
constexpr const char* kIntervalHelp =
    "TIME-INTERVAL [0.1 ..3600] sec:\nSpecify time interval between two \nsingle "
    "recording-events.\nMinimum: 0.1 sec (fastest recording)\nMaximum: 3600 sec (store once per "
    "hour) ";
constexpr int kHelpDx = 20;
constexpr int kHelpDy = 10;
constexpr long kMostSamples = 32000;
constexpr double kLongestInterval = 3600;
// Typed into the interval field, it opens the linearisation upload.
constexpr double kServiceCode = 8642;

struct PanelPlan {
  long samples = 0;
  double interval = 0;
};

PanelPlan ReadPanelPlan() {
  PanelPlan plan;
  int samples = 0;
  rt::GetCtrlVal(Panels().recorder, ids::REC_SAMPLES, &samples);
  rt::GetCtrlVal(Panels().recorder, ids::REC_INTERVAL, &plan.interval);
  plan.samples = samples;
  return plan;
}

void ShowPlannedDuration(const PanelPlan& plan) {
  ShowDuration(PlannedDuration(plan.samples, plan.interval));
}

void UnlockLinearisationUpload() {
  const int calib = Panels().calib;
  SetControlVisible(calib, ids::CAL_WRITE_XFLASH, true);
  SetControlDimmed(calib, ids::CAL_WRITE_XFLASH, false);
  SetControlDimmed(calib, ids::CAL_SLOPE, false);
}

rt::FileSelectRequest RecordFileDialog() {
  rt::FileSelectRequest r;
  r.defaultDirectory = rt::ProjectDir();
  r.defaultName = kRecordFileName;
  r.filter = "*.dat";
  r.title = "KAVRO-Series Recorder-File:";
  r.buttonLabel = "OK";
  r.save = true;
  return r;
}

// An existing file is deleted only when the operator says so; kept, it is
// asked about once more when a recording starts.
void ChooseRecordFile() {
  std::string path;
  const int chosen = rt::FileSelectPopup(RecordFileDialog(), &path);
  if (chosen == rt::VAL_NO_FILE_SELECTED) return;
  App().recordPath = path;
  if (chosen == rt::VAL_EXISTING_FILE_SELECTED) {
    if (rt::ConfirmPopup("ATTENTION!", "Output-File already exist! - Overwrite ?") == 0) return;
    rt::DeleteFile(path);
  }
  rt::ResetTextBox(Panels().recorder, ids::REC_PATH, path);
}

}  // namespace

int CC_PICBTNrecfile(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_COMMIT) ChooseRecordFile();
  return 0;
}

int CC_PICBTNStopRecord(int, int, int event, void*, int, int) {
  switch (event) {
    case rt::EVENT_LEFT_CLICK:
      RunMode().stopFlag = kStopStopped;
      WakeLine();
      break;
    case rt::EVENT_COMMIT:
      RunMode().stopFlag = kStopStopped;
      DimRecordingButtons(false);
      break;
    default:
      break;
  }
  return 0;
}

int CC_NUMsample(int panel, int control, int event, void*, int, int) {
  if (event == rt::EVENT_VAL_CHANGED) {
    const PanelPlan plan = ReadPanelPlan();
    if (plan.samples < kMostSamples) ShowPlannedDuration(plan);
  }
  if (event == rt::EVENT_RIGHT_CLICK)
    ToggleHelpBeside(panel, control, HelpBox::Main, kHelpDx, kHelpDy, kSamplesHelp);
  return 0;
}

int CC_NUMinctime(int panel, int control, int event, void*, int, int) {
  if (event == rt::EVENT_VAL_CHANGED) {
    const PanelPlan plan = ReadPanelPlan();
    if (plan.interval < kLongestInterval) ShowPlannedDuration(plan);
    if (plan.interval == kServiceCode) UnlockLinearisationUpload();
  }
  if (event == rt::EVENT_RIGHT_CLICK)
    ToggleHelpBeside(panel, control, HelpBox::Main, kHelpDx, kHelpDy, kIntervalHelp);
  return 0;
}

void RegisterRecorderCallbacks() {
  rt::RegisterCtrlCallback("CC_PICBTNrecfile", CC_PICBTNrecfile);
  rt::RegisterCtrlCallback("CC_CBTNStartRecord", CC_CBTNStartRecord);
  rt::RegisterCtrlCallback("CC_PICBTNStopRecord", CC_PICBTNStopRecord);
  rt::RegisterCtrlCallback("CC_NUMsample", CC_NUMsample);
  rt::RegisterCtrlCallback("CC_NUMinctime", CC_NUMinctime);
  RegisterHelpText("CC_NUMsample", kSamplesHelp);
  RegisterHelpText("CC_NUMinctime", kIntervalHelp);
}
