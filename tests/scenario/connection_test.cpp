// Start-up over a live line: port opening, echo check, firmware text, family and
// firmware checks, as the operator and the sensor see them.
#include <gtest/gtest.h>

#include <algorithm>

#include "harness/scenario.h"
#include "in_process_port.h"
#include "model_presets.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

using Commands = std::vector<int>;

sim::SensorConfig WithFirmwareText(const std::string& text, int version = 318) {
  sim::SensorConfig c;
  c.model = sim::MakeModelFromCodes(1, 80, version);
  c.model.firmwareText = text;
  return c;
}

sim::SensorConfig WithFirmwareVersion(int version) {
  return WithFirmwareText(sim::FirmwareText("KAVRO-XB-8", version), version);
}

bool LinkButtonsDimmed(const Scenario& s) {
  bool all = true;
  for (int c : {ids::MAIN_SEND, ids::MAIN_GET, ids::MAIN_VIDEO, ids::MAIN_RUN, ids::MAIN_RESET})
    all = all && s.dimmed(s.main(), c);
  return all && s.dimmed(s.panels().para2, ids::P2_TEACH);
}

int Count(const Commands& commands, int command) {
  return static_cast<int>(std::count(commands.begin(), commands.end(), command));
}

const PopupRecord* LastPopup(Scenario& s) {
  const auto& p = s.dialogs().popups();
  return p.empty() ? nullptr : &p.back();
}

TEST(Connection, StartUpReadsIdentityParametersAndThreshold) {
  Scenario s;
  auto sensor = s.attachSensor();
  sensor->memory().frame(sim::Memory::kRam, 0)[sim::para0::kPower] = 321;
  sensor->memory().frame(sim::Memory::kRam, 1)[sim::para1::kVideoThdAuto] = 55;
  ASSERT_TRUE(s.startUp());
  EXPECT_EQ(Scenario::commandsSeen(*sensor), (Commands{0, 5, 7, 10, 2, 2, 9, 9, 9, 9}));
  const auto& log = sensor->log();
  EXPECT_EQ(log[4].argument, 0);
  EXPECT_EQ(log[5].argument, 1);
  EXPECT_EQ(log[1].data[0], 500);  // the echo carries PARA0 as it stood
  for (int i = 0; i < 4; ++i) EXPECT_EQ(log[6 + i].argument, 64 * i);
  EXPECT_EQ(s.status(), sensor->model().firmwareText);
  EXPECT_EQ(s.text(s.panels().comset, ids::COM_MESSAGE), sensor->model().firmwareText);
  for (const char* step :
       {"RS232-Init successful!", "Writing RS-232 dummy frame ok!", "Echo Check - Line Ok!",
        "Waiting for firmware info ...", "Waiting for parameter-frame ...",
        "Parameter-frame received! - Line Ok!", "Waiting for Data[64] Block 3 ...",
        "Data[64] block received!"})
    EXPECT_TRUE(s.statusShown(step)) << step;
  const rt::Control& box = s.control(s.main(), ids::MAIN_HWINFO);
  ASSERT_GE(box.lines.size(), 4u);
  EXPECT_EQ(box.lines[0], "-------- KAVRO-XB-8 --------");
  EXPECT_EQ(box.lines[1], "8192 subpixel - pixel-pitch = 0.975µm");
  EXPECT_EQ(box.lines[3], "resolution    = +/- 1 µm");
  EXPECT_EQ(s.value(s.panels().para2, ids::P2_POWER), 321);
  EXPECT_EQ(Params().para1[P1_VIDEO_THD_AUTO], 55);
  EXPECT_FALSE(LinkButtonsDimmed(s));
  EXPECT_FALSE(s.panelVisible(s.panels().comset));
}

