// Video mode as the operator and the sensor see it: the block reads and their
// texts, the cycle going on after a missing block, the raw view's comparison
// curve in the first and later cycles.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "display/threshold_state.h"
#include "display/video_block.h"
#include "display/video_state.h"
#include "harness/scenario.h"
#include "link/run_state.h"
#include "link/serial_port.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

class VideoMode_ : public ::testing::Test {
 protected:
  void SetUp() override {
    sensor_ = s_.attachSensor();
    ASSERT_TRUE(s_.startUp());
    ASSERT_EQ(Hardware().hardwareType, 1);
    sensor_->clearLog();
  }
  void videoFor(double seconds) {
    pressAt_ = s_.now() + seconds;
    s_.at(pressAt_, [&] { s_.postClick(s_.main(), ids::MAIN_STOP); });
    s_.click(s_.main(), ids::MAIN_VIDEO);
  }
  int requests(int command) const { return Scenario::requestsSeen(*sensor_, command); }
  // One block read on its own, as the threshold functions do it.
  int readBlock(std::uint16_t first) {
    RemoveReceiveCallback();
    const int r = ReadVideoBlock(first, 0);
    InstallReceiveCallback();
    return r;
  }

  Scenario s_;
  std::shared_ptr<sim::SensorEngine> sensor_;
  double pressAt_ = 0;
};

TEST_F(VideoMode_, CyclesFetchAMeasurementAndFourBlocksAndPlotTwoCurves) {
  bool shownWhileRunning = false;
  s_.at(s_.now() + 0.5, [&] {
    shownWhileRunning =
        s_.visible(s_.main(), ids::MAIN_VIDEO_GRAPH) && s_.visible(s_.main(), ids::MAIN_RAW) &&
        !s_.visible(s_.main(), ids::MAIN_ROLL_GRAPH) && !s_.visible(s_.main(), ids::MAIN_ZOOM) &&
        s_.dimmed(s_.panels().para2, ids::P2_TEACH);
  });
  videoFor(2.0);
  EXPECT_TRUE(shownWhileRunning);
  EXPECT_GE(requests(8), 3);
  EXPECT_GE(requests(9), 4 * (requests(8) - 1));
  EXPECT_TRUE(s_.statusShown("Waiting for Data[64] Block 3 ..."));
  EXPECT_TRUE(s_.statusShown("Data[64] block received!"));
  const auto& plots = s_.control(s_.main(), ids::MAIN_VIDEO_GRAPH).graph.plots;
  ASSERT_EQ(plots.size(), 2u);
  EXPECT_EQ(plots[0].color, 0xFF0000);
  EXPECT_EQ(plots[1].color, 0x008000);
  EXPECT_EQ(plots[0].xs.size(), 256u);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_FALSE(s_.dimmed(s_.panels().para2, ids::P2_TEACH));
}

TEST_F(VideoMode_, MissingBlocksTimeOutEachCycleAndTheLoopGoesOn) {
  sensor_->faults().muteCommands = {9};
  const std::size_t from = s_.statusHistory().size();
  videoFor(5.0);
  const std::vector<std::string> h(s_.statusHistory().begin() + from, s_.statusHistory().end());
  auto shown = [&](const char* text) { return std::find(h.begin(), h.end(), text) != h.end(); };
  EXPECT_GE(requests(8), 2);
  EXPECT_EQ(requests(9), requests(8));  // only block 0 is asked for, every cycle
  EXPECT_TRUE(shown("Waiting for Data[64] Block 0 ..."));
  EXPECT_TRUE(shown("Timeout-RS-232 while reading 64 data-words!"));
  EXPECT_FALSE(shown("Waiting for Data[64] Block 1 ..."));
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
}

TEST_F(VideoMode_, SilentSensorEndsVideoModeWithTheTimeOut) {
  sensor_->faults().silent = true;
  s_.click(s_.main(), ids::MAIN_VIDEO);
  EXPECT_TRUE(s_.statusShown("Timeout RS232-Line!"));
  EXPECT_EQ(s_.status(), "Timeout RS232 Line!");
  EXPECT_EQ(RunMode().stopFlag, kStopTimeout);
  EXPECT_FALSE(s_.dimmed(s_.main(), ids::MAIN_VIDEO));
}

TEST_F(VideoMode_, BlockAtIndex96LandsAt96To159) {
  Video().profile.fill(0xFFFF);
  ASSERT_EQ(readBlock(96), 1);
  EXPECT_TRUE(s_.statusShown("Waiting for Data[64] Block x ..."));
  EXPECT_EQ(s_.status(), "Data[64] block received!");
  const auto& p = Video().profile;
  EXPECT_TRUE(std::all_of(p.begin(), p.begin() + 96, [](auto v) { return v == 0xFFFF; }));
  EXPECT_TRUE(std::all_of(p.begin() + 160, p.end(), [](auto v) { return v == 0xFFFF; }));
  EXPECT_TRUE(std::all_of(p.begin() + 96, p.begin() + 160,
                          [](auto v) { return v <= Hardware().videoFullScale; }));
}

TEST_F(VideoMode_, ShortBlockFailsAndKeepsThePointsAlreadyStored) {
  Video().profile.fill(0xFFFF);
  sensor_->faults().faultCommand = 9;
  sensor_->faults().shortBytes = 100;
  EXPECT_EQ(readBlock(64), 0);
  EXPECT_EQ(s_.status(), "Timeout-RS-232 while reading 64 data-words!");
  const auto& p = Video().profile;
  EXPECT_TRUE(std::all_of(p.begin(), p.end(), [](auto v) { return v == 0xFFFF; }));
}

TEST_F(VideoMode_, TwoBytesTooManyFailWithTheirOwnText) {
  sensor_->faults().faultCommand = 9;
  sensor_->faults().extraBytes = 2;  // 130 bytes waiting when the block is read
  EXPECT_EQ(readBlock(0), 0);
  EXPECT_EQ(s_.status(), "More than 64 data-words !");
}

// The first cycle compares with the fixed-threshold line even when
// Video-Thd-Mode asks for the stored curve; later cycles use the stored curve.
class RawViewCycles : public VideoMode_ {
 protected:
  void prepare() {
    rt::SetCtrlVal(s_.panels().para2, ids::P2_VTHD_MODE, 1);
    rt::SetCtrlVal(s_.main(), ids::MAIN_RAW, 1);  // on, without filling the lines
    Params().fixedThresholdLine.fill(0);
    Threshold().storedCurve.fill(0xFFFF);
  }
  bool anyRaised() const {
    const auto& p = Video().profile;
    return std::any_of(p.begin(), p.end(), [](auto v) { return v != 0; });
  }
};

TEST_F(RawViewCycles, FirstCycleAgainstTheFixedLine) {
  prepare();
  videoFor(0.05);  // the flag is looked at once a cycle: exactly one cycle
  EXPECT_EQ(requests(8), 1);
  EXPECT_TRUE(anyRaised());
}

TEST_F(RawViewCycles, LaterCyclesAgainstTheStoredCurve) {
  prepare();
  videoFor(1.0);
  ASSERT_GE(requests(8), 2);
  EXPECT_FALSE(anyRaised());
  // Mode 1 with the raw view: the auto-threshold line is drawn.
  const auto& plots = s_.control(s_.main(), ids::MAIN_VIDEO_GRAPH).graph.plots;
  ASSERT_EQ(plots.size(), 2u);
  EXPECT_EQ(plots[1].ys.front(), Threshold().autoLine.front());
}

}  // namespace
