// Run mode and video mode as the operator and the sensor see them: requests one
// after another, Stop, stray replies, the block reads and their texts, the
// controls each mode dims and gives back, Reset of max/min sharing the line with
// the loop, and the raw view's comparison curve. (A vanished line, a babbling
// sensor and a close during either mode are the loop fault table's.)
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "acquire/run_mode.h"
#include "display/threshold_state.h"
#include "display/video_state.h"
#include "harness/scenario.h"
#include "link/run_state.h"
#include "params/transfer_state.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

// Index of the first occurrence of text in the history at or after from; -1 when none.
int IndexOf(const std::vector<std::string>& history, const std::string& text, int from = 0) {
  for (int i = from; i < static_cast<int>(history.size()); ++i)
    if (history[i] == text) return i;
  return -1;
}

class Modes_ : public ::testing::Test {
 protected:
  // Start-up against a sensor of this configuration.
  void start(sim::SensorConfig config = {}) {
    sensor_ = s_.attachSensor(std::move(config));
    ASSERT_TRUE(s_.startUp());
    ASSERT_EQ(Hardware().hardwareType, 1);
    sensor_->clearLog();
  }
  // Run mode (RUN) or video mode (VIDEO) from now until Stop is pressed `seconds`
  // later; returns when the loop ended.
  void modeFor(int button, double seconds) {
    pressAt_ = s_.now() + seconds;
    s_.at(pressAt_, [&] { s_.postClick(s_.main(), ids::MAIN_STOP); });
    s_.click(s_.main(), button);
  }
  int requests(int command) const { return Scenario::requestsSeen(*sensor_, command); }
  // Calls act once a request has reached the sensor after now, while its reply
  // is on the way (a press while a request is still leaving the port would cut
  // it off with the flush of what the press does).
  void whileAReplyIsOnItsWay(std::function<void()> act, std::size_t seen = 0) {
    if (seen != 0 && sensor_->log().size() != seen) return act();
    const std::size_t now = sensor_->log().size();
    s_.at(s_.now() + 0.0005, [this, act, now] { whileAReplyIsOnItsWay(act, now); });
  }
  void pressStopKey() { rt::PostCtrlEvent(s_.main(), ids::MAIN_STOP, rt::EVENT_KEYPRESS); }
  std::vector<std::string> statusSince(std::size_t from) const {
    return {s_.statusHistory().begin() + static_cast<long>(from), s_.statusHistory().end()};
  }
  bool dimmed(int control) const { return s_.dimmed(s_.main(), control); }
  const rt::GraphData& videoGraph() const {
    return s_.control(s_.main(), ids::MAIN_VIDEO_GRAPH).graph;
  }

  Scenario s_;
  std::shared_ptr<sim::SensorEngine> sensor_;
  double pressAt_ = 0;
};

// A sensor that stops answering ends either mode at the first time-out: it is
// not asked again.
TEST_F(Modes_, SilentSensorIsNotAskedAgain) {
  start();
  sensor_->faults().silent = true;
  for (int button : {ids::MAIN_RUN, ids::MAIN_VIDEO}) {
    sensor_->clearLog();
    s_.click(s_.main(), button);
    EXPECT_EQ(requests(8), 1) << button;
  }
}

TEST_F(Modes_, RunStopEndsTheLoopBeforeTheButtonIsReleased) {
  start();
  bool dimmedWhileRunning = false;
  s_.at(s_.now() + 0.5, [&] {
    dimmedWhileRunning = dimmed(ids::MAIN_RUN) && dimmed(ids::MAIN_VIDEO) &&
                         dimmed(ids::MAIN_GET) && s_.visible(s_.main(), ids::MAIN_ROLL_GRAPH) &&
                         !s_.visible(s_.main(), ids::MAIN_VIDEO_GRAPH) &&
                         !s_.visible(s_.main(), ids::MAIN_RAW) &&
                         s_.visible(s_.main(), ids::MAIN_ZOOM);
  });
  modeFor(ids::MAIN_RUN, 1.0);
  EXPECT_TRUE(dimmedWhileRunning);
  EXPECT_TRUE(s_.statusShown("Writing RS-232 dummy frame ok!"));  // the press's wake-up
  EXPECT_TRUE(s_.statusShown("Line Ok!"));                        // the first request
  // The press sets up the roll graph's six traces.
  const auto& strip = s_.control(s_.main(), ids::MAIN_ROLL_GRAPH).strip;
  ASSERT_EQ(strip.numTraces, 6);
  ASSERT_GE(strip.traces.size(), 6u);
  const int colours[6] = {0x008000, 0x008000, 0x000000, 0xFF0000, 0xFF0000, 0xFF0000};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(strip.traces[i].color, colours[i]) << i;
  EXPECT_LT(s_.now(), pressAt_ + Scenario::kReleaseDelay);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  // At 19200 baud a cycle moves 72 bytes: about 26 cycles a second.
  EXPECT_GT(requests(8), 15);
  // Every request of the loop carries PARA0.
  EXPECT_EQ(sensor_->log().back().data[4], Params().para0[P0_EVAL_BEGIN]);
  EXPECT_EQ(sensor_->log().back().data[5], Params().para0[P0_EVAL_END]);
  s_.run(0.2);  // the release: the Stop commit ends the transfer once more
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_FALSE(dimmed(ids::MAIN_RUN));
}

