// The command line of kavro-xb-scope.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

bool Has(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

TEST(CommandLine, NothingGivenStartsTheProgram) {
  const CommandLine line = ParseCommandLine({}, "6.4.2");
  EXPECT_TRUE(line.run);
  EXPECT_EQ(line.text, "");
}

TEST(CommandLine, HelpAndVersionPrintAndEndWithZero) {
  const CommandLine help = ParseCommandLine({"--help"}, "6.4.2");
  EXPECT_FALSE(help.run);
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(Has(help.text, "--version")) << help.text;
  EXPECT_TRUE(Has(help.text, "XB-Scope.ini")) << help.text;

  const CommandLine version = ParseCommandLine({"-V"}, "6.9.1");
  EXPECT_FALSE(version.run);
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_EQ(version.text,
            "KAVRO-XB-Scope Version 3.18, Build: 09/Sep/2014\n"
            "Sensor firmware accepted: V3.10 to V3.18\nQt 6.9.1\n");
}

TEST(CommandLine, TraceNamesItsFile) {
  EXPECT_EQ(ParseCommandLine({"--trace", "line.trace"}, "6.4.2").tracePath, "line.trace");
  EXPECT_EQ(ParseCommandLine({"--trace"}, "6.4.2").exitCode, 2);  // the file is needed
}

TEST(CommandLine, WhatIsNotUnderstoodGivesTheUsageAndTwo) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--bogus"}, {"COM1"}, {"-x"}}) {
    const CommandLine line = ParseCommandLine(args, "6.4.2");
    EXPECT_FALSE(line.run) << args[0];
    EXPECT_EQ(line.exitCode, 2) << args[0];
    EXPECT_TRUE(Has(line.text, args[0].substr(0, 7).c_str())) << line.text;
    EXPECT_TRUE(Has(line.text, "Usage:")) << line.text;
  }
}

}  // namespace
