// What the operator sees of one measurement: displays, colours, lamps, the data
// graph's cursors and bands, and the roll graph with its zoom.
#include <gtest/gtest.h>

#include "display/measurement_display.h"
#include "harness/scenario.h"
#include "runtime/constants.h"
#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

// A started program with a 4096-subpixel line and a measurement that sits
// inside Teach-Value 2000 +/- 100.
struct Shown {
  Scenario s;
  MeasurementState& m = Measurement();
  ParameterSet& p = Params();
  HardwareInfo& hw = Hardware();

  Shown() {
    EXPECT_TRUE(s.startUp());
    hw.subpixelRange = 4096;
    hw.edgeLow = 1;
    hw.edgeHigh = 4096;
    p.para0[P0_TEACH_VALUE] = 2000;
    p.para0[P0_UPPER_TOLERANCE] = 100;
    p.para0[P0_LOWER_TOLERANCE] = 100;
    p.para0[P0_HARDWARE_MODE] = 0;
    p.para0[P0_EVAL_MODE] = 0;
    p.para0[P0_ANALOG_OUT_MODE] = 0;
    p.para1[P1_INT_TRIGGER_MODE] = 0;
    m = MeasurementState{};
    m.eLeft = 1950;
    m.eRight = 2400;
    m.mValue = 2010;
    m.edges = 2;
  }
  double at(int control) const { return s.value(s.main(), control); }
  int colour(int control) const { return s.control(s.main(), control).textColor; }
  const rt::GraphData& data() const { return s.control(s.main(), ids::MAIN_DATA_GRAPH).graph; }
  const rt::StripChartData& roll() const { return s.control(s.main(), ids::MAIN_ROLL_GRAPH).strip; }
  const rt::Axis& rollAxis() const { return s.control(s.main(), ids::MAIN_ROLL_GRAPH).graph.yAxis; }
  void setZoom(bool on) { rt::SetCtrlVal(s.main(), ids::MAIN_ZOOM, on ? 1 : 0); }
};

TEST(MeasurementDisplay, ValuesAndLengths) {
  Shown t;
  t.m.micrometre = 123456;
  t.m.max = 2100;
  t.m.min = 1900;
  t.m.triggerLevel = 17;
  t.p.umSlope = 1024000;
  t.p.para0[P0_UPPER_TOLERANCE] = 5;
  t.p.para0[P0_ANALOG_OUT_MODE] = 3;  // MAX - MIN
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_EQ(t.at(ids::MAIN_E_LEFT), 1950);
  EXPECT_EQ(t.at(ids::MAIN_E_RIGHT), 2400);
  EXPECT_EQ(t.at(ids::MAIN_PIXEL_VALUE), 2010);
  EXPECT_EQ(t.at(ids::MAIN_MAIN_VALUE), 200);
  EXPECT_EQ(t.at(ids::MAIN_MAX), 2100);
  EXPECT_EQ(t.at(ids::MAIN_MIN), 1900);
  EXPECT_EQ(t.at(ids::MAIN_TRIG_VALUE), 17);
  EXPECT_DOUBLE_EQ(t.at(ids::MAIN_UM_VALUE), 123.456);
  EXPECT_DOUBLE_EQ(t.at(ids::MAIN_TOL_UP), 5.0);
  EXPECT_DOUBLE_EQ(t.at(ids::MAIN_TOL_LOW), 100.0);
  EXPECT_EQ(t.s.value(t.s.panels().para2, ids::P2_TEACH_VALUE), 2000);
}