// Stop by key while a reply is on its way, Video at once: the late reply of
// run mode must not pass for video mode's first measurement.
TEST_F(Modes_, VideoAtOnceAfterAStopMidExchangeReadsWholeProfiles) {
  start();
  s_.at(s_.now() + 0.5, [this] { whileAReplyIsOnItsWay([this] { pressStopKey(); }); });
  s_.click(s_.main(), ids::MAIN_RUN);
  ASSERT_EQ(RunMode().stopFlag, kStopStopped);
  const std::size_t before = s_.statusHistory().size();
  s_.at(s_.now() + 2.0, [this] { pressStopKey(); });
  s_.click(s_.main(), ids::MAIN_VIDEO);
  const auto h = statusSince(before);
  EXPECT_EQ(IndexOf(h, "More than 64 data-words !"), -1);
  EXPECT_EQ(IndexOf(h, "Timeout-RS-232 while reading 64 data-words!"), -1);
  EXPECT_GE(IndexOf(h, "Data[64] block received!"), 0);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
}

// Run mode selects RAM, whichever target was chosen; at its end the
// save-threshold button follows Video-Thd-Mode.
TEST_F(Modes_, RunModeSelectsRamAndTheSaveThresholdButtonFollowsVideoThdMode) {
  start();
  const int para2 = s_.panels().para2;
  for (int mode : {0, 1}) {
    s_.click(s_.main(), mode == 0 ? ids::MAIN_EEPROM : ids::MAIN_FILE);
    ASSERT_NE(Transfer().target, kTargetRam);
    rt::SetCtrlVal(para2, ids::P2_VTHD_MODE, mode);
    bool dimmedWhileRunning = false;
    s_.at(s_.now() + 0.2, [&] { dimmedWhileRunning = s_.dimmed(para2, ids::P2_SAVE_THD); });
    modeFor(ids::MAIN_RUN, 0.3);
    EXPECT_TRUE(dimmedWhileRunning);
    EXPECT_EQ(s_.dimmed(para2, ids::P2_SAVE_THD), mode == 0);
    s_.run(0.2);
    EXPECT_EQ(Transfer().target, kTargetRam);
    EXPECT_EQ(s_.value(s_.main(), ids::MAIN_RAM), 1);
    EXPECT_EQ(s_.value(s_.main(), ids::MAIN_EEPROM), 0);
    EXPECT_EQ(s_.value(s_.main(), ids::MAIN_FILE), 0);
  }
  EXPECT_FALSE(s_.dimmed(para2, ids::P2_TEACH));
}

// A recording started while run mode runs takes the line and ends run mode too;
// the recorder's report stays on the status line.
TEST_F(Modes_, RecordingStartedDuringRunModeEndsItWithTheRecordersReport) {
  start();
  const int rec = s_.panels().recorder;
  s_.click(s_.main(), ids::MAIN_TOGG_RECORDER);
  s_.enterValue(rec, ids::REC_SAMPLES, 1);
  s_.enterValue(rec, ids::REC_INTERVAL, 0.1);
  s_.at(s_.now() + 0.5, [&] { s_.postClick(rec, ids::REC_START); });
  s_.click(s_.main(), ids::MAIN_RUN);
  EXPECT_EQ(s_.status(), "Data-Recorder completed successfully!");
  EXPECT_EQ(s_.text(rec, ids::REC_STATUS_BOX), "DATA-RECORDER COMPLETED!");
  EXPECT_EQ(requests(18), 1);
  EXPECT_FALSE(dimmed(ids::MAIN_RUN));
}

