// What the parameter panels and the main panel show after start-up against a
// sensor holding given parameters, and after a Get.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "harness/scenario.h"
#include "model_presets.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

// A parameter word the sensor holds in RAM at power-up: frame, word, value.
struct Word {
  int frame;
  int word;
  std::uint16_t value;
};

constexpr int kAnalogGroup[] = {ids::MAIN_MAIN_VALUE, ids::MAIN_MAX, ids::MAIN_MIN, ids::MAIN_RESET,
                                ids::MAIN_ANALOG_LABEL};
constexpr int kTriggerIndicators[] = {ids::MAIN_TRIG_VALUE, ids::MAIN_TRIG_LED,
                                      ids::MAIN_TRIG_LABEL};

std::shared_ptr<sim::SensorEngine> StartAgainst(Scenario& s, const std::vector<Word>& words,
                                                sim::SensorConfig config = {}) {
  auto sensor = s.attachSensor(std::move(config));
  for (const Word& w : words) sensor->memory().frame(sim::Memory::kRam, w.frame)[w.word] = w.value;
  EXPECT_TRUE(s.startUp());
  return sensor;
}

bool DimmedAll(const Scenario& s, int panel, std::initializer_list<int> controls) {
  return std::all_of(controls.begin(), controls.end(), [&](int c) { return s.dimmed(panel, c); });
}

TEST(ParameterDisplay, AutoThresholdSensorAtStartUp) {
  Scenario s;
  auto sensor = StartAgainst(s, {{0, P0_VIDEO_THD_MODE, 1}, {1, P1_VIDEO_THD_AUTO, 66}});
  const PanelHandles& p = s.panels();
  EXPECT_FALSE(s.dimmed(p.para2, ids::P2_SAVE_THD));
  EXPECT_EQ(s.value(p.para2, ids::P2_VTHD), 66);
  // After the parameter frame, in the connection sequence, and in the pass over the panels.
  EXPECT_EQ(Scenario::requestsSeen(*sensor, 9), 12);
  EXPECT_EQ(s.status(), sensor->model().firmwareText);
  EXPECT_EQ(s.statusHistory().back(), sensor->model().firmwareText);
  // The data graph spans the sensor's subpixels.
  const rt::GraphData& g = s.control(s.main(), ids::MAIN_DATA_GRAPH).graph;
  EXPECT_EQ(g.xAxis.mode, rt::VAL_MANUAL);
  EXPECT_DOUBLE_EQ(g.xAxis.min, 1.0);
  EXPECT_DOUBLE_EQ(g.xAxis.max, sensor->model().subpixelRange);
}

TEST(ParameterDisplay, FixedThresholdSensorKeepsSaveDimmedAndReadsTheCurveOnce) {
  Scenario s;
  auto sensor = StartAgainst(s, {{0, P0_VIDEO_THD_MODE, 0}});
  EXPECT_TRUE(s.dimmed(s.panels().para2, ids::P2_SAVE_THD));
  EXPECT_EQ(Scenario::requestsSeen(*sensor, 9), 4);
}

TEST(ParameterDisplay, AnalogOutputGroupFollowsTheMode) {
  for (std::uint16_t mode : {0, 2}) {
    Scenario s;
    StartAgainst(s, {{0, P0_ANALOG_OUT_MODE, mode}});
    for (int c : kAnalogGroup) EXPECT_EQ(s.visible(s.main(), c), mode != 0) << mode << " " << c;
  }
}

TEST(ParameterDisplay, InternalTriggerShowsItsIndicators) {
  for (std::uint16_t mode : {0, 1}) {
    Scenario s;
    StartAgainst(s, {{1, P1_INT_TRIGGER_MODE, mode}});
    for (int c : kTriggerIndicators) EXPECT_EQ(s.visible(s.main(), c), mode == 1) << mode;
    EXPECT_EQ(s.dimmed(s.panels().para1, ids::P1_TRIG_PIXEL), mode == 0);
    if (mode == 0) {
      // A three-output sensor without internal trigger works in output mode 0.
      EXPECT_EQ(s.value(s.panels().para1, ids::P1_OUT_MODE), 0);
      EXPECT_TRUE(s.dimmed(s.panels().para1, ids::P1_OUT_MODE));
    }
  }
}

