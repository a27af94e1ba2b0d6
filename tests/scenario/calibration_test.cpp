// Two-point calibration as the operator does it on the calibration panel,
// against a sensor whose object can be put at a chosen measured value: the
// step boxes start the calibration and run mode, the accept buttons freeze
// and take the measured value, the fit, save and discard.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "calib/calibration_state.h"
#include "harness/scenario.h"
#include "link/run_state.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr int kCalibration = 12;
constexpr int kMeasurement = 8;

class Calibration_ : public ::testing::Test {
 protected:
  void SetUp() override {
    sim::SensorConfig config;
    config.motion.swing = 0;
    config.motion.edgeNoise = 0;
    config.motion.width = 0.02;
    sensor_ = s_.attachSensor(config);
    ASSERT_TRUE(s_.startUp());
    sensor_->clearLog();
  }
  int cal() const { return s_.panels().calib; }

  // The sensor evaluates the right edge (Eval-Mode 1): the object is moved so
  // that its right edge lies on the given subpixel.
  void placeObjectAt(int mValue) {
    const double range = sensor_->model().subpixelRange;
    sensor_->motion().center = (mValue + 0.25) / range - sensor_->motion().width / 2;
  }

  // Calibration requests with the given argument the sensor received.
  std::vector<sim::RequestRecord> calibrationRequests(int argument) const {
    std::vector<sim::RequestRecord> found;
    for (const sim::RequestRecord& r : sensor_->log())
      if (r.command == kCalibration && r.argument == argument) found.push_back(r);
    return found;
  }
  int measurementRequests() const { return Scenario::requestsSeen(*sensor_, kMeasurement); }

  // Ticks the step box (run mode starts), lets values flow for a second, then
  // presses the accept button, which ends run mode and takes the value.
  void takeObject(int step, int accept, int mValue) {
    placeObjectAt(mValue);
    s_.at(s_.now() + 1.0, [this, accept] {
      acceptPressedWith_ = measurementRequests();
      s_.postClick(cal(), accept);
    });
    s_.click(cal(), step);
    s_.run(0.5);    // the release of the accept button comes due
    s_.dispatch();  // and is handled
  }

  Scenario s_;
  std::shared_ptr<sim::SensorEngine> sensor_;
  int acceptPressedWith_ = 0;
};

TEST_F(Calibration_, StepOneStartsRunModeAndAcceptTakesTheFrozenValue) {
  takeObject(ids::CAL_STEP1, ids::CAL_ACCEPT1, 241);
  ASSERT_EQ(calibrationRequests(1).size(), 1u);
  EXPECT_EQ(Scenario::commandsSeen(*sensor_).front(), kCalibration);
  EXPECT_TRUE(sensor_->calibrating());
  const auto& h = s_.statusHistory();
  const auto starting = std::find(h.begin(), h.end(), "Starting calibration...");
  ASSERT_LT(starting + 1, h.end());
  EXPECT_EQ(*(starting + 1), "Calibration activated!");
  // The sensor's values on the panel and the ring at 2 while calibrating.
  EXPECT_DOUBLE_EQ(s_.value(cal(), ids::CAL_SLOPE), 1.0);
  EXPECT_EQ(s_.value(s_.panels().para1, ids::P1_EVAL_MODE), 2);
  EXPECT_FALSE(s_.dimmed(cal(), ids::CAL_STEP2));
  EXPECT_TRUE(s_.dimmed(cal(), ids::CAL_ACCEPT2));
  // Run mode delivered values into the first value field until the press ended it.
  EXPECT_GT(acceptPressedWith_, 10);
  EXPECT_LE(measurementRequests(), acceptPressedWith_ + 1);
  EXPECT_EQ(s_.value(cal(), ids::CAL_VALUE1), 241);
  EXPECT_EQ(Calibration().points.first.x, 241);
  EXPECT_EQ(Calibration().points.first.y, 7960);
  EXPECT_FALSE(s_.dimmed(cal(), ids::CAL_FIT));
  EXPECT_TRUE(s_.dimmed(cal(), ids::CAL_STEP1));
  EXPECT_TRUE(s_.dimmed(cal(), ids::CAL_ACCEPT1));
  EXPECT_EQ(s_.value(cal(), ids::CAL_STEP1), 0);

  // One object: the line through the origin.
  s_.click(cal(), ids::CAL_FIT);
  EXPECT_NEAR(s_.value(cal(), ids::CAL_FIT_SLOPE), 33.029, 5e-4);
  EXPECT_NEAR(s_.value(cal(), ids::CAL_FIT_OFFSET), 0.0, 1e-9);
  EXPECT_FALSE(s_.dimmed(cal(), ids::CAL_SAVE));
  EXPECT_TRUE(s_.dimmed(cal(), ids::CAL_FIT));
}

