// Faults in every loop that owns the line, as one table of loops and faults
// and one test body: the line vanishes mid-loop (and comes back later), the
// sensor babbles at the full line rate, the operator closes the main window,
// or SIGTERM arrives. Each loop ends the way the operator knows, no wait
// outlives its 1.5 s, a program on a dead line sleeps, and every sample the
// recorder counted is in its file.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "harness/scenario.h"
#include "link/link_state.h"
#include "link/trace.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

using Prepare = std::function<void(Scenario&, sim::SensorEngine&)>;
using P = PanelHandles;

struct Loop {
  const char* name;
  Prepare prepare;       // what the operator sets up before
  int P::*panel;         // the panel of its buttons
  int start;             // the button that runs it
  int stop;              // the button that stops it; 0 where it has none
  const char* lostText;  // the status line when it ended on a vanished line
  double faultAt;        // seconds into the loop
};

// 32000 samples 0.1 s apart: asked for (mode 0), or sent by the sensor every 0.2 s (mode 1).
Prepare Recording(int mode) {
  return [mode](Scenario& s, sim::SensorEngine& sensor) {
    s.click(s.main(), ids::MAIN_TOGG_RECORDER);
    rt::SetCtrlVal(s.panels().recorder, ids::REC_SAMPLES, 32000);
    rt::SetCtrlVal(s.panels().recorder, ids::REC_INTERVAL, 0.1);
    rt::SetCtrlVal(s.panels().recorder, ids::REC_RS232_MODE, mode);
    sensor.setTriggerPeriod(mode == 1 ? 0.2 : 0, s.now());
  };
}

// The service code shows the upload button; the file holds a whole table.
void Upload(Scenario& s, sim::SensorEngine&) {
  s.enterValue(s.panels().recorder, ids::REC_INTERVAL, 8642);
  std::string table;
  for (int i = 0; i < 2048; ++i) table += "7\r\n";
  s.writeProjectFile("XF-LINEAR.DAT", table);
  s.dialogs().answerFile(s.projectPath("XF-LINEAR.DAT"));
}

void BaudTo115200(Scenario& s, sim::SensorEngine&) {
  s.click(s.main(), ids::MAIN_CONNECT);
  s.enterValue(s.panels().comset, ids::COM_BAUD, 4);
}

void Eeprom(Scenario& s, sim::SensorEngine&) {
  s.click(s.main(), ids::MAIN_EEPROM);
}

void AutoThreshold(Scenario& s, sim::SensorEngine&) {
  s.enterValue(s.panels().para2, ids::P2_VTHD_MODE, 1);
  s.dialogs().answerConfirm(true);
}

// clang-format off
const Loop kLoops[] = {
  {"RunMode", {}, &P::main, ids::MAIN_RUN, ids::MAIN_STOP, "Timeout RS232 Line!", 0.5},
  {"VideoMode", {}, &P::main, ids::MAIN_VIDEO, ids::MAIN_STOP, "Timeout RS232 Line!", 0.5},
  {"TimedRecording", Recording(0), &P::recorder, ids::REC_START, ids::REC_STOP,
   "Data-Recorder error - rs232 timeout!", 0.5},
  {"TriggeredRecording", Recording(1), &P::recorder, ids::REC_START, ids::REC_STOP,
   "Data-Recorder stopped!", 0.5},
  {"LinearisationUpload", Upload, &P::calib, ids::CAL_WRITE_XFLASH, 0, "Timeout-RS-232...", 0.5},
  {"BaudRateChange", BaudTo115200, &P::comset, ids::COM_CHANGE_BAUD, 0,
   "Timeout: changing RS-232-baudrate...", 0.02},
  {"SendToRam", {}, &P::main, ids::MAIN_SEND, 0, "Timeout-RS-232...", 0.02},
  {"SendToEeprom", Eeprom, &P::main, ids::MAIN_SEND, 0, "Timeout-RS-232...", 0.02},
  {"GetFromRam", {}, &P::main, ids::MAIN_GET, 0, "Timeout-RS-232...", 0.02},
  {"GetFromEeprom", Eeprom, &P::main, ids::MAIN_GET, 0, "Timeout-RS-232...", 0.02},
  {"Teach", {}, &P::para2, ids::P2_TEACH, 0, "Timeout RS232-Line!", 0.02},
  {"ThresholdSave", AutoThreshold, &P::para2, ids::P2_SAVE_THD, 0,
   "Timeout-RS-232 while reading 64 data-words!", 0.02},
};
// clang-format on

// When the program wrote each request, as its service trace tells.
std::vector<double> RequestTimes(const std::string& trace, double traceStart) {
  std::vector<double> times;
  std::istringstream in(trace);
  for (std::string line; std::getline(in, line);)
    if (line.find("PC>SENSOR") != std::string::npos)
      times.push_back(traceStart + std::stod(line) / 1000.0);
  return times;
}

// Every sample the recorder counted is a line below the seven of the file's header.
void ExpectEveryCountedSampleInTheFile(const Scenario& s) {
  const std::string file = s.readProjectFile(kRecordFileName);
  const long lines = std::count(file.begin(), file.end(), '\n');
  EXPECT_EQ(s.value(s.panels().recorder, ids::REC_COUNTER), std::max(0L, lines - 7));
}

class LoopFaults : public ::testing::TestWithParam<std::tuple<int, std::string>> {};

