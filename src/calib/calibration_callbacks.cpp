#include "calib/calibration_callbacks.h"

#include "acquire/run_mode.h"
#include "calib/calibration_exchange.h"
#include "calib/calibration_fit.h"
#include "calib/calibration_state.h"
#include "calib/linearisation_upload.h"
#include "link/run_state.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr double kPressPause = 0.2;       // lets the last measured value settle
constexpr std::uint16_t kCentreMode = 2;  // Eval-Mode shown while calibrating

struct ObjectControls {
  int step;
  int accept;
  int size;
};
constexpr ObjectControls kObject1{ids::CAL_STEP1, ids::CAL_ACCEPT1, ids::CAL_SIZE1};
constexpr ObjectControls kObject2{ids::CAL_STEP2, ids::CAL_ACCEPT2, ids::CAL_SIZE2};

void Dim(int control, bool dimmed) {
  SetControlDimmed(Panels().calib, control, dimmed);
}

void Tick(int control, bool on) {
  rt::SetCtrlVal(Panels().calib, control, on ? 1 : 0);
}

bool Ticked(int control) {
  int on = 0;
  rt::GetCtrlVal(Panels().calib, control, &on);
  return on != 0;
}

// A press on a step box or an accept button ends run mode first, so that the
// measured value the operator takes no longer changes.
void StopRunModeOnPress() {
  RunMode().stopFlag = kStopStopped;
  rt::ProcessSystemEvents();
  rt::Delay(kPressPause);
}

void ShowSensorCalibration() {
  const int calib = Panels().calib;
  rt::SetCtrlVal(calib, ids::CAL_SLOPE, SlopeFromWord(Params().umSlope));
  rt::SetCtrlVal(calib, ids::CAL_OFFSET, OffsetFromWord(Params().umOffset));
}

void SetEvalModeRing(int mode) {
  rt::SetCtrlVal(Panels().para1, ids::P1_EVAL_MODE, mode);
}

// Every save and every end puts Eval-Mode back as it was noted when the
// calibration began.
std::uint16_t RestoreEvalMode() {
  return Params().para0[P0_EVAL_MODE] = Calibration().savedEvalMode;
}

void ClearAccepted() {
  Calibration().accepted1 = false;
  Calibration().accepted2 = false;
}

void TakePoint(const ObjectControls& object, bool& accepted, CalPoint& point) {
  accepted = true;
  unsigned size = 0;
  rt::GetCtrlVal(Panels().calib, object.size, &size);
  point.y = static_cast<double>(size);
  point.x = static_cast<double>(Measurement().mValue);
  Dim(ids::CAL_FIT, false);
  Dim(object.step, true);
  Dim(object.accept, true);
  Tick(object.step, false);
}

void FitCalibrationLine() {
  CalibrationState& c = Calibration();
  c.points = PointsForFit(c.points, c.accepted1, c.accepted2);
  const CalPoint points[2] = {c.points.first, c.points.second};
  c.fit = FitLine(points, 2);
  const int calib = Panels().calib;
  rt::SetCtrlVal(calib, ids::CAL_FIT_SLOPE, c.fit.slope);
  rt::SetCtrlVal(calib, ids::CAL_FIT_OFFSET, c.fit.offset);
  Dim(ids::CAL_SAVE, false);
  Dim(ids::CAL_FIT, true);
}

void SaveCalibrationValues() {
  ParameterSet& p = Params();
  const CalibrationWords w = EncodeCalibration(Calibration().fit.slope, Calibration().fit.offset);
  p.umSlope = w.umSlope;
  p.umOffset = w.umOffset;
  if (ExchangeCalibration(CalibrationStep::Store, "Save calibration values...",
                          CalibrationRequestWords(w.umSlope, w.umOffset))) {
    ShowStatus("New Calibration values in activated in RAM!");
    ShowSensorCalibration();
    RestoreEvalMode();
    SetEvalModeRing(kCentreMode);
    for (int control : {ids::CAL_ACCEPT1, ids::CAL_ACCEPT2, ids::CAL_STEP1, ids::CAL_STEP2,
                        ids::CAL_FIT, ids::CAL_SAVE})
      Dim(control, true);
    Tick(ids::CAL_STEP1, false);
    Tick(ids::CAL_STEP2, false);
    ClearAccepted();
  }
  Dim(ids::CAL_SAVE, true);
  rt::ProcessSystemEvents();
}

// The main panel's panel toggles as at start: parameter panel 1 on, the rest
// off (only their values; no panel is shown or hidden).
void ResetPanelToggles() {
  const int main = Panels().main;
  rt::SetCtrlVal(main, ids::MAIN_TOGG_PARA1, 1);
  rt::SetCtrlVal(main, ids::MAIN_TOGG_PARA2, 0);
  rt::SetCtrlVal(main, ids::MAIN_TOGG_RECORDER, 0);
  rt::SetCtrlVal(main, ids::MAIN_TOGG_CALIB, 0);
}

