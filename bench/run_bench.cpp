// How fast run mode and video mode go against kavro-xb-sim on a pseudo-terminal,
// in process with the real serial backend: the rate at 115200 baud against the
// line limit, the ceiling with a sensor that answers at once (headless and with
// the Qt front end drawing offscreen), and the CPU the program takes in run mode
// at 19200 baud, how evenly the data recorder spaces its samples at 0.1 s, what
// the line's trace costs run mode at 115200 baud, and run and video mode as a
// share of a minimal reference client's rate on the same line.
// Run: build/bench/bench_run_modes (takes about two minutes), or
// build/bench/bench_run_modes trace | reference (one of those figures alone).
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "bench/reference_client.h"
#include "e2e/e2e_support.h"
#include "link/trace.h"
#include "pty_round_trip.h"
#include "qt/front_end.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr double kSeconds = 5.0;
// 36 + 36 bytes at 10 bits a byte.
constexpr double kRunLineLimit = 115200.0 / 10 / 72;
// One measurement (72 bytes) and four blocks of 36 + 128 bytes.
constexpr double kVideoLineLimit = 115200.0 / 10 / (72 + 4 * 164);

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return u.ru_utime.tv_sec + u.ru_utime.tv_usec / 1e6 + u.ru_stime.tv_sec +
         u.ru_stime.tv_usec / 1e6;
}

double WallSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Times (sensor clock, seconds) at which the sensor received the given command.
std::vector<double> RequestTimes(const std::string& log, int command) {
  std::vector<double> times;
  std::istringstream in(log);
  std::string line;
  const std::string head = "rx cmd=" + std::to_string(command) + " ";
  while (std::getline(in, line)) {
    const auto t = line.find(" t=");
    if (line.rfind(head, 0) == 0 && t != std::string::npos)
      times.push_back(std::atof(line.c_str() + t + 3));
  }
  return times;
}

struct Spacing {
  long samples = 0;
  double meanError = 0;  // mean of (spacing - interval), seconds
  double worstError = 0;
  double wakeUps = 0;  // event-loop turns a second while recording
};

struct Outcome {
  double cyclesPerSecond = 0;
  double cpuShare = 0;  // of one core
};

// The program started on its own directory against a fresh sensor program.
class Session {
 public:
  // How the virtual sensor keeps time: paced to the line, paced and watching
  // the line without sleeping (so that its own wake-ups stay out of the
  // figures), or answering at once.
  enum class Sensor { Paced, PacedSpinning, Immediate };

  Session(int baudIndex, Sensor sensor)
      : program_(SimOptions(baudIndex, sensor), "[CONNECTION]\r\nCOM Port = 1\r\nBAUDRATE = " +
                                                    std::to_string(baudIndex) + "\r\n") {}

  // One mode for kSeconds; cycles counted by what reached the model.
  Outcome measure(int button) {
    const int main = Panels().main;
    QTimer::singleShot(static_cast<int>(kSeconds * 1000),
                       [main] { rt::PostCtrlEvent(main, ids::MAIN_STOP, rt::EVENT_LEFT_CLICK); });
    const int command = button == ids::MAIN_RUN ? 8 : 9;
    const long before = requests(command);
    const double cpu0 = CpuSeconds(), wall0 = WallSeconds();
    rt::PostCtrlEvent(main, button, rt::EVENT_LEFT_CLICK);
    rt::ProcessSystemEvents();
    rt::PostCtrlEvent(main, button, rt::EVENT_COMMIT);
    rt::ProcessSystemEvents();
    const double wall = WallSeconds() - wall0;
    const double perCycle = button == ids::MAIN_RUN ? 1 : 4;
    std::fprintf(stderr, "ended with: %s\n", StatusText().c_str());
    return {(requests(command) - before) / perCycle / wall, (CpuSeconds() - cpu0) / wall};
  }

