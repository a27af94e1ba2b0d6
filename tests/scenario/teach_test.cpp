// Teach and the saved auto video threshold as the operator and the sensor see
// them: the set-point cursor after a teach, a teach inside run mode, the save
// with its confirmation and the read-back of the stored curve.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/threshold_state.h"
#include "harness/scenario.h"
#include "link/run_state.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

double SetPointCursorX(const Scenario& s) {
  return s.control(s.main(), ids::MAIN_DATA_GRAPH).graph.cursors[0].x;
}

const sim::RequestRecord* LastRequest(const sim::SensorEngine& sensor, int command) {
  const auto& log = sensor.log();
  for (auto it = log.rbegin(); it != log.rend(); ++it)
    if (it->command == command) return &*it;
  return nullptr;
}

TEST(Teach, SensorsSetPointComesBackAndTheCursorFollowsIt) {
  Scenario s;
  auto sensor = s.attachSensor();
  ASSERT_TRUE(s.startUp());
  // In AUTO a fetch from RAM would also read the threshold curve back.
  s.enterValue(s.panels().para2, ids::P2_VTHD_MODE, 1);
  sensor->clearLog();
  s.click(s.panels().para2, ids::P2_TEACH);
  ASSERT_EQ(Params().para0[P0_VIDEO_THD_MODE], 1);
  // Teach, then both frames from RAM; the teach keeps the threshold curve out.
  EXPECT_EQ(Scenario::commandsSeen(*sensor), (std::vector<int>{6, 2, 2}));
  EXPECT_EQ(sensor->log()[0].argument, 0);
  const std::uint16_t taught = sensor->memory().ram[0][sim::para0::kTeachValue];
  EXPECT_EQ(s.value(s.panels().para2, ids::P2_TEACH_VALUE), taught);
  EXPECT_EQ(SetPointCursorX(s), taught);
  EXPECT_EQ(s.control(s.main(), ids::MAIN_DATA_GRAPH).graph.cursors[0].y, 0.75);
  EXPECT_TRUE(s.statusShown("New setpoint value teached!"));
  EXPECT_FALSE(Threshold().teachPressed);
}

TEST(Teach, CarriesTheOperatorsPara0) {
  Scenario s;
  auto sensor = s.attachSensor();
  ASSERT_TRUE(s.startUp());
  s.enterValue(s.panels().para2, ids::P2_TEACH_VALUE, 700);
  s.enterValue(s.panels().para2, ids::P2_POWER, 77);
  s.click(s.panels().para2, ids::P2_TEACH);
  const sim::RequestRecord* teach = LastRequest(*sensor, 6);
  ASSERT_NE(teach, nullptr);
  EXPECT_EQ(teach->data[sim::para0::kTeachValue], 700);
  EXPECT_EQ(teach->data[sim::para0::kPower], 77);
}

TEST(Teach, ValueZeroPutsTheCursorAtOne) {
  sim::SensorConfig c;
  c.motion.present = false;  // nothing in the beam: the sensor measures 0
  Scenario s;
  auto sensor = s.attachSensor(c);
  ASSERT_TRUE(s.startUp());
  s.click(s.panels().para2, ids::P2_TEACH);
  ASSERT_EQ(Params().para0[P0_TEACH_VALUE], 0);
  EXPECT_EQ(SetPointCursorX(s), 1.0);
}

