// Start-up, the four panel toggles and the main panel's own events.
#include <gtest/gtest.h>

#include "harness/scenario.h"
#include "runtime/constants.h"
#include "ui/panel_ids.h"

namespace {

struct ToggleCase {
  int toggle;
  int PanelHandles::*panel;
};

const ToggleCase kToggles[] = {{ids::MAIN_TOGG_PARA1, &PanelHandles::para1},
                               {ids::MAIN_TOGG_RECORDER, &PanelHandles::recorder},
                               {ids::MAIN_TOGG_PARA2, &PanelHandles::para2},
                               {ids::MAIN_TOGG_CALIB, &PanelHandles::calib}};

void ExpectOnlyChildVisible(const Scenario& s, int toggle) {
  for (const ToggleCase& t : kToggles) {
    const int handle = s.panels().*t.panel;
    EXPECT_EQ(s.panelVisible(handle), t.toggle == toggle) << "panel of toggle " << t.toggle;
    EXPECT_EQ(s.value(s.main(), t.toggle), t.toggle == toggle ? 1 : 0) << "toggle " << t.toggle;
  }
}

TEST(StartUp, ShowsMainPanelWithParameterPanelOneOnly) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  EXPECT_TRUE(s.panelVisible(s.main()));
  EXPECT_FALSE(s.panelVisible(s.panels().comset));
  for (const ToggleCase& t : kToggles) {
    const rt::Panel& child = s.panel(s.panels().*t.panel);
    EXPECT_EQ(child.visible, t.toggle == ids::MAIN_TOGG_PARA1);
    EXPECT_EQ(child.top, kChildTop);  // all four in one place
    EXPECT_EQ(child.left, kChildLeft);
  }
  EXPECT_EQ(s.panel(s.panels().comset).top, kComsetTop);
  EXPECT_EQ(s.panel(s.panels().comset).left, kComsetLeft);
  EXPECT_EQ(rt::GetActivePanel(), s.main());
  EXPECT_EQ(rt::GetActiveCtrl(s.main()), ids::MAIN_STOP);
  const rt::Panel& main = s.panel(s.main());
  EXPECT_EQ(main.width, 780);
  EXPECT_EQ(main.height, 548);
  EXPECT_EQ(main.title, "KAVRO-XB-Scope");
}

TEST(StartUp, FillsRecorderPathAndDate) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  EXPECT_EQ(s.text(s.panels().recorder, ids::REC_PATH), s.projectPath("RECORD.DAT"));
  EXPECT_EQ(s.text(s.panels().recorder, ids::REC_DATE).size(), 10u);  // MM-DD-YYYY
}

TEST(PanelToggles, EachToggleShowsItsPanelAndSwitchesTheOthersOff) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  for (const ToggleCase& t : kToggles) {
    s.click(s.main(), t.toggle);
    ExpectOnlyChildVisible(s, t.toggle);
  }
  s.click(s.main(), ids::MAIN_TOGG_PARA1);
  ExpectOnlyChildVisible(s, ids::MAIN_TOGG_PARA1);
  s.click(s.main(), ids::MAIN_TOGG_PARA1);  // the toggle of the panel shown leaves it on
  ExpectOnlyChildVisible(s, ids::MAIN_TOGG_PARA1);
}

TEST(MainPanel, RightDoubleClickRestoresDefaultSizeCentred) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  rt::SetPanelSize(s.main(), 700, 1000);
  rt::SetPanelPos(s.main(), 3, 5);
  s.rightDoubleClickPanel(s.main());
  const rt::Panel& p = s.panel(s.main());
  EXPECT_EQ(p.width, 780);
  EXPECT_EQ(p.height, 548);
  EXPECT_EQ(p.left, (rt::ScreenWidth() - 780) / 2);
  EXPECT_EQ(p.top, (rt::ScreenHeight() - 548) / 2);
}

TEST(MainPanel, ResizeKeepsAllSixRollGraphTracesShown) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  s.resizePanel(s.main(), 600, 900);
  const rt::StripChartData& chart = s.control(s.main(), ids::MAIN_ROLL_GRAPH).strip;
  ASSERT_EQ(chart.numTraces, 6);
  for (int t = 0; t < 6; ++t) EXPECT_EQ(chart.traces[t].attrs.at(rt::ATTR_STRIP_SCROLL), 1) << t;
}

}  // namespace