  // The sensor's end of the line, for the reference client once the program
  // has let go of it.
  std::string releaseLine() {
    rt::CloseCom(1);
    return std::filesystem::read_symlink(program_.dir().file("COM1")).string();
  }

  // A timed recording of the given samples; the spacing of the sample requests
  // as the sensor saw them arrive.
  Spacing record(double interval, int samples) {
    std::filesystem::remove(program_.dir().file(kRecordFileName));  // no overwrite question
    const int rec = Panels().recorder;
    rt::SetCtrlVal(rec, ids::REC_RS232_MODE, 0);
    rt::SetCtrlVal(rec, ids::REC_SAMPLES, samples);
    rt::SetCtrlVal(rec, ids::REC_INTERVAL, interval);
    rt::PostCtrlEvent(rec, ids::REC_START, rt::EVENT_COMMIT);
    const long turns0 = rt::EventLoopTurns();
    const double wall0 = WallSeconds();
    rt::ProcessSystemEvents();
    Spacing out;
    out.wakeUps = static_cast<double>(rt::EventLoopTurns() - turns0) / (WallSeconds() - wall0);
    std::fprintf(stderr, "ended with: %s\n", StatusText().c_str());
    const std::vector<double> t = RequestTimes(program_.simLog(), 18);
    out.samples = static_cast<long>(t.size());
    if (t.size() < 2) return out;
    out.meanError = (t.back() - t.front()) / static_cast<double>(t.size() - 1) - interval;
    for (std::size_t i = 1; i < t.size(); ++i)
      out.worstError = std::max(out.worstError, std::fabs(t[i] - t[i - 1] - interval));
    return out;
  }

 private:
  // Requests the sensor received, from its log.
  long requests(int command) const {
    long n = 0;
    for (int c : CommandsInSimLog(program_.simLog())) n += c == command;
    return n;
  }
  static std::vector<std::string> SimOptions(int baudIndex, Sensor sensor) {
    std::vector<std::string> o = {"--baud-index", std::to_string(baudIndex), "--verbose"};
    if (sensor == Sensor::Immediate) o.push_back("--immediate");
    if (sensor == Sensor::PacedSpinning) o.push_back("--spin");
    return o;
  }
  ProgramBesideSim program_;
};

void Report(const char* what, double value, const char* unit, double limit) {
  if (limit > 0)
    std::printf("%-46s %10.1f %s  (%.1f %% of %.1f)\n", what, value, unit, 100 * value / limit,
                limit);
  else
    std::printf("%-46s %10.1f %s\n", what, value, unit);
}

// Run mode with the trace off and on, in turns (two rounds each), against a
// sensor that watches the line without sleeping.
void TraceCost() {
  const std::string file = (std::filesystem::temp_directory_path() /
                            ("bench-line-" + std::to_string(getpid()) + ".trace"))
                               .string();
  Session s(4, Session::Sensor::PacedSpinning);
  double off = 0, on = 0;
  for (int round = 0; round < 2; ++round) {
    off += s.measure(ids::MAIN_RUN).cyclesPerSecond / 2;
    if (!StartTrace(file)) std::printf("the trace file %s cannot be written\n", file.c_str());
    on += s.measure(ids::MAIN_RUN).cyclesPerSecond / 2;
    StopTrace();
  }
  std::printf("115200 baud, sensor watching the line, the line's trace:\n");
  Report("  run mode, trace off", off, "cycles/s", kRunLineLimit);
  Report("  run mode, trace on", on, "cycles/s", kRunLineLimit);
  Report("  trace on against off", 100 * on / off, "%", 0);
  std::filesystem::remove(file);
}

