// The transfer buttons as the operator and the sensor see them: target selection, sends and
// gets over the line, parameter files saved and loaded, and the Send/Get help.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/scenario.h"
#include "link/line.h"
#include "link/request.h"
#include "link/run_state.h"
#include "params/transfer_buttons.h"
#include "params/transfer_state.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/status_line.h"

namespace {

using Commands = std::vector<int>;

// One request frame on the line at the start-up rate of 19200 baud.
constexpr double kFrameLineTime = 36 * 10 / 19200.0;

void ExpectTarget(const Scenario& s, int target, int ram, int eeprom, int file) {
  EXPECT_EQ(Transfer().target, target);
  EXPECT_EQ(s.value(s.main(), ids::MAIN_RAM), ram);
  EXPECT_EQ(s.value(s.main(), ids::MAIN_EEPROM), eeprom);
  EXPECT_EQ(s.value(s.main(), ids::MAIN_FILE), file);
}

const PopupRecord* LastPopup(Scenario& s, const char* kind) {
  const auto& popups = s.dialogs().popups();
  for (auto it = popups.rbegin(); it != popups.rend(); ++it)
    if (it->kind == kind) return &*it;
  return nullptr;
}

// A complete parameter file in the program's own layout whose values all pass
// the display limits and fit the panel controls. um-Slope is 2^31, um-Offset
// 2^32 - 1.
const char kFullFile[] =
    "[PARA0]\r\nPower = 700\r\nPower-Mode = 0\r\nPolarity = 0\r\nEval-Mode = 2\r\n"
    "Eval-Begin = 10\r\nEval-End = 4000\r\nTeach-Value = 2000\r\nUpper-Tolerance = 50\r\n"
    "Lower-Tolerance = 60\r\nAverage = 8\r\nExt.Trigger-Mode = 2\r\nAnalog-Out-Mode = 3\r\n"
    "CCD-Operation-Mode = 1\r\nHardware-Mode = 2\r\nVideo-Thd-Mode = 1\r\n\r\n"
    "[PARA1]\r\nVideo-Thd-Fix = 45\r\nVideo-Thd-Auto = 75\r\nRS-232-Mode = 1\r\n"
    "RS-232-Baudrate = 2\r\nFilter-Type = 4\r\nAnalog-Zoom-Mode = 2\r\nInt.Trigger-Mode = 1\r\n"
    "Trigger-Pixel = 12\r\nDigital-Out-Mode = 1\r\nEdge-Hysteresis = 5\r\nPara11 = 77\r\n"
    "um-Slope = -2147483648\r\num-Offset = -1\r\n\r\n";

// The operator presses a button and lets it go a moment later: the mouse-down
// is handled before the commit arrives. (Posting both at once would let the
// commit run inside the event processing of the mouse-down handler.)
void PressAndRelease(Scenario& s, int panel, int control) {
  rt::PostCtrlEvent(panel, control, rt::EVENT_LEFT_CLICK);
  s.dispatch();
  rt::PostCtrlEvent(panel, control, rt::EVENT_COMMIT);
  s.dispatch();
}

class TransferOverLine : public ::testing::Test {
 protected:
  // Fault switches that count replies are set before start-up; set later they
  // would count the replies of start-up as well.
  void start(sim::SensorConfig config = {}) {
    sensor_ = s_.attachSensor(std::move(config));
    ASSERT_TRUE(s_.startUp());
    ASSERT_EQ(Hardware().hardwareType, 1);
  }
  void clickGet() { PressAndRelease(s_, s_.main(), ids::MAIN_GET); }
  void chooseFileTarget() {
    s_.click(s_.main(), ids::MAIN_FILE);
    ASSERT_EQ(Transfer().target, kTargetFile);
  }
  int para2() const { return s_.panels().para2; }

