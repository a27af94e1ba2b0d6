// The command line of kavro-xb-scope: what the operator asked for, decided
// before any window opens.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
  bool run = true;  // false: print text and end with exitCode
  int exitCode = 0;
  std::string text;  // --help, --version, or the mistake and the usage
  // The options of a run follow here.
  std::string tracePath;  // --trace FILE: every frame on the line into FILE from the start
};

// args without the program's name; qtVersion is the Qt library the program
// runs with, for --version. An option not understood gives exit code 2.
CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& qtVersion);
