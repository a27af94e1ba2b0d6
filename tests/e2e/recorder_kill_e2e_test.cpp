// A recording cut off without warning: the program runs in a process of its
// own (the Qt front end on the offscreen platform, the real serial backend,
// kavro-xb-sim on a pseudo-terminal), records once every 0.1 s and is killed
// with SIGKILL. Every sample its counter showed must be in the record file.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTimer>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "app/program.h"
#include "e2e/e2e_support.h"
#include "qt/serial_qt_backend.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr int kHeaderLines = 7;
constexpr int kSamplesBeforeTheKill = 20;

// The program in this (forked) process: starts a recording of 32000 samples,
// 0.1 s apart, and writes every counter value it shows to reportFd. It never
// returns; the test ends it.
[[noreturn]] void RecordUntilKilled(const std::string& dir, int reportFd) {
  if (!StartOffscreenFrontEnd()) _exit(2);
  rt::SetProjectDir(dir);
  rt::SetPortBackendFactory([](int) { return rt::MakeQtPortBackend(); });
  RegisterAllCallbacks();
  if (!LoadAllPanels()) _exit(3);
  StartUp();
  const int rec = Panels().recorder;
  rt::SetCtrlVal(rec, ids::REC_SAMPLES, 32000);
  rt::SetCtrlVal(rec, ids::REC_INTERVAL, 0.1);
  // What the operator sees on the counter, looked at far more often than it changes.
  auto* watch = new QTimer;
  int shown = 0;
  QObject::connect(watch, &QTimer::timeout, [rec, reportFd, &shown] {
    int counter = 0;
    rt::GetCtrlVal(rec, ids::REC_COUNTER, &counter);
    if (counter == shown) return;
    shown = counter;
    if (write(reportFd, &counter, sizeof counter) != sizeof counter) _exit(5);
  });
  watch->start(1);
  rt::PostCtrlEvent(rec, ids::REC_START, rt::EVENT_COMMIT);
  rt::ProcessSystemEvents();
  _exit(4);  // the recording ended by itself
}

// The last counter value reported within seconds, or -1 when the pipe ended.
int ReadReport(int fd, double seconds, int last) {
  pollfd p{fd, POLLIN, 0};
  if (poll(&p, 1, static_cast<int>(seconds * 1000)) <= 0) return last;
  int value = 0;
  const ssize_t n = read(fd, &value, sizeof value);
  return n == sizeof value ? value : -1;
}

TEST(RecorderKilled, EveryCountedSampleIsInTheFile) {
  TempDir dir;
  CopyFile(KAVRO_RESOURCE_FILE, dir.file("KAVRO-XB-VevavA318.uir"));
  Child sim({KAVRO_SIM_PROGRAM, "--dir", dir.path(), "--port", "1"}, dir.file("sim.log"));
  ASSERT_TRUE(WaitFor(10, [&] { return std::filesystem::exists(dir.file("COM1")); }));
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const pid_t pid = fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    close(fds[0]);
    RecordUntilKilled(dir.path(), fds[1]);
  }
  close(fds[1]);
  int shown = 0;
  while (shown >= 0 && shown < kSamplesBeforeTheKill) {
    const int next = ReadReport(fds[0], 20.0, shown);
    if (next == shown) break;  // nothing for 20 s
    shown = next;
  }
  kill(pid, SIGKILL);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  // Values shown just before the kill, still in the pipe.
  for (int next = ReadReport(fds[0], 0, shown); next > shown; next = ReadReport(fds[0], 0, shown))
    shown = next;
  close(fds[0]);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the recording ended before the kill";
  ASSERT_GE(shown, kSamplesBeforeTheKill);

  std::istringstream file(ReadFile(dir.file(kRecordFileName)));
  int lines = 0;
  int records = 0;
  for (std::string line; std::getline(file, line); ++lines) {
    if (lines < kHeaderLines) continue;
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.back(), '\r') << "line " << lines << " is cut short";
    std::istringstream fields(line);
    long value = 0;
    int count = 0;
    while (fields >> value) ++count;
    EXPECT_EQ(count, 5) << line;
    ++records;
  }
  EXPECT_GE(records, shown);
  EXPECT_LE(records, shown + 1);  // one written whose count was not yet shown
}

}  // namespace
