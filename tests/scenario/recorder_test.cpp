// The data recorder as the operator and the sensor see it: the record file,
// the counter and time display, the status box and status line, timed and
// triggered sampling, Stop, a silent line and the record-file questions.
#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "harness/scenario.h"
#include "link/run_state.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr int kHeaderLines = 7;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

class Recorder_ : public ::testing::Test {
 protected:
  void start(sim::SensorConfig config = {}) {
    sensor_ = s_.attachSensor(config);
    ASSERT_TRUE(s_.startUp());
    s_.click(s_.main(), ids::MAIN_TOGG_RECORDER);
    ASSERT_TRUE(s_.panelVisible(rec()));
    sensor_->clearLog();
  }
  int rec() const { return s_.panels().recorder; }
  void setUp(int samples, double interval) {
    s_.enterValue(rec(), ids::REC_SAMPLES, samples);
    s_.enterValue(rec(), ids::REC_INTERVAL, interval);
  }
  void record() { s_.click(rec(), ids::REC_START); }
  // Stop pressed at program time t (released a moment later).
  void stopAt(double t) {
    s_.at(t, [this] { s_.postClick(rec(), ids::REC_STOP); });
  }
  std::vector<std::string> file() const { return Lines(s_.readProjectFile(kRecordFileName)); }
  std::vector<std::string> records() const {
    const auto all = file();
    if (all.size() <= kHeaderLines) return {};
    return {all.begin() + kHeaderLines, all.end()};
  }
  std::vector<double> requestTimes(int command) const {
    std::vector<double> times;
    for (const auto& r : sensor_->log())
      if (r.command == command) times.push_back(r.time);
    return times;
  }
  std::string box() const { return s_.text(rec(), ids::REC_STATUS_BOX); }
  int boxAttr(int attr) const {
    int v = 0;
    rt::GetCtrlAttribute(rec(), ids::REC_STATUS_BOX, attr, &v);
    return v;
  }
  void expectDuration(long d, long h, long m, long sec) const {
    EXPECT_EQ(s_.value(rec(), ids::REC_DAYS), d);
    EXPECT_EQ(s_.value(rec(), ids::REC_HOURS), h);
    EXPECT_EQ(s_.value(rec(), ids::REC_MINUTES), m);
    EXPECT_EQ(s_.value(rec(), ids::REC_SECONDS), sec);
  }
  void expectButtonsGivenBack() const {
    EXPECT_FALSE(s_.dimmed(s_.main(), ids::MAIN_RUN));
    EXPECT_FALSE(s_.dimmed(s_.main(), ids::MAIN_VIDEO));
    EXPECT_FALSE(s_.dimmed(s_.panels().para2, ids::P2_TEACH));
    EXPECT_FALSE(s_.dimmed(rec(), ids::REC_START));
  }

  Scenario s_;
  std::shared_ptr<sim::SensorEngine> sensor_;
};

