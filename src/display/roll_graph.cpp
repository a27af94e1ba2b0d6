#include "display/roll_graph.h"

#include <algorithm>

#include "display/evaluation.h"
#include "display/measurement_inputs.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr int kPointsPerScreen = kRollSamples + 1;

void ScaleRollAxis(int range, const ZoomWindow& zoom) {
  const int main = Panels().main;
  int zoomOn = 0;
  rt::GetCtrlVal(main, ids::MAIN_ZOOM, &zoomOn);
  const double low = zoomOn ? double(zoom.ymin) : 0.0;
  const double high = zoomOn ? double(zoom.ymax) : double(range);
  rt::SetAxisScalingMode(main, ids::MAIN_ROLL_GRAPH, rt::VAL_LEFT_YAXIS, rt::VAL_MANUAL, low, high);
}

void AppendToChart(const RollBuffer& buffer) {
  const int main = Panels().main;
  const int chart = ids::MAIN_ROLL_GRAPH;
  rt::SetCtrlAttribute(main, chart, rt::ATTR_NUM_TRACES, kRollTraces);
  rt::SetCtrlAttribute(main, chart, rt::ATTR_POINTS_PER_SCREEN, kPointsPerScreen);
  rt::PlotStripChart(main, chart, buffer.values.data(), static_cast<int>(buffer.values.size()));
}

}  // namespace

RollBuffer& Roll() {
  static RollBuffer buffer;
  return buffer;
}

void ResetRollBuffer() {
  Roll() = RollBuffer{};
}

void PushRollSample(RollBuffer& buffer, const std::array<double, kRollTraces>& sample) {
  auto& v = buffer.values;
  std::copy(v.begin() + kRollTraces, v.end(), v.begin());
  std::copy(sample.begin(), sample.end(), v.end() - kRollTraces);
}

void PlotRollGraph(const MeasurementState& measurement, const ParameterSet& parameters,
                   const HardwareInfo& hardware) {
  const MeasurementInputs in{measurement, parameters, hardware};
  const int range = in.range();
  const int m = in.m.mValue;
  const Companions comp =
      AnalogCompanions(in.para0(P0_ANALOG_OUT_MODE), m, in.m.max, in.m.min, range);
  ShowToleranceDisplays(in, in.pair());
  const ZoomWindow zoom = ClampZoomWindow(
      RollZoomWindow(in.para0(P0_HARDWARE_MODE), in.m.sensorTolerance, in.para0(P0_UPPER_TOLERANCE),
                     in.para0(P0_LOWER_TOLERANCE), in.teach(), m),
      range);
  const ToleranceLimits limits = in.limits();
  ColourByTolerance(OutOfTolerance(m, limits));
  PushRollSample(Roll(), {double(limits.upper), double(limits.lower), double(in.teach()), double(m),
                          comp.high, comp.low});
  ScaleRollAxis(range, zoom);
  AppendToChart(Roll());
}