  Scenario s_;
  std::shared_ptr<sim::SensorEngine> sensor_;
};

TEST(TransferTarget, ButtonsActAsOneGroupAndTheActiveOneFallsBackToRam) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  ExpectTarget(s, kTargetRam, 1, 0, 0);
  s.click(s.main(), ids::MAIN_FILE);
  ExpectTarget(s, kTargetFile, 0, 0, 1);
  s.click(s.main(), ids::MAIN_FILE);  // the active one: back to RAM
  ExpectTarget(s, kTargetRam, 1, 0, 0);
  s.click(s.main(), ids::MAIN_EEPROM);
  ExpectTarget(s, kTargetEeprom, 0, 1, 0);
  s.click(s.main(), ids::MAIN_FILE);
  ExpectTarget(s, kTargetFile, 0, 0, 1);
  s.click(s.main(), ids::MAIN_EEPROM);
  s.click(s.main(), ids::MAIN_EEPROM);
  ExpectTarget(s, kTargetRam, 1, 0, 0);
  s.click(s.main(), ids::MAIN_RAM);  // RAM stays on
  ExpectTarget(s, kTargetRam, 1, 0, 0);
}

TEST_F(TransferOverLine, SendToEepromUsesCommandThreeForBothFramesATenthApart) {
  start();
  s_.click(s_.main(), ids::MAIN_EEPROM);
  rt::SetCtrlVal(para2(), ids::P2_POWER, 700);
  sensor_->clearLog();
  s_.click(s_.main(), ids::MAIN_SEND);
  const auto& log = sensor_->log();
  ASSERT_EQ(Scenario::commandsSeen(*sensor_), (Commands{3, 3}));
  EXPECT_EQ(log[0].argument, 0);
  EXPECT_EQ(log[1].argument, 1);
  // Between the arrivals: the acknowledgement of PARA0 on its way back, the
  // pause of 0.1 s, then PARA1 on its way out.
  const double apart = log[1].time - log[0].time;
  EXPECT_GE(apart, 0.1 + 2 * kFrameLineTime - 1e-9);
  EXPECT_LE(apart, 0.1 + 2 * kFrameLineTime + 0.005);
  EXPECT_EQ(sensor_->memory().frame(sim::Memory::kEeprom, 0)[sim::para0::kPower], 700);
  EXPECT_EQ(sensor_->memory().frame(sim::Memory::kRam, 0)[sim::para0::kPower], 500);
  for (const char* step : {"Transmit...", "Transmit para0 - Line Ok!", "Transmit para1 - Line Ok!"})
    EXPECT_TRUE(s_.statusShown(step)) << step;
  EXPECT_EQ(s_.status(), "Transmission successful - Line Ok!");
  EXPECT_EQ(s_.value(para2(), ids::P2_POWER), 700);
}

TEST_F(TransferOverLine, SendToRamGoesOnAfterATimeOutAndResumesARunningLoop) {
  sim::SensorConfig config;
  config.faults.faultCommand = 1;
  config.faults.dropNth = 1;  // PARA0 is not acknowledged
  start(config);
  sensor_->clearLog();
  RunMode().stopFlag = kStopRunning;
  s_.click(s_.main(), ids::MAIN_SEND);
  EXPECT_EQ(Scenario::commandsSeen(*sensor_), (Commands{1, 1}));
  EXPECT_TRUE(s_.statusShown("Timeout-RS-232..."));
  EXPECT_EQ(s_.status(), "Transmission successful - Line Ok!");
  EXPECT_TRUE(ReplyThatMeets(Await::Measurement));  // the run loop carries on with a fresh request
}

TEST_F(TransferOverLine, GetFromEepromWakesTheSensorThenReadsBothFramesAndRefreshes) {
  start();
  sensor_->memory().frame(sim::Memory::kEeprom, 0)[sim::para0::kPower] = 650;
  sensor_->memory().frame(sim::Memory::kEeprom, 0)[sim::para0::kTeachValue] = 1500;
  s_.click(s_.main(), ids::MAIN_EEPROM);
  sensor_->clearLog();
  RunMode().stopFlag = kStopRunning;
  clickGet();
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_EQ(Scenario::commandsSeen(*sensor_), (Commands{0, 4, 4}));
  EXPECT_EQ(sensor_->log()[1].argument, 0);
  EXPECT_EQ(sensor_->log()[2].argument, 1);
  EXPECT_EQ(s_.value(para2(), ids::P2_POWER), 650);
  EXPECT_EQ(s_.value(para2(), ids::P2_TEACH_VALUE), 1500);
  EXPECT_EQ(s_.status(), "Parameter-frame received! - Line Ok!");
}

