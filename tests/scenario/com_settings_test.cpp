// The communication settings panel as the operator uses it: opening it with
// Connect, trying another port and rate, keeping them or going back, changing
// the sensor's own baud rate, and the list of the machine's ports.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "harness/scenario.h"
#include "in_process_port.h"
#include "link/line.h"
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
  ASSERT_EQ(LinePort(), 2);
  s_.click(comset(), ids::COM_DISCARD);
  EXPECT_EQ(LinePort(), 1);
  EXPECT_EQ(LineBaudIndex(), 1);
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

// Change baud rate to index 4: without an acknowledgement the old rate stays;
// acknowledged, the request carries 4 and both ends talk at 115200 afterwards.
TEST_F(ComSettings_, BaudChangeKeepsTheOldRateUntilTheSensorAcknowledges) {
  auto sensor = s_.attachSensor();
  ASSERT_TRUE(s_.startUp());
  openPanel();
  s_.enterValue(comset(), ids::COM_BAUD, 4);
  sensor->faults().noBaudAck = true;
  s_.click(comset(), ids::COM_CHANGE_BAUD);
  EXPECT_EQ(s_.status(), "Timeout: changing RS-232-baudrate...");
  EXPECT_EQ(sensor->baud(), 19200);
  sensor->clearLog();
  runForASecond();
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  const int cycles = Scenario::requestsSeen(*sensor, 8);
  EXPECT_GT(cycles, 15);
  EXPECT_LT(cycles, 40);

  sensor->faults().noBaudAck = false;
  s_.run(0.2);
  sensor->clearLog();
  s_.postClick(comset(), ids::COM_CHANGE_BAUD);
  s_.run(2.0);
  // The press wakes the line, the release asks for the new rate.
  ASSERT_EQ(Scenario::commandsSeen(*sensor), (std::vector<int>{0, 190}));
  EXPECT_EQ(sensor->log()[1].argument, 4);
  EXPECT_EQ(s_.status(), "Baudrate-change OK!");
  EXPECT_EQ(s_.text(comset(), ids::COM_MESSAGE), "Baudrate-change OK!");
  EXPECT_EQ(sensor->baud(), 115200);
  // The sensor answers only a line at its own rate, where a cycle takes about
  // 6.3 ms: far more than the 26 a second of 19200 baud.
  runForASecond();
  EXPECT_EQ(s_.status(), "Data-Transfer Stopped!");
  EXPECT_GT(Scenario::requestsSeen(*sensor, 8), 80);
}

// The machine's ports to pick from. The list follows an adapter plugged in
// while the panel is open and marks a port this user may not open; picking an
// adapter without a number gives it the lowest free one through a link the
// program makes, and TRY TO CONNECT and ACCEPT keep it.
TEST_F(ComSettings_, PickAPortFromTheListAndConnect) {
  rt::SerialPortInfo usb{"ttyUSB0", "/dev/ttyUSB0", "FT232R USB UART, FTDI"};
  usb.serialNumber = "A10K3Z9B";
  usb.stablePath = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3Z9B-if00-port0";
  rt::SerialPortInfo refused{"ttyACM0", "/dev/ttyACM0", "Arduino"};
  refused.access = rt::PortAccess::NoPermission;
  refused.group = "dialout";
  const rt::SerialPortInfo builtIn{"ttyS0", "/dev/ttyS0", ""};
  s_.setSerialPorts({builtIn, usb});
  s_.attachSensor();
  ASSERT_TRUE(s_.startUp());
  openPanel();
  const auto labels = [&] {
    std::vector<std::string> out;
    for (const rt::RingItem& item : s_.control(comset(), ids::COM_PORT_LIST).items)
      out.push_back(item.label);
    return out;
  };
  s_.setSerialPorts({builtIn, usb, refused});
  s_.run(2.0);
  EXPECT_EQ(labels(),
            (std::vector<std::string>{"Pick a port ...", "1: ttyS0",
                                      "-: ttyUSB0 (FT232R USB UART, FTDI, serial A10K3Z9B)",
                                      "-: ttyACM0 (Arduino) - no permission"}));
  EXPECT_NE(s_.text(comset(), ids::COM_PORT_HINT).find("group 'dialout'"), std::string::npos);

  s_.enterValue(comset(), ids::COM_PORT_LIST, 2);  // the adapter
  EXPECT_EQ(s_.value(comset(), ids::COM_PORT), 2);
  EXPECT_EQ(std::filesystem::read_symlink(s_.projectPath("COM2")), usb.stablePath);
  EXPECT_EQ(labels()[2], "2: ttyUSB0 (FT232R USB UART, FTDI, serial A10K3Z9B)");
  EXPECT_EQ(s_.value(comset(), ids::COM_PORT_LIST), 2);  // still the one picked
  s_.click(comset(), ids::COM_TRY);
  EXPECT_FALSE(s_.dimmed(comset(), ids::COM_ACCEPT));
  s_.click(comset(), ids::COM_ACCEPT);
  EXPECT_NE(s_.readProjectFile("XB-Scope.ini").find("COM Port = 2"), std::string::npos);

  // Pulled while the panel is shown again: gone within two seconds, its link
  // left behind still tells where port 2 leads.
  openPanel();
  s_.setSerialPorts({builtIn});
  s_.run(2.0);
  EXPECT_EQ(labels(), (std::vector<std::string>{"Pick a port ...", "1: ttyS0",
                                                "2: COM2 (" + usb.stablePath + ")"}));
}

}  // namespace
