// The program's own start-up, in process, with the Qt front end on the offscreen
// platform and the real serial backend talking to kavro-xb-sim through a
// pseudo-terminal: what the operator would read on the screen afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <filesystem>

#include "app/program.h"
#include "e2e/e2e_support.h"
#include "harness/screen_time.h"
#include "qt/front_end.h"
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
  ASSERT_FALSE(box->lines.empty());  // the model's lines are the identification tests'
  EXPECT_EQ(box->lines[0], "-------- KAVRO-XB-8 --------");
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

}  // namespace
