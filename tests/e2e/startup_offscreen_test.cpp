// The program's own start-up, in process, with the Qt front end on the offscreen
// platform and the real serial backend talking to kavro-xb-sim through a
// pseudo-terminal: what the operator would read on the screen afterwards.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>
#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/program.h"
#include "e2e/e2e_support.h"
#include "harness/screen_time.h"
#include "qt/front_end.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

// Qt comes up for this suite alone: the other end-to-end tests start the
// program as a child process and need no Qt of their own.
class StartUpOffscreen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(StartOffscreenFrontEnd()); }
  static void TearDownTestSuite() { qtfront::Shutdown(); }
};

std::string Text(int panel, int control) {
  std::string text;
  rt::GetCtrlVal(panel, control, &text);
  return text;
}

TEST_F(StartUpOffscreen, ConnectsToTheVirtualSensorThroughAPseudoTerminal) {
  ProgramBesideSim program({"--para0", "0=321", "--para0", "7=42"});
  ASSERT_TRUE(program.started());

  const PanelHandles& p = Panels();
  EXPECT_EQ(Text(p.main, ids::MAIN_STATUS), "KAVRO-XB-8 Firmware V3.18");
  const rt::Control* box = rt::FindControl(p.main, ids::MAIN_HWINFO);
  ASSERT_NE(box, nullptr);
  ASSERT_GE(box->lines.size(), 4u);
  EXPECT_EQ(box->lines[0], "-------- KAVRO-XB-8 --------");
  EXPECT_EQ(box->lines[1], "8192 subpixel - pixel-pitch = 0.975µm");
  EXPECT_EQ(box->lines[2], "working range = 7.9 mm");
  EXPECT_EQ(box->lines[3], "resolution    = +/- 1 µm");
  double power = 0, upper = 0;
  rt::GetCtrlVal(p.para2, ids::P2_POWER, &power);
  rt::GetCtrlVal(p.para1, ids::P1_TOL_UP, &upper);
  EXPECT_EQ(power, 321);
  EXPECT_EQ(upper, 42);

  // The window the operator sees.
  harness::LetTheScreenCatchUp();
  bool titled = false;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && w->windowTitle() == "KAVRO-XB-Scope") titled = true;
  EXPECT_TRUE(titled);

  EXPECT_EQ(CommandsInSimLog(program.simLog()), (std::vector<int>{0, 5, 7, 10, 2, 2, 9, 9, 9, 9}));
  ShutDown();
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
TEST_F(StartUpOffscreen, PortListFollowsALinkMadeAndRemovedWhileThePanelIsOpen) {
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
