// The settings file "XB-Scope.ini": what start-up takes from it (port, baud index, window) and
// what closing the main window leaves in it.
#include <gtest/gtest.h>

#include <string>

#include "harness/scenario.h"
#include "link/line.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

constexpr const char* kSettings = "XB-Scope.ini";
// Where the resource file puts the main window.
constexpr int kResourceLeft = 40;
constexpr int kResourceTop = 40;

struct Window {
  int left, top, width, height, zoom;
};

Window MainWindow(const Scenario& s) {
  const rt::Panel& p = s.panel(s.main());
  return {p.left, p.top, p.width, p.height, p.zoom};
}

void ExpectWindow(const Scenario& s, Window expected) {
  const Window w = MainWindow(s);
  EXPECT_EQ(w.left, expected.left);
  EXPECT_EQ(w.top, expected.top);
  EXPECT_EQ(w.width, expected.width);
  EXPECT_EQ(w.height, expected.height);
  EXPECT_EQ(w.zoom, expected.zoom);
}

// Starts with the given settings file (no sensor on the line).
void StartWith(Scenario& s, const std::string& settings) {
  s.writeProjectFile(kSettings, settings);
  ASSERT_TRUE(s.startUp());
}

bool Hidden(const std::string& path) {
  int hidden = 0;
  return rt::GetFileAttrs(path, nullptr, nullptr, &hidden, nullptr) == 0 && hidden == 1;
}

// Place and size apply only with "Panel max = 0": maximised or without the item
// the window keeps the resource's.
TEST(SettingsLoad, PlaceAndSizeOnlyWithPanelMaxZero) {
  const std::string place =
      "Panel pos. x = 100\r\nPanel pos. y = 120\r\nPanel width  = 900\r\nPanel height = 600\r\n";
  for (const char* max : {"Panel max = 1\r\n", ""}) {
    Scenario s;
    StartWith(s, "[APPLICATION]\r\n" + std::string(max) + place);
    ExpectWindow(
        s, {kResourceLeft, kResourceTop, 780, 548, *max ? rt::VAL_MAXIMIZE : rt::VAL_NO_ZOOM});
  }
}

TEST(SettingsLoad, IncompletePairsApplyOnlyWhatIsWhole) {
  {
    Scenario s;  // width without height: the place only
    StartWith(s,
              "[APPLICATION]\r\nPanel max = 0\r\nPanel pos. x = 100\r\nPanel pos. y = 120\r\n"
              "Panel width = 900\r\n");
    ExpectWindow(s, {100, 120, 780, 548, rt::VAL_NO_ZOOM});
  }
  {
    Scenario s;  // y missing, x not a number: the size only
    StartWith(s,
              "[APPLICATION]\r\nPanel max = 0\r\nPanel pos. x = left\r\n"
              "Panel width = 900\r\nPanel height = 600\r\n");
    ExpectWindow(s, {kResourceLeft, kResourceTop, 900, 600, rt::VAL_NO_ZOOM});
  }
}

TEST(SettingsLoad, LowerCaseBaudItemSetsTheLinkBaudIndex) {
  Scenario s;
  StartWith(s, "[connection]\nCOM Port = 3\nbaudrate = 3\n");
  EXPECT_EQ(LinePort(), 3);
  EXPECT_EQ(LineBaudIndex(), 3);
  EXPECT_EQ(s.value(s.panels().comset, ids::COM_PORT), 3);
  EXPECT_EQ(s.value(s.main(), ids::MAIN_PORT), 3);
  // The parameter refresh at the end of the load puts PARA1's RS-232-Baudrate
  // into the ring; the link keeps the index from the file.
  EXPECT_EQ(s.value(s.panels().comset, ids::COM_BAUD), Params().para1[P1_RS232_BAUDRATE]);
}

TEST(SettingsLoad, OutOfRangeItemsAreIgnoredOneByOne) {
  for (const char* port : {"0", "256", "-1", "COM3"}) {
    Scenario s;
    StartWith(s, std::string("[CONNECTION]\r\nCOM Port = ") + port + "\r\nBAUDRATE = 2\r\n");
    EXPECT_EQ(LinePort(), 1) << port;
    EXPECT_EQ(s.value(s.panels().comset, ids::COM_PORT), 1) << port;
    EXPECT_EQ(LineBaudIndex(), 2) << port;
  }
  Scenario s;
  StartWith(s, "[CONNECTION]\r\nCOM Port = 255\r\nBAUDRATE = 5\r\n");
  EXPECT_EQ(LinePort(), 255);
  EXPECT_EQ(LineBaudIndex(), 1);
}

TEST(SettingsLoad, ConnectsOnThePortAndBaudRateOfTheFile) {
  Scenario s;
  sim::SensorConfig config;
  config.baudIndex = 4;  // the sensor listens at 115200 baud
  auto sensor = s.attachSensor(config);
  s.writeProjectFile(kSettings, "[CONNECTION]\r\nCOM Port = 2\r\nBAUDRATE = 4\r\n");
  ASSERT_TRUE(s.startUp());
  EXPECT_EQ(LinePort(), 2);
  EXPECT_EQ(Hardware().hardwareType, 1);  // identified over the line
  EXPECT_FALSE(s.panelVisible(s.panels().comset));
}

