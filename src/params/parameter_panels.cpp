#include "params/parameter_panels.h"

#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

struct Binding {
  int PanelHandles::*panel;
  int control;
  int which;  // 0 = PARA0, 1 = PARA1
  int word;
};

// In the order the panels are read into the set; the threshold slider and the
// calibration fields follow separately.
constexpr Binding kBindings[] = {
    {&PanelHandles::main, ids::MAIN_EVAL_BEGIN, 0, P0_EVAL_BEGIN},
    {&PanelHandles::main, ids::MAIN_EVAL_END, 0, P0_EVAL_END},
    {&PanelHandles::para1, ids::P1_POLARITY, 0, P0_POLARITY},
    {&PanelHandles::para1, ids::P1_OUT_MODE, 1, P1_DIGITAL_OUT_MODE},
    {&PanelHandles::para1, ids::P1_EVAL_MODE, 0, P0_EVAL_MODE},
    {&PanelHandles::para1, ids::P1_TOL_UP, 0, P0_UPPER_TOLERANCE},
    {&PanelHandles::para1, ids::P1_TOL_LOW, 0, P0_LOWER_TOLERANCE},
    {&PanelHandles::para1, ids::P1_AVERAGE, 0, P0_AVERAGE},
    {&PanelHandles::para1, ids::P1_ANALOG_OUT, 0, P0_ANALOG_OUT_MODE},
    {&PanelHandles::para1, ids::P1_ZOOM_MODE, 1, P1_ANALOG_ZOOM_MODE},
    {&PanelHandles::para1, ids::P1_INT_TRIG, 1, P1_INT_TRIGGER_MODE},
    {&PanelHandles::para1, ids::P1_TRIG_PIXEL, 1, P1_TRIGGER_PIXEL},
    {&PanelHandles::para2, ids::P2_IN0_FUNC, 0, P0_EXT_TRIGGER_MODE},
    {&PanelHandles::para2, ids::P2_POWER, 0, P0_POWER},
    {&PanelHandles::para2, ids::P2_VTHD_MODE, 0, P0_VIDEO_THD_MODE},
    {&PanelHandles::para2, ids::P2_TEACH_VALUE, 0, P0_TEACH_VALUE},
    {&PanelHandles::para2, ids::P2_HW_MODE, 0, P0_HARDWARE_MODE},
    {&PanelHandles::para2, ids::P2_FILTER, 1, P1_FILTER_TYPE},
    {&PanelHandles::recorder, ids::REC_RS232_MODE, 1, P1_RS232_MODE},
    {&PanelHandles::comset, ids::COM_BAUD, 1, P1_RS232_BAUDRATE},
    {&PanelHandles::calib, ids::CAL_OPMODE, 0, P0_CCD_OPERATION_MODE},
    {&PanelHandles::calib, ids::CAL_HYSTERESIS, 1, P1_EDGE_HYSTERESIS},
};

std::uint16_t& Word(ParameterSet& s, const Binding& b) {
  return b.which == 0 ? s.para0[b.word] : s.para1[b.word];
}

int ThresholdWord(const ParameterSet& s) {
  return s.para0[P0_VIDEO_THD_MODE] == 0 ? P1_VIDEO_THD_FIX : P1_VIDEO_THD_AUTO;
}

}  // namespace

void WriteParameterControls() {
  ParameterSet& s = Params();
  const PanelHandles& p = Panels();
  for (const Binding& b : kBindings)
    rt::SetCtrlVal(p.*b.panel, b.control, static_cast<int>(Word(s, b)));
  rt::SetCtrlVal(p.para2, ids::P2_VTHD, static_cast<int>(s.para1[ThresholdWord(s)]));
  rt::SetCtrlVal(p.calib, ids::CAL_SLOPE, SlopeFromWord(s.umSlope));
  rt::SetCtrlVal(p.calib, ids::CAL_OFFSET, OffsetFromWord(s.umOffset));
}

void ReadParametersFromPanels() {
  ParameterSet& s = Params();
  const PanelHandles& p = Panels();
  // The operation-mode switch, Edge-Hysteresis and the calibration fields come
  // after the threshold slider.
  constexpr int kCalibrationBindings = 2;
  constexpr int kCount = sizeof kBindings / sizeof kBindings[0];
  for (int i = 0; i < kCount - kCalibrationBindings; ++i) {
    const Binding& b = kBindings[i];
    rt::GetCtrlVal(p.*b.panel, b.control, &Word(s, b));
  }
  rt::GetCtrlVal(p.para2, ids::P2_VTHD, &s.para1[ThresholdWord(s)]);
  for (int i = kCount - kCalibrationBindings; i < kCount; ++i) {
    const Binding& b = kBindings[i];
    rt::GetCtrlVal(p.*b.panel, b.control, &Word(s, b));
  }
  double offset = 0, slope = 0;
  rt::GetCtrlVal(p.calib, ids::CAL_OFFSET, &offset);
  rt::GetCtrlVal(p.calib, ids::CAL_SLOPE, &slope);
  s.umOffset = OffsetToWord(offset);
  s.umSlope = SlopeToWord(slope);
  ComputeFixedThresholdLine(s, Hardware().videoFullScale);
}
