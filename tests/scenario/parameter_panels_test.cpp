// The threshold slider into the parameter set, as a send or a teach takes it: the
// word of the mode on the panel. (The other controls go in and out with every
// send, get and parameter file of the transfer tests.)
#include <gtest/gtest.h>

#include "harness/scenario.h"
#include "params/parameter_panels.h"
#include "runtime/ui_model.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"

namespace {

TEST(ParameterPanels, ThresholdSliderGoesToTheWordOfTheModeOnThePanel) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  const PanelHandles& p = s.panels();
  rt::SetCtrlVal(p.para2, ids::P2_VTHD_MODE, 1);
  rt::SetCtrlVal(p.para2, ids::P2_VTHD, 33);
  ReadParametersFromPanels();
  EXPECT_EQ(Params().para0[P0_VIDEO_THD_MODE], 1);
  EXPECT_EQ(Params().para1[P1_VIDEO_THD_AUTO], 33);
  EXPECT_EQ(Params().para1[P1_VIDEO_THD_FIX], 40);
  EXPECT_EQ(Params().fixedThresholdLine[7], 102);  // still from Video-Thd-Fix
}

}  // namespace
