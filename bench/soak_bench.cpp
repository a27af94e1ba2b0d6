// A long run: a million run-mode cycles and ten thousand video profiles on the
// virtual clock against the in-process sensor, then run mode against
// kavro-xb-sim at 115200 baud on the real clock (ten minutes unless told
// otherwise). For each: resident memory after warming up and at the end, and
// the cycles that went wrong (a loop that ended by a time-out instead of Stop).
// Run: build/bench/bench_soak [real minutes [run-mode cycles]]
#include <unistd.h>

#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "e2e/e2e_support.h"
#include "harness/scenario.h"
#include "qt/front_end.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr const char* kStopped = "Data-Transfer Stopped!";

double ResidentMb() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

struct Soak {
  long cycles = 0;
  long wrong = 0;
  double before = 0;  // MB after the first chunk
  double after = 0;
};

void Print(const char* what, const Soak& s, const char* unit) {
  std::printf("%-40s %9ld %s, %ld went wrong; resident %.1f MB -> %.1f MB (%+.2f MB)\n", what,
              s.cycles, unit, s.wrong, s.before, s.after, s.after - s.before);
}

// Run or video mode in chunks of program time until count cycles (requests of
// command, perCycle a cycle) went to the sensor.
Soak OnTheVirtualClock(int button, int command, int perCycle, long count) {
  Scenario s;
  auto sensor = s.attachSensor();
  s.startUp();
  rt::SetUiObserver(nullptr);  // the harness would keep every status text: the program alone
  Soak out;
  constexpr double kChunk = 300.0;  // seconds of program time
  for (int chunk = 0; out.cycles < count; ++chunk) {
    s.at(s.now() + kChunk, [&] { s.postClick(s.main(), ids::MAIN_STOP); });
    s.click(s.main(), button);
    out.cycles += Scenario::requestsSeen(*sensor, command) / perCycle;
    out.wrong += s.status() != kStopped;
    sensor->clearLog();
    if (chunk == 0) out.before = ResidentMb();
  }
  out.after = ResidentMb();
  return out;
}

// Run mode against the sensor program, a minute at a time.
Soak AgainstTheSensorProgram(double minutes) {
  ProgramBesideSim program({"--baud-index", "4", "--verbose"},
                           "[CONNECTION]\r\nCOM Port = 1\r\nBAUDRATE = 4\r\n");
  Soak out;
  if (!program.started()) return out;
  const int main = Panels().main;
  for (int minute = 0; minute < minutes; ++minute) {
    QTimer::singleShot(60000,
                       [main] { rt::PostCtrlEvent(main, ids::MAIN_STOP, rt::EVENT_LEFT_CLICK); });
    rt::PostCtrlEvent(main, ids::MAIN_RUN, rt::EVENT_LEFT_CLICK);
    rt::ProcessSystemEvents();
    rt::PostCtrlEvent(main, ids::MAIN_RUN, rt::EVENT_COMMIT);
    rt::ProcessSystemEvents();
    out.wrong += StatusText() != kStopped;
    if (minute == 0) out.before = ResidentMb();
  }
  out.after = ResidentMb();  // before the sensor's log is read in
  for (int c : CommandsInSimLog(program.simLog())) out.cycles += c == 8;
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const double minutes = argc > 1 ? std::atof(argv[1]) : 10.0;
  const long runCycles = argc > 2 ? std::atol(argv[2]) : 1000000;
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  Print("run mode, virtual clock", OnTheVirtualClock(ids::MAIN_RUN, 8, 1, runCycles), "cycles");
  Print("video mode, virtual clock", OnTheVirtualClock(ids::MAIN_VIDEO, 9, 4, runCycles / 100),
        "profiles");
  if (!qtfront::Initialise(argc, argv)) return 1;
  Print("run mode, kavro-xb-sim 115200 baud", AgainstTheSensorProgram(minutes), "cycles");
  qtfront::Shutdown();
  return 0;
}