TEST_F(Calibration_, TwoObjectsFittedAndSavedInTheSensor) {
  s_.enterValue(cal(), ids::CAL_SIZE2, 21960);
  takeObject(ids::CAL_STEP1, ids::CAL_ACCEPT1, 241);
  takeObject(ids::CAL_STEP2, ids::CAL_ACCEPT2, 662);
  EXPECT_EQ(s_.value(cal(), ids::CAL_VALUE2), 662);
  s_.click(cal(), ids::CAL_FIT);
  EXPECT_NEAR(s_.value(cal(), ids::CAL_FIT_SLOPE), 33.254, 5e-4);
  EXPECT_EQ(std::round(s_.value(cal(), ids::CAL_FIT_OFFSET) * 100) / 100, -54.25);

  s_.click(cal(), ids::CAL_SAVE);
  const auto saves = calibrationRequests(2);
  ASSERT_EQ(saves.size(), 1u);
  const std::uint16_t sent[15] = {34052, 0, 32712, 0};
  for (int i = 0; i < 15; ++i) EXPECT_EQ(saves[0].data[i], sent[i]) << i;
  // Stored in the sensor's RAM; what it answered is on the panel.
  EXPECT_EQ(sim::ReadLong(sensor_->memory().ram[1], sim::para1::kSlopeLow), 34052u);
  EXPECT_EQ(sim::ReadLong(sensor_->memory().ram[1], sim::para1::kOffsetLow), 32712u);
  EXPECT_EQ(s_.value(cal(), ids::CAL_SLOPE), 34052.0 / 1024.0);
  EXPECT_EQ(s_.value(cal(), ids::CAL_OFFSET), -55.0);
  EXPECT_TRUE(s_.statusShown("Save calibration values..."));
  EXPECT_EQ(s_.status(), "New Calibration values in activated in RAM!");
  EXPECT_EQ(Params().para0[P0_EVAL_MODE], 1);  // back as it was
  for (int c : {ids::CAL_ACCEPT1, ids::CAL_ACCEPT2, ids::CAL_STEP1, ids::CAL_STEP2, ids::CAL_FIT,
                ids::CAL_SAVE})
    EXPECT_TRUE(s_.dimmed(cal(), c)) << c;
  EXPECT_FALSE(Calibration().accepted1 || Calibration().accepted2);

  // Every later end puts the noted mode back too, also after Send took the
  // ring's 2 into the parameter set.
  s_.click(s_.main(), ids::MAIN_SEND);
  ASSERT_EQ(Params().para0[P0_EVAL_MODE], 2);
  s_.click(cal(), ids::CAL_DISCARD);
  EXPECT_EQ(Params().para0[P0_EVAL_MODE], 1);
  EXPECT_EQ(s_.value(s_.panels().para1, ids::P1_EVAL_MODE), 1);
}

TEST_F(Calibration_, UntickingStepOneStillStartsTheCalibration) {
  s_.at(s_.now() + 1.0, [&] { s_.postClick(cal(), ids::CAL_STEP1); });  // untick
  s_.at(s_.now() + 3.0, [&] { s_.postClick(s_.main(), ids::MAIN_STOP); });
  s_.click(cal(), ids::CAL_STEP1);
  s_.run(3.0);
  EXPECT_EQ(s_.value(cal(), ids::CAL_STEP1), 0);
  const auto starts = calibrationRequests(1);
  ASSERT_EQ(starts.size(), 2u);
  EXPECT_GT(starts[1].time, starts[0].time + 0.9);
  EXPECT_TRUE(s_.dimmed(cal(), ids::CAL_ACCEPT1));
  // Unticking step 2 sends nothing.
  s_.at(s_.now() + 0.5, [&] { s_.postClick(s_.main(), ids::MAIN_STOP); });
  s_.click(cal(), ids::CAL_STEP2);
  s_.click(cal(), ids::CAL_STEP2);
  EXPECT_EQ(calibrationRequests(1).size(), 3u);
}