// On a German desktop, which writes a decimal comma: the record file keeps its points.
TEST_F(Recorder_, OneSampleGivesTheHeaderOneLineAndTheCompletedReport) {
  const std::string savedLocale = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "run scripts/install-deps.sh";
  start();
  setUp(1, 0.1);
  Params().umSlope = 1024 * 5 / 2;
  Params().umOffset = 32767 + 1500;
  bool dimmedWhileRecording = false;
  s_.at(s_.now() + 0.05, [&] {
    dimmedWhileRecording =
        s_.dimmed(s_.main(), ids::MAIN_RUN) && s_.dimmed(s_.main(), ids::MAIN_VIDEO) &&
        s_.dimmed(s_.panels().para2, ids::P2_TEACH) && s_.dimmed(rec(), ids::REC_START) &&
        boxAttr(rt::ATTR_TEXT_BGCOLOR) == rt::MakeColor(0, 128, 0) &&
        boxAttr(rt::ATTR_TEXT_COLOR) == rt::MakeColor(255, 255, 255) &&
        boxAttr(rt::ATTR_TEXT_BOLD) == 1;
  });
  record();
  std::setlocale(LC_ALL, savedLocale.c_str());
  EXPECT_TRUE(dimmedWhileRecording);
  const auto lines = file();
  ASSERT_EQ(lines.size(), kHeaderLines + 1u);
  EXPECT_EQ(lines[0].size(), 16u);  // "Date:\t" and MM-DD-YYYY
  EXPECT_EQ(lines[0].rfind("Date:\t", 0), 0u);
  EXPECT_EQ(lines[1].size(), 14u);  // "Time:\t" and HH:MM:SS
  EXPECT_EQ(lines[1].rfind("Time:\t", 0), 0u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + kHeaderLines),
            (std::vector<std::string>{
                "Time-Increment[s]:\t0.1", "Number of Samples:\t1", "Offset-Value [\xB5m]:\t1500",
                "Slope-Value [\xB5m/pixel]:\t2.5", "M-VALUE\tE-LEFT\tE-RIGHT\tEDGES\tM-VAL[um]"}));
  EXPECT_EQ(s_.readProjectFile(kRecordFileName).find('\n'), 16u + 1);  // CR LF line ends
  // The line holds what the sensor sent, also shown on the main panel.
  const MeasurementState& m = Measurement();
  const sim::Measurement& sent = sensor_->lastMeasurement();
  EXPECT_EQ(m.mValue, sent.mValue);
  EXPECT_EQ(m.micrometre, sent.micrometre);
  EXPECT_EQ(lines[7], std::to_string(sent.mValue) + "\t" + std::to_string(sent.eLeft) + "\t" +
                          std::to_string(sent.eRight) + "\t" + std::to_string(sent.edges) + "\t" +
                          std::to_string(sent.micrometre));
  EXPECT_EQ(requestTimes(18).size(), 1u);
  EXPECT_EQ(box(), "DATA-RECORDER COMPLETED!");
  EXPECT_EQ(boxAttr(rt::ATTR_TEXT_BGCOLOR), rt::MakeColor(224, 224, 224));
  EXPECT_EQ(boxAttr(rt::ATTR_TEXT_COLOR), rt::MakeColor(0, 0, 255));
  EXPECT_EQ(boxAttr(rt::ATTR_TEXT_BOLD), 0);
  EXPECT_TRUE(s_.statusShown("Data-Recorder active!   Sample: 1"));
  EXPECT_EQ(s_.status(), "Data-Recorder completed successfully!");
  EXPECT_EQ(s_.value(rec(), ids::REC_COUNTER), 1);
  EXPECT_EQ(RunMode().stopFlag, kStopRecorderDone);
  EXPECT_FALSE(s_.dimmed(rec(), ids::REC_COUNTER));
  EXPECT_FALSE(s_.text(rec(), ids::REC_START_TIME).empty());
  expectButtonsGivenBack();
}

// Each interval starts when the loop finds a sample due: the request and its
// answer fall inside the next interval instead of stretching it.
TEST_F(Recorder_, TimedSamplesAreOneIntervalApartAndTheClockShowsTheElapsedTime) {
  start();
  setUp(4, 0.5);
  const double begin = s_.now();
  record();
  ASSERT_EQ(records().size(), 4u);
  const auto times = requestTimes(18);
  ASSERT_EQ(times.size(), 4u);
  EXPECT_GE(times[0] - begin, 0.5);
  for (std::size_t i = 1; i < times.size(); ++i) {
    EXPECT_GE(times[i] - times[i - 1], 0.5 - 1e-9);
    EXPECT_LT(times[i] - times[i - 1], 0.505);
  }
  EXPECT_EQ(s_.value(rec(), ids::REC_COUNTER), 4);
  expectDuration(0, 0, 0, 2);  // last sample at about 2.04 s
  for (int i = 1; i <= 4; ++i)
    EXPECT_TRUE(s_.statusShown("Data-Recorder active!   Sample: " + std::to_string(i)));
}

TEST_F(Recorder_, SamplesAndIntervalShowThePlannedDurationBelowTheirLimitsAndTheirHelp) {
  start();
  s_.enterValue(rec(), ids::REC_SAMPLES, 100);  // 100 x 1.0 s
  expectDuration(0, 0, 1, 40);
  s_.enterValue(rec(), ids::REC_SAMPLES, 32000);  // at the limit: not shown
  expectDuration(0, 0, 1, 40);
  s_.enterValue(rec(), ids::REC_INTERVAL, 0.1);  // 32000 x 0.1 s
  expectDuration(0, 0, 53, 20);
  s_.enterValue(rec(), ids::REC_INTERVAL, 3600);  // at the limit: not shown
  expectDuration(0, 0, 53, 20);
  s_.enterValue(rec(), ids::REC_SAMPLES, 30);
  expectDuration(1, 6, 0, 0);
  // A right click on either field toggles its help.
  const std::string samples =
      "SAMPLES [MAX 32000]:\nSpecify the number of samples to \nbe recorded. \nMinimum: 1 sample "
      "\nMaximum: 32000 samples ";
  const std::string interval =
      "TIME-INTERVAL [0.1 ..3600] sec:\nSpecify time interval between two \nsingle "
      "recording-events.\nMinimum: 0.1 sec (fastest recording)\nMaximum: 3600 sec (store once "
      "per hour) ";
  auto helpText = [&] {
    const auto& lines = s_.control(s_.main(), ids::MAIN_HELP).lines;
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
    return text;
  };
  s_.rightClick(rec(), ids::REC_SAMPLES);
  EXPECT_TRUE(s_.visible(s_.main(), ids::MAIN_HELP));
  EXPECT_EQ(helpText(), samples);
  s_.rightClick(rec(), ids::REC_INTERVAL);  // hides the box, with the new text in it
  EXPECT_FALSE(s_.visible(s_.main(), ids::MAIN_HELP));
  EXPECT_EQ(helpText(), interval);
  s_.rightClick(rec(), ids::REC_INTERVAL);
  EXPECT_TRUE(s_.visible(s_.main(), ids::MAIN_HELP));
}

