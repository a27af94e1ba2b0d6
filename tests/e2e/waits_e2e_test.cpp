// The real program while it waits, in process with the Qt front end on the
// offscreen platform and the real serial backend, against kavro-xb-sim: a
// termination signal while a pop-up is open, and a serial line that vanishes
// under the idle program. (The CPU the program takes on a vanished line is a
// figure of bench_line.)
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/program.h"
#include "e2e/e2e_support.h"
#include "qt/front_end.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

// A step that has not seen what it waits for by then has failed.
constexpr double kPatience = 30.0;

std::string Status() {
  std::string text;
  rt::GetCtrlVal(Panels().main, ids::MAIN_STATUS, &text);
  return text;
}

// The event loop until check() holds; false when it does not within the patience.
bool RunUntil(const std::function<bool()>& check) {
  const double end = rt::Timer() + kPatience;
  while (!check()) {
    if (rt::Timer() > end) return false;
    rt::ProcessSystemEvents();
    rt::WaitForEvents(std::min(end, rt::Timer() + 0.05));
  }
  return true;
}

class Waits : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(StartOffscreenFrontEnd());
    rt::CloseOnTerminationSignals();
  }
  static void TearDownTestSuite() { qtfront::Shutdown(); }
};

// The firmware text turns the sensor away with the "Attention !!!" pop-up; a
// termination signal while it waits for the operator closes it as acknowledged
// and the program closes the normal way, settings file written.
TEST_F(Waits, TerminationSignalClosesAnOpenPopUpAndTheProgram) {
  auto signalled = std::make_shared<bool>(false);
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, signalled] {
    if (!QApplication::activeModalWidget()) return;
    timer->stop();
    timer->deleteLater();
    *signalled = true;
    kill(getpid(), SIGTERM);
  });
  timer->start(10);
  // Returns when start-up, pop-up included, is over.
  ProgramBesideSim program({"--firmware-text", "KAVRO-RM-8 Firmware V3.18"});
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(*signalled) << "no pop-up came up";
  const std::string settings = program.dir().file(kSettingsFileName);
  EXPECT_FALSE(std::filesystem::exists(settings));
  EXPECT_EQ(rt::RunUserInterface(), 0);
  EXPECT_TRUE(std::filesystem::exists(settings));
}

// The sensor's pseudo-terminal hangs up under the idle program: the status
// line says so, the program keeps running and the next Get ends with its
// usual time-out text.
TEST_F(Waits, VanishedLineIsReportedAndTheProgramStaysResponsive) {
  ProgramBesideSim program;
  ASSERT_TRUE(program.started());
  program.killSim();
  ASSERT_TRUE(RunUntil([] { return Status() == "RS-232 line lost!"; })) << Status();
  rt::PostCtrlEvent(Panels().main, ids::MAIN_GET, rt::EVENT_LEFT_CLICK);  // the press, then
  rt::ProcessSystemEvents();
  rt::PostCtrlEvent(Panels().main, ids::MAIN_GET, rt::EVENT_COMMIT);  // the release
  EXPECT_TRUE(RunUntil([] { return Status() == "Timeout-RS-232..."; })) << Status();
}

}  // namespace