TEST(ParameterDisplay, InternalTriggerOnATwoOutputSensorFixesOutputMode3) {
  for (std::uint16_t mode : {0, 1}) {
    sim::SensorConfig config;
    config.model = sim::MakeModelFromCodes(4, 20160, 318);
    Scenario s;
    StartAgainst(s, {{1, P1_INT_TRIGGER_MODE, mode}, {1, P1_DIGITAL_OUT_MODE, 1}}, config);
    ASSERT_EQ(Hardware().hardwareType, 3);
    const int para1 = s.panels().para1;
    EXPECT_EQ(s.value(para1, ids::P1_OUT_MODE), mode == 1 ? 3 : 1) << mode;
    EXPECT_EQ(s.dimmed(para1, ids::P1_OUT_MODE), mode == 1) << mode;
  }
}

TEST(ParameterDisplay, FixedLineAndVideoGraphOnAFullScaleOf1024) {
  sim::SensorConfig config;
  config.model.videoFullScaleCode = 1024;
  Scenario s;
  StartAgainst(s, {{0, P0_VIDEO_THD_MODE, 0}, {1, P1_VIDEO_THD_FIX, 40}}, config);
  ASSERT_EQ(Hardware().videoFullScale, 1024);
  EXPECT_EQ(Params().fixedThresholdLine[0], 409);
  EXPECT_EQ(Params().fixedThresholdLine[255], 409);
  const rt::GraphData& g = s.control(s.main(), ids::MAIN_VIDEO_GRAPH).graph;
  const bool drawn = std::any_of(g.plots.begin(), g.plots.end(), [](const rt::Plot& plot) {
    return plot.kind == rt::Plot::Kind::XY && !plot.ys.empty() &&
           std::all_of(plot.ys.begin(), plot.ys.end(), [](double y) { return y == 409; });
  });
  EXPECT_TRUE(drawn);
}

TEST(ParameterDisplay, ToleranceFieldsAndDisplaysByHardwareMode) {
  for (std::uint16_t mode : {2, 3}) {
    Scenario s;
    StartAgainst(
        s,
        {{0, P0_HARDWARE_MODE, mode}, {0, P0_UPPER_TOLERANCE, 200}, {0, P0_LOWER_TOLERANCE, 100}});
    const PanelHandles& p = s.panels();
    EXPECT_EQ(s.dimmed(p.para1, ids::P1_TOL_UP), mode == 3) << mode;
    EXPECT_EQ(s.dimmed(p.para1, ids::P1_TOL_LOW), mode == 3) << mode;
    // Each display from its own tolerance with the start slope of 1024.
    EXPECT_DOUBLE_EQ(s.value(s.main(), ids::MAIN_TOL_UP), 0.2);
    EXPECT_DOUBLE_EQ(s.value(s.main(), ids::MAIN_TOL_LOW), 0.1);
  }
}

// Hardware-Mode alone decides whether the tolerance fields can be edited,
// also on a sensor up to V3.02, where the lower field sets both limits.
TEST(ParameterDisplay, ToleranceFieldsFollowHardwareModeOnEveryFirmware) {
  for (int firmware : {302, 310}) {
    sim::SensorConfig config;
    config.model = *sim::MakeModel("XB-8", firmware);
    Scenario s;
    StartAgainst(s, {}, config);
    const PanelHandles& p = s.panels();
    ASSERT_EQ(Hardware().firmwareVersion, firmware);
    s.enterValue(p.para2, ids::P2_HW_MODE, 2);
    EXPECT_FALSE(s.dimmed(p.para1, ids::P1_TOL_UP)) << firmware;
    EXPECT_FALSE(s.dimmed(p.para1, ids::P1_TOL_LOW)) << firmware;
    s.enterValue(p.para2, ids::P2_HW_MODE, 1);
    EXPECT_TRUE(s.dimmed(p.para1, ids::P1_TOL_UP)) << firmware;
  }
}

TEST(ParameterDisplay, RecorderControlsByRs232Mode) {
  const int recorder[] = {ids::REC_SAMPLES, ids::REC_FILE_BTN, ids::REC_START, ids::REC_STOP};
  for (std::uint16_t mode : {0, 2, 3, 4}) {
    Scenario s;
    StartAgainst(s, {{1, P1_RS232_MODE, mode}});
    const int panel = s.panels().recorder;
    const bool triggered = mode == 2 || mode == 3;
    EXPECT_EQ(s.dimmed(panel, ids::REC_INTERVAL), mode != 0) << mode;
    for (int c : recorder) EXPECT_EQ(s.dimmed(panel, c), triggered) << mode << " " << c;
  }
}