// A class-1 frame nobody asked for, arriving while a measurement is awaited:
// its data are shown once as a measurement, and the loop goes on with the
// reply that follows it.
TEST_F(Modes_, StrayAcknowledgementIsShownOnceAndTheLoopGoesOn) {
  sim::SensorConfig c;
  c.faults.faultCommand = 8;
  c.faults.strayBeforeNth = 10;
  c.faults.strayData.fill(3333);
  start(c);
  modeFor(ids::MAIN_RUN, 1.0);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_LT(s_.now(), pressAt_ + Scenario::kReleaseDelay);  // ended by Stop, not time-out
  EXPECT_GT(requests(8), 15);
  const auto& m = s_.control(s_.main(), ids::MAIN_ROLL_GRAPH).strip.points.at(3);  // M
  EXPECT_EQ(std::count(m.begin(), m.end(), 3333.0), 1);
  EXPECT_NE(s_.value(s_.main(), ids::MAIN_PIXEL_VALUE), 3333);
}

// Measurement requests answered as class 1: the first such answer is shown
// once, no request follows it, and the line times out.
TEST_F(Modes_, AcknowledgementInsteadOfTheMeasurementIsShownOnceThenTheLineTimesOut) {
  start();
  int before = 0;
  s_.at(s_.now() + 0.5, [&] {
    before = requests(8);
    sensor_->faults().replyWord1[8] = 1;
  });
  s_.click(s_.main(), ids::MAIN_RUN);
  EXPECT_EQ(RunMode().stopFlag, kStopTimeout);
  EXPECT_EQ(s_.status(), "Timeout RS232 Line!");
  // The request in flight when the answers changed, and at most one more.
  EXPECT_LE(requests(8) - before, 2);
  // 1.5 s after the last request left (it reached the sensor 36 byte times later).
  const double sinceLast = s_.now() - sensor_->log().back().time;
  EXPECT_GT(sinceLast, 1.5 - 0.02);
  EXPECT_LT(sinceLast, 1.6);
}

// Reset of max/min shares the line with run mode: answered, the run goes on;
// unanswered, it ends.
TEST_F(Modes_, ResetDuringRunKeepsItGoingOrEndsItWithoutAnswer) {
  start();
  int atReset = 0;
  for (bool answered : {true, false}) {
    if (!answered) sensor_->faults().muteCommands = {11};
    s_.at(s_.now() + 0.5, [&] {
      atReset = requests(8);
      whileAReplyIsOnItsWay([this] {
        rt::SetCtrlAttribute(s_.main(), ids::MAIN_RESET, rt::ATTR_VISIBLE, 1);
        rt::PostCtrlEvent(s_.main(), ids::MAIN_RESET, rt::EVENT_COMMIT);
      });
    });
    modeFor(ids::MAIN_RUN, answered ? 1.5 : 3.0);
    EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
    EXPECT_EQ(RunMode().stopFlag, kStopStopped);
    if (!answered) {
      EXPECT_TRUE(s_.statusShown("Timeout-RS-232..."));
      EXPECT_LT(s_.now(), pressAt_);  // ended by the reset's time-out, before Stop
      break;
    }
    EXPECT_TRUE(s_.statusShown("Reset Max/Min values..."));
    EXPECT_TRUE(s_.statusShown("Reset of analog-output Max/Min OK!"));
    EXPECT_GT(requests(8) - atReset, 10);
    EXPECT_EQ(requests(11), 1);
    EXPECT_LT(s_.now(), pressAt_ + Scenario::kReleaseDelay);  // ended by Stop, not time-out
    s_.run(0.2);
  }
}

