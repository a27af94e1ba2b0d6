// Judging a measurement against the parameters, at the ends of the ranges; the
// measurement display tests check that each result reaches its control.
#include <gtest/gtest.h>

#include "display/evaluation.h"
#include "display/roll_graph.h"
#include "sensor/parameter_set.h"

namespace {

TEST(Evaluation, OutputLampsLightOnlyForOneToThree) {
  EXPECT_FALSE(OutputLampsFor(0).first || OutputLampsFor(0).second);
  EXPECT_TRUE(OutputLampsFor(1).first && !OutputLampsFor(1).second);
  EXPECT_TRUE(!OutputLampsFor(2).first && OutputLampsFor(2).second);
  EXPECT_TRUE(OutputLampsFor(3).first && OutputLampsFor(3).second);
  EXPECT_FALSE(OutputLampsFor(4).first || OutputLampsFor(4).second);
}

TEST(Evaluation, LimitsAreClampedToTheLine) {
  ToleranceLimits low = ClampLimits(RawLimits(100, {100, 150}), 4096);
  EXPECT_EQ(low.lower, 1);
  EXPECT_FALSE(OutOfTolerance(50, low));
  ToleranceLimits high = ClampLimits(RawLimits(4000, {500, 100}), 4096);
  EXPECT_EQ(high.upper, 4095);
  EXPECT_TRUE(OutOfTolerance(3899, high));
  // A lower limit far below zero still becomes 1.
  EXPECT_EQ(ClampLimits(RawLimits(10, {0, 3000}), 4096).lower, 1);
  ToleranceLimits inside = ClampLimits(RawLimits(2000, {30, 20}), 4096);
  EXPECT_FALSE(OutOfTolerance(2030, inside));
  EXPECT_TRUE(OutOfTolerance(2031, inside));
  EXPECT_FALSE(OutOfTolerance(1980, inside));
  EXPECT_TRUE(OutOfTolerance(1979, inside));
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
  EXPECT_FALSE(ShadowBand(0, 300, 400, 0, 0, 4096));
  EXPECT_TRUE(ToleranceBands(2, 0, 1500, 1000, {100, 100}, 4096).empty());
  EXPECT_DOUBLE_EQ(ShadowBand(2, 300, 400, 0, 0, 4096)->x2, 400);
  // Equal side words count as "not less": the band runs from 1.
  EXPECT_DOUBLE_EQ(ShadowBand(1, 300, 0, 7, 7, 4096)->x1, 1);
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
  // A small housing tolerance opens 40 either side and adds 60 beyond M.
  ZoomWindow narrow = RollZoomWindow(3, 10, 500, 500, 2000, 2050);
  EXPECT_EQ(narrow.ymin, 1960);
  EXPECT_EQ(narrow.ymax, 2110);
}

TEST(Evaluation, ZoomWindowStaysOnTheLine) {
  ZoomWindow w = ClampZoomWindow(RollZoomWindow(0, 0, 50, 50, 30, 4090), 4096);
  EXPECT_EQ(w.ymin, 1);
  EXPECT_EQ(w.ymax, 4095);
}

TEST(RollBuffer, NewSampleEntersAtTheRightAndOldestDropsOut) {
  RollBuffer buffer;
  for (int n = 1; n <= 101; ++n)
    PushRollSample(buffer, {double(n), n + 0.1, n + 0.2, n + 0.3, n + 0.4, n + 0.5});
  // Sample 1 has dropped out; sample 2 is oldest, 101 newest, traces in order.
  EXPECT_DOUBLE_EQ(buffer.values[0], 2);
  EXPECT_DOUBLE_EQ(buffer.values[5], 2.5);
  EXPECT_DOUBLE_EQ(buffer.values[594], 101);
  EXPECT_DOUBLE_EQ(buffer.values[599], 101.5);
  RollBuffer fresh;
  PushRollSample(fresh, {1, 2, 3, 4, 5, 6});
  EXPECT_DOUBLE_EQ(fresh.values[593], 0);  // older places stay 0 while the buffer fills
  EXPECT_DOUBLE_EQ(fresh.values[597], 4);  // trace 4 of the newest sample
}

}  // namespace
