// The program on the real clock with the real serial backend, against
// kavro-xb-sim over pseudo-terminals: how often an idle program with a
// connected sensor wakes up and how much of a core it takes, how late a 1.5 s
// time-out ends, and how soon after a reply's last byte the next request goes
// out, and the CPU the program takes once its line has vanished. Built, not run
// by ctest:  build/bench/bench_line [idle seconds [echo rounds]]
#include <stdlib.h>
#include <sys/resource.h>

#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/program.h"
#include "e2e/e2e_support.h"
#include "link/link_state.h"
#include "link/request.h"
#include "pty_relay.h"
#include "qt/front_end.h"
#include "qt/serial_qt_backend.h"
#include "runtime/clock.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/serial.h"
#include "ui/status_line.h"

namespace {

constexpr int kTimeoutRounds = 5;
int kEchoRounds = 500;

double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_THREAD, &u);  // the program's one thread, not the relay
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
}

const char* Verdict(bool met) {
  return met ? "met" : "MISSED";
}

// The outer event loop alone for a while, the sensor connected and quiet. The
// first second after start-up is left out: the window is drawn for the first
// time then, which is work, not idling.
void MeasureIdle(double seconds) {
  QTimer::singleShot(1000, [] { rt::QuitUserInterface(0); });
  rt::RunUserInterface();
  QTimer::singleShot(static_cast<int>(seconds * 1000), [] { rt::QuitUserInterface(0); });
  const long turns0 = rt::EventLoopTurns();
  const double cpu0 = CpuSeconds();
  const double t0 = rt::Timer();
  rt::RunUserInterface();
  const double wall = rt::Timer() - t0;
  const double wakeUps = static_cast<double>(rt::EventLoopTurns() - turns0) / wall;
  const double cpu = 100.0 * (CpuSeconds() - cpu0) / wall;
  std::printf("idle wake-ups          %8.1f /s     (target < 20: %s)\n", wakeUps,
              Verdict(wakeUps < 20));
  std::printf("idle CPU               %8.3f %%      (target < 0.5 %% of one core: %s)\n", cpu,
              Verdict(cpu < 0.5));
}

// Echo requests that nobody answers: how far past 1.5 s each wait ends.
void MeasureTimeouts(PtyRelay& relay) {
  relay.setMute(true);
  double worst = 0, sum = 0;
  for (int i = 0; i < kTimeoutRounds; ++i) {
    SendRequest({.command = Command::Echo});
    const double t0 = rt::Timer();
    AwaitReply(Await::Any, t0);
    const double late = rt::Timer() - (t0 + kReplyTimeout);
    worst = std::max(worst, late);
    sum += late;
  }
  relay.setMute(false);
  std::printf("time-out lateness      %8.3f ms     mean, worst %.3f ms (target < 10 ms: %s)\n",
              1000 * sum / kTimeoutRounds, 1000 * worst, Verdict(worst < 0.010));
}

// Echo after echo: the sensor's view of the pause between a reply and the
// next request.
void MeasureTurnaround(PtyRelay& relay, bool spin) {
  relay.setSpin(spin);
  relay.clearGaps();
  int answered = 0;
  for (int i = 0; i < kEchoRounds; ++i) {
    SendRequest({.command = Command::Echo});
    if (AwaitReply(Await::Any, rt::Timer())) ++answered;
  }
  std::vector<double> g = relay.gaps();
  if (g.empty()) {
    std::printf("reply-to-request       no requests seen\n");
    return;
  }
  std::sort(g.begin(), g.end());
  auto at = [&](double q) { return 1000 * g[static_cast<size_t>(q * (g.size() - 1))]; };
  relay.setSpin(false);
  std::printf("%s\n", spin ? "relay spinning (the program's delay alone):"
                           : "relay blocking (the program's and the relay's wake-up):");
  std::printf(
      "reply-to-request p99   %8.3f ms     p50 %.3f ms, max %.3f ms, %zu gaps, %d/%d "
      "answered (target < 1 ms: %s)\n",
      at(0.99), at(0.50), 1000 * g.back(), g.size(), answered, kEchoRounds,
      Verdict(at(0.99) < 1.0));
  std::printf("                       p90 %.3f ms, p95 %.3f ms, p98 %.3f ms\n", at(0.90), at(0.95),
              at(0.98));
}

// The line vanishes under the idle program: it says so and must not spin on
// the dead line (the end-to-end test only checks that it stays responsive).
void MeasureVanishedLine(PtyRelay& relay) {
  relay.hangUp();
  QTimer::singleShot(300, [] { rt::QuitUserInterface(0); });
  rt::RunUserInterface();
  QTimer::singleShot(1000, [] { rt::QuitUserInterface(0); });
  const long turns0 = rt::EventLoopTurns();
  const double cpu0 = CpuSeconds();
  const double t0 = rt::Timer();
  rt::RunUserInterface();
  const double wall = rt::Timer() - t0;
  const double cpu = 100.0 * (CpuSeconds() - cpu0) / wall;
  std::printf("vanished line: %s\n", StatusText().c_str());
  std::printf("vanished line CPU      %8.3f %%      %.1f wake-ups/s (target < 20 %%: %s)\n", cpu,
              static_cast<double>(rt::EventLoopTurns() - turns0) / wall, Verdict(cpu < 20));
}

}  // namespace

int main(int argc, char** argv) {
  const double idleSeconds = argc > 1 ? std::atof(argv[1]) : 5.0;
  if (argc > 2) kEchoRounds = std::atoi(argv[2]);
  setvbuf(stdout, nullptr, _IONBF, 0);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  TempDir sensorDir, programDir;
  CopyFile(KAVRO_RESOURCE_FILE, programDir.file("KAVRO-XB-VevavA318.uir"));
  Child sim({KAVRO_SIM_PROGRAM, "--dir", sensorDir.path(), "--port", "1", "--quiet"},
            sensorDir.file("sim.log"));
  if (!WaitFor(10, [&] { return std::filesystem::exists(sensorDir.file("COM1")); })) {
    std::fprintf(stderr, "kavro-xb-sim did not start\n");
    return 1;
  }
  PtyRelay relay;
  if (!relay.open(programDir.file("COM1"), sensorDir.file("COM1"))) return 1;
  relay.start();

  int qtArgc = 1;
  char name[] = "bench_line";
  char* qtArgv[] = {name, nullptr};
  if (!qtfront::Initialise(qtArgc, qtArgv)) return 1;
  rt::SetProjectDir(programDir.path());
  rt::SetPortBackendFactory([](int) { return rt::MakeQtPortBackend(); });
  RegisterAllCallbacks();
  if (!LoadAllPanels()) return 1;
  StartUp();

  std::printf("start-up: %s\n", StatusText().c_str());
  MeasureIdle(idleSeconds);
  MeasureTimeouts(relay);
  MeasureTurnaround(relay, false);
  MeasureTurnaround(relay, true);
  MeasureVanishedLine(relay);

  ShutDown();
  qtfront::Shutdown();
  relay.stop();
  return 0;
}