TEST(ParameterDisplay, OperationModeDimsThresholdControlsOnlyOnOlderSensors) {
  struct Case {
    int hardwareCode;
    int firmware;
    bool tied;
  };
  for (const Case c : {Case{101, 318, false}, Case{1, 317, false}, Case{101, 317, true}}) {
    sim::SensorConfig config;
    config.model = sim::MakeModelFromCodes(c.hardwareCode, 80, c.firmware);
    Scenario s;
    StartAgainst(s, {{0, P0_CCD_OPERATION_MODE, 1}, {0, P0_VIDEO_THD_MODE, 1}}, config);
    const int para2 = s.panels().para2;
    EXPECT_EQ(DimmedAll(s, para2, {ids::P2_SAVE_THD, ids::P2_FILTER, ids::P2_VTHD_MODE}), c.tied)
        << c.hardwareCode << " " << c.firmware;
    if (!c.tied) {
      EXPECT_FALSE(s.dimmed(para2, ids::P2_SAVE_THD));
      EXPECT_FALSE(s.dimmed(para2, ids::P2_FILTER));
      EXPECT_FALSE(s.dimmed(para2, ids::P2_VTHD_MODE));
    }
  }
}

// A help box the operator opens while the sensor is being connected is put
// back in its place, hidden and blank, when start-up ends.
TEST(ParameterDisplay, StartUpEndsWithTheHelpBoxesHidden) {
  Scenario s;
  s.attachSensor();
  bool shownDuringConnection = false;
  s.at(0.2, [&] { rt::PostCtrlEvent(s.main(), ids::MAIN_SEND, rt::EVENT_RIGHT_CLICK); });
  s.at(0.4, [&] { shownDuringConnection = s.visible(s.main(), ids::MAIN_HELP); });
  ASSERT_TRUE(s.startUp());
  ASSERT_TRUE(shownDuringConnection);
  const rt::Control& box = s.control(s.main(), ids::MAIN_HELP);
  EXPECT_FALSE(box.visible);
  EXPECT_EQ(box.left, 10);
  EXPECT_EQ(box.top, 110);
  EXPECT_EQ(s.text(s.main(), ids::MAIN_HELP), "HELPTEXT1");
}

// A Get lays the grey background over the whole subpixel range and moves the
// evaluation window's cursors to the sensor's window. (The measurement shown
// when the threshold curve is read back redraws the data graph, so start-up
// itself ends with the measurement's bands.)
TEST(ParameterDisplay, GetRescalesTheDataGraphAndMovesTheEvaluationCursors) {
  Scenario s;
  auto sensor = StartAgainst(s, {});
  auto& ram = sensor->memory().frame(sim::Memory::kRam, 0);
  ram[P0_EVAL_BEGIN] = 123;
  ram[P0_EVAL_END] = 4567;
  s.click(s.main(), ids::MAIN_GET);
  EXPECT_EQ(s.value(s.main(), ids::MAIN_EVAL_BEGIN), 123);
  const rt::GraphData& g = s.control(s.main(), ids::MAIN_DATA_GRAPH).graph;
  EXPECT_DOUBLE_EQ(g.cursors[1].x, 123);
  EXPECT_DOUBLE_EQ(g.cursors[1].y, 0.75);
  EXPECT_DOUBLE_EQ(g.cursors[2].x, 4567);
  EXPECT_DOUBLE_EQ(g.cursors[2].y, 0.75);
  const double range = sensor->model().subpixelRange;
  EXPECT_EQ(g.xAxis.mode, rt::VAL_MANUAL);
  EXPECT_DOUBLE_EQ(g.xAxis.min, 1.0);
  EXPECT_DOUBLE_EQ(g.xAxis.max, range);
  ASSERT_FALSE(g.plots.empty());
  const rt::Plot& grey = g.plots.back();
  EXPECT_EQ(grey.kind, rt::Plot::Kind::Rectangle);
  EXPECT_EQ(grey.color, 0xA0A0A0);
  EXPECT_EQ(grey.fillColor, 0xA0A0A0);
  EXPECT_DOUBLE_EQ(grey.x1, 0.0);
  EXPECT_DOUBLE_EQ(grey.y1, 0.0);
  EXPECT_DOUBLE_EQ(grey.x2, range);
  EXPECT_DOUBLE_EQ(grey.y2, 1.0);
}

}  // namespace
