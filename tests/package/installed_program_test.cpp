// The program as the Debian package installs it, unpacked into a scratch root
// (scripts/package.sh, run by ctest before these tests), started against the
// packaged kavro-xb-sim with its configuration folder in a scratch directory.
#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>

#include "e2e/e2e_support.h"

namespace {

namespace fs = std::filesystem;

const std::string kBin = std::string(KAVRO_PACKAGE_ROOT) + "/usr/bin/";

bool Has(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

TEST(InstalledProgram, CommandLineEndsWithZeroOrTwo) {
  TempDir d;
  Child version({kBin + "kavro-xb-scope", "--version"}, d.file("version.log"));
  EXPECT_EQ(version.wait(30), 0);
  EXPECT_TRUE(Has(ReadFile(d.file("version.log")), "Version 3.18"));
  Child wrong({kBin + "kavro-xb-scope", "--no-such-option"}, d.file("wrong.log"));
  EXPECT_EQ(wrong.wait(30), 2);
  EXPECT_TRUE(Has(ReadFile(d.file("wrong.log")), "Usage: kavro-xb-scope"));
}

// Its own folder holds no layout file and may not be written: the layout comes
// from share/kavro-xb-scope, the COM1 link and the settings file live in
// $XDG_CONFIG_HOME/kavro-xb-scope.
TEST(InstalledProgram, KeepsItsSettingsInTheConfigurationFolder) {
  TempDir d;
  const std::string config = d.file("config/kavro-xb-scope");
  fs::create_directories(config);
  Child sim({kBin + "kavro-xb-sim", "--dir", config, "--port", "1"}, d.file("sim.log"));
  ASSERT_TRUE(WaitFor(10, [&] { return fs::exists(config + "/COM1"); }));
  Child program({kBin + "kavro-xb-scope"}, d.file("program.log"),
                {"QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + d.file("config")});
  // The sensor hears the connection sequence up to the threshold curve.
  EXPECT_TRUE(WaitFor(30, [&] {
    return CommandsInSimLog(ReadFile(d.file("sim.log"))).size() >= 10;
  })) << ReadFile(d.file("program.log"));
  ASSERT_TRUE(WaitFor(30, [&] { return program.catches(SIGTERM) || !program.running(); }));
  program.signal(SIGTERM);
  EXPECT_EQ(program.wait(30), 0) << ReadFile(d.file("program.log"));
  const std::string settings = ReadFile(config + "/XB-Scope.ini");
  EXPECT_TRUE(Has(settings, "COM Port = 1")) << settings;
  EXPECT_TRUE(Has(settings, "Hardware-Type = 1")) << settings;  // identified over the line
  EXPECT_FALSE(fs::exists(kBin + "XB-Scope.ini"));
}

}  // namespace