TEST_F(Calibration_, DiscardEndsTheCalibrationAndResetsThePanel) {
  takeObject(ids::CAL_STEP1, ids::CAL_ACCEPT1, 241);
  s_.click(cal(), ids::CAL_FIT);
  s_.click(s_.main(), ids::MAIN_TOGG_CALIB);
  s_.click(cal(), ids::CAL_DISCARD);
  ASSERT_EQ(calibrationRequests(0).size(), 1u);
  EXPECT_FALSE(sensor_->calibrating());
  EXPECT_TRUE(s_.statusShown("Reset Max/Min values..."));
  EXPECT_EQ(s_.status(), "Calibration stopped successfully!");
  EXPECT_EQ(s_.value(s_.panels().para1, ids::P1_EVAL_MODE), 1);  // Eval-Mode again
  // Only the toggle values change; the calibration panel stays shown.
  EXPECT_EQ(s_.value(s_.main(), ids::MAIN_TOGG_CALIB), 0);
  EXPECT_TRUE(s_.panelVisible(cal()));
  EXPECT_EQ(Calibration().points.second.x, 241);  // kept for the next calibration
}

TEST_F(Calibration_, DiscardWithoutAnAnswerStillResetsThePanel) {
  takeObject(ids::CAL_STEP1, ids::CAL_ACCEPT1, 241);
  s_.click(cal(), ids::CAL_FIT);
  s_.enterValue(cal(), ids::CAL_OFFSET, 12.0);
  sensor_->faults().silent = true;
  s_.click(cal(), ids::CAL_DISCARD);
  EXPECT_EQ(StatusText(), "Timeout-RS-232...");
  EXPECT_EQ(s_.status(), "Reset Max/Min values...");  // the line keeps what it showed
  EXPECT_EQ(s_.value(cal(), ids::CAL_OFFSET), 12.0);  // the fields keep their values
  EXPECT_EQ(s_.value(s_.panels().para1, ids::P1_EVAL_MODE), 2);
  for (int c : {ids::CAL_ACCEPT1, ids::CAL_ACCEPT2, ids::CAL_FIT, ids::CAL_SAVE})
    EXPECT_TRUE(s_.dimmed(cal(), c)) << c;
  EXPECT_FALSE(s_.dimmed(cal(), ids::CAL_STEP1));
  EXPECT_EQ(s_.value(cal(), ids::CAL_FIT_SLOPE), 0.0);
  EXPECT_EQ(s_.value(cal(), ids::CAL_FIT_OFFSET), 0.0);
  EXPECT_FALSE(Calibration().accepted1);
  EXPECT_EQ(s_.value(s_.main(), ids::MAIN_TOGG_PARA1), 1);
}

TEST_F(Calibration_, MissingAnswersToSaveAndStartChangeNoField) {
  takeObject(ids::CAL_STEP1, ids::CAL_ACCEPT1, 241);
  s_.click(cal(), ids::CAL_FIT);
  sensor_->faults().muteCommands = {kCalibration};
  s_.click(cal(), ids::CAL_SAVE);
  EXPECT_EQ(StatusText(), "Timeout-RS-232...");
  EXPECT_EQ(s_.status(), "Save calibration values...");
  EXPECT_TRUE(s_.dimmed(cal(), ids::CAL_SAVE));
  EXPECT_EQ(s_.value(cal(), ids::CAL_SLOPE), 1.0);
  EXPECT_TRUE(Calibration().accepted1);

  const int measured = measurementRequests();
  s_.click(cal(), ids::CAL_STEP2);
  EXPECT_EQ(s_.status(), "Starting calibration...");
  EXPECT_EQ(measurementRequests(), measured);  // no run mode
}

}  // namespace
