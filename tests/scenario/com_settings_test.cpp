// The communication settings panel as the operator uses it: opening it with
// Connect, trying another port and rate, keeping them or going back, changing
// the sensor's own baud rate, and the list of the machine's ports.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "connect/port_list.h"
#include "harness/scenario.h"
#include "in_process_port.h"
#include "link/link_state.h"
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
  // Run mode for a second of program time.
  void runForASecond() {
    s_.at(s_.now() + 1.0, [&] { s_.postClick(main(), ids::MAIN_STOP); });
    s_.click(main(), ids::MAIN_RUN);
  }
  Scenario s_;
};

// A second sensor on port 2 that talks at 57600 baud, tried from the panel.
class TriedOtherSensor : public ComSettings_ {
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
    EXPECT_TRUE(s_.dimmed(comset(), ids::COM_ACCEPT));
    s_.enterValue(comset(), ids::COM_PORT, 2);
    s_.enterValue(comset(), ids::COM_BAUD, 3);
    s_.click(comset(), ids::COM_TRY);
    ASSERT_EQ(s_.text(comset(), ids::COM_MESSAGE), second_->model().firmwareText);
    ASSERT_FALSE(s_.dimmed(comset(), ids::COM_ACCEPT));
  }
  std::shared_ptr<sim::SensorEngine> first_, second_;
};

TEST_F(TriedOtherSensor, DiscardRestoresFieldsAndLinkFromBeforeTheTry) {
  ASSERT_EQ(Link().portNumber, 2);
  s_.click(comset(), ids::COM_DISCARD);
  EXPECT_EQ(Link().portNumber, 1);
  EXPECT_EQ(Link().baudIndex, 1);
  EXPECT_EQ(s_.value(comset(), ids::COM_PORT), 1);
  EXPECT_EQ(s_.value(comset(), ids::COM_BAUD), 1);
  EXPECT_FALSE(s_.panelVisible(comset()));
  EXPECT_EQ(s_.value(main(), ids::MAIN_CONNECT), 0);
}

TEST_F(TriedOtherSensor, AcceptWritesTheFieldsToTheSettingsFileAndKeepsTheConnection) {
  s_.removeProjectFile(kSettingsFileName);
  s_.click(comset(), ids::COM_ACCEPT);
  const std::string file = s_.readProjectFile(kSettingsFileName);
  EXPECT_NE(file.find("COM Port = 2\r\nBAUDRATE = 3\r\n"), std::string::npos) << file;
  EXPECT_FALSE(s_.panelVisible(comset()));
  EXPECT_EQ(s_.value(main(), ids::MAIN_CONNECT), 0);
  first_->clearLog();
  runForASecond();
  EXPECT_GT(Scenario::requestsSeen(*second_, 8), 20);
  EXPECT_TRUE(first_->log().empty());
}

TEST_F(ComSettings_, ConnectEndsRunModeAndStaysOnWhenClickedAgain) {
  s_.attachSensor();
  ASSERT_TRUE(s_.startUp());
  s_.at(s_.now() + 1.0, [&] { s_.postClick(main(), ids::MAIN_CONNECT); });
  s_.click(main(), ids::MAIN_RUN);  // returns when the press has ended the run
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  s_.run(0.2);
  ASSERT_TRUE(s_.panelVisible(comset()));
  s_.click(main(), ids::MAIN_CONNECT);
  EXPECT_EQ(s_.value(main(), ids::MAIN_CONNECT), 1);
  EXPECT_TRUE(s_.panelVisible(comset()));
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
  EXPECT_EQ(sensor_->baud(), 115200);
  // The sensor answers only a line at its own rate, where a cycle takes about
  // 6.3 ms: far more than the 26 a second of 19200 baud.
  runForASecond();
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_GT(Scenario::requestsSeen(*sensor_, 8), 80);
}

TEST_F(BaudChange, WithoutAnAcknowledgementTheOldRateStays) {
  sensor_->faults().noBaudAck = true;
  s_.click(comset(), ids::COM_CHANGE_BAUD);
  EXPECT_EQ(s_.status(), "Timeout: changing RS-232-baudrate...");
  EXPECT_EQ(sensor_->baud(), 19200);
  runForASecond();
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
  EXPECT_EQ(s_.text(comset(), list),
            "1: ttyS0\n3: ttyUSB0 (FT232R USB UART)\n-: ttyUSB1 (CP2102) - link it as COM<n> "
            "besid...");
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
