#include "app/command_line.h"

#include <CLI/CLI.hpp>
#include <cstdio>

#include "app/program_version.h"
#include "connect/connection.h"

namespace {

constexpr const char* kName = "kavro-xb-scope";
constexpr int kUsageError = 2;

constexpr const char* kAbout =
    "kavro-xb-scope: sets up and watches a KAVRO-XB laser through-beam line sensor\n"
    "on an RS-232 line.\n";

constexpr const char* kFiles =
    R"(The serial port, the baud rate and the window are kept in XB-Scope.ini: beside
the program when it runs from its build folder, otherwise in
$XDG_CONFIG_HOME/kavro-xb-scope (else ~/.config/kavro-xb-scope). Port number n
opens the device that the link COM<n> in that folder points to, else
/dev/ttyS<n-1>.
)";

// Options that end the program at once set their flag; options of a run go
// straight into the CommandLine, one declaration each.
void Declare(CLI::App& app, CommandLine& line, bool& version) {
  app.footer(kFiles);
  app.get_formatter()->column_width(16);
  app.set_help_flag("-h,--help", "print this text and exit");
  app.add_flag("-V,--version", version,
               "print the version, the sensor firmware accepted and Qt's version, and exit");
  app.add_option("--trace", line.tracePath,
                 "write every frame on the line to FILE, from the start (Ctrl+T on the main "
                 "window starts and stops a trace too)")
      ->type_name("FILE");
}

// Firmware versions come as version x 100: 318 is V3.18.
std::string FirmwareName(int version) {
  char text[16];
  std::snprintf(text, sizeof text, "V%d.%02d", version / 100, version % 100);
  return text;
}

std::string VersionText(const std::string& qtVersion) {
  return std::string(kProgramTitle) + " " + kVersionText + ", " + kBuildText +
         "\nSensor firmware accepted: " + FirmwareName(kOldestFirmware) + " to " +
         FirmwareName(kNewestFirmware) + "\nQt " + qtVersion + "\n";
}

// The program ends at once with the code, printing the text.
CommandLine Ended(int exitCode, std::string text) {
  CommandLine line;
  line.run = false;
  line.exitCode = exitCode;
  line.text = std::move(text);
  return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, const std::string& qtVersion) {
  CommandLine line;
  bool version = false;
  CLI::App app(kAbout, kName);
  Declare(app, line, version);
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // the order CLI11 takes
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    return Ended(0, app.help());
  } catch (const CLI::ParseError& e) {
    return Ended(kUsageError, std::string(kName) + ": " + e.what() + "\n\n" + app.help());
  }
  if (version) return Ended(0, VersionText(qtVersion));
  return line;
}
