// The raw view of the video profile and threshold levels from percentages.
#include <gtest/gtest.h>

#include "display/raw_view.h"

namespace {

TEST(RawView, PointsAboveTheComparisonAreMirroredOthersZero) {
  VideoCurve profile{};
  VideoCurve fixed{};
  fixed.fill(128);
  profile[0] = 200;
  profile[1] = 100;
  profile[2] = 128;  // equal is not above
  profile[3] = 255;
  ApplyRawView(profile, fixed, 255);
  EXPECT_EQ(profile[0], 55);
  EXPECT_EQ(profile[1], 0);
  EXPECT_EQ(profile[2], 0);
  EXPECT_EQ(profile[3], 0);
}

TEST(RawView, ComparesPointByPoint) {
  VideoCurve profile{};
  VideoCurve curve{};
  profile.fill(1000);
  for (std::size_t i = 0; i < curve.size(); ++i) curve[i] = static_cast<std::uint16_t>(i * 8);
  ApplyRawView(profile, curve, 4095);
  EXPECT_EQ(profile[0], 3095);
  EXPECT_EQ(profile[124], 3095);  // 992 below 1000
  EXPECT_EQ(profile[125], 0);     // 1000 is not above 1000
  EXPECT_EQ(profile[255], 0);
}

TEST(ThresholdLevel, NoSixteenBitOverflowOnTheWay) {
  EXPECT_EQ(ThresholdLevel(65535, 99), 64879);
}

}  // namespace
