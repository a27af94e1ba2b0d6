// The calibration line: least squares through the reference points, the
// one- and no-object rules, and the words the sensor is sent.
#include <gtest/gtest.h>

#include <cmath>

#include "calib/calibration_fit.h"

namespace {

double Round2(double v) {
  return std::round(v * 100.0) / 100.0;
}

LineFit FitPoints(const CalPoints& p) {
  const CalPoint points[2] = {p.first, p.second};
  return FitLine(points, 2);
}

TEST(CalibrationFit, TwoObjectsGiveTheLineThroughBoth) {
  const CalPoints taken{{241, 7960}, {662, 21960}};
  const CalPoints used = PointsForFit(taken, true, true);
  EXPECT_EQ(used.first.x, 241);
  EXPECT_EQ(used.second.y, 21960);
  const LineFit fit = FitPoints(used);
  EXPECT_TRUE(fit.ok);
  EXPECT_NEAR(fit.slope, 14000.0 / 421.0, 1e-12);
  EXPECT_EQ(Round2(fit.offset), -54.25);
  // Both points lie on the line.
  EXPECT_NEAR(fit.slope * 241 + fit.offset, 7960, 1e-9);
  EXPECT_NEAR(fit.slope * 662 + fit.offset, 21960, 1e-9);
  const CalibrationWords w = EncodeCalibration(fit.slope, fit.offset);
  EXPECT_EQ(w.umSlope, 34052u);   // 34052.25 truncated
  EXPECT_EQ(w.umOffset, 32712u);  // 32712.75 truncated
}

TEST(CalibrationFit, OneObjectGivesALineThroughTheOrigin) {
  // Only the first object: the second point becomes a copy of it.
  CalPoints used = PointsForFit({{241, 7960}, {662, 21960}}, true, false);
  EXPECT_EQ(used.first.x, 0);
  EXPECT_EQ(used.first.y, 0);
  EXPECT_EQ(used.second.x, 241);
  EXPECT_EQ(used.second.y, 7960);
  LineFit fit = FitPoints(used);
  EXPECT_NEAR(fit.slope, 33.029, 5e-4);
  EXPECT_NEAR(fit.offset, 0.0, 1e-9);

  // Only the second object: the line runs through the origin and that object.
  used = PointsForFit({{241, 7960}, {662, 21960}}, false, true);
  EXPECT_EQ(used.first.x, 0);
  EXPECT_EQ(used.second.x, 662);
  fit = FitPoints(used);
  EXPECT_NEAR(fit.slope, 21960.0 / 662.0, 1e-12);
  EXPECT_NEAR(fit.offset, 0.0, 1e-9);
}

TEST(CalibrationFit, NoObjectUsesThePreviousFirstPoint) {
  const CalPoints used = PointsForFit({{500, 10000}, {662, 21960}}, false, false);
  EXPECT_EQ(used.first.x, 0);
  EXPECT_EQ(used.second.x, 500);
  EXPECT_EQ(used.second.y, 10000);
  EXPECT_NEAR(FitPoints(used).slope, 20.0, 1e-12);
  // A second fit without objects runs through the origin twice: no line.
  EXPECT_FALSE(FitPoints(PointsForFit(used, false, false)).ok);
}

TEST(CalibrationFit, LeastSquaresOverMorePointsAndEqualX) {
  const CalPoint line[3] = {{0, 1}, {1, 3}, {2, 5}};
  LineFit fit = FitLine(line, 3);
  EXPECT_NEAR(fit.slope, 2.0, 1e-12);
  EXPECT_NEAR(fit.offset, 1.0, 1e-12);
  // Scattered: slope 0.5 and offset 1/6 minimise the squared error.
  const CalPoint scattered[3] = {{0, 0}, {1, 1}, {2, 1}};
  fit = FitLine(scattered, 3);
  EXPECT_NEAR(fit.slope, 0.5, 1e-12);
  EXPECT_NEAR(fit.offset, 1.0 / 6.0, 1e-12);
  // One x for both points, or a single point: no line, shown as zeros.
  const CalPoint same[2] = {{300, 1000}, {300, 2000}};
  fit = FitLine(same, 2);
  EXPECT_FALSE(fit.ok);
  EXPECT_EQ(fit.slope, 0.0);
  EXPECT_EQ(fit.offset, 0.0);
  EXPECT_FALSE(FitLine(same, 1).ok);
}

TEST(CalibrationFit, WordsCoverTheFullUnsignedRangeLowHalfFirst) {
  // Slopes from 2^21 on give words of 2^31 and above: kept, not wrapped negative.
  CalibrationWords w = EncodeCalibration(2097152.0, 2147483648.0);
  EXPECT_EQ(w.umSlope, 0x80000000u);
  EXPECT_EQ(w.umOffset, 2147516415u);  // 2^31 + 32767
  w = EncodeCalibration(4294967295.0 / 1024.0, -32767.0);
  EXPECT_EQ(w.umSlope, 0xFFFFFFFFu);
  EXPECT_EQ(w.umOffset, 0u);
  w = EncodeCalibration(1.0, 0.0);
  EXPECT_EQ(w.umSlope, 1024u);
  EXPECT_EQ(w.umOffset, 32767u);

  const auto words = CalibrationDataWords({0x12345678u, 0x9ABCDEF0u});
  EXPECT_EQ(words[0], 0x5678);
  EXPECT_EQ(words[1], 0x1234);
  EXPECT_EQ(words[2], 0xDEF0);
  EXPECT_EQ(words[3], 0x9ABC);
  const CalibrationWords back = CalibrationFromDataWords(words.data());
  EXPECT_EQ(back.umSlope, 0x12345678u);
  EXPECT_EQ(back.umOffset, 0x9ABCDEF0u);
}

}  // namespace
