// Hover help: every control whose right click shows a help text has that same
// text as its tooltip (the graphs add the keys that save what they show), and
// a text that follows the sensor's firmware follows it in the tooltip too.
#include <gtest/gtest.h>

#include <string>

#include "harness/scenario.h"
#include "help/help_callbacks.h"
#include "ui/panel_ids.h"

namespace {

struct Box {
  int panel;
  int control;
};

// The text of the help box a right click on the control opened; empty when none did.
std::string HelpShownBy(Scenario& s, int panel, int control) {
  const Box boxes[] = {{s.main(), ids::MAIN_HELP},
                       {s.main(), ids::MAIN_HELP_LARGE},
                       {s.panels().comset, ids::COM_HELP}};
  ResetHelpBoxes();
  rt::FindControl(panel, control)->dimmed = false;  // reachable whatever the mode rules say
  s.rightClick(panel, control);
  for (const Box& b : boxes)
    if (s.visible(b.panel, b.control)) return s.control(b.panel, b.control).text;
  return "";
}

TEST(HoverHelp, EveryRightClickTextIsAlsoTheTooltip) {
  Scenario s;
  s.attachSensor();
  ASSERT_TRUE(s.startUp());
  int withHelp = 0;
  for (int panel : rt::PanelHandles())
    for (const auto& [id, control] : s.panel(panel).controls) {
      const bool graph =
          control.kind == rt::ControlKind::Graph || control.kind == rt::ControlKind::StripChart;
      const std::string tooltip = control.tooltip;
      const std::string help = HelpShownBy(s, panel, id);
      if (help.empty()) continue;
      ++withHelp;
      if (graph)  // the keys that save what the graph shows follow its help
        EXPECT_EQ(tooltip.rfind(help + "\n\nCtrl+S: save the window as a PNG picture\n", 0), 0u)
            << control.name << ": " << tooltip;
      else
        EXPECT_EQ(tooltip, help) << control.name;
    }
  EXPECT_GE(withHelp, 40);
}

TEST(HoverHelp, ToleranceTooltipFollowsTheSensorConnected) {
  Scenario s;
  s.attachSensor();
  ASSERT_TRUE(s.startUp());
  const auto tooltip = [&] { return s.control(s.panels().para1, ids::P1_TOL_LOW).tooltip; };
  EXPECT_EQ(tooltip().rfind("TOLERANCE-LOW:\n", 0), 0u) << tooltip();
  sim::SensorConfig old;
  old.model.firmwareVersion = 302;
  s.attachSensor(old);
  s.click(s.main(), ids::MAIN_CONNECT);
  s.click(s.panels().comset, ids::COM_TRY);
  EXPECT_EQ(tooltip().rfind("TOLERANCE-VALUE:\n", 0), 0u) << tooltip();
}

}  // namespace
