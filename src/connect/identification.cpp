#include "connect/identification.h"

#include <string>

#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/model_table.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

void Dim(int panel, int control, bool dimmed) {
  rt::SetCtrlAttribute(panel, control, rt::ATTR_DIMMED, dimmed ? 1 : 0);
}

void Apply(int panel, int control, ::Dim d) {
  if (d != ::Dim::Unchanged) Dim(panel, control, d == ::Dim::Dimmed);
}

void FillRing(int panel, int control, const std::vector<RingEntry>& list) {
  rt::ClearListCtrl(panel, control);
  for (const RingEntry& e : list) rt::InsertListItem(panel, control, -1, e.label, e.value);
}

void SetDecimals(int um, int tolerances) {
  const int main = Panels().main;
  rt::SetCtrlAttribute(main, ids::MAIN_UM_VALUE, rt::ATTR_PRECISION, um);
  rt::SetCtrlAttribute(main, ids::MAIN_TOL_UP, rt::ATTR_PRECISION, tolerances);
  rt::SetCtrlAttribute(main, ids::MAIN_TOL_LOW, rt::ATTR_PRECISION, tolerances);
}

void DimTriggerIndicators(bool dimmed) {
  for (int c : {ids::MAIN_TRIG_VALUE, ids::MAIN_TRIG_LED, ids::MAIN_TRIG_LABEL})
    Dim(Panels().main, c, dimmed);
}

void LabelOpSwitch(const char* on, const char* off) {
  rt::SetCtrlAttribute(Panels().calib, ids::CAL_OPMODE, rt::ATTR_ON_TEXT, on);
  rt::SetCtrlAttribute(Panels().calib, ids::CAL_OPMODE, rt::ATTR_OFF_TEXT, off);
}

void ShowInfoLines(const std::array<const char*, 4>& lines) {
  for (int i = 0; i < 4; ++i) rt::ReplaceTextBoxLine(Panels().main, ids::MAIN_HWINFO, i, lines[i]);
}

void ApplyRow(const ModelRow& row) {
  const PanelHandles& p = Panels();
  HardwareInfo& hw = Hardware();
  ShowInfoLines(row.lines);
  if (row.opSwitch.onText) LabelOpSwitch(row.opSwitch.onText, row.opSwitch.offText);
  Apply(p.calib, ids::CAL_OPMODE, row.opSwitch.dim);
  if (row.opSwitch.setOff) rt::SetCtrlVal(p.calib, ids::CAL_OPMODE, 0);
  Apply(p.para2, ids::P2_HW_MODE, row.hardwareMode);
  if (row.selector.value) rt::SetCtrlVal(p.para2, ids::P2_THD_TARGET, row.selector.value);
  Apply(p.para2, ids::P2_THD_TARGET, row.selector.dim);
  hw.edgeLow = 1;
  hw.edgeHigh = hw.subpixelRange;
  hw.hardwareType = row.hardwareType;
  if (row.hardwareCode == 6) {
    SetDecimals(3, 3);
    Dim(p.para1, ids::P1_INT_TRIG, false);
    Dim(p.para1, ids::P1_TRIG_PIXEL, false);
    Dim(p.para1, ids::P1_OUT_MODE, false);
    DimTriggerIndicators(false);
    rt::ReplaceListItem(p.para2, ids::P2_IN0_FUNC, 3, "SAVE-VTHD->EE", 3);
  }
}

// Edge-Hysteresis and the operation-mode switch by firmware: before V3.18 the
// switch chooses gain or conversion and is locked; from V3.18 on it chooses the
// resolution.
void ApplyResolutionSwitch(const char* oldOn, const char* oldOff) {
  const PanelHandles& p = Panels();
  const bool modern = Hardware().firmwareVersion >= 318;
  Dim(p.calib, ids::CAL_HYSTERESIS, !modern);
  if (modern)
    LabelOpSwitch("HALF-RES", "FULL-RES");
  else
    LabelOpSwitch(oldOn, oldOff);
  Dim(p.calib, ids::CAL_OPMODE, !modern);
}

