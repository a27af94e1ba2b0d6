// The real program in process, with the Qt front end on the offscreen platform
// and the real serial backend, against kavro-xb-sim on a pseudo-terminal: what
// start-up shows; the operator starts a mode and stops it once the sensor has
// answered enough requests; run mode after a change
// of the line's rate. (The linearisation upload is the scenario tests', its file
// dialog the front-end tests'.)
// Nothing here waits for a fixed time: each step waits for what it needs to
// see, and how fast the modes go is for the benchmarks.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "e2e/e2e_support.h"
#include "harness/screen_time.h"
#include "link/run_state.h"
#include "qt/front_end.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

// A step that has not seen what it waits for by then has failed.
constexpr int kPatienceMs = 30000;

int Count(const std::vector<int>& commands, int command) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), command));
}

// The program in process on its own directory, with the sensor program beside it.
class ModesOverPty : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(StartOffscreenFrontEnd()); }
  static void TearDownTestSuite() { qtfront::Shutdown(); }
  // The sensor program holds Power 321 and Upper-Tolerance 42.
  void SetUp() override {
    program_ = std::make_unique<ProgramBesideSim>(
        std::vector<std::string>{"--para0", "0=321", "--para0", "7=42"});
    ASSERT_TRUE(program_->started());
  }
  void TearDown() override { program_.reset(); }

  std::vector<int> commands() const { return CommandsInSimLog(program_->simLog()); }

  std::unique_ptr<ProgramBesideSim> program_;
};

// What the operator reads after start-up, in the window the operator sees.
TEST_F(ModesOverPty, StartUpReadsTheSensorThroughThePseudoTerminal) {
  const PanelHandles& p = Panels();
  EXPECT_EQ(CommandsInSimLog(program_->simLog()),
            (std::vector<int>{0, 5, 7, 10, 2, 2, 9, 9, 9, 9}));
  EXPECT_EQ(Status(), "KAVRO-XB-8 Firmware V3.18");
  const rt::Control* box = rt::FindControl(p.main, ids::MAIN_HWINFO);
  ASSERT_FALSE(box->lines.empty());  // the model's lines are the identification tests'
  EXPECT_EQ(box->lines[0], "-------- KAVRO-XB-8 --------");
  EXPECT_EQ(rt::FindControl(p.para2, ids::P2_POWER)->num, 321);
  EXPECT_EQ(rt::FindControl(p.para1, ids::P1_TOL_UP)->num, 42);
  harness::LetTheScreenCatchUp();
  bool titled = false;
  for (QWidget* w : QApplication::topLevelWidgets())
    titled = titled || (w->isVisible() && w->windowTitle() == "KAVRO-XB-Scope");
  EXPECT_TRUE(titled);
}

// Video mode at once after run mode: run mode's last reply does not pass for
// video mode's first, and every profile comes whole.
TEST_F(ModesOverPty, RunModeThenVideoModeStopped) {
  const int main = Panels().main;
  When(program_->seen(8, 30), [=] { Press(main, ids::MAIN_STOP); });
  Click(main, ids::MAIN_RUN);
  EXPECT_EQ(Status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  // Every reply shown, but the one to the request in flight at the stop.
  EXPECT_GE(rt::FindControl(main, ids::MAIN_ROLL_GRAPH)->strip.appends, 29);

  const int measurements = Count(commands(), 8);
  const int blocks = Count(commands(), 9);
  When(program_->seen(9, 8), [=] { Press(main, ids::MAIN_STOP); });
  Click(main, ids::MAIN_VIDEO);
  EXPECT_EQ(Status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  const int profiles = Count(commands(), 8) - measurements;
  EXPECT_GE(Count(commands(), 9) - blocks, 4 * (profiles - 1));
  EXPECT_EQ(rt::FindControl(main, ids::MAIN_VIDEO_GRAPH)->graph.plots.size(), 2u);
}

// The operator opens the communication settings, picks 115200 baud and changes
// the sensor's rate; the port reopens at that rate and run mode streams on it.
TEST_F(ModesOverPty, BaudChangeTo115200ThenRunModeStreamsAtTheNewRate) {
  const PanelHandles& p = Panels();
  rt::SetCtrlVal(p.main, ids::MAIN_CONNECT, 1);  // the toggle goes down under the mouse
  Click(p.main, ids::MAIN_CONNECT);
  ASSERT_TRUE(rt::FindPanel(p.comset)->visible);
  rt::SetCtrlVal(p.comset, ids::COM_BAUD, 4);  // the operator picks 115200 in the ring
  rt::PostCtrlEvent(p.comset, ids::COM_BAUD, rt::EVENT_COMMIT);
  Click(p.comset, ids::COM_CHANGE_BAUD);
  ASSERT_EQ(Status(), "Baudrate-change OK!");
  ASSERT_TRUE(WaitFor(kPatienceMs / 1000.0, [&] {
    const std::string log = program_->simLog();
    return log.find("sensor baud=115200") != std::string::npos &&
           log.find("line baud=115200") != std::string::npos;
  })) << program_->simLog();

  When(program_->seen(8, 50), [main = p.main] { Press(main, ids::MAIN_STOP); });
  Click(p.main, ids::MAIN_RUN);
  EXPECT_EQ(Status(), "Data-Transfer Stopped!");
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_GE(rt::FindControl(p.main, ids::MAIN_ROLL_GRAPH)->strip.appends, 49);
}

std::vector<std::string> PortListLabels() {
  std::vector<std::string> labels;
  if (const rt::Control* list = rt::FindControl(Panels().comset, ids::COM_PORT_LIST))
    for (const rt::RingItem& item : list->items) labels.push_back(item.label);
  return labels;
}

bool ListHas(const std::string& label) {
  rt::ProcessSystemEvents();
  const auto labels = PortListLabels();
  return std::find(labels.begin(), labels.end(), label) != labels.end();
}

// A pseudo-terminal linked as COM7 beside the program while the settings panel
// is open shows up in its list, and goes when the link goes.
TEST_F(ModesOverPty, PortListFollowsALinkMadeAndRemovedWhileThePanelIsOpen) {
  ProgramBesideSim program;
  ASSERT_TRUE(program.started());
  rt::SetCtrlVal(Panels().main, ids::MAIN_CONNECT, 1);  // the toggle as a click leaves it
  rt::PostCtrlEvent(Panels().main, ids::MAIN_CONNECT, rt::EVENT_COMMIT);
  ASSERT_TRUE(WaitFor(2.0, [] {
    rt::ProcessSystemEvents();
    const rt::Panel* p = rt::FindPanel(Panels().comset);
    return p && p->visible;
  }));
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  const std::string pts = ptsname(master);
  const std::string link = program.dir().file("COM7");
  std::filesystem::create_symlink(pts, link);
  EXPECT_TRUE(WaitFor(3.0, [&] { return ListHas("7: COM7 (" + pts + ")"); }));
  std::filesystem::remove(link);
  EXPECT_TRUE(WaitFor(3.0, [&] { return !ListHas("7: COM7 (" + pts + ")"); }));
  close(master);
  ShutDown();
}

}  // namespace
