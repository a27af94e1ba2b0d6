// The raw view of the video profile, threshold levels from percentages and the
// evaluation-window limits.
#include <gtest/gtest.h>

#include "display/eval_window.h"
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

TEST(ThresholdLevel, DropsTheRemainder) {
  EXPECT_EQ(ThresholdLevel(255, 50), 127);
  EXPECT_EQ(ThresholdLevel(255, 33), 84);
  EXPECT_EQ(ThresholdLevel(4095, 100), 4095);
  EXPECT_EQ(ThresholdLevel(65535, 99), 64879);  // no 16-bit overflow on the way
}

TEST(EvalWindow, BeginIsPulledInside) {
  EXPECT_EQ(ClampEvalBegin(0, 1, 4096).value, 1);
  EXPECT_TRUE(ClampEvalBegin(0, 1, 4096).clamped);
  EXPECT_EQ(ClampEvalBegin(5000, 1, 4096).value, 4095);
  EXPECT_FALSE(ClampEvalBegin(4096, 1, 4096).clamped);
  EXPECT_EQ(ClampEvalBegin(300, 1, 4096).value, 300);
}

TEST(EvalWindow, EndIsPulledInside) {
  EXPECT_EQ(ClampEvalEnd(5000, 1, 4096).value, 4096);
  EXPECT_EQ(ClampEvalEnd(0, 1, 4096).value, 2);
  EXPECT_TRUE(ClampEvalEnd(0, 1, 4096).clamped);
  EXPECT_EQ(ClampEvalEnd(2000, 1, 4096).value, 2000);
  EXPECT_FALSE(ClampEvalEnd(1, 1, 4096).clamped);
}

}  // namespace