// A still object without noise: the shadow covers video points 96..159 of the
// full scale of 256 and the rest of the line is bright.
TEST_F(Modes_, VideoCyclesFetchAMeasurementAndFourBlocksAndDrawTheProfile) {
  sim::SensorConfig c;
  c.motion.swing = 0;
  c.motion.edgeNoise = 0;
  c.motion.videoNoise = 0;
  start(c);
  bool shownWhileRunning = false;
  s_.at(s_.now() + 0.5, [&] {
    shownWhileRunning =
        s_.visible(s_.main(), ids::MAIN_VIDEO_GRAPH) && s_.visible(s_.main(), ids::MAIN_RAW) &&
        !s_.visible(s_.main(), ids::MAIN_ROLL_GRAPH) && !s_.visible(s_.main(), ids::MAIN_ZOOM) &&
        s_.dimmed(s_.panels().para2, ids::P2_TEACH);
  });
  modeFor(ids::MAIN_VIDEO, 2.0);
  EXPECT_TRUE(shownWhileRunning);
  EXPECT_GE(requests(8), 3);
  EXPECT_GE(requests(9), 4 * (requests(8) - 1));
  EXPECT_TRUE(s_.statusShown("Waiting for Data[64] Block 3 ..."));
  EXPECT_TRUE(s_.statusShown("Data[64] block received!"));
  const auto& plots = videoGraph().plots;
  ASSERT_EQ(plots.size(), 2u);
  EXPECT_EQ(plots[1].color, 0x008000);
  const rt::Plot& profile = plots[0];
  EXPECT_EQ(profile.color, 0xFF0000);
  ASSERT_EQ(profile.ys.size(), 256u);
  for (int i = 0; i < 256; ++i) {
    const bool shadow = i >= 96 && i < 160;
    EXPECT_EQ(profile.ys[i] < 26, shadow) << i;
    EXPECT_EQ(profile.ys[i] > 170 && profile.ys[i] <= 255, !shadow) << i;
  }
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_FALSE(s_.dimmed(s_.panels().para2, ids::P2_TEACH));
}

TEST_F(Modes_, MissingBlocksTimeOutEachCycleAndTheLoopGoesOn) {
  start();
  sensor_->faults().muteCommands = {9};
  const std::size_t from = s_.statusHistory().size();
  modeFor(ids::MAIN_VIDEO, 5.0);
  const auto h = statusSince(from);
  EXPECT_GE(requests(8), 2);
  EXPECT_EQ(requests(9), requests(8));  // only block 0 is asked for, every cycle
  EXPECT_GE(IndexOf(h, "Waiting for Data[64] Block 0 ..."), 0);
  EXPECT_GE(IndexOf(h, "Timeout-RS-232 while reading 64 data-words!"), 0);
  EXPECT_EQ(IndexOf(h, "Waiting for Data[64] Block 1 ..."), -1);
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
}

TEST_F(Modes_, BlockWithTwoBytesTooManyFailsWithItsOwnText) {
  start();
  sensor_->faults().faultCommand = 9;
  sensor_->faults().extraBytes = 2;  // 130 bytes waiting when the block is read
  const std::size_t from = s_.statusHistory().size();
  modeFor(ids::MAIN_VIDEO, 0.5);
  const auto h = statusSince(from);
  EXPECT_GE(IndexOf(h, "More than 64 data-words !"), 0);
  EXPECT_EQ(IndexOf(h, "Waiting for Data[64] Block 1 ..."), -1);
}

// The first cycle compares with the fixed-threshold line even when
// Video-Thd-Mode asks for the stored curve; later cycles use the stored curve.
TEST_F(Modes_, RawViewComparesWithTheFixedLineFirstThenTheStoredCurve) {
  start();
  for (double seconds : {0.05, 1.0}) {  // the flag is looked at once a cycle: one cycle, more
    sensor_->clearLog();
    rt::SetCtrlVal(s_.panels().para2, ids::P2_VTHD_MODE, 1);
    rt::SetCtrlVal(s_.main(), ids::MAIN_RAW, 1);  // on, without filling the lines
    Params().fixedThresholdLine.fill(0);
    Threshold().storedCurve.fill(0xFFFF);
    modeFor(ids::MAIN_VIDEO, seconds);
    const auto& p = Video().profile;
    const bool raised = std::any_of(p.begin(), p.end(), [](auto v) { return v != 0; });
    if (seconds < 0.1) {
      EXPECT_EQ(requests(8), 1);
      EXPECT_TRUE(raised);
    } else {
      ASSERT_GE(requests(8), 2);
      EXPECT_FALSE(raised);
      // Mode 1 with the raw view: the auto-threshold line is drawn.
      ASSERT_EQ(videoGraph().plots.size(), 2u);
      EXPECT_EQ(videoGraph().plots[1].ys.front(), Threshold().autoLine.front());
    }
  }
}

}  // namespace