TEST(MeasurementDisplay, ToleranceColoursAndTheHousingsTolerance) {
  Shown t;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_EQ(t.colour(ids::MAIN_PIXEL_VALUE), rt::VAL_DK_GREEN);
  EXPECT_EQ(t.colour(ids::MAIN_UM_VALUE), rt::VAL_DK_GREEN);
  t.m.mValue = 2101;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_EQ(t.colour(ids::MAIN_PIXEL_VALUE), rt::VAL_RED);
  EXPECT_EQ(t.colour(ids::MAIN_UM_VALUE), rt::VAL_RED);
  // Hardware-Mode 3: the sensor's tolerance on both sides, in the displays too;
  // 2010 is outside 2000 +/- 7 although inside the fields' 100.
  t.m.mValue = 2010;
  t.p.umSlope = 1024000;
  t.p.para0[P0_HARDWARE_MODE] = 3;
  t.m.sensorTolerance = 7;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_DOUBLE_EQ(t.at(ids::MAIN_TOL_UP), 7.0);
  EXPECT_DOUBLE_EQ(t.at(ids::MAIN_TOL_LOW), 7.0);
  EXPECT_EQ(t.colour(ids::MAIN_PIXEL_VALUE), rt::VAL_RED);
}

TEST(MeasurementDisplay, OutputLampsAndTrigger) {
  Shown t;
  t.m.outputStates = 3;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_EQ(t.at(ids::MAIN_OUT1_LED), 1);
  EXPECT_EQ(t.at(ids::MAIN_OUT2_LED), 1);
  // Internal trigger off: the trigger lamp and colour stay as they were.
  rt::SetCtrlVal(t.s.main(), ids::MAIN_TRIG_LED, 1);
  t.m.triggerLevel = 0;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_EQ(t.at(ids::MAIN_TRIG_LED), 1);
  t.p.para1[P1_INT_TRIGGER_MODE] = 1;
  t.p.para1[P1_TRIGGER_PIXEL] = 20;
  t.m.triggerLevel = 21;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_EQ(t.at(ids::MAIN_TRIG_LED), 1);
  EXPECT_EQ(t.colour(ids::MAIN_TRIG_VALUE), 0xC0C0C0);
  t.m.triggerLevel = 20;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_EQ(t.at(ids::MAIN_TRIG_LED), 0);
  EXPECT_EQ(t.colour(ids::MAIN_TRIG_VALUE), 0xE0E0E0);
}

TEST(DataGraph, CursorsAndTwoEdgeBands) {
  Shown t;
  t.p.para0[P0_EVAL_MODE] = 2;
  t.p.para0[P0_TEACH_VALUE] = 1000;
  t.p.para0[P0_EVAL_BEGIN] = 40;
  t.p.para0[P0_EVAL_END] = 4000;
  t.m.eLeft = 1000;
  t.m.eRight = 2000;
  ShowMeasurement(Measurement(), Params(), Hardware());
  const rt::GraphData& g = t.data();
  EXPECT_DOUBLE_EQ(g.xAxis.min, 1.0);
  EXPECT_DOUBLE_EQ(g.xAxis.max, 4096.0);
  EXPECT_DOUBLE_EQ(g.cursors[0].x, 1500);
  EXPECT_DOUBLE_EQ(g.cursors[0].y, 0.75);
  EXPECT_DOUBLE_EQ(g.cursors[1].x, 40);
  EXPECT_DOUBLE_EQ(g.cursors[2].x, 4000);
  ASSERT_EQ(g.plots.size(), 3u);  // shadow and two tolerance bands
  EXPECT_DOUBLE_EQ(g.plots[0].x1, 1000);
  EXPECT_DOUBLE_EQ(g.plots[0].x2, 2000);
  EXPECT_EQ(g.plots[0].color, rt::VAL_RED);
  EXPECT_DOUBLE_EQ(g.plots[0].y1, 0.25);
  EXPECT_DOUBLE_EQ(g.plots[1].x1, 950);
  EXPECT_DOUBLE_EQ(g.plots[1].x2, 1050);
  EXPECT_DOUBLE_EQ(g.plots[2].x1, 1950);
  EXPECT_DOUBLE_EQ(g.plots[2].x2, 2050);
  EXPECT_EQ(g.plots[2].fillColor, rt::VAL_GREEN);
  EXPECT_DOUBLE_EQ(g.plots[2].y2, 0.35);
}