TEST_P(LoopFaults, LoopEndsAsTheOperatorKnowsIt) {
  const Loop& loop = kLoops[std::get<0>(GetParam())];
  const std::string& fault = std::get<1>(GetParam());
  Scenario s;
  auto sensor = s.attachSensor();
  ASSERT_TRUE(s.startUp());
  if (loop.prepare) loop.prepare(s, *sensor);
  s.removeProjectFile(kSettingsFileName);
  if (fault == "Sigterm") rt::CloseOnTerminationSignals();
  const int panel = s.panels().*loop.panel;
  const double start = s.now(), faultAt = start + loop.faultAt;
  ASSERT_TRUE(StartTrace(s.projectPath("line.trace")));
  double ended = -1, stopAt = -1;
  long turnsAtFault = 0;
  s.at(faultAt, [&] {
    ExpectEveryCountedSampleInTheFile(s);  // each one on disk as soon as it was counted
    turnsAtFault = rt::EventLoopTurns();
    sensor->faults().lineLost = fault == "LineVanishes";
    sensor->faults().babble = fault == "Babble";
    if (fault == "Close") rt::PostPanelEvent(s.main(), rt::EVENT_CLOSE);
    if (fault == "Sigterm") std::raise(SIGTERM);
  });
  if (loop.stop != 0) {  // soon into the babble; on a dead line where no time-out ends the loop
    stopAt = faultAt + (fault == "Babble" ? 0.3 : 3.0);
    s.at(stopAt, [&] {
      if (ended < 0) s.postClick(panel, loop.stop);
    });
  }
  s.click(panel, loop.start);  // returns when the loop has ended
  ended = s.now();
  StopTrace();
  ASSERT_GT(ended, faultAt) << "the loop was over before the fault";
  ExpectEveryCountedSampleInTheFile(s);
  const auto sent = RequestTimes(s.readProjectFile("line.trace"), start);

  if (fault == "Close" || fault == "Sigterm") {  // after the close handler's 0.2 s
    EXPECT_TRUE(s.quitRequested());
    EXPECT_GE(ended - faultAt, 0.2 - 1e-9);
    EXPECT_LE(ended - faultAt, 1.0);
    EXPECT_TRUE(s.fileExists(kSettingsFileName));
    s.shutDown();
    EXPECT_TRUE(rt::PanelHandles().empty());
    return;
  }
  EXPECT_FALSE(s.quitRequested());
  for (int c : {ids::MAIN_RUN, ids::MAIN_VIDEO, ids::MAIN_GET}) EXPECT_FALSE(s.dimmed(s.main(), c));
  if (fault == "Babble") {
    ASSERT_FALSE(sent.empty());
    EXPECT_LE(ended - (loop.stop != 0 ? stopAt : sent.back()), 0.2);
    s.run(2.0);  // babbling on at the idle program: its input queue stays one frame
    EXPECT_LE(rt::GetInQLen(Link().portNumber), 36);
    return;
  }
  EXPECT_EQ(s.status(), loop.lostText);
  const auto& shown = s.statusHistory();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), "RS-232 line lost!"), 1);
  for (const sim::RequestRecord& r : sensor->log()) EXPECT_LE(r.time, faultAt);
  // Each time-out came 1.5 s after the request it waited for (not the one
  // written at once after it), to the 10 ms.
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const double t = s.statusTimes()[i];
    if (t < faultAt || shown[i].find("imeout") == std::string::npos) continue;
    const auto next = std::lower_bound(sent.begin(), sent.end(), t - 1e-4);
    ASSERT_NE(next, sent.begin()) << shown[i];
    EXPECT_GT(t - *std::prev(next), 1.5 - 1e-5) << shown[i];
    EXPECT_LE(t - *std::prev(next), 1.51) << shown[i];
  }
  // No wait polls the dead line, and the idle program sleeps on it.
  EXPECT_LT(rt::EventLoopTurns() - turnsAtFault, 100 * (ended - faultAt) + 10);
  const long idle = rt::EventLoopTurns();
  s.run(10.0);
  EXPECT_LT(rt::EventLoopTurns() - idle, 20);
  // The line back: CONNECT, TRY TO CONNECT find the sensor again.
  sensor->faults().lineLost = false;
  s.click(s.main(), ids::MAIN_CONNECT);
  s.click(s.panels().comset, ids::COM_TRY);
  EXPECT_FALSE(s.dimmed(s.panels().comset, ids::COM_ACCEPT));
}

// SIGTERM during the waits of start-up, before the window is up: each wait
// still sleeps to its time-out, and the window closes as soon as it is shown.
TEST(StartUpFaults, SigtermWaitsForTheWindow) {
  Scenario s;
  s.attachSensor()->faults().silent = true;
  rt::CloseOnTerminationSignals();
  s.at(0.1, [] { std::raise(SIGTERM); });
  const long turns = rt::EventLoopTurns();
  ASSERT_TRUE(s.startUp());
  EXPECT_LT(rt::EventLoopTurns() - turns, 100);
  s.run(1.0);  // the event loop
  EXPECT_TRUE(s.quitRequested());
}

INSTANTIATE_TEST_SUITE_P(
    EveryLoop, LoopFaults,
    ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(kLoops))),
                       ::testing::Values("LineVanishes", "Babble", "Close", "Sigterm")),
    [](const auto& info) {
      return kLoops[std::get<0>(info.param)].name + ("_" + std::get<1>(info.param));
    });

}  // namespace
