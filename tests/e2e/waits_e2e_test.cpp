// The real program while it waits: a termination signal while a pop-up is open,
// and a serial line that vanishes while the program is idle.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "e2e/e2e_support.h"

namespace {

const std::vector<std::string> kOffscreen = {"QT_QPA_PLATFORM=offscreen"};

struct ProgramDir {
  TempDir dir;
  std::string program = dir.file("kavro-xb-scope");
  ProgramDir() {
    CopyFile(KAVRO_PROGRAM, program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    CopyFile(std::string(KAVRO_BINARY_DIR) + "/KAVRO-XB-VevavA318.uir",
             dir.file("KAVRO-XB-VevavA318.uir"));
  }
};

bool SimSaw(const ProgramDir& d, int command) {
  for (int c : CommandsInSimLog(ReadFile(d.dir.file("sim.log"))))
    if (c == command) return true;
  return false;
}

// User plus system time the process has used, in seconds.
double CpuSecondsOf(pid_t pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  std::getline(in, line);
  std::istringstream fields(line.substr(line.rfind(')') + 2));
  std::string skip;
  for (int i = 3; i < 14; ++i) fields >> skip;  // state .. cmajflt
  long utime = 0, stime = 0;
  fields >> utime >> stime;
  return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

TEST(Waits, TerminationSignalClosesAnOpenPopUpAndTheProgram) {
  ProgramDir d;
  Child sim({KAVRO_SIM_PROGRAM, "--dir", d.dir.path(), "--port", "1", "--firmware-text",
             "KAVRO-RM-8 Firmware V3.18"},
            d.dir.file("sim.log"));
  ASSERT_TRUE(WaitFor(10, [&] { return std::filesystem::exists(d.dir.file("COM1")); }));
  Child program({d.program}, d.dir.file("program.log"), kOffscreen);
  // The firmware text is read, then the "Attention !!!" pop-up waits for the operator.
  ASSERT_TRUE(WaitFor(30, [&] { return SimSaw(d, 7); })) << ReadFile(d.dir.file("sim.log"));
  WaitFor(0.5, [] { return false; });
  ASSERT_TRUE(program.running());
  ASSERT_FALSE(std::filesystem::exists(d.dir.file("XB-Scope.ini")));

  program.signal(SIGTERM);
  EXPECT_EQ(program.wait(1.0), 0) << ReadFile(d.dir.file("program.log"));
  EXPECT_TRUE(std::filesystem::exists(d.dir.file("XB-Scope.ini")));
}

TEST(Waits, VanishedLineLeavesTheProgramIdleAndResponsive) {
  ProgramDir d;
  auto sim = std::make_unique<Child>(
      std::vector<std::string>{KAVRO_SIM_PROGRAM, "--dir", d.dir.path(), "--port", "1"},
      d.dir.file("sim.log"));
  ASSERT_TRUE(WaitFor(10, [&] { return std::filesystem::exists(d.dir.file("COM1")); }));
  Child program({d.program}, d.dir.file("program.log"), kOffscreen);
  // The connection ends with the four stored threshold blocks (command 9).
  ASSERT_TRUE(WaitFor(30, [&] {
    return CommandsInSimLog(ReadFile(d.dir.file("sim.log"))).size() >= 10;
  })) << ReadFile(d.dir.file("sim.log"));
  WaitFor(0.5, [] { return false; });

  sim.reset();  // killed: its pseudo-terminal hangs up under the program
  WaitFor(0.3, [] { return false; });
  ASSERT_TRUE(program.running());
  const double before = CpuSecondsOf(program.pid());
  WaitFor(1.0, [] { return false; });
  const double used = CpuSecondsOf(program.pid()) - before;
  EXPECT_LT(used, 0.2) << "the program spins on the vanished line";

  ASSERT_TRUE(program.running());
  program.signal(SIGTERM);
  EXPECT_EQ(program.wait(2.0), 0) << ReadFile(d.dir.file("program.log"));
  EXPECT_TRUE(std::filesystem::exists(d.dir.file("XB-Scope.ini")));
}

}  // namespace
