// Panels into the parameter set and back, as a send or a teach takes them.
#include <gtest/gtest.h>

#include "harness/scenario.h"
#include "params/parameter_display.h"
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

TEST(ParameterPanels, CalibrationFieldsAreConvertedAndEveryBoundControlIsRead) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  const PanelHandles& p = s.panels();
  rt::SetCtrlVal(p.calib, ids::CAL_SLOPE, 1.5);
  rt::SetCtrlVal(p.calib, ids::CAL_OFFSET, -10.7);
  rt::SetCtrlVal(p.main, ids::MAIN_EVAL_BEGIN, 17);
  rt::SetCtrlVal(p.para1, ids::P1_TOL_LOW, 77);
  rt::SetCtrlVal(p.recorder, ids::REC_RS232_MODE, 1);
  rt::SetCtrlVal(p.comset, ids::COM_BAUD, 4);
  ReadParametersFromPanels();
  EXPECT_EQ(Params().umSlope, 1536u);
  EXPECT_EQ(Params().umOffset, 32756u);
  EXPECT_EQ(Params().para0[P0_EVAL_BEGIN], 17);
  EXPECT_EQ(Params().para0[P0_LOWER_TOLERANCE], 77);
  EXPECT_EQ(Params().para1[P1_RS232_MODE], 1);
  EXPECT_EQ(Params().para1[P1_RS232_BAUDRATE], 4);
}

TEST(ParameterPanels, ShowParametersLimitsTheSetAndWritesThePanels) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  Params().para0[P0_EVAL_MODE] = 7;
  Params().para0[P0_EVAL_END] = 0;
  Params().umSlope = 2048;
  Params().umOffset = 32767 + 25;
  ShowParameters();
  const PanelHandles& p = s.panels();
  EXPECT_EQ(Params().para0[P0_EVAL_MODE], 4);
  EXPECT_EQ(s.value(p.para1, ids::P1_EVAL_MODE), 4);
  EXPECT_EQ(s.value(p.main, ids::MAIN_EVAL_END), 256);
  EXPECT_DOUBLE_EQ(s.value(p.calib, ids::CAL_SLOPE), 2.0);
  EXPECT_DOUBLE_EQ(s.value(p.calib, ids::CAL_OFFSET), 25.0);
}

TEST(ParameterPanels, DimLinkButtonsTakesAnyValueAboveOneAsOne) {
  Scenario s;
  ASSERT_TRUE(s.startUp());
  const int buttons[] = {ids::MAIN_SEND, ids::MAIN_GET, ids::MAIN_VIDEO, ids::MAIN_RUN,
                         ids::MAIN_RESET};
  DimLinkButtons(7);
  for (int b : buttons) EXPECT_TRUE(s.dimmed(s.main(), b));
  EXPECT_TRUE(s.dimmed(s.panels().para2, ids::P2_TEACH));
  DimLinkButtons(0);
  for (int b : buttons) EXPECT_FALSE(s.dimmed(s.main(), b));
  EXPECT_FALSE(s.dimmed(s.panels().para2, ids::P2_TEACH));
}

}  // namespace
