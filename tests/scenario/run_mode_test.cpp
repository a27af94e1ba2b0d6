// Run mode as the operator and the sensor see it: requests one after another,
// Stop, a silent line, stray replies, the controls it dims and gives back, and
// Reset of max/min sharing the line with the loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "acquire/run_mode.h"
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
#include "ui/status_line.h"

namespace {

// Index of the first occurrence of text in the history at or after from; -1 when none.
int IndexOf(const std::vector<std::string>& history, const std::string& text, int from = 0) {
  for (int i = from; i < static_cast<int>(history.size()); ++i)
    if (history[i] == text) return i;
  return -1;
}

class RunMode_ : public ::testing::Test {
 protected:
  void SetUp() override {
    sensor_ = s_.attachSensor();
    ASSERT_TRUE(s_.startUp());
    ASSERT_EQ(Hardware().hardwareType, 1);
    sensor_->clearLog();
  }
  // Run mode from now until Stop is pressed `seconds` later; returns when the loop ended.
  void runFor(double seconds) {
    pressAt_ = s_.now() + seconds;
    s_.at(pressAt_, [&] { s_.postClick(s_.main(), ids::MAIN_STOP); });
    s_.click(s_.main(), ids::MAIN_RUN);
  }
  int measurementRequests() const { return Scenario::requestsSeen(*sensor_, 8); }
  // The operator presses Reset at a moment when the last request has reached
  // the sensor (a press while a request is still leaving the port would cut it
  // off with the reset's flush).
  void postResetWhileAReplyIsOnItsWay(std::size_t seen = 0) {
    if (seen != 0 && sensor_->log().size() != seen) {
      rt::SetCtrlAttribute(s_.main(), ids::MAIN_RESET, rt::ATTR_VISIBLE, 1);
      rt::PostCtrlEvent(s_.main(), ids::MAIN_RESET, rt::EVENT_COMMIT);
      return;
    }
    const std::size_t now = sensor_->log().size();
    s_.at(s_.now() + 0.0005, [this, now] { postResetWhileAReplyIsOnItsWay(now); });
  }
  // The Stop key, pressed once a request has reached the sensor.
  void stopWhileAReplyIsOnItsWay(std::size_t seen = 0) {
    if (seen != 0 && sensor_->log().size() != seen) {
      rt::PostCtrlEvent(s_.main(), ids::MAIN_STOP, rt::EVENT_KEYPRESS);
      return;
    }
    const std::size_t now = sensor_->log().size();
    s_.at(s_.now() + 0.0005, [this, now] { stopWhileAReplyIsOnItsWay(now); });
  }
  bool dimmed(int control) const { return s_.dimmed(s_.main(), control); }

