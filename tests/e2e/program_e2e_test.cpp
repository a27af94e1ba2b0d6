// The real program as the operator starts it, as a process of its own under
// Qt's offscreen platform: without a sensor it still reaches its event loop and
// a termination signal closes it the normal way. (Start-up against the sensor
// is the in-process start-up test's; a missing resource file the resource error
// test's.)
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
  ProgramDir() {
    CopyFile(KAVRO_PROGRAM, program);
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    CopyFile(std::string(KAVRO_BINARY_DIR) + "/KAVRO-XB-VevavA318.uir",
             dir.file("KAVRO-XB-VevavA318.uir"));
  }
};

TEST(Program, WithoutSensorStillReachesItsEventLoopAndSavesItsSettings) {
  ProgramDir d;
  // COM1 leads nowhere: the port does not open and nothing is sent.
  std::filesystem::create_symlink(d.dir.file("no-such-device"), d.dir.file("COM1"));
  Child program({d.program}, d.dir.file("program.log"), kOffscreen);
  // Ready for the close request once the termination signals are caught: a request that comes
  // during start-up is answered as soon as the main window is up.
  ASSERT_TRUE(WaitFor(30, [&] { return program.catches(SIGTERM) || !program.running(); }));
  EXPECT_TRUE(program.running()) << ReadFile(d.dir.file("program.log"));
  program.signal(SIGTERM);
  EXPECT_EQ(program.wait(30), 0) << ReadFile(d.dir.file("program.log"));
  // Closing the main window writes the settings file: the event loop took the request.
  const std::string settings = ReadFile(d.dir.file("XB-Scope.ini"));
  EXPECT_NE(settings.find("COM Port = 1"), std::string::npos) << settings;
}

}  // namespace
