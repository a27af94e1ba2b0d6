// The real program while it waits, in process with the Qt front end on the
// offscreen platform and the real serial backend, against kavro-xb-sim: a
// termination signal while a pop-up is open, the sensor program gone during run
// mode and during a recording, and a sensor babbling during run mode. (The CPU
// the program takes on a vanished line is a figure of bench_line.)
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QApplication>
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
  When([] { return QApplication::activeModalWidget() != nullptr; },
       [signalled] {
         *signalled = true;
         kill(getpid(), SIGTERM);
       });
  // Returns when start-up, pop-up included, is over.
  ProgramBesideSim program({"--firmware-text", "KAVRO-RM-8 Firmware V3.18"});
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(*signalled) << "no pop-up came up";
  const std::string settings = program.dir().file(kSettingsFileName);
  EXPECT_FALSE(std::filesystem::exists(settings));
  EXPECT_EQ(rt::RunUserInterface(), 0);
  EXPECT_TRUE(std::filesystem::exists(settings));
}

// The sensor program dies during run mode: its pseudo-terminal hangs up, the
// status line says so, and run mode ends with its time-out.
TEST_F(Waits, SensorGoneDuringRunModeEndsItWithTheTimeOut) {
  ProgramBesideSim program;
  ASSERT_TRUE(program.started());
  auto lostShown = std::make_shared<bool>(false);
  When(program.seen(8, 20), [&] { program.killSim(); });
  When([] { return Status() == "RS-232 line lost!"; }, [lostShown] { *lostShown = true; });
  Click(Panels().main, ids::MAIN_RUN);
  EXPECT_EQ(Status(), "Timeout RS232 Line!");
  EXPECT_TRUE(*lostShown);
}

// The sensor program dies during a recording: it ends with the time-out report
// and every sample the counter showed is a line in the file.
TEST_F(Waits, SensorGoneDuringARecordingKeepsEveryCountedSample) {
  ProgramBesideSim program;
  ASSERT_TRUE(program.started());
  const int rec = Panels().recorder;
  rt::SetCtrlVal(rec, ids::REC_SAMPLES, 32000);
  rt::SetCtrlVal(rec, ids::REC_INTERVAL, 0.1);
  auto counter = [rec] { return rt::FindControl(rec, ids::REC_COUNTER)->num; };
  When([&] { return counter() >= 5; }, [&] { program.killSim(); });
  Click(rec, ids::REC_START);
  EXPECT_EQ(Status(), "Data-Recorder error - rs232 timeout!");
  const std::string file = ReadFile(program.dir().file(kRecordFileName));
  EXPECT_EQ(std::count(file.begin(), file.end(), '\n') - 7, counter());
}

// The sensor babbles at the full line rate during run mode: Stop still ends it.
TEST_F(Waits, StopEndsRunModeWhileTheSensorBabbles) {
  ProgramBesideSim program;
  ASSERT_TRUE(program.started());
  When(program.seen(8, 20), [&] { program.signalSim(SIGUSR1); });
  When([&] { return program.simLog().find("babble on") != std::string::npos; },
       [] { Press(Panels().main, ids::MAIN_STOP); });
  Click(Panels().main, ids::MAIN_RUN);
  EXPECT_EQ(Status(), "Data-Transfer Stopped!");  // not the time-out's text
}

}  // namespace
