#include "display/measurement_display.h"

#include <vector>

#include "display/evaluation.h"
#include "display/measurement_inputs.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr int kGrey = 0xC0C0C0;
constexpr int kLightGrey = 0xE0E0E0;

// Heights of the bands on the data graph.
constexpr double kShadowBottom = 0.25, kShadowTop = 1.0;
constexpr double kBandBottom = 0.0, kBandTop = 0.35;
constexpr double kCursorY = 0.75;

void ShowValues(const MeasurementInputs& in) {
  const int main = Panels().main;
  const MeasurementState& m = in.m;
  rt::SetCtrlVal(main, ids::MAIN_E_LEFT, static_cast<int>(m.eLeft));
  rt::SetCtrlVal(main, ids::MAIN_E_RIGHT, static_cast<int>(m.eRight));
  rt::SetCtrlVal(main, ids::MAIN_PIXEL_VALUE, static_cast<int>(m.mValue));
  rt::SetCtrlVal(main, ids::MAIN_MAX, static_cast<int>(m.max));
  rt::SetCtrlVal(main, ids::MAIN_MIN, static_cast<int>(m.min));
  rt::SetCtrlVal(main, ids::MAIN_TRIG_VALUE, static_cast<int>(m.triggerLevel));
  const OutputLamps lamps = OutputLampsFor(m.outputStates);
  rt::SetCtrlVal(main, ids::MAIN_OUT1_LED, lamps.first ? 1 : 0);
  rt::SetCtrlVal(main, ids::MAIN_OUT2_LED, lamps.second ? 1 : 0);
}

// With the internal trigger on, the trigger display greys and the lamp lights
// while the dark-pixel count is above Trigger-Pixel; otherwise both stay.
void ShowTrigger(const MeasurementInputs& in) {
  if (in.p.para1[P1_INT_TRIGGER_MODE] == 0) return;
  const int main = Panels().main;
  const bool triggered = in.m.triggerLevel > in.p.para1[P1_TRIGGER_PIXEL];
  rt::SetCtrlAttribute(main, ids::MAIN_TRIG_VALUE, rt::ATTR_TEXT_COLOR,
                       triggered ? kGrey : kLightGrey);
  rt::SetCtrlVal(main, ids::MAIN_TRIG_LED, triggered ? 1 : 0);
}

void ShowOnCalibrationPanel(int mValue) {
  const int calib = Panels().calib;
  int step1 = 0, step2 = 0;
  rt::GetCtrlVal(calib, ids::CAL_STEP1, &step1);
  rt::GetCtrlVal(calib, ids::CAL_STEP2, &step2);
  if (step1) rt::SetCtrlVal(calib, ids::CAL_VALUE1, mValue);
  if (step2) rt::SetCtrlVal(calib, ids::CAL_VALUE2, mValue);
}

struct Rect {
  double x1, y1, x2, y2;
  int colour;
};

std::vector<Rect> DataGraphBands(const MeasurementInputs& in, int position) {
  std::vector<Rect> rects;
  const MeasurementState& m = in.m;
  if (auto shadow =
          ShadowBand(m.edges, m.eLeft, m.eRight, m.sideWord8, m.sideWord9, in.hw.edgeHigh))
    rects.push_back({shadow->x1, kShadowBottom, shadow->x2, kShadowTop, rt::VAL_RED});
  for (const Band& b :
       ToleranceBands(in.para0(P0_EVAL_MODE), m.edges, position, in.teach(), in.pair(), in.range()))
    rects.push_back({b.x1, kBandBottom, b.x2, kBandTop, rt::VAL_GREEN});
  return rects;
}

// True when the graph holds exactly these rectangles, so that a measurement
// that moves nothing costs no redraw.
bool GraphAlreadyShows(int panel, int graph, const std::vector<Rect>& rects) {
  const rt::Control* c = rt::FindControl(panel, graph);
  if (!c || c->graph.plots.size() != rects.size()) return false;
  for (size_t i = 0; i < rects.size(); ++i) {
    const rt::Plot& p = c->graph.plots[i];
    const Rect& r = rects[i];
    if (p.kind != rt::Plot::Kind::Rectangle || p.x1 != r.x1 || p.y1 != r.y1 || p.x2 != r.x2 ||
        p.y2 != r.y2 || p.color != r.colour || p.fillColor != r.colour)
      return false;
  }
  return true;
}

void DrawDataGraph(const MeasurementInputs& in, int position) {
  const int main = Panels().main;
  const int g = ids::MAIN_DATA_GRAPH;
  rt::SetAxisScalingMode(main, g, rt::VAL_XAXIS, rt::VAL_MANUAL, 1.0, in.range());
  rt::SetGraphCursor(main, g, 2, in.para0(P0_EVAL_BEGIN), kCursorY);
  rt::SetGraphCursor(main, g, 3, in.para0(P0_EVAL_END), kCursorY);
  const int p = ClampEdgePosition(position, in.hw.edgeLow, in.hw.edgeHigh, in.range());
  const std::vector<Rect> rects = DataGraphBands(in, p);
  const bool unchanged = GraphAlreadyShows(main, g, rects);
  if (!unchanged) rt::DeleteGraphPlot(main, g, rt::VAL_ALL_PLOTS, rt::VAL_IMMEDIATE_DRAW);
  rt::SetGraphCursor(main, g, 1, p, kCursorY);
  if (unchanged) return;
  for (const Rect& r : rects)
    rt::PlotRectangle(main, g, r.x1, r.y1, r.x2, r.y2, r.colour, r.colour);
}

}  // namespace

void ShowMeasurement(const MeasurementState& measurement, const ParameterSet& parameters,
                     const HardwareInfo& hardware) {
  const MeasurementInputs in{measurement, parameters, hardware};
  const int main = Panels().main;
  ShowValues(in);
  ShowTrigger(in);
  rt::SetCtrlVal(main, ids::MAIN_MAIN_VALUE,
                 MainValue(in.para0(P0_ANALOG_OUT_MODE), in.m.mValue, in.m.max, in.m.min));
  const int position = EdgePosition(in.para0(P0_EVAL_MODE), in.m.eLeft, in.m.eRight);
  ShowToleranceDisplays(in, in.pair());
  rt::SetCtrlVal(main, ids::MAIN_UM_VALUE, MicrometreReading(in.m.micrometre));
  ColourByTolerance(OutOfTolerance(in.m.mValue, in.limits()));
  ShowOnCalibrationPanel(in.m.mValue);
  DrawDataGraph(in, position);
  rt::SetCtrlVal(Panels().para2, ids::P2_TEACH_VALUE, in.teach());
}