TEST_F(Recorder_, TriggeredRecordingTakesTheSensorsFramesAndStopsAfterThePanelsSamples) {
  sim::SensorConfig c;
  c.triggerPeriod = 0.35;
  start(c);
  setUp(3, 5.0);
  rt::SetCtrlVal(rec(), ids::REC_RS232_MODE, 1);
  std::string boxWhileWaiting;
  s_.at(s_.now() + 0.2, [&] { boxWhileWaiting = box(); });
  const double begin = s_.now();
  record();
  EXPECT_EQ(boxWhileWaiting, "WAITING FOR EXT.-TRIGGER ...");
  const auto lines = file();
  ASSERT_EQ(lines.size(), kHeaderLines + 3u);
  EXPECT_EQ(lines[2], "Time-Increment[s]:\t0.0");
  EXPECT_EQ(lines[3], "Number of Samples:\t32000");
  EXPECT_TRUE(requestTimes(18).empty());  // the sensor sets the pace
  EXPECT_EQ(box(), "DATA-RECORDER COMPLETED!");
  // Three triggers and at most one poll of 0.1 s after the last.
  EXPECT_LT(s_.now() - begin, 3 * 0.35 + 0.1 + 0.05);
}

TEST_F(Recorder_, StopDuringTheWaitStillRecordsTheAnswerThatComesAndMayComplete) {
  sim::SensorConfig c;
  c.faults.faultCommand = 18;
  c.faults.delay = 0.6;
  start(c);
  setUp(5, 1.0);
  stopAt(s_.now() + 1.2);  // the first request left at 1.0 s, its answer comes at 1.6 s
  record();
  EXPECT_EQ(records().size(), 1u);
  EXPECT_EQ(s_.value(rec(), ids::REC_COUNTER), 1);
  EXPECT_EQ(requestTimes(18).size(), 1u);
  EXPECT_EQ(box(), "DATA-RECORDER STOPPED!");
  EXPECT_EQ(boxAttr(rt::ATTR_TEXT_BGCOLOR), rt::MakeColor(255, 0, 0));
  EXPECT_EQ(boxAttr(rt::ATTR_TEXT_BOLD), 1);  // colour and weight stay
  EXPECT_EQ(s_.status(), "Data-Recorder stopped!");
  EXPECT_TRUE(s_.statusShown("Writing RS-232 dummy frame ok!"));
  EXPECT_EQ(requestTimes(0).size(), 1u);  // the dummy frame of the press
  expectButtonsGivenBack();
  // When that answer is the last sample, the recording is complete.
  s_.dialogs().answerConfirm(true);
  setUp(1, 1.0);
  stopAt(s_.now() + 1.2);
  record();
  EXPECT_EQ(records().size(), 1u);
  EXPECT_EQ(box(), "DATA-RECORDER COMPLETED!");
  EXPECT_EQ(s_.status(), "Data-Recorder completed successfully!");
}

// Stop pressed while the recorder waits for a sample that then does not come
// in time: the time-out report wins over the stop.
TEST_F(Recorder_, StopDuringAWaitThatRunsOutEndsWithTheTimeoutReportAndKeepsTheHeader) {
  sim::SensorConfig c;
  c.faults.faultCommand = 18;
  c.faults.delay = 2.0;  // the answer would come after the 1.5 s wait
  start(c);
  setUp(5, 0.5);
  const double begin = s_.now();
  stopAt(begin + 1.0);
  record();
  EXPECT_GT(s_.now() - begin, 0.5 + 1.5);
  // The press's dummy frame came after the sample request, inside its wait.
  ASSERT_EQ(Scenario::commandsSeen(*sensor_), (std::vector<int>{18, 0}));
  EXPECT_LT(sensor_->log()[1].time, sensor_->log()[0].time + 1.5);
  EXPECT_EQ(file().size(), static_cast<std::size_t>(kHeaderLines));
  EXPECT_EQ(s_.value(rec(), ids::REC_COUNTER), 0);
  EXPECT_TRUE(s_.statusShown("Timeout RS232-Line!"));
  EXPECT_EQ(box(), "DATA-REC. ERROR - TIMEOUT!");
  EXPECT_EQ(boxAttr(rt::ATTR_TEXT_BGCOLOR), rt::MakeColor(255, 0, 0));
  EXPECT_EQ(s_.status(), "Data-Recorder error - rs232 timeout!");
  EXPECT_EQ(RunMode().stopFlag, kStopRecorderTimeout);
  expectButtonsGivenBack();
}