// The program's run and video mode against a minimal client doing the same wire
// steps on the same line and sensor, in the same run, three times.
void AgainstTheReferenceClient() {
  std::printf("115200 baud, sensor watching the line; program against the reference client:\n");
  for (int round = 1; round <= 3; ++round) {
    Session s(4, Session::Sensor::PacedSpinning);
    const double video = s.measure(ids::MAIN_VIDEO).cyclesPerSecond;
    const double run = s.measure(ids::MAIN_RUN).cyclesPerSecond;
    const std::string line = s.releaseLine();
    const double clientRun = ReferenceRunRate(line, kSeconds);
    const double clientVideo = ReferenceVideoRate(line, kSeconds);
    std::printf(
        "  round %d: run %.1f of %.1f cycles/s (%.1f %%), video %.2f of %.2f profiles/s "
        "(%.1f %%)\n",
        round, run, clientRun, 100 * run / clientRun, video, clientVideo,
        100 * video / clientVideo);
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string only = argc > 1 ? argv[1] : "";
  if (!qtfront::Initialise(argc, argv)) return 1;
  if (only == "trace" || only == "reference") {
    only == "trace" ? TraceCost() : AgainstTheReferenceClient();
    qtfront::Shutdown();
    return 0;
  }
  AgainstTheReferenceClient();
  {
    // The share of each cycle that the pseudo-terminal takes whatever the program does.
    const RoundTrip pty = MeasurePtyRoundTrip(1000, 0.003);
    const double cycle = 1.0 / kRunLineLimit;
    std::printf("pseudo-terminal alone, 36 bytes there and back (%d frames):\n", pty.frames);
    std::printf("%-46s %10.1f us  (p50 %.1f, p99 %.1f)\n", "  round trip, mean", 1e6 * pty.mean,
                1e6 * pty.p50, 1e6 * pty.p99);
    Report("  run mode at most, 115200 baud", 1.0 / (cycle + pty.mean), "cycles/s", kRunLineLimit);
  }
  using Sensor = Session::Sensor;
  {
    Session s(4, Sensor::PacedSpinning);
    std::printf("115200 baud, sensor paced to the line and watching it without sleeping:\n");
    Report("  video mode", s.measure(ids::MAIN_VIDEO).cyclesPerSecond, "profiles/s",
           kVideoLineLimit);
    Report("  run mode", s.measure(ids::MAIN_RUN).cyclesPerSecond, "cycles/s", kRunLineLimit);
  }
  {
    Session s(4, Sensor::Paced);
    std::printf("115200 baud, sensor paced to the line and sleeping between bytes:\n");
    Report("  video mode", s.measure(ids::MAIN_VIDEO).cyclesPerSecond, "profiles/s",
           kVideoLineLimit);
    Report("  run mode", s.measure(ids::MAIN_RUN).cyclesPerSecond, "cycles/s", kRunLineLimit);
    const Spacing r = s.record(0.1, 250);
    std::printf("%-46s %10ld samples\n", "recorder at 0.1 s, 115200 baud", r.samples);
    Report("  mean spacing error (spacing - 0.1 s)", 1000 * r.meanError, "ms", 0);
    Report("  worst spacing error (1 ms log resolution)", 1000 * r.worstError, "ms", 0);
    const Spacing slow = s.record(1.0, 3);
    Report("wake-ups while recording 1 s apart", slow.wakeUps, "/s", 0);
  }
  {
    Session s(1, Sensor::Paced);
    const Outcome o = s.measure(ids::MAIN_RUN);
    Report("run mode, 19200 baud, paced", o.cyclesPerSecond, "cycles/s", 19200.0 / 10 / 72);
    Report("CPU of the program at 19200 baud", 100 * o.cpuShare, "% of one core", 0);
  }
  TraceCost();
  {
    Session s(4, Sensor::Immediate);
    Report("run mode ceiling, drawing (offscreen)", s.measure(ids::MAIN_RUN).cyclesPerSecond,
           "cycles/s", 0);
    rt::SetUiObserver(nullptr);  // the model alone from here on
    Report("run mode ceiling, headless", s.measure(ids::MAIN_RUN).cyclesPerSecond, "cycles/s", 0);
  }
  qtfront::Shutdown();
  return 0;
}