TEST_F(TransferOverLine, GetWhosePara1TimesOutKeepsPara0AndLeavesThePanels) {
  // Replies to command 2: two at start-up, then PARA0 and PARA1 of this get.
  sim::SensorConfig config;
  config.faults.faultCommand = 2;
  config.faults.dropNth = 4;
  start(config);
  sensor_->memory().frame(sim::Memory::kRam, 0)[sim::para0::kPower] = 600;
  sensor_->memory().frame(sim::Memory::kRam, 1)[sim::para1::kVideoThdAuto] = 66;
  const std::uint16_t autoBefore = Params().para1[P1_VIDEO_THD_AUTO];
  sensor_->clearLog();
  clickGet();
  EXPECT_EQ(Scenario::commandsSeen(*sensor_), (Commands{0, 2, 2}));
  EXPECT_EQ(Params().para0[P0_POWER], 600);
  EXPECT_EQ(Params().para1[P1_VIDEO_THD_AUTO], autoBefore);
  EXPECT_EQ(s_.value(para2(), ids::P2_POWER), 500);  // not refreshed
  EXPECT_EQ(s_.status(), "Timeout-RS-232...");
}

TEST_F(TransferOverLine, SavingToANewFileWritesThePanelsWithoutAsking) {
  start();
  chooseFileTarget();
  rt::SetCtrlVal(para2(), ids::P2_POWER, 1000);
  sensor_->clearLog();
  s_.dialogs().answerFile(s_.projectPath("new.ini"));
  s_.click(s_.main(), ids::MAIN_SEND);
  const std::string saved = s_.readProjectFile("new.ini");
  EXPECT_EQ(saved.rfind("[PARA0]\r\nPower = 1000\r\nPower-Mode = 1\r\n", 0), 0u) << saved;
  EXPECT_EQ(LastPopup(s_, "confirm"), nullptr);
  EXPECT_EQ(s_.status(), kSavedToFile);
  EXPECT_TRUE(s_.statusShown("Transmit..."));
  EXPECT_TRUE(sensor_->log().empty());
  const PopupRecord* dialog = LastPopup(s_, "file");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->title, "KAVRO-XB-Series Parameter File");
  EXPECT_EQ(dialog->request.defaultName, "KAVRO-PARA.ini");
  EXPECT_EQ(dialog->request.defaultDirectory, s_.projectDir());
  EXPECT_EQ(dialog->request.filter, "*.ini");
  EXPECT_TRUE(dialog->request.save && dialog->request.restrictExtension);
}

TEST_F(TransferOverLine, OverwriteQuestionDecidesWhetherTheOldFileStays) {
  start();
  chooseFileTarget();
  const std::string old = "[PARA0]\r\nPower = 1\r\n";
  s_.writeProjectFile("old.ini", old);
  s_.dialogs().answerFile(s_.projectPath("old.ini"));
  s_.dialogs().answerConfirm(false);
  s_.click(s_.main(), ids::MAIN_SEND);
  EXPECT_EQ(s_.readProjectFile("old.ini"), old);
  EXPECT_EQ(s_.status(), kNotSavedToFile);
  const PopupRecord* question = LastPopup(s_, "confirm");
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(question->title, "ATTENTION!");
  EXPECT_EQ(question->text, "Parameter-File already exists - overwrite ?");

  s_.dialogs().answerFile(s_.projectPath("old.ini"));
  s_.dialogs().answerConfirm(true);
  s_.click(s_.main(), ids::MAIN_SEND);
  EXPECT_EQ(s_.readProjectFile("old.ini").rfind("[PARA0]\r\nPower = 500\r\n", 0), 0u);
  EXPECT_EQ(s_.status(), kSavedToFile);
}

TEST_F(TransferOverLine, CancelledDialogsTouchNoFile) {
  start();
  chooseFileTarget();
  rt::SetCtrlVal(para2(), ids::P2_POWER, 900);
  s_.dialogs().answerFile("");
  s_.click(s_.main(), ids::MAIN_SEND);
  EXPECT_EQ(s_.status(), kSavingToFileFailed);
  EXPECT_EQ(Params().para0[P0_POWER], 900);  // the panels were taken in all the same
  EXPECT_FALSE(s_.fileExists("KAVRO-PARA.ini"));

  s_.dialogs().answerFile("");
  clickGet();
  EXPECT_EQ(s_.status(), kNotReadFromFile);
  EXPECT_EQ(s_.value(para2(), ids::P2_POWER), 900);
  const PopupRecord* dialog = LastPopup(s_, "file");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->title, "KAVRO-XB-Series-Parameter-File");
  EXPECT_FALSE(dialog->request.save);
}

