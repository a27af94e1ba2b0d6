// The communication settings panel as the operator uses it: opening it with
// Connect, trying another port and rate, keeping them or going back, changing
// the sensor's own baud rate, the help boxes and the list of the machine's ports.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "connect/port_list.h"
#include "harness/scenario.h"
#include "in_process_port.h"
#include "link/link_state.h"
#include "link/run_state.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

class ComSettings_ : public ::testing::Test {
 protected:
  int comset() const { return s_.panels().comset; }
  int main() const { return s_.main(); }
  void openPanel() {
    s_.click(main(), ids::MAIN_CONNECT);
    ASSERT_TRUE(s_.panelVisible(comset()));
  }
  Scenario s_;
};

// A second sensor on port 2 that talks at 57600 baud.
class TwoSensors : public ComSettings_ {
 protected:
  void SetUp() override {
    sim::SensorConfig fast;
    fast.baudIndex = 3;
    fast.powerUpWords = {{1, 3, 3}};  // its PARA1 says so too
    first_ = std::make_shared<sim::SensorEngine>();
    second_ = std::make_shared<sim::SensorEngine>(fast);
    s_.setPortFactory(sim::MakeInProcessFactory({{1, first_}, {2, second_}}, -7));
    ASSERT_TRUE(s_.startUp());
    openPanel();
    s_.enterValue(comset(), ids::COM_PORT, 2);
    s_.enterValue(comset(), ids::COM_BAUD, 3);
    s_.click(comset(), ids::COM_TRY);
  }
  std::shared_ptr<sim::SensorEngine> first_, second_;
};

TEST_F(TwoSensors, TryReachesTheOtherSensorAndEnablesAccept) {
  EXPECT_EQ(Scenario::requestsSeen(*second_, 5), 1);
  EXPECT_EQ(Link().portNumber, 2);
  EXPECT_EQ(Link().baudIndex, 3);
  EXPECT_FALSE(s_.dimmed(comset(), ids::COM_ACCEPT));
  EXPECT_TRUE(s_.statusShown("Init RS-232-COM-Port ..."));
  EXPECT_EQ(s_.text(comset(), ids::COM_MESSAGE), second_->model().firmwareText);
  EXPECT_EQ(s_.value(main(), ids::MAIN_PORT), 2);
}

TEST_F(TwoSensors, DiscardRestoresFieldsAndLinkFromBeforeTheTry) {
  s_.click(comset(), ids::COM_DISCARD);
  EXPECT_EQ(Link().portNumber, 1);
  EXPECT_EQ(Link().baudIndex, 1);
  EXPECT_EQ(s_.value(comset(), ids::COM_PORT), 1);
  EXPECT_EQ(s_.value(comset(), ids::COM_BAUD), 1);
  EXPECT_FALSE(s_.panelVisible(comset()));
  EXPECT_EQ(s_.value(main(), ids::MAIN_CONNECT), 0);
  EXPECT_TRUE(s_.dimmed(comset(), ids::COM_ACCEPT));
}

