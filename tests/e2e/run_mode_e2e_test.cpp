// Run mode and video mode of the real program, with the Qt front end on the
// offscreen platform and the real serial backend, against kavro-xb-sim on a
// pseudo-terminal: the operator starts a mode, lets it run, and stops it or
// closes the window.
#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "app/program.h"
#include "e2e/e2e_support.h"
#include "link/run_state.h"
#include "qt/front_end.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

int Count(const std::vector<int>& commands, int command) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), command));
}

std::string Status() {
  std::string text;
  rt::GetCtrlVal(Panels().main, ids::MAIN_STATUS, &text);
  return text;
}

// The program in process on its own directory, with the sensor program beside it.
class ModesOverPty : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(StartOffscreenFrontEnd()); }
  static void TearDownTestSuite() { qtfront::Shutdown(); }
  void SetUp() override {
    program_ = std::make_unique<ProgramBesideSim>();
    ASSERT_TRUE(program_->started());
  }
  void TearDown() override { program_.reset(); }

  // Presses a button and lets it go 50 ms later, after `ms` milliseconds.
  static void PressLater(int control, int ms) {
    QTimer::singleShot(ms, [control] {
      rt::PostCtrlEvent(Panels().main, control, rt::EVENT_LEFT_CLICK);
      QTimer::singleShot(
          50, [control] { rt::PostCtrlEvent(Panels().main, control, rt::EVENT_COMMIT); });
    });
  }
  // Starts a mode; returns when its loop has ended.
  static void Start(int control) {
    rt::PostCtrlEvent(Panels().main, control, rt::EVENT_LEFT_CLICK);
    rt::ProcessSystemEvents();
    rt::PostCtrlEvent(Panels().main, control, rt::EVENT_COMMIT);
    rt::ProcessSystemEvents();
  }
  std::vector<int> commands() const { return CommandsInSimLog(program_->simLog()); }

  std::unique_ptr<ProgramBesideSim> program_;
};

TEST_F(ModesOverPty, RunModeForSecondsThenStop) {
  const int before = Count(commands(), 8);
  PressLater(ids::MAIN_STOP, 3000);
  Start(ids::MAIN_RUN);
  EXPECT_EQ(Status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  // The line runs at 19200 baud: about 26 measurement cycles a second.
  WaitFor(1, [] { return false; });
  EXPECT_GT(Count(commands(), 8) - before, 30);
  const rt::Control* roll = rt::FindControl(Panels().main, ids::MAIN_ROLL_GRAPH);
  ASSERT_NE(roll, nullptr);
  EXPECT_GT(roll->strip.appends, 30);
}

TEST_F(ModesOverPty, VideoModeThenStop) {
  const int before = Count(commands(), 9);
  PressLater(ids::MAIN_STOP, 3000);
  Start(ids::MAIN_VIDEO);
  EXPECT_EQ(Status(), "Data-Transfer Stopped!");
  WaitFor(1, [] { return false; });
  EXPECT_GE(Count(commands(), 9) - before, 8);  // whole profiles: four blocks each
  const rt::Control* graph = rt::FindControl(Panels().main, ids::MAIN_VIDEO_GRAPH);
  ASSERT_NE(graph, nullptr);
  EXPECT_EQ(graph->graph.plots.size(), 2u);
}

TEST_F(ModesOverPty, VideoModeRightAfterRunModeStreamsWithoutATimeOut) {
  PressLater(ids::MAIN_STOP, 1000);
  Start(ids::MAIN_RUN);
  ASSERT_EQ(Status(), "Data-Transfer Stopped!");
  // The operator lets go of Stop before reaching for Video.
  const double released = rt::Timer() + 0.2;
  while (rt::Timer() < released) {
    rt::ProcessSystemEvents();
    rt::WaitForEvents(released);
  }
  const int before = Count(commands(), 9);
  PressLater(ids::MAIN_STOP, 1500);
  Start(ids::MAIN_VIDEO);
  EXPECT_EQ(Status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  WaitFor(1, [] { return false; });
  EXPECT_GE(Count(commands(), 9) - before, 8);
}

TEST_F(ModesOverPty, CloseDuringRunModeEndsWithZeroAndWritesTheSettings) {
  std::filesystem::remove(program_->dir().file(kSettingsFileName));
  rt::PostCtrlEvent(Panels().main, ids::MAIN_RUN, rt::EVENT_LEFT_CLICK);
  rt::PostCtrlEvent(Panels().main, ids::MAIN_RUN, rt::EVENT_COMMIT);
  QTimer::singleShot(1500, [] { rt::PostPanelEvent(Panels().main, rt::EVENT_CLOSE); });
  EXPECT_EQ(rt::RunUserInterface(), 0);
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_TRUE(std::filesystem::exists(program_->dir().file(kSettingsFileName)));
}

}  // namespace
