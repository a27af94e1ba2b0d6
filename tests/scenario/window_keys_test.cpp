// The operator's keys on the main window: Ctrl+T for the trace of the line
// (file dialog, window title, --trace at start), Ctrl+S for a picture of the
// window, Ctrl+E for the shown graph's values as CSV, also while a loop runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "harness/scenario.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "ui/panel_ids.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> Fields(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
  return fields;
}

// The trace's lines for requests of run mode (command 8).
long MeasurementRequests(const std::string& trace) {
  const auto lines = Lines(trace);
  return std::count_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.find("\tPC>SENSOR\tMeasurement\t8\t") != std::string::npos;
  });
}

// A proposed name: the stem, the date and the time, the extension.
bool Stamped(const std::string& name, const std::string& stem, const std::string& extension) {
  const std::string shape = stem + "-0000-00-00-000000." + extension;
  if (name.size() != shape.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (shape[i] == '0' ? !std::isdigit(static_cast<unsigned char>(name[i])) : name[i] != shape[i])
      return false;
  return true;
}

struct Keys {
  Scenario s;
  Keys() {
    s.attachSensor();
    EXPECT_TRUE(s.startUp());
  }
  std::string title() const { return s.panel(s.main()).title; }
  // The keys with the file dialog answered.
  void press(const std::string& keys, const std::string& answer) {
    s.dialogs().answerFile(answer);
    s.pressKeys(s.main(), keys);
  }
  const PopupRecord& lastFileDialog() {
    const auto& popups = s.dialogs().popups();
    return *std::find_if(popups.rbegin(), popups.rend(),
                         [](const PopupRecord& p) { return p.kind == "file"; });
  }
};

TEST(WindowKeys, CtrlTStartsATraceInTheNamedFileAndStopsIt) {
  Keys k;
  k.press("Ctrl+T", "");  // cancelled
  k.press("Ctrl+T", k.s.projectPath("no-such-folder/line.trace"));
  EXPECT_EQ(k.title(), "KAVRO-XB-Scope");
  EXPECT_NE(k.s.dialogs().popups().back().text.find("no-such-folder/line.trace"),
            std::string::npos);
  const std::size_t statusTexts = k.s.statusHistory().size();
  k.press("Ctrl+T", k.s.projectPath("service.trace"));
  EXPECT_EQ(k.s.statusHistory().size(), statusTexts);  // the status line stays the line's
  const PopupRecord& dialog = k.lastFileDialog();
  EXPECT_EQ(dialog.request.defaultDirectory, k.s.projectDir());
  EXPECT_TRUE(Stamped(dialog.request.defaultName, "kavro-line", "trace"))
      << dialog.request.defaultName;
  EXPECT_TRUE(dialog.request.save);
  EXPECT_EQ(k.title(), "KAVRO-XB-Scope \u2014 trace: service.trace");
  k.s.at(k.s.now() + 0.5, [&] { k.s.postClick(k.s.main(), ids::MAIN_STOP); });
  k.s.click(k.s.main(), ids::MAIN_RUN);
  k.s.pressKeys(k.s.main(), "Ctrl+T");
  EXPECT_EQ(k.title(), "KAVRO-XB-Scope");
  const std::string trace = k.s.readProjectFile("service.trace");
  EXPECT_GT(MeasurementRequests(trace), 10);
  k.s.at(k.s.now() + 0.2, [&] { k.s.postClick(k.s.main(), ids::MAIN_STOP); });
  k.s.click(k.s.main(), ids::MAIN_RUN);
  EXPECT_EQ(k.s.readProjectFile("service.trace"), trace);  // stopped: nothing more written
}

// --trace at start: the connection sequence is in the file; a file that cannot
// be written is said in one line on stderr, and the program connects all the same.
TEST(WindowKeys, TraceFromTheCommandLineHoldsTheConnection) {
  for (const char* file : {"start.trace", "missing/start.trace"}) {
    Scenario s;
    s.attachSensor();
    CommandLine line;
    line.tracePath = s.projectPath(file);
    testing::internal::CaptureStderr();
    ASSERT_TRUE(s.startUp(line));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(s.status(), "KAVRO-XB-8 Firmware V3.18");
    if (std::string(file) == "start.trace") {
      EXPECT_EQ(said, "");
      EXPECT_EQ(s.panel(s.main()).title, "KAVRO-XB-Scope \u2014 trace: start.trace");
      // Every frame of the connection sequence in the order it crossed the line:
      // direction and command, after the header line.
      std::vector<std::string> seen;
      for (const std::string& l : Lines(s.readProjectFile(file)))
        if (l[0] != '#') seen.push_back(Fields(l, '\t')[1].substr(0, 2) + Fields(l, '\t')[2]);
      const std::vector<std::string> expected = {
          "PCDummy",        "PCEcho",         "SEEcho",        "PCFirmwareText", "SEFirmwareText",
          "PCHardwareInfo", "SEHardwareInfo", "PCReadParaRam", "SEReadParaRam",  "PCReadParaRam",
          "SEReadParaRam",  "PCVideoBlock",   "SEVideoBlock",  "PCVideoBlock",   "SEVideoBlock",
          "PCVideoBlock",   "SEVideoBlock",   "PCVideoBlock",  "SEVideoBlock"};
      EXPECT_EQ(seen, expected);
    } else {
      EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
      EXPECT_NE(said.find(line.tracePath), std::string::npos) << said;
      EXPECT_EQ(s.panel(s.main()).title, "KAVRO-XB-Scope");
    }
  }
}

TEST(WindowKeys, CtrlSSavesThePictureOfTheMainWindow) {
  Keys k;
  k.press("Ctrl+S", k.s.projectPath("window.png"));
  EXPECT_TRUE(Stamped(k.lastFileDialog().request.defaultName, "kavro-window", "png"));
  ASSERT_EQ(k.s.pictures().requests.size(), 1u);
  EXPECT_EQ(k.s.pictures().requests[0].panel, k.s.main());
  EXPECT_EQ(k.s.pictures().requests[0].path, k.s.projectPath("window.png"));
  k.s.pictures().writable = false;
  k.press("Ctrl+S", k.s.projectPath("window.png"));
  EXPECT_EQ(k.s.dialogs().popups().back().kind, "message");
  // An existing file is replaced only when the operator says so.
  k.s.writeProjectFile("roll.csv", "kept");
  k.s.dialogs().answerConfirm(false);
  k.press("Ctrl+E", k.s.projectPath("roll.csv"));
  EXPECT_EQ(k.s.readProjectFile("roll.csv"), "kept");
  k.s.dialogs().answerConfirm(true);
  k.press("Ctrl+E", k.s.projectPath("roll.csv"));
  EXPECT_EQ(Lines(k.s.readProjectFile("roll.csv")).size(), 101u);
}

TEST(WindowKeys, CtrlEInRunModeEndsItAndSavesTheRollGraph) {
  Keys k;
  const double start = k.s.now();
  k.s.dialogs().answerFile(k.s.projectPath("roll.csv"));
  k.s.at(start + 1.0, [&] { rt::PostPanelKeys(k.s.main(), "Ctrl+E"); });
  k.s.at(start + 3.0, [&] { k.s.postClick(k.s.main(), ids::MAIN_STOP); });
  k.s.click(k.s.main(), ids::MAIN_RUN);
  EXPECT_LT(k.s.now(), start + 1.5);  // ended by the key, not by Stop
  EXPECT_EQ(k.s.status(), "Data-Transfer Stopped!");
  EXPECT_TRUE(Stamped(k.lastFileDialog().request.defaultName, "kavro-roll", "csv"));
  const auto lines = Lines(k.s.readProjectFile("roll.csv"));
  ASSERT_EQ(lines.size(), 101u);
  EXPECT_EQ(lines[0],
            "sample,upper limit,lower limit,teach value,measured value,analogue high,"
            "analogue low");
  const auto last = Fields(lines[100], ',');
  ASSERT_EQ(last.size(), 7u);
  EXPECT_EQ(last[0], "100");
  EXPECT_EQ(std::stod(last[4]), k.s.value(k.s.main(), ids::MAIN_PIXEL_VALUE));
}

// The profile stays on the graph after video mode, and is saved as drawn.
TEST(WindowKeys, CtrlEAfterVideoModeSavesTheProfileWithItsThreshold) {
  Keys k;
  k.s.at(k.s.now() + 1.0, [&] { k.s.postClick(k.s.main(), ids::MAIN_STOP); });
  k.s.click(k.s.main(), ids::MAIN_VIDEO);
  k.press("Ctrl+E", k.s.projectPath("video.csv"));
  EXPECT_TRUE(Stamped(k.lastFileDialog().request.defaultName, "kavro-video", "csv"));
  const auto lines = Lines(k.s.readProjectFile("video.csv"));
  ASSERT_EQ(lines.size(), 257u);
  EXPECT_EQ(lines[0], "position,video signal,threshold");
  const rt::GraphData& graph = k.s.control(k.s.main(), ids::MAIN_VIDEO_GRAPH).graph;
  ASSERT_EQ(graph.plots.size(), 2u);
  for (int point : {0, 100, 255}) {
    const auto f = Fields(lines[point + 1], ',');
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(std::stod(f[0]), graph.plots[0].xs[point]);
    EXPECT_EQ(std::stod(f[1]), graph.plots[0].ys[point]);
    EXPECT_EQ(std::stod(f[2]), graph.plots[1].ys[point]);
  }
}

}  // namespace
