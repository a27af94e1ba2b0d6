// The real program as the operator starts it, against the virtual sensor on a
// pseudo-terminal, under Qt's offscreen platform.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>

#include "e2e/e2e_support.h"

namespace {

const std::vector<std::string> kOffscreen = {"QT_QPA_PLATFORM=offscreen"};

// The program looks for its resource file, settings file and COM links in its
// own directory, so each test runs a copy in a directory of its own.
struct ProgramDir {
  TempDir dir;
  std::string program = dir.file("kavro-xb-scope");
  ProgramDir(bool withResource = true) {
    CopyFile(KAVRO_PROGRAM, program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    if (withResource)
      CopyFile(std::string(KAVRO_BINARY_DIR) + "/KAVRO-XB-VevavA318.uir",
               dir.file("KAVRO-XB-VevavA318.uir"));
  }
};

TEST(Program, WithoutResourceFileEndsWithMinusOne) {
  ProgramDir d(false);
  Child program({d.program}, d.dir.file("program.log"), kOffscreen);
  EXPECT_EQ(program.wait(30), 255);
}

TEST(Program, StartsUpAgainstVirtualSensorAndClosesCleanly) {
  ProgramDir d;
  Child sim({KAVRO_SIM_PROGRAM, "--dir", d.dir.path(), "--port", "1"}, d.dir.file("sim.log"));
  ASSERT_TRUE(WaitFor(10, [&] { return std::filesystem::exists(d.dir.file("COM1")); }));
  Child program({d.program}, d.dir.file("program.log"), kOffscreen);
  const std::vector<int> expected = {0, 5, 7, 10, 2, 2, 9, 9, 9, 9};
  const bool allSeen = WaitFor(30, [&] {
    return CommandsInSimLog(ReadFile(d.dir.file("sim.log"))).size() >= expected.size();
  });
  EXPECT_TRUE(allSeen) << ReadFile(d.dir.file("sim.log"));
  EXPECT_EQ(CommandsInSimLog(ReadFile(d.dir.file("sim.log"))), expected);
  EXPECT_TRUE(program.running());
  program.signal(SIGTERM);
  EXPECT_EQ(program.wait(30), 0) << ReadFile(d.dir.file("program.log"));
}

TEST(Program, WithoutSensorStillReachesItsEventLoop) {
  ProgramDir d;  // no COM1 link: port 1 is the platform's first serial port or nothing
  Child program({d.program}, d.dir.file("program.log"), kOffscreen);
  // The event loop answers the close request only once it runs.
  WaitFor(3, [] { return false; });
  EXPECT_TRUE(program.running());
  program.signal(SIGTERM);
  EXPECT_EQ(program.wait(30), 0) << ReadFile(d.dir.file("program.log"));
}

}  // namespace
