// What the operator sees when editing the parameter panels: help boxes beside
// the controls, fields corrected as they are entered, modes applied at once,
// and the video threshold slider's preview.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/threshold_state.h"
#include "display/video_state.h"
#include "harness/scenario.h"
#include "model_presets.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

// Started against a sensor whose housing leaves the tolerance to the fields.
std::shared_ptr<sim::SensorEngine> Start(Scenario& s, sim::SensorConfig config = {}) {
  auto sensor = s.attachSensor(std::move(config));
  sensor->memory().frame(sim::Memory::kRam, 0)[P0_HARDWARE_MODE] = 0;
  EXPECT_TRUE(s.startUp());
  return sensor;
}

const std::vector<rt::Plot>& VideoPlots(const Scenario& s) {
  return s.control(s.main(), ids::MAIN_VIDEO_GRAPH).graph.plots;
}

TEST(ParameterHelp, PowerSliderBoxInMainPanelCoordinates) {
  Scenario s;
  Start(s);
  const int para2 = s.panels().para2;
  rt::SetPanelAttribute(para2, rt::ATTR_LEFT, 8);
  rt::SetPanelAttribute(para2, rt::ATTR_TOP, 105);
  rt::SetCtrlAttribute(para2, ids::P2_POWER, rt::ATTR_LEFT, 20);
  rt::SetCtrlAttribute(para2, ids::P2_POWER, rt::ATTR_TOP, 30);
  rt::SetCtrlAttribute(para2, ids::P2_POWER, rt::ATTR_WIDTH, 200);
  s.rightClick(para2, ids::P2_POWER);
  const rt::Control& box = s.control(s.main(), ids::MAIN_HELP);
  EXPECT_TRUE(box.visible);
  EXPECT_EQ(box.left, 388);
  EXPECT_EQ(box.top, 125);
  EXPECT_EQ(box.text.rfind("POWER:\n", 0), 0u);
}

TEST(ParameterHelp, PolarityTogglesAndAverageUsesTheLargeBox) {
  Scenario s;
  Start(s);
  const int para1 = s.panels().para1;
  s.rightClick(para1, ids::P1_POLARITY);
  EXPECT_TRUE(s.visible(s.main(), ids::MAIN_HELP));
  s.rightClick(para1, ids::P1_POLARITY);
  EXPECT_FALSE(s.visible(s.main(), ids::MAIN_HELP));
  s.rightClick(para1, ids::P1_POLARITY);
  s.rightClick(para1, ids::P1_AVERAGE);
  EXPECT_TRUE(s.visible(s.main(), ids::MAIN_HELP));
  EXPECT_TRUE(s.visible(s.main(), ids::MAIN_HELP_LARGE));
  EXPECT_EQ(s.text(s.main(), ids::MAIN_HELP_LARGE).rfind("AVERAGE:\n", 0), 0u);
  // Children of the recorder and calibration panels place the box too.
  s.rightClick(s.panels().recorder, ids::REC_RS232_MODE);
  EXPECT_EQ(s.text(s.main(), ids::MAIN_HELP).rfind("RS-232-MODE for meas-data output:\n", 0), 0u);
}

TEST(ParameterEdits, TolerancesAndTeachValueStayInsideTheRange) {
  Scenario s;
  Start(s);
  Hardware().subpixelRange = 4096;
  Params().para0[P0_TEACH_VALUE] = 4000;
  const int para1 = s.panels().para1;
  s.enterValue(para1, ids::P1_TOL_UP, 200);
  EXPECT_EQ(s.value(para1, ids::P1_TOL_UP), 95);
  EXPECT_DOUBLE_EQ(s.value(s.main(), ids::MAIN_TOL_UP), ToleranceInLength(95, Params().umSlope));
  s.enterValue(para1, ids::P1_TOL_LOW, 4500);
  EXPECT_EQ(s.value(para1, ids::P1_TOL_LOW), 4000);
  EXPECT_DOUBLE_EQ(s.value(s.main(), ids::MAIN_TOL_LOW), ToleranceInLength(4000, Params().umSlope));
  s.enterValue(para1, ids::P1_TOL_UP, 50);
  EXPECT_EQ(s.value(para1, ids::P1_TOL_UP), 50);
  // The teach value between 1 and the range.
  const int para2 = s.panels().para2;
  for (auto [entered, shown] : {std::pair{0, 1}, {5000, 4095}, {4096, 4096}}) {
    s.enterValue(para2, ids::P2_TEACH_VALUE, entered);
    EXPECT_EQ(s.value(para2, ids::P2_TEACH_VALUE), shown) << entered;
  }
  // Edits reach the set only when the panels are read.
  EXPECT_NE(Params().para0[P0_UPPER_TOLERANCE], 50);
}

