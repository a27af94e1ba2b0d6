// The main-panel display controls: Eval-Begin / Eval-End entries pulled inside
// the edge limits, the Raw toggle's threshold lines, and the help boxes.
#include <gtest/gtest.h>

#include <algorithm>

#include "display/threshold_state.h"
#include "harness/scenario.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

class DisplayControls : public ::testing::Test {
 protected:
  void SetUp() override {
    s_.attachSensor();
    ASSERT_TRUE(s_.startUp());
    Hardware().edgeLow = 1;
    Hardware().edgeHigh = 4096;
    Params().para0[P0_EVAL_BEGIN] = 300;
    Params().para0[P0_EVAL_END] = 3000;
  }
  double field(int control) const { return s_.value(s_.main(), control); }
  double cursorX(int cursor) const {
    return s_.control(s_.main(), ids::MAIN_DATA_GRAPH).graph.cursors[cursor - 1].x;
  }

  Scenario s_;
};

// Begin 1..4095 and End 2..4096 on a line of 4096: field, set and cursor alike.
TEST_F(DisplayControls, EvalBeginAndEndAreClampedIntoTheEdgeLimits) {
  struct Case {
    int field, cursor, word;
    double entered, kept;
  };
  for (const Case c : {Case{ids::MAIN_EVAL_BEGIN, 2, P0_EVAL_BEGIN, 0, 1},
                       Case{ids::MAIN_EVAL_BEGIN, 2, P0_EVAL_BEGIN, 5000, 4095},
                       Case{ids::MAIN_EVAL_END, 3, P0_EVAL_END, 5000, 4096},
                       Case{ids::MAIN_EVAL_END, 3, P0_EVAL_END, 0, 2}}) {
    s_.enterValue(s_.main(), c.field, c.entered);
    EXPECT_EQ(field(c.field), c.kept);
    EXPECT_EQ(Params().para0[c.word], c.kept);
    EXPECT_EQ(cursorX(c.cursor), c.kept);
  }
}

TEST_F(DisplayControls, EntryWithinLimitsMovesTheCursorOnly) {
  s_.enterValue(s_.main(), ids::MAIN_EVAL_END, 2000);
  EXPECT_EQ(field(ids::MAIN_EVAL_END), 2000);
  EXPECT_EQ(cursorX(3), 2000);
  EXPECT_EQ(Params().para0[P0_EVAL_END], 3000);  // until the panels are read
}

TEST_F(DisplayControls, RawToggleOnFillsBothThresholdLines) {
  Hardware().videoFullScale = 255;
  Params().para1[P1_VIDEO_THD_FIX] = 50;
  Params().para1[P1_VIDEO_THD_AUTO] = 33;
  Params().fixedThresholdLine.fill(7);
  Threshold().autoLine.fill(7);
  rt::SetCtrlAttribute(s_.main(), ids::MAIN_RAW, rt::ATTR_VISIBLE, 1);  // as in video mode
  s_.click(s_.main(), ids::MAIN_RAW);
  ASSERT_EQ(s_.value(s_.main(), ids::MAIN_RAW), 1);
  const auto& fixed = Params().fixedThresholdLine;
  const auto& automatic = Threshold().autoLine;
  EXPECT_TRUE(std::all_of(fixed.begin(), fixed.end(), [](auto v) { return v == 127; }));
  EXPECT_TRUE(std::all_of(automatic.begin(), automatic.end(), [](auto v) { return v == 84; }));
  // Switching it off leaves the lines.
  Params().para1[P1_VIDEO_THD_FIX] = 10;
  s_.click(s_.main(), ids::MAIN_RAW);
  EXPECT_EQ(fixed.front(), 127);
}

TEST_F(DisplayControls, GraphHelpGoesToTheLargeBox) {
  s_.rightClick(s_.main(), ids::MAIN_DATA_GRAPH);
  EXPECT_TRUE(s_.visible(s_.main(), ids::MAIN_HELP_LARGE));
  EXPECT_EQ(s_.text(s_.main(), ids::MAIN_HELP_LARGE).rfind("VIDEO-GRAPH-WINDOW:", 0), 0u);
  s_.rightClick(s_.main(), ids::MAIN_ROLL_GRAPH);  // a second graph hides the box
  EXPECT_FALSE(s_.visible(s_.main(), ids::MAIN_HELP_LARGE));
  EXPECT_EQ(s_.text(s_.main(), ids::MAIN_HELP_LARGE).rfind("ROLL-GRAPH-WINDOW:", 0), 0u);
}

}  // namespace
