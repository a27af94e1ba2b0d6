#include "display/measurement_display.h"

#include <algorithm>

#include "display/evaluation.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr int kGrey = 0xC0C0C0;
constexpr int kLightGrey = 0xE0E0E0;

struct Inputs {
  const MeasurementState& m = Measurement();
  const ParameterSet& p = Params();
  const HardwareInfo& hw = Hardware();
  int range() const { return hw.subpixelRange; }
  int teach() const { return p.para0[P0_TEACH_VALUE]; }
  TolerancePair pair() const {
    return TolerancesFor(p.para0[P0_HARDWARE_MODE], m.sensorTolerance, p.para0[P0_UPPER_TOLERANCE],
                         p.para0[P0_LOWER_TOLERANCE]);
  }
};

void ShowToleranceDisplays(const Inputs& in, const TolerancePair& pair) {
  const int main = Panels().main;
  rt::SetCtrlVal(main, ids::MAIN_TOL_UP, ToleranceInLength(pair.upper, in.p.umSlope));
  rt::SetCtrlVal(main, ids::MAIN_TOL_LOW, ToleranceInLength(pair.lower, in.p.umSlope));
}

void ColourByTolerance(bool out) {
  const int colour = out ? rt::VAL_RED : rt::VAL_DK_GREEN;
  rt::SetCtrlAttribute(Panels().main, ids::MAIN_UM_VALUE, rt::ATTR_TEXT_COLOR, colour);
  rt::SetCtrlAttribute(Panels().main, ids::MAIN_PIXEL_VALUE, rt::ATTR_TEXT_COLOR, colour);
}

void ShowValues(const Inputs& in) {
  const int main = Panels().main;
  const MeasurementState& m = in.m;
  rt::SetCtrlVal(main, ids::MAIN_E_LEFT, static_cast<int>(m.eLeft));
  rt::SetCtrlVal(main, ids::MAIN_E_RIGHT, static_cast<int>(m.eRight));
  rt::SetCtrlVal(main, ids::MAIN_PIXEL_VALUE, static_cast<int>(m.mValue));
  rt::SetCtrlVal(main, ids::MAIN_MAIN_VALUE, static_cast<int>(m.mValue));
  rt::SetCtrlVal(main, ids::MAIN_MAX, static_cast<int>(m.max));
  rt::SetCtrlVal(main, ids::MAIN_MIN, static_cast<int>(m.min));
  rt::SetCtrlVal(main, ids::MAIN_TRIG_VALUE, static_cast<int>(m.triggerLevel));
  const int s = m.outputStates;
  rt::SetCtrlVal(main, ids::MAIN_OUT1_LED, s == 1 || s == 3 ? 1 : 0);
  rt::SetCtrlVal(main, ids::MAIN_OUT2_LED, s == 2 || s == 3 ? 1 : 0);
  if (in.p.para1[P1_INT_TRIGGER_MODE] > 0) {
    const bool triggered = m.triggerLevel > in.p.para1[P1_TRIGGER_PIXEL];
    rt::SetCtrlAttribute(main, ids::MAIN_TRIG_VALUE, rt::ATTR_TEXT_COLOR,
                         triggered ? kGrey : kLightGrey);
    rt::SetCtrlVal(main, ids::MAIN_TRIG_LED, triggered ? 1 : 0);
  }
  rt::SetCtrlVal(main, ids::MAIN_MAIN_VALUE,
                 MainValue(in.p.para0[P0_ANALOG_OUT_MODE], m.mValue, m.max, m.min));
}

void ShowOnCalibrationPanel(int mValue) {
  const int calib = Panels().calib;
  int step1 = 0, step2 = 0;
  rt::GetCtrlVal(calib, ids::CAL_STEP1, &step1);
  rt::GetCtrlVal(calib, ids::CAL_STEP2, &step2);
  if (step1) rt::SetCtrlVal(calib, ids::CAL_VALUE1, mValue);
  if (step2) rt::SetCtrlVal(calib, ids::CAL_VALUE2, mValue);
}