TEST(ParameterModes, InternalTriggerOnSetsTheOutputModeByOutputs) {
  struct Case {
    int hardwareCode;  // 0: the default three-output sensor
    int expectedType;
    int outMode;
  };
  for (const Case c : {Case{0, 1, 1}, Case{4, 3, 3}}) {
    sim::SensorConfig config;
    if (c.hardwareCode) config.model = sim::MakeModelFromCodes(c.hardwareCode, 20160, 318);
    Scenario s;
    Start(s, config);
    ASSERT_EQ(Hardware().hardwareType, c.expectedType);
    const int para1 = s.panels().para1;
    s.enterValue(para1, ids::P1_INT_TRIG, 1);
    EXPECT_EQ(s.value(para1, ids::P1_OUT_MODE), c.outMode) << c.hardwareCode;
    EXPECT_FALSE(s.dimmed(para1, ids::P1_TRIG_PIXEL));
    EXPECT_TRUE(s.visible(s.main(), ids::MAIN_TRIG_LED));
    s.enterValue(para1, ids::P1_INT_TRIG, 0);
    EXPECT_EQ(s.value(para1, ids::P1_OUT_MODE), 0);
    EXPECT_TRUE(s.dimmed(para1, ids::P1_TRIG_PIXEL));
    EXPECT_FALSE(s.visible(s.main(), ids::MAIN_TRIG_LED));
  }
}

TEST(ParameterModes, Rs232Mode4EnablesEveryRecorderControl) {
  Scenario s;
  auto sensor = s.attachSensor();
  sensor->memory().frame(sim::Memory::kRam, 1)[P1_RS232_MODE] = 2;
  ASSERT_TRUE(s.startUp());
  const int rec = s.panels().recorder;
  const int all[] = {ids::REC_INTERVAL, ids::REC_SAMPLES, ids::REC_FILE_BTN, ids::REC_START,
                     ids::REC_STOP};
  ASSERT_TRUE(s.dimmed(rec, ids::REC_SAMPLES));
  s.enterValue(rec, ids::REC_RS232_MODE, 4);
  for (int c : all) EXPECT_FALSE(s.dimmed(rec, c)) << c;
  s.enterValue(rec, ids::REC_RS232_MODE, 1);
  EXPECT_TRUE(s.dimmed(rec, ids::REC_INTERVAL));
  EXPECT_FALSE(s.dimmed(rec, ids::REC_SAMPLES));
}

TEST(ParameterModes, HardwareAndAnalogModesApplyAtOnce) {
  Scenario s;
  Start(s);
  const int para1 = s.panels().para1;
  for (int mode : {3, 2, 1, 0}) {  // only 0 and 2 leave the tolerance to the fields
    s.enterValue(s.panels().para2, ids::P2_HW_MODE, mode);
    const bool dimmed = mode != 0 && mode != 2;
    EXPECT_EQ(s.dimmed(para1, ids::P1_TOL_UP), dimmed) << mode;
    EXPECT_EQ(s.dimmed(para1, ids::P1_TOL_LOW), dimmed) << mode;
  }
  s.enterValue(para1, ids::P1_ANALOG_OUT, 0);
  EXPECT_FALSE(s.visible(s.main(), ids::MAIN_MAX));
  s.enterValue(para1, ids::P1_ANALOG_OUT, 1);
  EXPECT_TRUE(s.visible(s.main(), ids::MAIN_MAX));
}

TEST(ParameterModes, ThresholdSelectorShowsTheSetsThresholdOfTheMode) {
  Scenario s;
  auto sensor = s.attachSensor();
  auto& ram1 = sensor->memory().frame(sim::Memory::kRam, 1);
  ram1[P1_VIDEO_THD_FIX] = 33;
  ram1[P1_VIDEO_THD_AUTO] = 77;
  ASSERT_TRUE(s.startUp());
  const int para2 = s.panels().para2;
  s.enterValue(para2, ids::P2_VTHD_MODE, 1);
  EXPECT_EQ(s.value(para2, ids::P2_VTHD), 77);
  EXPECT_FALSE(s.dimmed(para2, ids::P2_SAVE_THD));
  s.enterValue(para2, ids::P2_VTHD_MODE, 0);
  EXPECT_EQ(s.value(para2, ids::P2_VTHD), 33);
  EXPECT_TRUE(s.dimmed(para2, ids::P2_SAVE_THD));
}

