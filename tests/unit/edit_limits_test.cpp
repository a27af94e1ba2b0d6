// Corrections of the tolerance fields at the ends of the line, and the slider's
// threshold line from a profile near the top of 16 bits.
#include <gtest/gtest.h>

#include "params/edit_limits.h"

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

TEST(EditLimits, ThresholdLinesUseIntegerPercent) {
  std::array<std::uint16_t, 256> line{};
  std::array<std::uint16_t, 256> profile{};
  profile[0] = 999;
  profile[7] = 65535;
  ScaleProfile(profile, 950, line);
  EXPECT_EQ(line[0], 9490);
  EXPECT_EQ(line[1], 0);
  EXPECT_EQ(line[7], static_cast<std::uint16_t>(65535u * 950 / 100));
}

}  // namespace