TEST_F(TransferOverLine, ReadingAFileSendsNothingAndShowsItAfterTheLimits) {
  start();
  chooseFileTarget();
  s_.writeProjectFile("p.ini", "[PARA0]\r\nPower = 70000\r\nTeach-Value = 1234\r\n");
  sensor_->clearLog();
  s_.dialogs().answerFile(s_.projectPath("p.ini"));
  clickGet();
  EXPECT_TRUE(sensor_->log().empty());  // not even the wake-up frame
  EXPECT_EQ(Params().para0[P0_POWER], 500);
  EXPECT_EQ(s_.value(para2(), ids::P2_POWER), 500);
  EXPECT_EQ(s_.value(para2(), ids::P2_TEACH_VALUE), 1234);
  EXPECT_EQ(s_.status(), kReadFromFile);
}

TEST_F(TransferOverLine, FileLoadedAndSavedAgainIsTheSameFileCalibrationAbove2To31) {
  start();
  chooseFileTarget();
  s_.writeProjectFile("in.ini", kFullFile);
  s_.dialogs().answerFile(s_.projectPath("in.ini"));
  clickGet();
  ASSERT_EQ(s_.status(), kReadFromFile);
  EXPECT_EQ(Params().umSlope, 0x80000000u);
  EXPECT_EQ(Params().umOffset, 0xFFFFFFFFu);
  EXPECT_DOUBLE_EQ(s_.value(s_.panels().calib, ids::CAL_SLOPE), 2097152.0);
  s_.dialogs().answerFile(s_.projectPath("out.ini"));
  s_.click(s_.main(), ids::MAIN_SEND);
  EXPECT_EQ(s_.readProjectFile("out.ini"), kFullFile);
}

TEST_F(TransferOverLine, FileForASensorOfAnotherTypeIsNotApplied) {
  start();
  chooseFileTarget();
  Hardware().hardwareType = 2;
  s_.writeProjectFile("p.ini", "[PARA0]\r\nPower = 300\r\n");
  rt::SetCtrlVal(para2(), ids::P2_POWER, 999);
  s_.dialogs().answerFile(s_.projectPath("p.ini"));
  clickGet();
  EXPECT_EQ(Params().para0[P0_POWER], 500);
  EXPECT_EQ(s_.value(para2(), ids::P2_POWER), 500);  // refreshed from the unchanged set
  EXPECT_EQ(s_.status(), kFileNotApplied);
  EXPECT_LE(std::string(kFileNotApplied).size(), kStatusTextMax);
}

TEST_F(TransferOverLine, RightClickHelpOfSendAndGetBesideTheButton) {
  start();
  const rt::Control& send = s_.control(s_.main(), ids::MAIN_SEND);
  const rt::Control& get = s_.control(s_.main(), ids::MAIN_GET);
  const rt::Control& box = s_.control(s_.main(), ids::MAIN_HELP);
  ASSERT_FALSE(box.visible);
  sensor_->clearLog();

  s_.rightClick(s_.main(), ids::MAIN_SEND);
  EXPECT_TRUE(box.visible);
  EXPECT_EQ(box.left, send.left + send.width + 20);
  EXPECT_EQ(box.top, send.top - 20);
  EXPECT_EQ(s_.text(s_.main(), ids::MAIN_HELP),
            "SEND-BUTTON:\nSend parameter-frame to EEPROM- or\nRAM-memory of the KAVRO-sensor!");

  s_.rightClick(s_.main(), ids::MAIN_GET);  // hides the box opened by Send
  EXPECT_FALSE(box.visible);
  s_.rightClick(s_.main(), ids::MAIN_GET);
  EXPECT_TRUE(box.visible);
  EXPECT_EQ(box.left, get.left + get.width + 20);
  EXPECT_EQ(box.top, get.top - 40);
  EXPECT_EQ(s_.text(s_.main(), ids::MAIN_HELP),
            "GET-BUTTON:\nGet parameter-frame of KAVRO sensor\nfrom EEPROM- or RAM-memory ...");
  EXPECT_FALSE(s_.control(s_.main(), ids::MAIN_HELP_LARGE).visible);
  EXPECT_TRUE(sensor_->log().empty());  // a right click on Get does not wake the sensor
}

}  // namespace