TEST(ParameterModes, OperationModeSwitchTiesThresholdControlsOnOlderSensorsOnly) {
  for (int firmware : {315, 318}) {
    sim::SensorConfig config;
    config.model = sim::MakeModelFromCodes(101, 80, firmware);
    Scenario s;
    auto sensor = s.attachSensor(config);
    sensor->memory().frame(sim::Memory::kRam, 0)[P0_VIDEO_THD_MODE] = 1;
    ASSERT_TRUE(s.startUp());
    const int para2 = s.panels().para2;
    const int tied[] = {ids::P2_SAVE_THD, ids::P2_FILTER, ids::P2_VTHD_MODE};
    ASSERT_FALSE(s.dimmed(s.panels().calib, ids::CAL_OPMODE)) << firmware;
    s.enterValue(s.panels().calib, ids::CAL_OPMODE, 1);
    for (int c : tied) EXPECT_EQ(s.dimmed(para2, c), firmware == 315) << firmware << " " << c;
    EXPECT_EQ(s.value(para2, ids::P2_VTHD_MODE), firmware == 315 ? 0 : 1);
    s.enterValue(s.panels().calib, ids::CAL_OPMODE, 0);
    for (int c : tied) EXPECT_FALSE(s.dimmed(para2, c)) << firmware << " " << c;
    EXPECT_EQ(s.value(para2, ids::P2_VTHD_MODE), 1);
  }
}

// AUTO on the threshold selector gives the save-threshold button back at once,
// also while video mode or a recording has the line, and the loop's end
// leaves it so.
TEST(ParameterModes, AutoChosenWhileALoopRunsGivesSaveBack) {
  for (const bool recording : {false, true}) {
    Scenario s;
    Start(s);
    const PanelHandles& p = s.panels();
    s.enterValue(p.recorder, ids::REC_SAMPLES, 3);
    s.enterValue(p.recorder, ids::REC_INTERVAL, 1.0);
    bool dimmedWhileRunning = true;
    s.at(s.now() + 0.5, [&] { s.postEnterValue(p.para2, ids::P2_VTHD_MODE, 1); });
    s.at(s.now() + 1.0, [&] { dimmedWhileRunning = s.dimmed(p.para2, ids::P2_SAVE_THD); });
    if (recording) {
      s.click(p.recorder, ids::REC_START);
    } else {
      s.at(s.now() + 1.5, [&] { s.postClick(s.main(), ids::MAIN_STOP); });
      s.click(s.main(), ids::MAIN_VIDEO);
    }
    EXPECT_EQ(s.value(p.para2, ids::P2_VTHD_MODE), 1) << recording;
    EXPECT_FALSE(dimmedWhileRunning) << recording;
    EXPECT_FALSE(s.dimmed(p.para2, ids::P2_SAVE_THD)) << recording;
  }
}

TEST(ThresholdSlider, AutoReadsTheProfileAndDrawsThreeCurves) {
  Scenario s;
  auto sensor = s.attachSensor();
  sensor->memory().frame(sim::Memory::kRam, 0)[P0_VIDEO_THD_MODE] = 1;
  ASSERT_TRUE(s.startUp());
  const int para2 = s.panels().para2;
  ASSERT_EQ(s.value(para2, ids::P2_VTHD_MODE), 1);
  const int before = Scenario::requestsSeen(*sensor, 9);
  rt::SetCtrlVal(para2, ids::P2_VTHD, 50);
  s.click(para2, ids::P2_VTHD);
  EXPECT_EQ(Scenario::requestsSeen(*sensor, 9) - before, 4);
  EXPECT_TRUE(s.visible(s.main(), ids::MAIN_VIDEO_GRAPH));
  EXPECT_FALSE(s.visible(s.main(), ids::MAIN_ROLL_GRAPH));
  const auto& plots = VideoPlots(s);
  ASSERT_EQ(plots.size(), 3u);
  EXPECT_EQ(plots[0].color, rt::VAL_RED);
  EXPECT_EQ(plots[1].color, rt::VAL_DK_GREEN);
  EXPECT_EQ(plots[2].color, rt::VAL_DK_GREEN);
  for (int i : {0, 100, 255}) {
    EXPECT_EQ(plots[2].ys[i], Video().profile[i] * 50 / 100) << i;
    EXPECT_EQ(plots[1].ys[i], Threshold().storedCurve[i]) << i;
  }
}

TEST(ThresholdSlider, FixedRedrawsOnlyTheFixedLine) {
  Scenario s;
  auto sensor = Start(s);
  const int para2 = s.panels().para2;
  ASSERT_EQ(s.value(para2, ids::P2_VTHD_MODE), 0);
  const int before = Scenario::requestsSeen(*sensor, 9);
  const std::uint16_t fixInSet = Params().para1[P1_VIDEO_THD_FIX];
  ASSERT_NE(fixInSet, 30);
  rt::SetCtrlVal(para2, ids::P2_VTHD, 30);
  s.click(para2, ids::P2_VTHD);
  EXPECT_EQ(Scenario::requestsSeen(*sensor, 9), before);
  const auto& plots = VideoPlots(s);
  ASSERT_EQ(plots.size(), 2u);
  const double level = Hardware().videoFullScale * 30 / 100;
  EXPECT_TRUE(
      std::all_of(plots[1].ys.begin(), plots[1].ys.end(), [&](double y) { return y == level; }));
  EXPECT_EQ(Params().para1[P1_VIDEO_THD_FIX],
            fixInSet);  // the set follows when the panels are read
}

}  // namespace