void DrawDataGraph(const Inputs& in, int position, const TolerancePair& pair) {
  const int main = Panels().main;
  const int g = ids::MAIN_DATA_GRAPH;
  const int range = in.range();
  rt::SetAxisScalingMode(main, g, rt::VAL_XAXIS, rt::VAL_MANUAL, 1.0, range);
  rt::SetGraphCursor(main, g, 2, in.p.para0[P0_EVAL_BEGIN], 0.75);
  rt::SetGraphCursor(main, g, 3, in.p.para0[P0_EVAL_END], 0.75);
  rt::DeleteGraphPlot(main, g, rt::VAL_ALL_PLOTS, rt::VAL_IMMEDIATE_DRAW);
  const int p = ClampEdgePosition(position, in.hw.edgeLow, in.hw.edgeHigh, range);
  rt::SetGraphCursor(main, g, 1, p, 0.75);
  if (auto shadow = ShadowBand(in.m.edges, in.m.eLeft, in.m.eRight, in.m.sideWord8, in.m.sideWord9,
                               in.hw.edgeHigh))
    rt::PlotRectangle(main, g, shadow->x1, 0.25, shadow->x2, 1.0, rt::VAL_RED, rt::VAL_RED);
  for (const Band& b :
       ToleranceBands(in.p.para0[P0_EVAL_MODE], in.m.edges, p, in.teach(), pair, range))
    rt::PlotRectangle(main, g, b.x1, 0.0, b.x2, 0.35, rt::VAL_GREEN, rt::VAL_GREEN);
}

}  // namespace

RollBuffer& Roll() {
  static RollBuffer buffer;
  return buffer;
}

void ResetRollBuffer() {
  Roll() = RollBuffer{};
}

void ShowMeasurement() {
  Inputs in;
  ShowValues(in);
  const int position = EdgePosition(in.p.para0[P0_EVAL_MODE], in.m.eLeft, in.m.eRight);
  const TolerancePair pair = in.pair();
  ShowToleranceDisplays(in, pair);
  const ToleranceLimits limits = ClampLimits(RawLimits(in.teach(), pair), in.range());
  rt::SetCtrlVal(Panels().main, ids::MAIN_UM_VALUE, in.m.micrometre / 1000.0);
  ColourByTolerance(OutOfTolerance(in.m.mValue, limits));
  ShowOnCalibrationPanel(in.m.mValue);
  DrawDataGraph(in, position, pair);
  rt::SetCtrlVal(Panels().para2, ids::P2_TEACH_VALUE, in.teach());
}

void PlotRollGraph() {
  Inputs in;
  const int range = in.range();
  const int m = in.m.mValue;
  const Companions comp =
      AnalogCompanions(in.p.para0[P0_ANALOG_OUT_MODE], m, in.m.max, in.m.min, range);
  const TolerancePair pair = in.pair();
  ShowToleranceDisplays(in, pair);
  ZoomWindow zoom =
      RollZoomWindow(in.p.para0[P0_HARDWARE_MODE], in.m.sensorTolerance,
                     in.p.para0[P0_UPPER_TOLERANCE], in.p.para0[P0_LOWER_TOLERANCE], in.teach(), m);
  auto& values = Roll().values;
  std::copy(values.begin() + 6, values.end(), values.begin());
  const ToleranceLimits limits = ClampLimits(RawLimits(in.teach(), pair), range);
  if (zoom.ymax > range - 1) zoom.ymax = range - 1;
  if (zoom.ymin < 1) zoom.ymin = 1;
  ColourByTolerance(OutOfTolerance(m, limits));
  const double sample[6] = {double(limits.upper),
                            double(limits.lower),
                            double(in.teach()),
                            double(m),
                            comp.high,
                            comp.low};
  std::copy(sample, sample + 6, values.end() - 6);
  const int main = Panels().main;
  const int chart = ids::MAIN_ROLL_GRAPH;
  int zoomOn = 0;
  rt::GetCtrlVal(main, ids::MAIN_ZOOM, &zoomOn);
  if (zoomOn)
    rt::SetAxisScalingMode(main, chart, rt::VAL_LEFT_YAXIS, rt::VAL_MANUAL, double(zoom.ymin),
                           double(zoom.ymax));
  else
    rt::SetAxisScalingMode(main, chart, rt::VAL_LEFT_YAXIS, rt::VAL_MANUAL, 0.0, range);
  rt::SetCtrlAttribute(main, chart, rt::ATTR_NUM_TRACES, 6);
  rt::SetCtrlAttribute(main, chart, rt::ATTR_POINTS_PER_SCREEN, 101);
  rt::PlotStripChart(main, chart, values.data(), static_cast<int>(values.size()));
}
