// Judging a measurement against the parameters, with the documented numbers.
#include <gtest/gtest.h>

#include "display/evaluation.h"

namespace {

TEST(Evaluation, TolerancePairFromHousingOrParameters) {
  TolerancePair housing = TolerancesFor(3, 25, 100, 200);
  EXPECT_EQ(housing.upper, 25);
  EXPECT_EQ(housing.lower, 25);
  TolerancePair params = TolerancesFor(0, 25, 100, 200);
  EXPECT_EQ(params.upper, 100);
  EXPECT_EQ(params.lower, 200);
}

TEST(Evaluation, LimitsAreClampedToTheLine) {
  ToleranceLimits low = ClampLimits(RawLimits(100, {100, 150}), 4096);
  EXPECT_EQ(low.lower, 1);
  EXPECT_FALSE(OutOfTolerance(50, low));
  ToleranceLimits high = ClampLimits(RawLimits(4000, {500, 100}), 4096);
  EXPECT_EQ(high.upper, 4095);
  EXPECT_TRUE(OutOfTolerance(3899, high));
}

TEST(Evaluation, EdgePosition) {
  EXPECT_EQ(EdgePosition(0, 10, 20), 10);
  EXPECT_EQ(EdgePosition(1, 10, 20), 20);
  EXPECT_EQ(EdgePosition(2, 0, 20), 1);
  EXPECT_EQ(EdgePosition(2, 1001, 2000), 1500);
  EXPECT_EQ(EdgePosition(4, 1000, 2001), 1500);
  EXPECT_EQ(ClampEdgePosition(0, 1, 4096, 4096), 1);
  EXPECT_EQ(ClampEdgePosition(5000, 1, 4096, 4096), 4096);
}

TEST(Evaluation, TwoEdgeBandsAroundThePosition) {
  auto bands = ToleranceBands(2, 2, 1500, 1000, {100, 100}, 4096);
  ASSERT_EQ(bands.size(), 2u);
  EXPECT_DOUBLE_EQ(bands[0].x1, 950);
  EXPECT_DOUBLE_EQ(bands[0].x2, 1050);
  EXPECT_DOUBLE_EQ(bands[1].x1, 1950);
  EXPECT_DOUBLE_EQ(bands[1].x2, 2050);
  EXPECT_TRUE(ToleranceBands(2, 0, 1500, 1000, {100, 100}, 4096).empty());
}

TEST(Evaluation, OneBandAroundTheSetPoint) {
  auto bands = ToleranceBands(0, 1, 700, 512, {100, 100}, 4096);
  ASSERT_EQ(bands.size(), 1u);
  EXPECT_DOUBLE_EQ(bands[0].x1, 412);
  EXPECT_DOUBLE_EQ(bands[0].x2, 612);
  auto clamped = ToleranceBands(1, 1, 700, 50, {4100, 100}, 4096);
  EXPECT_DOUBLE_EQ(clamped[0].x1, 1);
  EXPECT_DOUBLE_EQ(clamped[0].x2, 4096);
}

TEST(Evaluation, ShadowBandBySideWords) {
  auto right = ShadowBand(1, 300, 0, 5, 9, 4096);
  ASSERT_TRUE(right);
  EXPECT_DOUBLE_EQ(right->x1, 300);
  EXPECT_DOUBLE_EQ(right->x2, 4096);
  auto left = ShadowBand(1, 300, 0, 9, 5, 4096);
  EXPECT_DOUBLE_EQ(left->x1, 1);
  EXPECT_DOUBLE_EQ(left->x2, 300);
  EXPECT_FALSE(ShadowBand(0, 300, 400, 0, 0, 4096));
  EXPECT_DOUBLE_EQ(ShadowBand(2, 300, 400, 0, 0, 4096)->x2, 400);
}

TEST(Evaluation, AnalogOutputValues) {
  EXPECT_EQ(MainValue(3, 0, 100, 300), -200);
  EXPECT_EQ(MainValue(1, 5, 100, 300), 100);
  EXPECT_EQ(MainValue(6, 5, 100, 300), 5);
  Companions c = AnalogCompanions(3, 0, 100, 300, 4096);
  EXPECT_DOUBLE_EQ(c.low, 100);
  EXPECT_DOUBLE_EQ(c.high, 300);
  EXPECT_DOUBLE_EQ(AnalogCompanions(2, 50, 0, 4095, 4096).high, 1);
  EXPECT_DOUBLE_EQ(AnalogCompanions(9, 50, 0, 0, 4096).high, 4095);
}

TEST(Evaluation, RollZoomWindow) {
  ZoomWindow a = RollZoomWindow(0, 0, 30, 30, 2000, 2100);
  EXPECT_EQ(a.ymin, 1960);
  EXPECT_EQ(a.ymax, 2160);
  ZoomWindow b = RollZoomWindow(0, 0, 50, 50, 2000, 2100);
  EXPECT_EQ(b.ymin, 1900);
  EXPECT_EQ(b.ymax, 2100);
  ZoomWindow c = RollZoomWindow(0, 0, 50, 50, 2000, 2150);
  EXPECT_EQ(c.ymax, 2250);
  ZoomWindow housing = RollZoomWindow(1, 100, 0, 0, 2000, 1700);
  EXPECT_EQ(housing.ymin, 1600);
  EXPECT_EQ(housing.ymax, 2200);
}

}  // namespace