TEST(Connection, PortThatDoesNotOpenSendsNothingAndShowsItsError) {
  struct Case {
    int code;
    const char* text;
  };
  for (const Case& c : {Case{-6, "No serial port found"}, Case{-5, "RS-232 error!"},
                        Case{-4, "Unknown I/0 error"}}) {
    Scenario s;
    auto sensor = std::make_shared<sim::SensorEngine>();
    s.setPortFactory(sim::MakeInProcessFactory({{7, sensor}}, c.code));
    ASSERT_TRUE(s.startUp());
    EXPECT_EQ(s.status(), c.text);
    EXPECT_TRUE(sensor->log().empty());
    s.run(0.5);  // the event loop runs on
    EXPECT_TRUE(s.panelVisible(s.main()));
  }
}

TEST(Connection, EchoSeenAt149SecondsSucceedsAndAfter15TimesOut) {
  // The echo request takes 18.75 ms to reach the sensor at 19200 baud and its
  // answer as long to come back.
  const double lineTime = 2 * 36 * 10 / 19200.0;
  for (double seenAt : {1.49, 1.51}) {
    Scenario s;
    sim::SensorConfig config;
    config.faults.faultCommand = 5;
    config.faults.delay = seenAt - lineTime;
    auto sensor = s.attachSensor(config);
    ASSERT_TRUE(s.startUp());
    const Commands seen = Scenario::commandsSeen(*sensor);
    if (seenAt < 1.5) {
      EXPECT_EQ(Count(seen, 7), 1);
      EXPECT_FALSE(s.panelVisible(s.panels().comset));
    } else {
      EXPECT_EQ(seen, (Commands{0, 5}));
      EXPECT_EQ(s.status(), "Timeout-RS-232...");
      EXPECT_TRUE(s.panelVisible(s.panels().comset));
    }
  }
}

TEST(Connection, EchoWithSyncInWordOneCountsAsGoodLine) {
  Scenario s;
  sim::SensorConfig config;
  config.faults.echoForm = sim::EchoForm::kSyncInWord1;
  auto sensor = s.attachSensor(config);
  ASSERT_TRUE(s.startUp());
  EXPECT_EQ(Count(Scenario::commandsSeen(*sensor), 10), 1);
}

TEST(Connection, WrongEchoOffersComSettingsWithAcceptDimmed) {
  Scenario s;
  sim::SensorConfig config;
  config.faults.echoForm = sim::EchoForm::kNoSync;
  auto sensor = s.attachSensor(config);
  ASSERT_TRUE(s.startUp());
  EXPECT_EQ(Scenario::commandsSeen(*sensor), (Commands{0, 5}));
  EXPECT_EQ(s.status(), "read error - not sync byte 0xAA!");
  EXPECT_TRUE(s.panelVisible(s.panels().comset));
  EXPECT_TRUE(s.dimmed(s.panels().comset, ids::COM_ACCEPT));
  EXPECT_EQ(s.value(s.main(), ids::MAIN_CONNECT), 1);
  EXPECT_TRUE(LinkButtonsDimmed(s));
}

TEST(Connection, OtherFamiliesAreTurnedAwayWithTheirPopup) {
  struct Case {
    const char* firmware;
    const char* popup;
    const char* status;
  };
  const Case cases[] = {
      {"KAVRO-RM-20 Firmware V2.01",
       "Incompatible hardware detected!\nPlease use KAVRO-RM-Scope software version!",
       "Please use KAVRO-RM-Scope software version!"},
      {"KAVRO-ZOT Firmware V1.00",
       "Incompatible hardware detected!\nPlease use KAVRO-VN-Scope software version!",
       "Please use KAVRO-VN-Scope software version!"}};
  for (const Case& c : cases) {
    Scenario s;
    auto sensor = s.attachSensor(WithFirmwareText(c.firmware));
    ASSERT_TRUE(s.startUp());
    EXPECT_EQ(Scenario::commandsSeen(*sensor), (Commands{0, 5, 7})) << c.firmware;
    ASSERT_NE(LastPopup(s), nullptr);
    EXPECT_EQ(LastPopup(s)->title, "Attention !!!");
    EXPECT_EQ(LastPopup(s)->text, c.popup);
    EXPECT_EQ(s.status(), c.status);
    EXPECT_EQ(s.text(s.panels().comset, ids::COM_MESSAGE), c.firmware);
    EXPECT_TRUE(LinkButtonsDimmed(s));
  }
}