TEST_F(TwoSensors, AcceptWritesTheFieldsToTheSettingsFileAtOnce) {
  s_.removeProjectFile(kSettingsFileName);
  s_.click(comset(), ids::COM_ACCEPT);
  const std::string file = s_.readProjectFile(kSettingsFileName);
  EXPECT_NE(file.find("COM Port = 2\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("BAUDRATE = 3\r\n"), std::string::npos) << file;
  EXPECT_FALSE(s_.panelVisible(comset()));
  EXPECT_EQ(s_.value(main(), ids::MAIN_CONNECT), 0);
  // The connection the try made is kept: run mode talks to the second sensor.
  first_->clearLog();
  s_.at(s_.now() + 1.0, [&] { s_.postClick(main(), ids::MAIN_STOP); });
  s_.click(main(), ids::MAIN_RUN);
  EXPECT_GT(Scenario::requestsSeen(*second_, 8), 20);
  EXPECT_TRUE(first_->log().empty());
}

TEST_F(ComSettings_, TryOnAPortThatDoesNotOpenKeepsAcceptDimmed) {
  s_.setPortFactory(sim::MakeInProcessFactory({{1, std::make_shared<sim::SensorEngine>()}}, -7));
  ASSERT_TRUE(s_.startUp());
  openPanel();
  s_.enterValue(comset(), ids::COM_PORT, 9);
  s_.click(comset(), ids::COM_TRY);
  EXPECT_EQ(s_.status(), "Cannot open port");
  EXPECT_EQ(s_.text(comset(), ids::COM_MESSAGE), "Cannot open port");
  EXPECT_TRUE(s_.dimmed(comset(), ids::COM_ACCEPT));
}

TEST_F(ComSettings_, ConnectWhileOnStaysOnAndKeepsThePanel) {
  s_.attachSensor();
  ASSERT_TRUE(s_.startUp());
  EXPECT_FALSE(s_.panelVisible(comset()));
  openPanel();
  EXPECT_EQ(s_.value(main(), ids::MAIN_CONNECT), 1);
  EXPECT_TRUE(s_.dimmed(comset(), ids::COM_ACCEPT));
  s_.click(main(), ids::MAIN_CONNECT);
  EXPECT_EQ(s_.value(main(), ids::MAIN_CONNECT), 1);
  EXPECT_TRUE(s_.panelVisible(comset()));
}

TEST_F(ComSettings_, ConnectPressedDuringRunModeEndsTheRun) {
  s_.attachSensor();
  ASSERT_TRUE(s_.startUp());
  s_.at(s_.now() + 1.0, [&] { s_.postClick(main(), ids::MAIN_CONNECT); });
  s_.click(main(), ids::MAIN_RUN);
  EXPECT_EQ(RunMode().stopFlag, kStopStopped);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  s_.run(0.2);
  EXPECT_TRUE(s_.panelVisible(comset()));
}

TEST_F(ComSettings_, FailedEchoAtStartUpOffersThePanelWithAcceptDimmed) {
  sim::SensorConfig c;
  c.faults.silent = true;
  s_.attachSensor(c);
  ASSERT_TRUE(s_.startUp());
  EXPECT_TRUE(s_.panelVisible(comset()));
  EXPECT_TRUE(s_.dimmed(comset(), ids::COM_ACCEPT));
  EXPECT_EQ(s_.value(main(), ids::MAIN_CONNECT), 1);
  EXPECT_NE(PortListControl(), 0);
}

TEST_F(ComSettings_, HelpBoxesOpenAtTheirPlacesAndToggle) {
  s_.attachSensor();
  ASSERT_TRUE(s_.startUp());
  openPanel();
  s_.rightClick(comset(), ids::COM_TRY);
  const rt::Control& box = s_.control(comset(), ids::COM_HELP);
  const rt::Control& tryButton = s_.control(comset(), ids::COM_TRY);
  EXPECT_TRUE(box.visible);
  EXPECT_EQ(box.left, tryButton.left + 15);
  EXPECT_EQ(box.top, tryButton.top - 65);
  EXPECT_EQ(s_.text(comset(), ids::COM_HELP),
            "TRY TO CONNECT BUTTON:\nOutputs a serial data-frame to sensor and\nwaiting for an "
            "echo! The data-frame is sent\nwith the preset baudrate and rs232port port number.");
  s_.rightClick(comset(), ids::COM_DISCARD);
  EXPECT_FALSE(s_.control(comset(), ids::COM_HELP).visible);
  EXPECT_EQ(s_.control(comset(), ids::COM_HELP).left,
            s_.control(comset(), ids::COM_DISCARD).left - 200);
  s_.click(comset(), ids::COM_TRY);  // Accept answers once a try has connected
  s_.rightClick(comset(), ids::COM_ACCEPT);
  EXPECT_TRUE(s_.control(comset(), ids::COM_HELP).visible);
  EXPECT_EQ(s_.control(comset(), ids::COM_HELP).left,
            s_.control(comset(), ids::COM_ACCEPT).left + 10);
  EXPECT_EQ(s_.control(comset(), ids::COM_HELP).top,
            s_.control(comset(), ids::COM_ACCEPT).top - 65);
  // Leaving the panel hides its box.
  s_.click(comset(), ids::COM_DISCARD);
  EXPECT_FALSE(s_.control(comset(), ids::COM_HELP).visible);

  s_.rightClick(main(), ids::MAIN_CONNECT);
  const rt::Control& toggle = s_.control(main(), ids::MAIN_CONNECT);
  EXPECT_TRUE(s_.visible(main(), ids::MAIN_HELP));
  EXPECT_EQ(s_.control(main(), ids::MAIN_HELP).left, toggle.left + toggle.width + 10);
  EXPECT_EQ(s_.control(main(), ids::MAIN_HELP).top, toggle.top - 60);
  EXPECT_EQ(s_.text(main(), ids::MAIN_HELP),
            "CONNECT-BUTTON:\nOpens a popup-window to preset some\nsettings for the serial rs232 "
            "data-transfer");
}

class BaudChange : public ComSettings_ {
 protected:
  void SetUp() override {
    sensor_ = s_.attachSensor();
    ASSERT_TRUE(s_.startUp());
    openPanel();
    s_.enterValue(comset(), ids::COM_BAUD, 4);
    sensor_->clearLog();
  }
  std::shared_ptr<sim::SensorEngine> sensor_;
};

TEST_F(BaudChange, ToIndexFourSendsFourAndTalksAt115200Afterwards) {
  s_.postClick(comset(), ids::COM_CHANGE_BAUD);
  s_.run(2.0);
  // The press wakes the line, the release asks for the new rate.
  ASSERT_EQ(Scenario::commandsSeen(*sensor_), (std::vector<int>{0, 190}));
  EXPECT_EQ(sensor_->log()[1].argument, 4);
  EXPECT_EQ(s_.status(), "Baudrate-change OK!");
  EXPECT_EQ(s_.text(comset(), ids::COM_MESSAGE), "Baudrate-change OK!");
  EXPECT_TRUE(s_.statusShown("Try to change baudrate..."));
  EXPECT_EQ(sensor_->baud(), 115200);
  EXPECT_EQ(Link().baudIndex, 4);
  // The sensor answers only a line at its new rate.
  s_.at(s_.now() + 1.0, [&] { s_.postClick(main(), ids::MAIN_STOP); });
  s_.click(main(), ids::MAIN_RUN);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  // At 115200 baud a cycle takes about 6.3 ms on the line: far more than the
  // 26 a second of 19200 baud.
  EXPECT_GT(Scenario::requestsSeen(*sensor_, 8), 80);
}

TEST_F(BaudChange, WithoutAnAcknowledgementTheOldRateStays) {
  sensor_->faults().noBaudAck = true;
  const double start = s_.now();
  s_.click(comset(), ids::COM_CHANGE_BAUD);
  EXPECT_GT(s_.now() - start, 1.5);
  EXPECT_EQ(s_.status(), "Timeout: changing RS-232-baudrate...");
  EXPECT_EQ(s_.text(comset(), ids::COM_MESSAGE), "Timeout: changing RS-232-baudrate...");
  EXPECT_EQ(sensor_->baud(), 19200);
  // The port still runs at 19200: the sensor keeps answering.
  s_.at(s_.now() + 1.0, [&] { s_.postClick(main(), ids::MAIN_STOP); });
  s_.click(main(), ids::MAIN_RUN);
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  const int cycles = Scenario::requestsSeen(*sensor_, 8);
  EXPECT_GT(cycles, 15);
  EXPECT_LT(cycles, 40);
}

TEST_F(ComSettings_, PortListShowsWhichNumberReachesWhichPortWhenThePanelOpens) {
  const std::string device = s_.projectPath("usb-adapter");
  std::ofstream(device).put('x');
  std::filesystem::create_symlink(device, s_.projectPath("COM3"));
  s_.setSerialPorts({{"ttyS0", "/dev/ttyS0", ""},
                     {"ttyUSB0", device, "FT232R USB UART"},
                     {"ttyUSB1", "/dev/ttyUSB1", "CP2102"}});
  s_.attachSensor();
  ASSERT_TRUE(s_.startUp());
  openPanel();
  const int list = PortListControl();
  ASSERT_NE(list, 0);
  const std::string text = s_.text(comset(), list);
  EXPECT_EQ(
      text,
      "1: ttyS0\n3: ttyUSB0 (FT232R USB UART)\n-: ttyUSB1 (CP2102) - link it as COM<n> besid...");
  // The whole of it is the port field's tooltip.
  EXPECT_EQ(s_.control(comset(), ids::COM_PORT).tooltip,
            "1: ttyS0\n3: ttyUSB0 (FT232R USB UART)\n"
            "-: ttyUSB1 (CP2102) - link it as COM<n> beside the program");
  // Shown again after an adapter was pulled: the list is read anew, and the
  // link it leaves behind still tells where port 3 leads.
  s_.click(comset(), ids::COM_DISCARD);
  s_.setSerialPorts({{"ttyS0", "/dev/ttyS0", ""}});
  openPanel();
  EXPECT_EQ(PortListControl(), list);
  EXPECT_EQ(s_.text(comset(), list), "1: ttyS0\n3: COM3 (" + device + ")");
}

}  // namespace