void AdaptFamily() {
  const PanelHandles& p = Panels();
  const HardwareInfo& hw = Hardware();
  const std::uint16_t code = hw.hardwareCode;
  if (code == 6) {
    ApplyResolutionSwitch("DIG-COMP", "ADC-CONV");
    FillRing(p.para1, ids::P1_OUT_MODE, TwoOutputList());
    return;
  }
  SetDecimals(code <= 4 ? 3 : 2, code <= 4 ? 3 : 2);
  if (hw.firmwareVersion >= 316) {
    Dim(p.para1, ids::P1_INT_TRIG, false);
    Dim(p.para1, ids::P1_TRIG_PIXEL, false);
    Dim(p.para1, ids::P1_OUT_MODE, code == 1);
    DimTriggerIndicators(false);
    FillRing(p.para2, ids::P2_IN0_FUNC,
             In0FunctionList(6, code == 1 ? "SAVE VTHD->RAM" : "SAVE VTHD->EE"));
    const bool twoOutputs = code >= 4 && hw.hardwareType == 3;
    FillRing(p.para1, ids::P1_OUT_MODE, twoOutputs ? TwoOutputList() : ThreeOutputList());
    const bool gain = code <= 3;
    ApplyResolutionSwitch(gain ? "HIGH-GAIN" : "DIG-COMP", gain ? "LOW -GAIN" : "ADC-CONV");
  } else {
    Dim(p.para1, ids::P1_INT_TRIG, true);
    Dim(p.para1, ids::P1_TRIG_PIXEL, true);
    Dim(p.para1, ids::P1_OUT_MODE, true);
    DimTriggerIndicators(true);
    FillRing(p.para2, ids::P2_IN0_FUNC, In0FunctionList(5, "SAVE VTHD->EE"));
  }
}

void ApplyUnknownHardware() {
  const PanelHandles& p = Panels();
  HardwareInfo& hw = Hardware();
  const std::string blanks(25, ' ');
  rt::ReplaceTextBoxLine(p.main, ids::MAIN_HWINFO, 0, "No information avialable!");
  for (int i = 1; i < 4; ++i) rt::ReplaceTextBoxLine(p.main, ids::MAIN_HWINFO, i, blanks);
  Dim(p.para2, ids::P2_HW_MODE, true);
  SetDecimals(3, 2);
  hw.edgeLow = 1;
  hw.edgeHigh = hw.subpixelRange;
  hw.videoFullScale = 1024;
  hw.hardwareType = 1;
  FillRing(p.para2, ids::P2_IN0_FUNC, In0FunctionList(6, "SAVE VTHD->EE"));
  FillRing(p.para1, ids::P1_OUT_MODE, ThreeOutputList());
}

}  // namespace

void ApplyHardwareReply(const HardwareWords& w) {
  HardwareInfo& hw = Hardware();
  hw.hardwareCode = w[2];
  hw.hysteresisLimit = w[3];
  hw.word4 = w[4];
  hw.word5 = w[5];
  hw.subpixelRange = w[6];
  hw.flashGraphRange = w[7];
  hw.word8 = w[8];
  hw.word9 = w[9];
  hw.firmwareVersion = w[10];
  hw.modelCode = w[11];

  const int main = Panels().main;
  rt::SetAxisScalingMode(main, ids::MAIN_VIDEO_GRAPH, rt::VAL_XAXIS, rt::VAL_MANUAL, 1.0,
                         hw.subpixelRange);
  rt::SetAxisScalingMode(main, ids::MAIN_PIXEL_GRAPH, rt::VAL_XAXIS, rt::VAL_MANUAL, 1.0, 256.0);
  int factor = SubpixelFactor(hw.subpixelRange);
  if (factor == 0) {
    factor = 4;
    hw.subpixelRange = 1024;
  }
  for (int i = 0; i < 256; ++i) hw.videoPositions[i] = static_cast<double>(i * factor);

  if (!IsKnownHardwareCode(hw.hardwareCode)) {
    ApplyUnknownHardware();
    return;
  }
  if (const ModelRow* row = FindModelRow(hw.hardwareCode, hw.modelCode, hw.firmwareVersion))
    ApplyRow(*row);
  AdaptFamily();
  hw.videoFullScale = VideoFullScaleFor(hw.hardwareCode, w[12]);
}

int ReadHardwareInfo() {
  const HardwareReply reply = RequestHardwareInfo();
  if (reply.answer == HardwareAnswer::TimedOut) SetStatusText("Timeout-RS-232...");
  if (reply.answer != HardwareAnswer::Received) return 0;
  ApplyHardwareReply(reply.words);
  return 1;
}
