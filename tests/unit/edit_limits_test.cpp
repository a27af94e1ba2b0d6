// Corrections of the tolerance and teach fields, the slider's threshold lines,
// and the help entries that depend on the firmware.
#include <gtest/gtest.h>

#include "params/edit_limits.h"
#include "params/parameter_help_texts.h"

namespace {

TEST(EditLimits, TolerancesAroundTheTeachValue) {
  EXPECT_EQ(LimitUpperTolerance(200, 4000, 4096), 95);
  EXPECT_EQ(LimitUpperTolerance(96, 4000, 4096), 96);  // 4096 itself is allowed
  EXPECT_EQ(LimitUpperTolerance(97, 4000, 4096), 95);
  EXPECT_EQ(LimitUpperTolerance(5, 4096, 4096), 0);  // no room above the set-point
  EXPECT_EQ(LimitLowerTolerance(4500, 4000), 4000);
  EXPECT_EQ(LimitLowerTolerance(4000, 4000), 4000);
  EXPECT_EQ(LimitLowerTolerance(12, 4000), 12);
}

TEST(EditLimits, TeachValue) {
  EXPECT_EQ(LimitTeachValue(0, 4096), 1);
  EXPECT_EQ(LimitTeachValue(5000, 4096), 4095);
  EXPECT_EQ(LimitTeachValue(4096, 4096), 4096);
  EXPECT_EQ(LimitTeachValue(-3, 4096), 1);
}

TEST(EditLimits, ThresholdLinesUseIntegerPercent) {
  std::array<std::uint16_t, 256> line{};
  FillFixedLine(line, 1024, 40);
  EXPECT_EQ(line[0], 409);
  EXPECT_EQ(line[255], 409);
  std::array<std::uint16_t, 256> profile{};
  profile[0] = 999;
  profile[7] = 65535;
  ScaleProfile(profile, 950, line);
  EXPECT_EQ(line[0], 9490);
  EXPECT_EQ(line[1], 0);
  EXPECT_EQ(line[7], static_cast<std::uint16_t>(65535u * 950 / 100));
}

TEST(ParameterHelpTexts, LowerToleranceByFirmwareAndPlaces) {
  EXPECT_EQ(ParameterHelp(ParamHelp::LowerTolerance, 302).text.rfind("TOLERANCE-VALUE:\n", 0), 0u);
  EXPECT_EQ(ParameterHelp(ParamHelp::LowerTolerance, 303).text.rfind("TOLERANCE-LOW:\n", 0), 0u);
  EXPECT_TRUE(ParameterHelp(ParamHelp::Average, 318).large);
  const HelpEntry teach = ParameterHelp(ParamHelp::TeachValue, 318);
  EXPECT_EQ(teach.dx, 130);
  EXPECT_EQ(teach.dy, 5);
}

}  // namespace
