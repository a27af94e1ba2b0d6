// The baud-rate change of the real program, with the Qt front end on the
// offscreen platform and the real serial backend, against kavro-xb-sim on a
// pseudo-terminal: the operator opens the communication settings, picks
// 115200 baud and changes the sensor's rate; run mode then streams at that rate.
#include <gtest/gtest.h>

#include <QTimer>
#include <algorithm>
#include <filesystem>

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

class BaudChangeOverPty : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(StartOffscreenFrontEnd()); }
  static void TearDownTestSuite() { qtfront::Shutdown(); }
  void SetUp() override {
    program_ = std::make_unique<ProgramBesideSim>();
    ASSERT_TRUE(program_->started());
  }
  void TearDown() override { program_.reset(); }
  std::string simLog() const { return program_->simLog(); }
  int measurementRequests() const {
    const std::vector<int> c = CommandsInSimLog(simLog());
    return static_cast<int>(std::count(c.begin(), c.end(), 8));
  }

  std::unique_ptr<ProgramBesideSim> program_;
};

TEST_F(BaudChangeOverPty, ChangeTo115200ThenRunModeStreamsAtTheNewRate) {
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
    const std::string log = simLog();
    return log.find("sensor baud=115200") != std::string::npos &&
           log.find("line baud=115200") != std::string::npos;
  })) << simLog();

  const int before = measurementRequests();
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
  EXPECT_GT(measurementRequests() - before, 150);
  const rt::Control* roll = rt::FindControl(p.main, ids::MAIN_ROLL_GRAPH);
  ASSERT_NE(roll, nullptr);
  EXPECT_GT(roll->strip.appends, 150);
}

}  // namespace
