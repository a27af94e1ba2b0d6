// Run mode and video mode of the real program, with the Qt front end on the
// offscreen platform and the real serial backend, against kavro-xb-sim on a
// pseudo-terminal: the operator starts a mode, lets it run, and stops it or
// closes the window; and after a change of the line's rate, run mode at the new rate.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/program.h"
#include "e2e/e2e_support.h"
#include "link/link_state.h"
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

// Lets the program run its event loop for this long.
void RunFor(double seconds) {
  const double until = rt::Timer() + seconds;
  while (rt::Timer() < until) {
    rt::ProcessSystemEvents();
    rt::WaitForEvents(until);
  }
}

// Press, and release 50 ms later, as a hand on the mouse does.
void Click(int panel, int control) {
  rt::PostCtrlEvent(panel, control, rt::EVENT_LEFT_CLICK);
  RunFor(0.05);
  rt::PostCtrlEvent(panel, control, rt::EVENT_COMMIT);
  rt::ProcessSystemEvents();
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
  RunFor(0.2);
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

// The operator opens the communication settings, picks 115200 baud and changes
// the sensor's rate; run mode then streams at that rate.
TEST_F(ModesOverPty, BaudChangeTo115200ThenRunModeStreamsAtTheNewRate) {
  const PanelHandles& p = Panels();
  ASSERT_EQ(Link().baudIndex, 1);
  rt::SetCtrlVal(p.main, ids::MAIN_CONNECT, 1);  // the toggle goes down under the mouse
  Click(p.main, ids::MAIN_CONNECT);
  ASSERT_TRUE(rt::FindPanel(p.comset)->visible);
  rt::SetCtrlVal(p.comset, ids::COM_BAUD, 4);  // the operator picks 115200 in the ring
  rt::PostCtrlEvent(p.comset, ids::COM_BAUD, rt::EVENT_COMMIT);
  Click(p.comset, ids::COM_CHANGE_BAUD);
  ASSERT_EQ(Status(), "Baudrate-change OK!");
  ASSERT_TRUE(WaitFor(2, [&] {
    const std::string log = program_->simLog();
    return log.find("sensor baud=115200") != std::string::npos &&
           log.find("line baud=115200") != std::string::npos;
  })) << program_->simLog();

  const int before = Count(commands(), 8);
  QTimer::singleShot(2000, [] {
    rt::PostCtrlEvent(Panels().main, ids::MAIN_STOP, rt::EVENT_LEFT_CLICK);
    QTimer::singleShot(50,
                       [] { rt::PostCtrlEvent(Panels().main, ids::MAIN_STOP, rt::EVENT_COMMIT); });
  });
  Click(p.main, ids::MAIN_RUN);
  EXPECT_EQ(Status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  WaitFor(1, [] { return false; });
  // At 19200 baud two seconds give about 50 cycles; at 115200 several times that.
  EXPECT_GT(Count(commands(), 8) - before, 150);
  const rt::Control* roll = rt::FindControl(p.main, ids::MAIN_ROLL_GRAPH);
  ASSERT_NE(roll, nullptr);
  EXPECT_GT(roll->strip.appends, 150);
}

// Two-point calibration in the real window: each step box starts the
// calibration and run mode on the line, its accept button a second later takes
// the value run mode shows; then the fit and the save into the sensor's RAM.
TEST_F(ModesOverPty, CalibrationTakesTwoObjectsFromRunModeAndSavesTheLine) {
  const int cal = Panels().calib;
  const int steps[2][3] = {{ids::CAL_STEP1, ids::CAL_ACCEPT1, ids::CAL_VALUE1},
                           {ids::CAL_STEP2, ids::CAL_ACCEPT2, ids::CAL_VALUE2}};
  for (const auto& [step, accept, value] : steps) {
    const int before = Count(commands(), 8);
    QTimer::singleShot(1000, [cal, accept] {
      rt::PostCtrlEvent(cal, accept, rt::EVENT_LEFT_CLICK);
      QTimer::singleShot(50, [cal, accept] { rt::PostCtrlEvent(cal, accept, rt::EVENT_COMMIT); });
    });
    // The box is ticked under the mouse: press, then the new value and its
    // commit, as the check box raises them; this returns when the accept
    // button has ended run mode.
    rt::PostCtrlEvent(cal, step, rt::EVENT_LEFT_CLICK);
    RunFor(0.05);
    rt::SetCtrlVal(cal, step, 1);
    rt::PostCtrlEvent(cal, step, rt::EVENT_VAL_CHANGED);
    rt::PostCtrlEvent(cal, step, rt::EVENT_COMMIT);
    rt::ProcessSystemEvents();
    RunFor(0.2);
    EXPECT_GT(Count(commands(), 8) - before, 10) << step;  // values flowed meanwhile
    int taken = 0;
    rt::GetCtrlVal(cal, value, &taken);
    EXPECT_GT(taken, 0) << step;
  }
  Click(cal, ids::CAL_FIT);
  Click(cal, ids::CAL_SAVE);
  EXPECT_EQ(Status(), "New Calibration values in activated in RAM!");
  const std::string log = program_->simLog();
  EXPECT_NE(log.find("rx cmd=12 arg=1 "), std::string::npos);
  EXPECT_NE(log.find("rx cmd=12 arg=2 "), std::string::npos);
}

// The linearisation upload in the real window, on a 115200 baud line: the
// service code in the recorder's interval shows the button, the file dialog
// takes a table of 2048 values, every block reaches the sensor and the bar
// ends grey; the button is hidden again.
TEST_F(ModesOverPty, LinearisationUploadWritesEveryBlockThroughTheFileDialog) {
  program_.reset();
  program_ = std::make_unique<ProgramBesideSim>(std::vector<std::string>{"--baud-index", "4"},
                                                "[CONNECTION]\r\nCOM Port = 1\r\nBAUDRATE = 4\r\n");
  ASSERT_TRUE(program_->started());
  const std::string table = program_->dir().file("XF-LINEAR.DAT");
  {
    std::ofstream out(table);
    for (int i = 0; i < 2048; ++i) out << i * 16 << "\r\n";
  }
  const int rec = Panels().recorder;
  const int cal = Panels().calib;
  rt::SetCtrlVal(rec, ids::REC_INTERVAL, 8642.0);
  rt::PostCtrlEvent(rec, ids::REC_INTERVAL, rt::EVENT_VAL_CHANGED);
  rt::ProcessSystemEvents();
  ASSERT_TRUE(rt::FindControl(cal, ids::CAL_WRITE_XFLASH)->visible);

  QTimer::singleShot(300, [table] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->selectFile(QString::fromStdString(table));
    static_cast<QDialog*>(dialog)->accept();
  });
  Click(cal, ids::CAL_WRITE_XFLASH);  // returns when the last block is written
  EXPECT_EQ(Status(), "X-FLASH Data successfully written!");
  EXPECT_FALSE(rt::FindControl(cal, ids::CAL_WRITE_XFLASH)->visible);
  const rt::GraphData& g = rt::FindControl(Panels().main, ids::MAIN_DATA_GRAPH)->graph;
  ASSERT_FALSE(g.plots.empty());
  EXPECT_EQ(g.plots.back().fillColor, 0xA0A0A0);
  WaitFor(1, [] { return false; });
  const std::vector<int> seen = commands();
  EXPECT_EQ(Count(seen, 101), 1);
  EXPECT_EQ(Count(seen, 102), 256);
}

}  // namespace
