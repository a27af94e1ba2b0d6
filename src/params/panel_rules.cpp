#include "params/panel_rules.h"

#include "display/threshold_state.h"
#include "display/video_block.h"
#include "display/video_state.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

void SetDimmed(int panel, int control, bool dimmed) {
  rt::SetCtrlAttribute(panel, control, rt::ATTR_DIMMED, dimmed ? 1 : 0);
}

void SetDimming(int panel, int control, Dimming d) {
  if (d != Dimming::Keep) SetDimmed(panel, control, d == Dimming::Dim);
}

constexpr int kTriggerIndicators[] = {ids::MAIN_TRIG_VALUE, ids::MAIN_TRIG_LED,
                                      ids::MAIN_TRIG_LABEL};
constexpr int kAnalogGroup[] = {ids::MAIN_MAIN_VALUE, ids::MAIN_MAX, ids::MAIN_MIN, ids::MAIN_RESET,
                                ids::MAIN_ANALOG_LABEL};
// The samples field and the controls that start a recording.
constexpr int kRecorderOthers[] = {ids::REC_SAMPLES, ids::REC_FILE_BTN, ids::REC_START,
                                   ids::REC_STOP};

// The set's fixed threshold on the slider, the fixed-threshold line from it and
// the video graph with that line.
void ShowFixedThreshold() {
  ParameterSet& s = Params();
  const HardwareInfo& hw = Hardware();
  rt::SetCtrlVal(Panels().para2, ids::P2_VTHD, static_cast<int>(s.para1[P1_VIDEO_THD_FIX]));
  ComputeFixedThresholdLine(s, hw.videoFullScale);
  PlotVideoGraph(Video().profile, s.fixedThresholdLine, hw.videoPositions);
}

// The set's auto threshold on the slider and the video graph with the curve.
void ShowAutoThreshold(const std::array<std::uint16_t, 256>& curve) {
  rt::SetCtrlVal(Panels().para2, ids::P2_VTHD, static_cast<int>(Params().para1[P1_VIDEO_THD_AUTO]));
  PlotVideoGraph(Video().profile, curve, Hardware().videoPositions);
}

// The selector and the operation-mode switch set the save-threshold button by
// their own rule, also while a loop runs.
void SetSaveThresholdByEdit(bool dimmed) {
  SetDimmed(Panels().para2, ids::P2_SAVE_THD, dimmed);
}

}  // namespace

void ApplyThresholdView() {
  const bool fixed = Params().para0[P0_VIDEO_THD_MODE] == 0;
  SetDimmed(Panels().para2, ids::P2_SAVE_THD, fixed);
  if (fixed) {
    ShowFixedThreshold();
  } else {
    ShowAutoThreshold(Threshold().storedCurve);
  }
}

void ApplyOperationMode(int operationMode) {
  const HardwareInfo& hw = Hardware();
  const OperationView v = OperationModeView(hw.firmwareVersion, hw.hardwareCode, operationMode,
                                            Params().para0[P0_VIDEO_THD_MODE]);
  if (!v.applies) return;
  const int para2 = Panels().para2;
  SetDimmed(para2, ids::P2_SAVE_THD, v.saveThresholdDimmed);
  SetDimmed(para2, ids::P2_FILTER, v.filterDimmed);
  SetDimmed(para2, ids::P2_VTHD_MODE, v.selectorDimmed);
}

void ApplyThresholdModeEdit(int selector) {
  if (selector == 0) {
    ShowFixedThreshold();
    SetSaveThresholdByEdit(true);
    return;
  }
  SetSaveThresholdByEdit(false);
  int raw = 0;
  rt::GetCtrlVal(Panels().main, ids::MAIN_RAW, &raw);
  ShowAutoThreshold(raw ? Threshold().autoLine : Threshold().storedCurve);
}

void ApplyOperationModeEdit(int switchValue) {
  const HardwareInfo& hw = Hardware();
  const int thdMode = Params().para0[P0_VIDEO_THD_MODE];
  const OperationView v =
      OperationModeView(hw.firmwareVersion, hw.hardwareCode, switchValue, thdMode);
  if (!v.applies) return;
  const int para2 = Panels().para2;
  if (switchValue == 1 || thdMode == 0) {
    ShowFixedThreshold();
    rt::SetCtrlVal(para2, ids::P2_VTHD_MODE, 0);
  } else {
    ShowAutoThreshold(Threshold().storedCurve);
    rt::SetCtrlVal(para2, ids::P2_VTHD_MODE, thdMode);
  }
  SetSaveThresholdByEdit(v.saveThresholdDimmed);
  SetDimmed(para2, ids::P2_FILTER, v.filterDimmed);
  SetDimmed(para2, ids::P2_VTHD_MODE, v.selectorDimmed);
}

void ApplyInternalTrigger(int intTriggerMode, RuleSource source) {
  const PanelHandles& p = Panels();
  const TriggerView v = InternalTriggerView(intTriggerMode, Hardware().hardwareType, source);
  if (v.outMode >= 0) rt::SetCtrlVal(p.para1, ids::P1_OUT_MODE, v.outMode);
  SetDimming(p.para1, ids::P1_OUT_MODE, v.outModeDimming);
  SetDimmed(p.para1, ids::P1_TRIG_PIXEL, v.triggerPixelDimmed);
  for (int c : kTriggerIndicators)
    rt::SetCtrlAttribute(p.main, c, rt::ATTR_VISIBLE, v.indicatorsShown ? 1 : 0);
}

void ApplyHardwareMode(int hardwareMode, RuleSource source) {
  const bool dimmed = ToleranceFieldsDimmed(hardwareMode, source);
  SetDimmed(Panels().para1, ids::P1_TOL_UP, dimmed);
  SetDimmed(Panels().para1, ids::P1_TOL_LOW, dimmed);
}

void ApplyAnalogOutMode(int analogOutMode) {
  const int shown = AnalogGroupShown(analogOutMode) ? 1 : 0;
  for (int c : kAnalogGroup) rt::SetCtrlAttribute(Panels().main, c, rt::ATTR_VISIBLE, shown);
}

void ApplyRecorderMode(int rs232Mode, RuleSource source) {
  const int recorder = Panels().recorder;
  const RecorderView v = RecorderControlsView(rs232Mode, source);
  SetDimming(recorder, ids::REC_INTERVAL, v.interval);
  for (int c : kRecorderOthers) SetDimming(recorder, c, v.others);
}

void ShowToleranceValues() {
  const ToleranceDisplayValues v = ToleranceDisplays(Params());
  rt::SetCtrlVal(Panels().main, ids::MAIN_TOL_UP, v.upper);
  rt::SetCtrlVal(Panels().main, ids::MAIN_TOL_LOW, v.lower);
}