TEST(DataGraph, SingleEdgeShadowAndClampedPosition) {
  Shown t;
  t.hw.edgeHigh = 3000;
  t.p.para0[P0_EVAL_MODE] = 2;
  t.m.edges = 1;
  t.m.eLeft = 0;
  t.m.sideWord8 = 5;
  t.m.sideWord9 = 9;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_DOUBLE_EQ(t.data().cursors[0].x, 1);  // an edge at 0 gives position 1
  ASSERT_GE(t.data().plots.size(), 1u);
  EXPECT_DOUBLE_EQ(t.data().plots[0].x2, 3000);  // to the high edge limit
  t.m.sideWord8 = 9;
  t.m.sideWord9 = 5;
  t.m.eLeft = 800;
  t.p.para0[P0_EVAL_MODE] = 1;
  t.m.eRight = 3500;  // beyond the high edge limit
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_DOUBLE_EQ(t.data().cursors[0].x, 3000);
  EXPECT_DOUBLE_EQ(t.data().plots[0].x1, 1);
  EXPECT_DOUBLE_EQ(t.data().plots[0].x2, 800);
}

TEST(DataGraph, UnchangedMeasurementKeepsItsPlots) {
  Shown t;
  ShowMeasurement(Measurement(), Params(), Hardware());
  const int handle = t.data().plots.at(0).handle;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_EQ(t.data().plots.at(0).handle, handle);
  t.m.eRight = 2500;
  ShowMeasurement(Measurement(), Params(), Hardware());
  EXPECT_NE(t.data().plots.at(0).handle, handle);
  EXPECT_DOUBLE_EQ(t.data().plots.at(0).x2, 2500);
}

TEST(RollGraph, AppendsTheSampleOfSixTraces) {
  Shown t;
  t.p.para0[P0_ANALOG_OUT_MODE] = 3;
  t.m.max = 100;
  t.m.min = 300;
  PlotRollGraph(Measurement(), Params(), Hardware());
  const rt::StripChartData& chart = t.roll();
  EXPECT_EQ(chart.numTraces, 6);
  EXPECT_EQ(chart.pointsPerScreen, 101);
  ASSERT_EQ(chart.points.size(), 6u);
  ASSERT_EQ(chart.points[0].size(), 100u);
  EXPECT_DOUBLE_EQ(chart.points[0].back(), 2100);  // upper limit
  EXPECT_DOUBLE_EQ(chart.points[1].back(), 1900);  // lower limit
  EXPECT_DOUBLE_EQ(chart.points[2].back(), 2000);  // Teach-Value
  EXPECT_DOUBLE_EQ(chart.points[3].back(), 2010);  // M
  EXPECT_DOUBLE_EQ(chart.points[4].back(), 300);   // H
  EXPECT_DOUBLE_EQ(chart.points[5].back(), 100);   // L
  t.p.para0[P0_TEACH_VALUE] = 4000;                // the limits stay on the line
  t.p.para0[P0_UPPER_TOLERANCE] = 500;
  PlotRollGraph(Measurement(), Params(), Hardware());
  EXPECT_DOUBLE_EQ(t.roll().points[0].back(), 4095);
}

TEST(RollGraph, ZoomWindowOnlyWithZoom) {
  Shown t;
  t.setZoom(true);
  t.p.para0[P0_UPPER_TOLERANCE] = 30;
  t.p.para0[P0_LOWER_TOLERANCE] = 30;
  t.m.mValue = 2100;
  PlotRollGraph(Measurement(), Params(), Hardware());
  EXPECT_DOUBLE_EQ(t.rollAxis().min, 1960);
  EXPECT_DOUBLE_EQ(t.rollAxis().max, 2160);
  t.setZoom(false);
  PlotRollGraph(Measurement(), Params(), Hardware());
  EXPECT_DOUBLE_EQ(t.rollAxis().min, 0);
  EXPECT_DOUBLE_EQ(t.rollAxis().max, 4096);
}

}  // namespace
