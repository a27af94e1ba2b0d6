// The help boxes of the main panel and the settings panel, and the banner drawn
// at start-up.
#include <gtest/gtest.h>

#include <string>

#include "harness/scenario.h"
#include "help/banner.h"
#include "help/help_box.h"
#include "help/help_callbacks.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

bool StartsWith(const std::string& text, const std::string& head) {
  return text.rfind(head, 0) == 0;
}

struct Help {
  Scenario s;
  Help() { EXPECT_TRUE(s.startUp()); }
  bool shown() const { return s.visible(s.main(), ids::MAIN_HELP); }
  bool largeShown() const { return s.visible(s.main(), ids::MAIN_HELP_LARGE); }
  std::string text() const { return s.text(s.main(), ids::MAIN_HELP); }
};

TEST(HelpBoxes, ClickOnEitherBoxHidesBoth) {
  Help h;
  h.s.rightClick(h.s.main(), ids::MAIN_SEND);
  ToggleHelpAt(HelpBox::Large, 100, 120, "LARGE");
  ASSERT_TRUE(h.shown() && h.largeShown());
  h.s.click(h.s.main(), ids::MAIN_HELP);
  EXPECT_FALSE(h.shown());
  EXPECT_FALSE(h.largeShown());
  ToggleHelpAt(HelpBox::Large, 100, 120, "LARGE");
  h.s.rightClick(h.s.main(), ids::MAIN_HELP_LARGE);
  EXPECT_FALSE(h.largeShown());
}

TEST(HelpBoxes, SettingsBoxHidesOnClick) {
  Help h;
  const int comset = h.s.panels().comset;
  ToggleHelpAt(HelpBox::Settings, 5, 5, "SETTINGS");
  ASSERT_TRUE(h.s.visible(comset, ids::COM_HELP));
  EXPECT_EQ(h.s.text(comset, ids::COM_HELP), "SETTINGS");
  h.s.click(comset, ids::COM_HELP);
  EXPECT_FALSE(h.s.visible(comset, ids::COM_HELP));
}

TEST(HelpBoxes, RunTwiceThenRunAndStop) {
  Help h;
  h.s.rightClick(h.s.main(), ids::MAIN_RUN);
  EXPECT_TRUE(h.shown());
  EXPECT_TRUE(StartsWith(h.text(), "RUN-BUTTON:\nStart the continuosly"));
  h.s.rightClick(h.s.main(), ids::MAIN_RUN);
  EXPECT_FALSE(h.shown());
  h.s.rightClick(h.s.main(), ids::MAIN_RUN);
  h.s.rightClick(h.s.main(), ids::MAIN_STOP);
  EXPECT_FALSE(h.shown());
  EXPECT_TRUE(StartsWith(h.text(), "STOP-BUTTON:\n"));
  h.s.rightClick(h.s.main(), ids::MAIN_STOP);
  EXPECT_TRUE(h.shown());
}

// The tolerance fields take right clicks only while the housing leaves the
// tolerance to them (Hardware-Mode 0 or 2).
TEST(HelpBoxes, ToleranceTextFollowsTheFirmware) {
  Scenario s;
  auto sensor = s.attachSensor();
  sensor->memory().frame(sim::Memory::kRam, 0)[P0_HARDWARE_MODE] = 0;
  ASSERT_TRUE(s.startUp());
  ASSERT_FALSE(s.dimmed(s.panels().para1, ids::P1_TOL_LOW));
  Hardware().firmwareVersion = 302;
  s.rightClick(s.panels().para1, ids::P1_TOL_LOW);
  EXPECT_TRUE(s.visible(s.main(), ids::MAIN_HELP));
  EXPECT_TRUE(StartsWith(s.text(s.main(), ids::MAIN_HELP), "TOLERANCE-VALUE:\n"));
  Hardware().firmwareVersion = 303;
  s.rightClick(s.panels().para1, ids::P1_TOL_LOW);
  EXPECT_FALSE(s.visible(s.main(), ids::MAIN_HELP));
  EXPECT_TRUE(StartsWith(s.text(s.main(), ids::MAIN_HELP), "TOLERANCE-LOW:\n"));
}

// The banner's text controls: everything the program created on the main panel.
std::vector<const rt::Control*> BannerTexts(const Scenario& s) {
  std::vector<const rt::Control*> texts;
  for (const auto& [id, c] : s.panel(s.main()).controls)
    if (id >= 1000 && c.kind == rt::ControlKind::TextMessage) texts.push_back(&c);
  return texts;
}

// The maker file's texts, the program's name and version and the logo beside
// the program; without a maker file the neutral banner has no picture.
TEST(Banner, MakerTextsAndLogoAtStartUpNeutralWithoutPicture) {
  Scenario s;
  s.writeProjectFile("maker.json",
                     R"({"maker": {"company": "Maker Co", "telephone": "T-1", "web": "W-1",
                                   "logo": "logo.bmp"}})");
  ASSERT_TRUE(s.startUp());
  std::vector<std::string> texts;
  for (const rt::Control* c : BannerTexts(s)) texts.push_back(c->text);
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Maker Co", "T-1", "W-1", "KAVRO-XB-Scope", "Version 3.18"}));
  const rt::Control& logo = s.control(s.main(), ids::MAIN_LOGO);
  EXPECT_TRUE(logo.visible);
  EXPECT_EQ(logo.text, s.projectPath("logo.bmp"));
  const size_t before = texts.size();
  ShowLogo(0);
  ASSERT_EQ(BannerTexts(s).size(), before + 2);
  EXPECT_EQ(BannerTexts(s)[before]->text, "KAVRO-XB-Scope");
  EXPECT_FALSE(s.visible(s.main(), ids::MAIN_LOGO));
  ShowLogo(7);  // no such branding: nothing changes
  EXPECT_EQ(BannerTexts(s).size(), before + 2);
}

}  // namespace