// Ends the calibration in the sensor; the panel goes back to its start state
// whether the sensor answered or not.
void DiscardCalibration() {
  RunMode().stopFlag = kStopStopped;
  if (ExchangeCalibration(CalibrationStep::End, "Reset Max/Min values...")) {
    ShowStatus("Calibration stopped successfully!");
    ShowSensorCalibration();
    SetEvalModeRing(RestoreEvalMode());
    rt::ProcessSystemEvents();
  }
  for (int control : {ids::CAL_ACCEPT1, ids::CAL_ACCEPT2, ids::CAL_FIT, ids::CAL_SAVE})
    Dim(control, true);
  for (int control : {ids::CAL_STEP1, ids::CAL_STEP2}) {
    Dim(control, false);
    Tick(control, false);
  }
  ClearAccepted();
  ResetPanelToggles();
  const int calib = Panels().calib;
  rt::SetCtrlVal(calib, ids::CAL_FIT_SLOPE, 0.0);
  rt::SetCtrlVal(calib, ids::CAL_FIT_OFFSET, 0.0);
}

}  // namespace

int ActivateCalibration() {
  if (!ExchangeCalibration(CalibrationStep::Start, "Starting calibration...")) return 0;
  ShowStatus("Calibration activated!");
  ShowSensorCalibration();
  Calibration().savedEvalMode = Params().para0[P0_EVAL_MODE];
  SetEvalModeRing(kCentreMode);
  rt::ProcessSystemEvents();
  Dim(ids::CAL_STEP1, false);
  Dim(ids::CAL_STEP2, false);
  if (RunMode().stopFlag == kStopStopped) RunMeasurementLoop();
  return 0;
}

int CC_CheckStep1(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_LEFT_CLICK) StopRunModeOnPress();
  if (event != rt::EVENT_VAL_CHANGED) return 0;
  if (Ticked(ids::CAL_STEP1)) {
    Tick(ids::CAL_STEP2, false);
    Dim(ids::CAL_ACCEPT1, false);
  } else {
    Dim(ids::CAL_ACCEPT1, true);
  }
  Dim(ids::CAL_ACCEPT2, true);
  // The sensor is told on either change: an untick starts the calibration too.
  ActivateCalibration();
  return 0;
}

int CC_CheckStep2(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_LEFT_CLICK) StopRunModeOnPress();
  if (event != rt::EVENT_VAL_CHANGED) return 0;
  if (!Ticked(ids::CAL_STEP2)) {
    Dim(ids::CAL_ACCEPT1, true);
    Dim(ids::CAL_ACCEPT2, true);
    return 0;
  }
  Tick(ids::CAL_STEP1, false);
  Dim(ids::CAL_ACCEPT1, true);
  Dim(ids::CAL_ACCEPT2, false);
  ActivateCalibration();
  return 0;
}

int CC_ButtonAcceptObject1(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_LEFT_CLICK) StopRunModeOnPress();
  CalibrationState& c = Calibration();
  if (event == rt::EVENT_COMMIT) TakePoint(kObject1, c.accepted1, c.points.first);
  return 0;
}

int CC_ButtonAcceptObject2(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_LEFT_CLICK) StopRunModeOnPress();
  CalibrationState& c = Calibration();
  if (event == rt::EVENT_COMMIT) TakePoint(kObject2, c.accepted2, c.points.second);
  return 0;
}

int CC_ButtonDoFit(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_COMMIT) FitCalibrationLine();
  return 0;
}

int CC_ButtonSaveCalValues(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_COMMIT) SaveCalibrationValues();
  return 0;
}

int CC_DiscardCalibration(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_COMMIT) DiscardCalibration();
  return 0;
}

void RegisterCalibrationCallbacks() {
  rt::RegisterCtrlCallback("CC_CheckStep1", CC_CheckStep1);
  rt::RegisterCtrlCallback("CC_CheckStep2", CC_CheckStep2);
  rt::RegisterCtrlCallback("CC_ButtonAcceptObject1", CC_ButtonAcceptObject1);
  rt::RegisterCtrlCallback("CC_ButtonAcceptObject2", CC_ButtonAcceptObject2);
  rt::RegisterCtrlCallback("CC_ButtonDoFit", CC_ButtonDoFit);
  rt::RegisterCtrlCallback("CC_ButtonSaveCalValues", CC_ButtonSaveCalValues);
  rt::RegisterCtrlCallback("CC_DiscardCalibration", CC_DiscardCalibration);
  rt::RegisterCtrlCallback("CC_WriteXFLASH", CC_WriteXFLASH);
  rt::RegisterCtrlCallback("CC_ReadXFLASH", CC_ReadXFLASH);
}
