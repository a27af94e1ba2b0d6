// Teach and the saved auto video threshold as the operator and the sensor see
// them: the set-point cursor after a teach, a teach inside run mode, the save
// with its confirmation and the read-back of the stored curve.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/threshold_state.h"
#include "harness/scenario.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

double SetPointCursorX(const Scenario& s) {
  return s.control(s.main(), ids::MAIN_DATA_GRAPH).graph.cursors[0].x;
}

TEST(Teach, OperatorsPara0GoesOutAndTheSensorsSetPointComesBack) {
  Scenario s;
  auto sensor = s.attachSensor();
  ASSERT_TRUE(s.startUp());
  const int para2 = s.panels().para2;
  // In AUTO a fetch from RAM would also read the threshold curve back.
  s.enterValue(para2, ids::P2_VTHD_MODE, 1);
  s.enterValue(para2, ids::P2_TEACH_VALUE, 700);
  sensor->clearLog();
  s.click(para2, ids::P2_TEACH);
  // Teach, then both frames from RAM; the teach keeps the threshold curve out.
  ASSERT_EQ(Scenario::commandsSeen(*sensor), (std::vector<int>{6, 2, 2}));
  EXPECT_EQ(sensor->log()[0].data[sim::para0::kTeachValue], 700);
  const std::uint16_t taught = sensor->memory().ram[0][sim::para0::kTeachValue];
  EXPECT_NE(taught, 700);
  EXPECT_EQ(s.value(para2, ids::P2_TEACH_VALUE), taught);
  EXPECT_EQ(SetPointCursorX(s), taught);
  EXPECT_TRUE(s.statusShown("New setpoint value teached!"));
  EXPECT_FALSE(Threshold().teachPressed);
}

// The set-point cursor: at 1 for a taught 0 (nothing in the beam), and after a
// teach without answer at the old value cut to the range, with nothing read back.
TEST(Teach, CursorAtOneForZeroAndAtTheOldValueCutToTheRangeAfterATimeOut) {
  sim::SensorConfig c;
  c.motion.present = false;  // nothing in the beam: the sensor measures 0
  Scenario s;
  auto sensor = s.attachSensor(c);
  ASSERT_TRUE(s.startUp());
  s.click(s.panels().para2, ids::P2_TEACH);
  ASSERT_EQ(Params().para0[P0_TEACH_VALUE], 0);
  EXPECT_EQ(SetPointCursorX(s), 1.0);
  sensor->faults().muteCommands = {6};
  const int range = Hardware().subpixelRange;
  const int reads = Scenario::requestsSeen(*sensor, 2);
  rt::SetCtrlVal(s.panels().para2, ids::P2_TEACH_VALUE, range + 500);
  s.click(s.panels().para2, ids::P2_TEACH);
  EXPECT_EQ(s.status(), "Timeout RS232-Line!");
  EXPECT_EQ(Scenario::requestsSeen(*sensor, 2), reads);
  EXPECT_EQ(SetPointCursorX(s), range);
}

TEST(Teach, DuringRunModeTheRunGoesOn) {
  Scenario s;
  auto sensor = s.attachSensor();
  ASSERT_TRUE(s.startUp());
  const double t0 = s.now();
  s.at(t0 + 1.0, [&] { s.postClick(s.panels().para2, ids::P2_TEACH); });
  s.at(t0 + 4.0, [&] { s.postClick(s.main(), ids::MAIN_STOP); });
  s.click(s.main(), ids::MAIN_RUN);
  ASSERT_EQ(Scenario::requestsSeen(*sensor, 6), 1);
  double taughtAt = 0;
  for (const sim::RequestRecord& r : sensor->log())
    if (r.command == 6) taughtAt = r.time;
  int afterTeach = 0;
  for (const sim::RequestRecord& r : sensor->log())
    afterTeach += r.command == 8 && r.time > taughtAt;
  // About 26 cycles a second at 19200 baud for the nearly three seconds left.
  EXPECT_GT(afterTeach, 40);
  EXPECT_EQ(s.status(), "Data-Transfer Stopped!");
}

TEST(SaveThreshold, ConfirmedWithRamSelectedSendsOneAndStillSaysEeprom) {
  Scenario s;
  auto sensor = s.attachSensor();
  ASSERT_TRUE(s.startUp());
  const int para2 = s.panels().para2;
  s.enterValue(para2, ids::P2_VTHD_MODE, 1);  // AUTO enables the button
  s.enterValue(para2, ids::P2_THD_TARGET, 1);
  s.enterValue(para2, ids::P2_VTHD, 55);
  sensor->clearLog();
  s.dialogs().answerConfirm(false);
  s.click(para2, ids::P2_SAVE_THD);
  EXPECT_TRUE(sensor->log().empty());

  const sim::Curve before = sensor->memory().curveRam;
  s.dialogs().answerConfirm(true);
  s.click(para2, ids::P2_SAVE_THD);
  ASSERT_EQ(Scenario::commandsSeen(*sensor), (std::vector<int>{13, 9, 9, 9, 9}));
  const sim::RequestRecord& save = sensor->log()[0];
  EXPECT_EQ(save.argument, 55);
  EXPECT_EQ(save.data[0], 1);
  EXPECT_TRUE(s.statusShown("Auto video-threshold saved in EEPROM!"));
  // The new RAM curve comes back and is what the program holds.
  EXPECT_NE(sensor->memory().curveRam, before);
  EXPECT_TRUE(std::equal(Threshold().storedCurve.begin(), Threshold().storedCurve.end(),
                         sensor->memory().curveRam.begin()));
}

TEST(SaveThreshold, SecondBlockFailingStopsTheReadBackThereAndTheCallbackIsBack) {
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
  EXPECT_TRUE(
      std::equal(before.begin() + 128, before.end(), Threshold().storedCurve.begin() + 128));
  // Frames are decoded by the receive callback again: a Get from RAM works.
  s.click(s.main(), ids::MAIN_GET);
  EXPECT_TRUE(s.statusShown("Parameter-frame received! - Line Ok!"));
}

}  // namespace