// The screen of the tests below: what the window manager leaves to windows on a
// 1280 x 800 desktop. The screen the other tests see is put back afterwards.
class SmallScreen {
 public:
  SmallScreen() : width_(rt::ScreenWidth()), height_(rt::ScreenHeight()) {
    rt::SetScreenSize(1280, 800);
  }
  ~SmallScreen() { rt::SetScreenSize(width_, height_); }
  SmallScreen(const SmallScreen&) = delete;
  SmallScreen& operator=(const SmallScreen&) = delete;

 private:
  int width_, height_;
};

std::string WindowItems(const char* x, const char* y, const char* width, const char* height) {
  return std::string("[APPLICATION]\r\nPanel max = 0\r\nPanel pos. x = ") + x +
         "\r\nPanel pos. y = " + y + "\r\nPanel width  = " + width +
         "\r\nPanel height = " + height + "\r\n";
}

// A size beyond the screen is limited to it, and close saves what the window
// really had, so the next start is sane as well.
TEST(SettingsWindowOnScreen, HugeSizeIsLimitedToTheScreenAndSavedSo) {
  SmallScreen screen;
  Scenario s;
  StartWith(s, WindowItems("20", "40", "1000000000", "1000000000"));
  ExpectWindow(s, {0, 0, 1280, 800, rt::VAL_NO_ZOOM});
  s.closeMainWindow();
  const std::string saved = s.readProjectFile(kSettings);
  EXPECT_NE(saved.find("Panel width  = 1280\r\nPanel height = 800\r\n"), std::string::npos)
      << saved;
}

// The rules for every place and size are the window-fit unit test's; here the
// settings file reaches them, a bad size leaves the resource's one.
TEST(SettingsWindowOnScreen, PlaceOffTheScreenIsMovedOntoIt) {
  SmallScreen screen;
  {
    Scenario s;  // far down and right: the whole window comes back
    StartWith(s, WindowItems("100000", "100000", "900", "600"));
    ExpectWindow(s, {1280 - 900, 800 - 600, 900, 600, rt::VAL_NO_ZOOM});
  }
  Scenario s;  // one bad dimension: the other still applies
  StartWith(s, WindowItems("100", "120", "-5", "600"));
  ExpectWindow(s, {100, 120, 780, 600, rt::VAL_NO_ZOOM});
}

TEST(SettingsSave, CloseWritesTheLayoutByteForByteHidden) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  rt::SetCtrlVal(s.panels().comset, ids::COM_PORT, 4);
  rt::SetCtrlVal(s.panels().comset, ids::COM_BAUD, 2);
  rt::SetPanelPos(s.main(), 60, 30);
  rt::SetPanelSize(s.main(), 600, 800);
  s.closeMainWindow();
  EXPECT_TRUE(s.quitRequested());
  EXPECT_EQ(s.readProjectFile(kSettings),
            "[CONNECTION]\r\nCOM Port = 4\r\nBAUDRATE = 2\r\n\r\n"
            "[APPLICATION]\r\nPanel max = 0\r\nPanel pos. x = 30\r\nPanel pos. y = 60\r\n"
            "Panel width  = 800\r\nPanel height = 600\r\n\r\n"
            "[HARDWAREINFO]\r\nHardware-Type = 0\r\n\r\n");
  EXPECT_TRUE(Hidden(s.projectPath(kSettings)));
}

TEST(SettingsSave, MaximisedWindowIsSavedAsSuch) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  rt::SetPanelAttribute(s.main(), rt::ATTR_WINDOW_ZOOM, rt::VAL_MAXIMIZE);
  s.closeMainWindow();
  EXPECT_NE(s.readProjectFile(kSettings).find("Panel max = 1\r\n"), std::string::npos);
}

TEST(SettingsSave, HardwareTypeAboveThreeIsSavedAsZero) {
  const int cases[][2] = {{3, 3}, {4, 0}, {65535, 0}};
  for (const auto& c : cases) {
    Scenario s;
    ASSERT_TRUE(s.startUp());
    Hardware().hardwareType = static_cast<std::uint16_t>(c[0]);
    s.closeMainWindow();
    const std::string saved = s.readProjectFile(kSettings);
    EXPECT_NE(saved.find("[HARDWAREINFO]\r\nHardware-Type = " + std::to_string(c[1]) + "\r\n"),
              std::string::npos)
        << c[0];
  }
}

TEST(SettingsSave, WhatCloseWritesTheNextStartReadsBack) {
  std::string saved;
  {
    Scenario s;
    ASSERT_TRUE(s.startUp());
    rt::SetCtrlVal(s.panels().comset, ids::COM_PORT, 9);
    rt::SetCtrlVal(s.panels().comset, ids::COM_BAUD, 3);
    rt::SetPanelPos(s.main(), 77, 66);
    rt::SetPanelSize(s.main(), 500, 700);
    s.closeMainWindow();
    saved = s.readProjectFile(kSettings);
  }
  Scenario s;
  StartWith(s, saved);
  EXPECT_EQ(LinePort(), 9);
  EXPECT_EQ(LineBaudIndex(), 3);
  ExpectWindow(s, {66, 77, 700, 500, rt::VAL_NO_ZOOM});
}

}  // namespace