TEST(Teach, TimeOutStopsAndPlacesTheCursorAtTheValueAboveTheRange) {
  Scenario s;
  auto sensor = s.attachSensor();
  ASSERT_TRUE(s.startUp());
  sensor->faults().muteCommands = {6};
  const int range = Hardware().subpixelRange;
  rt::SetCtrlVal(s.panels().para2, ids::P2_TEACH_VALUE, range + 500);
  const double start = s.now();
  s.click(s.panels().para2, ids::P2_TEACH);
  EXPECT_GT(s.now() - start, 1.5);
  EXPECT_EQ(s.status(), "Timeout RS232-Line!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_EQ(Scenario::requestsSeen(*sensor, 2), 2);  // only the start-up's
  EXPECT_EQ(SetPointCursorX(s), range);
  EXPECT_FALSE(Threshold().teachPressed);
}

TEST(Teach, DuringRunModeTheRunGoesOn) {
  Scenario s;
  auto sensor = s.attachSensor();
  ASSERT_TRUE(s.startUp());
  sensor->clearLog();
  const double t0 = s.now();
  s.at(t0 + 1.0, [&] { s.postClick(s.panels().para2, ids::P2_TEACH); });
  s.at(t0 + 4.0, [&] { s.postClick(s.main(), ids::MAIN_STOP); });
  s.click(s.main(), ids::MAIN_RUN);
  const sim::RequestRecord* teach = LastRequest(*sensor, 6);
  ASSERT_NE(teach, nullptr);
  int afterTeach = 0;
  for (const sim::RequestRecord& r : sensor->log())
    afterTeach += r.command == 8 && r.time > teach->time;
  // About 26 cycles a second at 19200 baud for the nearly three seconds left.
  EXPECT_GT(afterTeach, 40);
  EXPECT_EQ(s.status(), "Data-Transfer Stopped!");
  EXPECT_FALSE(s.statusShown("Timeout RS232 Line!"));
}

class SaveThreshold : public ::testing::Test {
 protected:
  void SetUp() override {
    sensor_ = s_.attachSensor();
    ASSERT_TRUE(s_.startUp());
    s_.enterValue(para2(), ids::P2_VTHD_MODE, 1);  // AUTO
    ASSERT_FALSE(s_.dimmed(para2(), ids::P2_SAVE_THD));
    sensor_->clearLog();
  }
  int para2() const { return s_.panels().para2; }
  Scenario s_;
  std::shared_ptr<sim::SensorEngine> sensor_;
};

TEST_F(SaveThreshold, RamSelectorSendsOneAndStillSaysEeprom) {
  s_.enterValue(para2(), ids::P2_THD_TARGET, 1);
  s_.enterValue(para2(), ids::P2_VTHD, 55);
  const sim::Curve before = sensor_->memory().curveRam;
  s_.dialogs().answerConfirm(true);
  s_.click(para2(), ids::P2_SAVE_THD);
  ASSERT_GE(sensor_->log().size(), 1u);
  const sim::RequestRecord& save = sensor_->log()[0];
  EXPECT_EQ(save.command, 13);
  EXPECT_EQ(save.argument, 55);
  EXPECT_EQ(save.data[0], 1);
  EXPECT_TRUE(std::all_of(save.data.begin() + 1, save.data.end(), [](int w) { return w == 0; }));
  EXPECT_TRUE(s_.statusShown("Save auto-video-threshold..."));
  EXPECT_TRUE(s_.statusShown("Auto video-threshold saved in EEPROM!"));
  EXPECT_EQ(Params().para1[P1_VIDEO_THD_AUTO], 55);
  // The new RAM curve comes back in four blocks and is what the program holds.
  EXPECT_NE(sensor_->memory().curveRam, before);
  EXPECT_EQ(Scenario::commandsSeen(*sensor_), (std::vector<int>{13, 9, 9, 9, 9}));
  for (int i = 0; i < 256; ++i)
    ASSERT_EQ(Threshold().storedCurve[i], sensor_->memory().curveRam[i]);
  EXPECT_TRUE(s_.visible(s_.main(), ids::MAIN_VIDEO_GRAPH));
  EXPECT_FALSE(s_.visible(s_.main(), ids::MAIN_ROLL_GRAPH));
}

TEST_F(SaveThreshold, DeclinedSendsNothing) {
  s_.dialogs().answerConfirm(false);
  s_.click(para2(), ids::P2_SAVE_THD);
  EXPECT_TRUE(sensor_->log().empty());
  ASSERT_FALSE(s_.dialogs().popups().empty());
}

TEST_F(SaveThreshold, SilentSaveKeepsItsTimeOutOffTheLineAndStillReadsBack) {
  sensor_->faults().muteCommands = {13};
  s_.dialogs().answerConfirm(true);
  s_.click(para2(), ids::P2_SAVE_THD);
  EXPECT_FALSE(s_.statusShown("Auto video-threshold saved in EEPROM!"));
  EXPECT_FALSE(s_.statusShown("Timeout-RS-232..."));
  EXPECT_EQ(Scenario::requestsSeen(*sensor_, 9), 4);
}

TEST(SaveThresholdReadBack, SecondBlockFailingStopsThereAndTheCallbackIsBack) {
  sim::SensorConfig c;
  c.faults.faultCommand = 9;  // the switches below count block replies only
  Scenario s;
  auto sensor = s.attachSensor(c);
  ASSERT_TRUE(s.startUp());
  s.enterValue(s.panels().para2, ids::P2_VTHD_MODE, 1);
  sensor->faults().dropNth = Scenario::requestsSeen(*sensor, 9) + 2;
  sensor->clearLog();
  const std::array<std::uint16_t, 256> before = Threshold().storedCurve;
  s.dialogs().answerConfirm(true);
  s.click(s.panels().para2, ids::P2_SAVE_THD);
  std::vector<int> firsts;
  for (const sim::RequestRecord& r : sensor->log())
    if (r.command == 9) firsts.push_back(r.argument);
  EXPECT_EQ(firsts, (std::vector<int>{0, 64}));
  // Blocks 3 and 4 of the held curve are as they were.
  EXPECT_TRUE(
      std::equal(before.begin() + 128, before.end(), Threshold().storedCurve.begin() + 128));
  // Frames are decoded by the receive callback again: a Get from RAM works.
  sensor->faults().dropNth = 0;
  s.click(s.main(), ids::MAIN_GET);
  EXPECT_TRUE(s.statusShown("Parameter-frame received! - Line Ok!"));
}

TEST(TeachHelp, RightClicksToggleTheTextsBesideTheButtons) {
  Scenario s;
  s.attachSensor();
  ASSERT_TRUE(s.startUp());
  const int main = s.main(), para2 = s.panels().para2;
  s.enterValue(para2, ids::P2_VTHD_MODE, 1);  // AUTO: the save button is enabled
  s.rightClick(para2, ids::P2_SAVE_THD);
  ASSERT_TRUE(s.visible(main, ids::MAIN_HELP));
  EXPECT_EQ(s.text(main, ids::MAIN_HELP),
            "SAVE V-THD:\nWith this button the actual video-threshold\nis stored to the EEPROM of "
            "the sensor.\nATTENTION: LIGHT-MEASURING \nSECTION MUST BE FREE !");
  const rt::Control& button = s.control(para2, ids::P2_SAVE_THD);
  const rt::Panel& panel = s.panel(para2);
  EXPECT_EQ(s.control(main, ids::MAIN_HELP).left, panel.left + button.left + button.width + 165);
  EXPECT_EQ(s.control(main, ids::MAIN_HELP).top, panel.top + button.top - 10);
  s.rightClick(para2, ids::P2_TEACH);
  EXPECT_FALSE(s.visible(main, ids::MAIN_HELP));
  s.rightClick(para2, ids::P2_TEACH);
  EXPECT_TRUE(s.visible(main, ids::MAIN_HELP));
  EXPECT_EQ(s.text(main, ids::MAIN_HELP),
            "TEACH-BUTTON:\nStart teach procedure at KAVRO-sensor.\nThe actual pixel-position == "
            "teach value");
}

}  // namespace