// A line delivering noise instead of the text: stopped without a pop-up, and
// the noise shown printable.
TEST(Connection, UnknownFamilyStopsWithoutPopup) {
  Scenario s;
  auto sensor = s.attachSensor(WithFirmwareText("LASER\x01\x1b\xffMESS 4000"));
  ASSERT_TRUE(s.startUp());
  EXPECT_EQ(Scenario::commandsSeen(*sensor), (Commands{0, 5, 7}));
  EXPECT_TRUE(s.dialogs().popups().empty());
  EXPECT_EQ(s.status(), "LASER???MESS 4000");
  EXPECT_TRUE(LinkButtonsDimmed(s));
}

TEST(Connection, VexFirmwareWarnsButGoesOn) {
  Scenario s;
  auto sensor = s.attachSensor(WithFirmwareText("VEX12 V3.18"));
  ASSERT_TRUE(s.startUp());
  ASSERT_NE(LastPopup(s), nullptr);
  EXPECT_EQ(LastPopup(s)->text,
            "Norvane DAV-UZIR firmware-version detected!\nPlease use DAV-UZIR-V3.1x software!");
  const Commands seen = Scenario::commandsSeen(*sensor);
  EXPECT_EQ(Count(seen, 10), 1);
  EXPECT_EQ(Count(seen, 2), 2);
  EXPECT_FALSE(LinkButtonsDimmed(s));
}

TEST(Connection, FirmwareVersionWindow) {
  for (int version : {309, 310, 318, 319}) {
    Scenario s;
    auto sensor = s.attachSensor(WithFirmwareVersion(version));
    ASSERT_TRUE(s.startUp());
    const Commands seen = Scenario::commandsSeen(*sensor);
    const bool supported = version >= 310 && version <= 318;
    EXPECT_EQ(Count(seen, 2), supported ? 2 : 0) << version;
    EXPECT_EQ(LinkButtonsDimmed(s), !supported) << version;
    if (version == 309) {
      EXPECT_EQ(LastPopup(s)->text,
                "Incompatible hardware detected!\n"
                "Please use KAVRO-XB-Scope software version 3.0x !");
      EXPECT_EQ(s.status(), "Please use KAVRO-XB-Scope Version 3.0x !");
    } else if (version == 319) {
      EXPECT_EQ(LastPopup(s)->text,
                "Incompatible or newer firmware detected!\n"
                "Please use KAVRO-XB-Scope software version newer than V3.18 !");
      EXPECT_EQ(s.status(), "Please use KAVRO-XB-Scope Version newer than V3.18 !");
    } else {
      EXPECT_TRUE(s.dialogs().popups().empty());
      EXPECT_EQ(s.status(), sensor->model().firmwareText);
    }
  }
}

TEST(Connection, IncompleteFirmwareTextStopsBeforeHardwareInfo) {
  Scenario s;
  sim::SensorConfig config;
  config.faults.faultCommand = 7;
  config.faults.shortBytes = 40;
  auto sensor = s.attachSensor(config);
  ASSERT_TRUE(s.startUp());
  EXPECT_EQ(Scenario::commandsSeen(*sensor), (Commands{0, 5, 7}));
  EXPECT_EQ(s.status(), "Error reading firmware-info!");
}

// Answered as another command, or not at all: no parameters are read.
TEST(Connection, HardwareInfoThatDoesNotComeIsAnError) {
  for (bool answered : {true, false}) {
    Scenario s;
    sim::SensorConfig config;
    if (answered) config.faults.replyWord1[10] = 8;
    if (!answered) config.faults.muteCommands = {10};
    auto sensor = s.attachSensor(config);
    ASSERT_TRUE(s.startUp());
    EXPECT_EQ(Count(Scenario::commandsSeen(*sensor), 2), 0) << answered;
    EXPECT_EQ(s.status(), "Error reading HARDWARE-info!") << answered;
    EXPECT_EQ(Hardware().hardwareType, 0) << answered;
  }
}

}  // namespace