TEST_F(Recorder_, MeasurementFrameInTimedModeIsNeitherRecordedNorAnError) {
  sim::SensorConfig c;
  c.faults.replyWord1[18] = 8;  // every sample answered as a measurement record
  start(c);
  setUp(3, 0.5);
  stopAt(s_.now() + 1.8);
  record();
  EXPECT_TRUE(records().empty());
  EXPECT_FALSE(s_.statusShown("Timeout RS232-Line!"));
  const auto times = requestTimes(18);
  ASSERT_EQ(times.size(), 3u);  // at 0.5, 1.0 and 1.5 s
  for (std::size_t i = 1; i < times.size(); ++i) EXPECT_GE(times[i] - times[i - 1], 0.5 - 1e-9);
  EXPECT_EQ(box(), "DATA-RECORDER STOPPED!");
}

TEST_F(Recorder_, ExistingRecordFileIsOnlyReplacedWhenTheOperatorSaysSo) {
  start();
  setUp(1, 0.1);
  s_.writeProjectFile(kRecordFileName, "old data\r\n");
  s_.dialogs().answerConfirm(false);
  record();
  EXPECT_EQ(s_.readProjectFile(kRecordFileName), "old data\r\n");
  EXPECT_TRUE(requestTimes(18).empty());
  EXPECT_EQ(box(), "DATA-RECORDER READY");
  ASSERT_FALSE(s_.dialogs().popups().empty());
  EXPECT_EQ(s_.dialogs().popups().back().title, "ATTENTION !");
  EXPECT_EQ(s_.dialogs().popups().back().text, "File already exist - overwrite ?");

  s_.dialogs().answerConfirm(true);
  record();
  const auto lines = file();
  ASSERT_EQ(lines.size(), kHeaderLines + 1u);
  EXPECT_EQ(lines[0].rfind("Date:\t", 0), 0u);
}

TEST_F(Recorder_, FileButtonAsksBeforeDeletingAnExistingFile) {
  start();
  const std::string original = App().recordPath;
  auto pathBox = [&] { return s_.control(rec(), ids::REC_PATH).lines; };
  const auto shownAtStart = pathBox();

  s_.dialogs().answerFile("");  // cancelled
  s_.click(rec(), ids::REC_FILE_BTN);
  EXPECT_EQ(App().recordPath, original);
  const auto& dialog = s_.dialogs().popups().back();
  EXPECT_EQ(dialog.title, "KAVRO-Series Recorder-File:");
  EXPECT_EQ(dialog.request.defaultName, "RECORD.DAT");

  s_.writeProjectFile("kept.dat", "x");
  s_.dialogs().answerFile(s_.projectPath("kept.dat"));
  s_.dialogs().answerConfirm(false);
  s_.click(rec(), ids::REC_FILE_BTN);
  EXPECT_EQ(App().recordPath, s_.projectPath("kept.dat"));
  EXPECT_TRUE(s_.fileExists("kept.dat"));
  EXPECT_EQ(pathBox(), shownAtStart);
  EXPECT_EQ(s_.dialogs().popups().back().title, "ATTENTION!");
  EXPECT_EQ(s_.dialogs().popups().back().text, "Output-File already exist! - Overwrite ?");

  s_.dialogs().answerFile(s_.projectPath("kept.dat"));
  s_.dialogs().answerConfirm(true);
  s_.click(rec(), ids::REC_FILE_BTN);
  EXPECT_FALSE(s_.fileExists("kept.dat"));
  EXPECT_EQ(pathBox(), std::vector<std::string>{s_.projectPath("kept.dat")});

  s_.dialogs().answerFile(s_.projectPath("new.dat"));
  s_.click(rec(), ids::REC_FILE_BTN);
  EXPECT_EQ(App().recordPath, s_.projectPath("new.dat"));
  EXPECT_EQ(pathBox(), std::vector<std::string>{s_.projectPath("new.dat")});
  setUp(1, 0.1);
  record();
  EXPECT_EQ(Lines(s_.readProjectFile("new.dat")).size(), kHeaderLines + 1u);
}

}  // namespace