  Scenario s_;
  std::shared_ptr<sim::SensorEngine> sensor_;
  double pressAt_ = 0;
};

TEST_F(RunMode_, SilentSensorTimesOutAndGivesTheButtonsBack) {
  sensor_->faults().silent = true;
  const double start = s_.now();
  s_.click(s_.main(), ids::MAIN_RUN);
  EXPECT_GT(s_.now() - start, 1.5);
  const auto& h = s_.statusHistory();
  const int ok = IndexOf(h, "Line Ok!");
  ASSERT_GE(ok, 0);
  const int first = IndexOf(h, "Timeout RS232-Line!", ok);
  ASSERT_GT(first, ok);
  EXPECT_GT(IndexOf(h, "Timeout RS232 Line!", first), first);
  EXPECT_EQ(s_.status(), "Timeout RS232 Line!");
  EXPECT_EQ(RunMode().stopFlag, kStopTimeout);
  EXPECT_FALSE(dimmed(ids::MAIN_RUN));
  EXPECT_FALSE(dimmed(ids::MAIN_VIDEO));
  EXPECT_FALSE(dimmed(ids::MAIN_GET));
  EXPECT_EQ(measurementRequests(), 1);  // no retry
}

TEST_F(RunMode_, StopEndsTheLoopBeforeTheButtonIsReleased) {
  bool dimmedWhileRunning = false;
  s_.at(s_.now() + 0.5, [&] {
    dimmedWhileRunning = dimmed(ids::MAIN_RUN) && dimmed(ids::MAIN_VIDEO) &&
                         dimmed(ids::MAIN_GET) && s_.visible(s_.main(), ids::MAIN_ROLL_GRAPH) &&
                         !s_.visible(s_.main(), ids::MAIN_VIDEO_GRAPH) &&
                         !s_.visible(s_.main(), ids::MAIN_RAW) &&
                         s_.visible(s_.main(), ids::MAIN_ZOOM);
  });
  runFor(1.0);
  EXPECT_TRUE(dimmedWhileRunning);
  EXPECT_LT(s_.now(), pressAt_ + Scenario::kReleaseDelay);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  // At 19200 baud a cycle moves 72 bytes: about 26 cycles a second.
  EXPECT_GT(measurementRequests(), 15);
  s_.run(0.2);  // the release: the Stop commit ends the transfer once more
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_FALSE(dimmed(ids::MAIN_RUN));
}

// Stop by key while a reply is on its way, Video at once: the late reply of
// run mode must not pass for video mode's first measurement.
TEST_F(RunMode_, VideoAtOnceAfterAStopMidExchangeReadsWholeProfiles) {
  s_.at(s_.now() + 0.5, [this] { stopWhileAReplyIsOnItsWay(); });
  s_.click(s_.main(), ids::MAIN_RUN);
  ASSERT_EQ(RunMode().stopFlag, kStopStopped);
  const std::size_t before = s_.statusHistory().size();
  s_.at(s_.now() + 2.0,
        [this] { rt::PostCtrlEvent(s_.main(), ids::MAIN_STOP, rt::EVENT_KEYPRESS); });
  s_.click(s_.main(), ids::MAIN_VIDEO);
  const std::vector<std::string> h(s_.statusHistory().begin() + before, s_.statusHistory().end());
  EXPECT_EQ(IndexOf(h, "More than 64 data-words !"), -1);
  EXPECT_EQ(IndexOf(h, "Timeout-RS-232 while reading 64 data-words!"), -1);
  EXPECT_GE(IndexOf(h, "Data[64] block received!"), 0);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
}

TEST_F(RunMode_, LoopRequestsCarryParaZero) {
  runFor(0.5);
  const auto& log = sensor_->log();
  ASSERT_GE(log.size(), 3u);
  const auto& later = log[log.size() - 1];
  EXPECT_EQ(later.command, 8);
  EXPECT_EQ(later.data[4], Params().para0[P0_EVAL_BEGIN]);
  EXPECT_EQ(later.data[5], Params().para0[P0_EVAL_END]);
}

TEST_F(RunMode_, EepromOrFileTargetIsForcedToRam) {
  for (int button : {ids::MAIN_EEPROM, ids::MAIN_FILE}) {
    s_.click(s_.main(), button);
    ASSERT_NE(Transfer().target, kTargetRam);
    runFor(0.3);
    s_.run(0.2);
    EXPECT_EQ(Transfer().target, kTargetRam);
    EXPECT_EQ(s_.value(s_.main(), ids::MAIN_RAM), 1);
    EXPECT_EQ(s_.value(s_.main(), ids::MAIN_EEPROM), 0);
    EXPECT_EQ(s_.value(s_.main(), ids::MAIN_FILE), 0);
  }
}

TEST_F(RunMode_, SaveThresholdButtonFollowsVideoThdModeAtTheEnd) {
  const int para2 = s_.panels().para2;
  rt::SetCtrlVal(para2, ids::P2_VTHD_MODE, 0);
  runFor(0.3);
  EXPECT_TRUE(s_.dimmed(para2, ids::P2_SAVE_THD));
  s_.run(0.2);
  rt::SetCtrlVal(para2, ids::P2_VTHD_MODE, 1);
  bool dimmedWhileRunning = false;
  s_.at(s_.now() + 0.2, [&] { dimmedWhileRunning = s_.dimmed(para2, ids::P2_SAVE_THD); });
  runFor(0.3);
  EXPECT_TRUE(dimmedWhileRunning);
  EXPECT_FALSE(s_.dimmed(para2, ids::P2_SAVE_THD));
  EXPECT_FALSE(s_.dimmed(para2, ids::P2_TEACH));
}

TEST_F(RunMode_, RecorderFlagsKeepTheStatusLine) {
  for (int flag : {kStopRecorderDone, kStopRecorderTimeout}) {
    ShowStatus("Recorder message");
    RunMode().stopFlag = flag;
    EndDataTransfer();
    EXPECT_EQ(s_.status(), "Recorder message");
    EXPECT_EQ(RunMode().stopFlag, flag);
  }
  RunMode().stopFlag = kStopRunning;
  EndDataTransfer();
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
}

TEST_F(RunMode_, StrayAcknowledgementIsShownOnceThenTheLineTimesOut) {
  int before = 0;
  s_.at(s_.now() + 0.5, [&] {
    before = measurementRequests();
    sensor_->faults().replyWord1[8] = 1;  // measurement requests answered as class 1
  });
  s_.click(s_.main(), ids::MAIN_RUN);
  EXPECT_EQ(RunMode().stopFlag, kStopTimeout);
  EXPECT_EQ(s_.status(), "Timeout RS232 Line!");
  // The request in flight when the answers changed, and at most one more.
  EXPECT_LE(measurementRequests() - before, 2);
  // 1.5 s after the last request left (it reached the sensor 36 byte times later).
  const double sinceLast = s_.now() - sensor_->log().back().time;
  EXPECT_GT(sinceLast, 1.5 - 0.02);
  EXPECT_LT(sinceLast, 1.6);
}

TEST_F(RunMode_, ResetDuringRunKeepsItGoing) {
  int atReset = 0;
  s_.at(s_.now() + 0.5, [&] {
    atReset = measurementRequests();
    postResetWhileAReplyIsOnItsWay();
  });
  runFor(1.5);
  EXPECT_TRUE(s_.statusShown("Reset Max/Min values..."));
  EXPECT_TRUE(s_.statusShown("Reset of analog-output Max/Min OK!"));
  EXPECT_GT(measurementRequests() - atReset, 10);
  EXPECT_EQ(Scenario::requestsSeen(*sensor_, 11), 1);
  EXPECT_LT(s_.now(), pressAt_ + Scenario::kReleaseDelay);  // ended by Stop, not time-out
}

TEST_F(RunMode_, ResetWithoutAnswerEndsRunMode) {
  sensor_->faults().muteCommands = {11};
  s_.at(s_.now() + 0.5, [&] { postResetWhileAReplyIsOnItsWay(); });
  s_.click(s_.main(), ids::MAIN_RUN);
  EXPECT_TRUE(s_.statusShown("Timeout-RS-232..."));
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
}

TEST_F(RunMode_, RunLeftClickSetsUpTheSixRollTraces) {
  runFor(0.2);
  const auto& strip = s_.control(s_.main(), ids::MAIN_ROLL_GRAPH).strip;
  ASSERT_EQ(strip.numTraces, 6);
  ASSERT_GE(strip.traces.size(), 6u);
  const int expected[6] = {0x008000, 0x008000, 0x000000, 0xFF0000, 0xFF0000, 0xFF0000};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(strip.traces[i].color, expected[i]) << i;
  EXPECT_TRUE(s_.statusShown("Writing RS-232 dummy frame ok!"));
}

TEST_F(RunMode_, CloseDuringRunEndsTheLoopAndSavesTheSettings) {
  s_.removeProjectFile(kSettingsFileName);
  s_.at(s_.now() + 0.5, [&] { rt::PostPanelEvent(s_.main(), rt::EVENT_CLOSE); });
  s_.click(s_.main(), ids::MAIN_RUN);
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_TRUE(s_.fileExists(kSettingsFileName));
  EXPECT_TRUE(s_.quitRequested());
}

}  // namespace
