// The parameter modes' effect on the panels, and the tolerance displays, as
// decided from the set or from what the controls show.
#include <gtest/gtest.h>

#include "params/mode_rules.h"
#include "sensor/parameter_set.h"

namespace {

constexpr RuleSource kSet = RuleSource::ParameterSet;
constexpr RuleSource kControls = RuleSource::Controls;

TEST(ModeRules, InternalTriggerOnForcesTheOutputModeOfTwoOutputSensors) {
  for (RuleSource source : {kSet, kControls}) {
    const TriggerView two = InternalTriggerView(1, 3, source);
    EXPECT_EQ(two.outMode, 3);
    EXPECT_EQ(two.outModeDimming, Dimming::Dim);
    EXPECT_FALSE(two.triggerPixelDimmed);
    EXPECT_TRUE(two.indicatorsShown);
    const TriggerView three = InternalTriggerView(1, 1, source);
    EXPECT_EQ(three.outMode, -1);
    EXPECT_EQ(three.outModeDimming, Dimming::Enable);
    EXPECT_TRUE(three.indicatorsShown);
  }
}

TEST(ModeRules, InternalTriggerOffSetsThreeOutputSensorsToModeZero) {
  // The sensor then ignores the ring, so neither a refresh nor the start pass
  // leaves it enabled.
  for (RuleSource source : {kSet, kControls}) {
    const TriggerView three = InternalTriggerView(0, 1, source);
    EXPECT_EQ(three.outMode, 0);
    EXPECT_EQ(three.outModeDimming, Dimming::Dim);
  }
  for (RuleSource source : {kSet, kControls}) {
    const TriggerView other = InternalTriggerView(0, 3, source);
    EXPECT_EQ(other.outMode, -1);
    EXPECT_EQ(other.outModeDimming, Dimming::Enable);
    EXPECT_TRUE(other.triggerPixelDimmed);
    EXPECT_FALSE(other.indicatorsShown);
  }
}

TEST(ModeRules, OperationModeOnlyTiesOlderSensorsAboveHardwareCode100) {
  for (int opMode : {0, 1})
    for (int vthd : {0, 1}) {
      EXPECT_FALSE(OperationModeView(318, 101, opMode, vthd).applies);
      EXPECT_FALSE(OperationModeView(317, 100, opMode, vthd).applies);
    }
  const OperationView on = OperationModeView(317, 101, 1, 1);
  EXPECT_TRUE(on.applies);
  EXPECT_TRUE(on.saveThresholdDimmed && on.filterDimmed && on.selectorDimmed);
  const OperationView offFixed = OperationModeView(316, 104, 0, 0);
  EXPECT_TRUE(offFixed.saveThresholdDimmed);
  EXPECT_FALSE(offFixed.filterDimmed || offFixed.selectorDimmed);
  const OperationView offAuto = OperationModeView(316, 104, 2, 1);
  EXPECT_FALSE(offAuto.saveThresholdDimmed || offAuto.filterDimmed || offAuto.selectorDimmed);
}

TEST(ModeRules, ToleranceFieldsByHardwareMode) {
  // From the set only 1 and 3 dim; from the controls only 0 and 2 enable.
  const bool fromSet[] = {false, true, false, true, false};
  const bool fromControls[] = {false, true, false, true, true};
  for (int mode = 0; mode <= 4; ++mode) {
    EXPECT_EQ(ToleranceFieldsDimmed(mode, kSet), fromSet[mode]) << mode;
    EXPECT_EQ(ToleranceFieldsDimmed(mode, kControls), fromControls[mode]) << mode;
  }
  EXPECT_FALSE(AnalogGroupShown(0));
  EXPECT_TRUE(AnalogGroupShown(2));
}

TEST(ModeRules, RecorderControlsByRs232Mode) {
  for (int mode = 0; mode <= 4; ++mode) {
    const RecorderView refresh = RecorderControlsView(mode, kSet);
    EXPECT_EQ(refresh.interval, mode == 0 ? Dimming::Enable : Dimming::Dim) << mode;
    EXPECT_EQ(refresh.others, Dimming::Keep) << mode;
    const RecorderView start = RecorderControlsView(mode, kControls);
    const Dimming expected = (mode == 2 || mode == 3) ? Dimming::Dim : Dimming::Keep;
    EXPECT_EQ(start.interval, expected) << mode;
    EXPECT_EQ(start.others, expected) << mode;
  }
}

TEST(ModeRules, ToleranceDisplaysUseEachToleranceAndTheSlope) {
  ParameterSet s;
  s.para0[P0_UPPER_TOLERANCE] = 100;
  s.para0[P0_LOWER_TOLERANCE] = 200;
  s.umSlope = 1024;
  ToleranceDisplayValues v = ToleranceDisplays(s);
  EXPECT_DOUBLE_EQ(v.upper, 0.1);
  EXPECT_DOUBLE_EQ(v.lower, 0.2);
  s.umSlope = 0x80000000u;  // read unsigned, not as a negative slope
  v = ToleranceDisplays(s);
  EXPECT_DOUBLE_EQ(v.upper, 2147483648.0 * 100 / 1024000.0);
}

TEST(ModeRules, FixedThresholdLineFollowsTheVideoFullScale) {
  ParameterSet s;
  s.para1[P1_VIDEO_THD_FIX] = 40;
  ComputeFixedThresholdLine(s, 1024);
  EXPECT_EQ(s.fixedThresholdLine.front(), 409);
  EXPECT_EQ(s.fixedThresholdLine.back(), 409);
  ComputeFixedThresholdLine(s, 255);
  EXPECT_EQ(s.fixedThresholdLine[128], 102);
  s.para1[P1_VIDEO_THD_FIX] = 950;
  ComputeFixedThresholdLine(s, 1024);
  EXPECT_EQ(s.fixedThresholdLine[0], 9728);
}

}  // namespace
