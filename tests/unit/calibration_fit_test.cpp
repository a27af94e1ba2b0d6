// The calibration line: the one- and no-object rules, least squares, and the
// words the sensor is sent over their full unsigned range.
#include <gtest/gtest.h>

#include "calib/calibration_fit.h"

namespace {

LineFit FitPoints(const CalPoints& p) {
  const CalPoint points[2] = {p.first, p.second};
  return FitLine(points, 2);
}

TEST(CalibrationFit, PointsUsedByWhichObjectsWereTaken) {
  // Both objects and only the first are the calibration scenario tests'.
  const CalPoints taken{{241, 7960}, {662, 21960}};
  // Only the second object: through the origin and the second object.
  EXPECT_NEAR(FitPoints(PointsForFit(taken, false, true)).slope, 21960.0 / 662.0, 1e-12);
  // None: the origin and the previous first point, which the second takes over.
  const CalPoints none = PointsForFit(taken, false, false);
  EXPECT_EQ(none.first.x, 0);
  EXPECT_EQ(none.second.x, 241);
  EXPECT_EQ(none.second.y, 7960);
  // A second fit without objects runs through the origin twice: no line, zeros.
  const LineFit fit = FitPoints(PointsForFit(none, false, false));
  EXPECT_FALSE(fit.ok);
  EXPECT_EQ(fit.slope, 0.0);
  EXPECT_EQ(fit.offset, 0.0);
}

TEST(CalibrationFit, LeastSquaresOverScatteredPoints) {
  const CalPoint scattered[3] = {{0, 0}, {1, 1}, {2, 1}};
  const LineFit fit = FitLine(scattered, 3);
  EXPECT_NEAR(fit.slope, 0.5, 1e-12);
  EXPECT_NEAR(fit.offset, 1.0 / 6.0, 1e-12);
  EXPECT_FALSE(FitLine(scattered, 1).ok);
}

TEST(CalibrationFit, WordsCoverTheFullUnsignedRangeLowHalfFirst) {
  // Slopes from 2^21 on give words of 2^31 and above: kept, not wrapped.
  CalibrationWords w = EncodeCalibration(2097152.0, 2147483648.0);
  EXPECT_EQ(w.umSlope, 0x80000000u);
  EXPECT_EQ(w.umOffset, 2147516415u);  // 2^31 + 32767
  w = EncodeCalibration(4294967295.0 / 1024.0, -32767.0);
  EXPECT_EQ(w.umSlope, 0xFFFFFFFFu);
  EXPECT_EQ(w.umOffset, 0u);
  const auto words = CalibrationDataWords({0x12345678u, 0x9ABCDEF0u});
  EXPECT_EQ(words, (std::array<std::uint16_t, 4>{0x5678, 0x1234, 0xDEF0, 0x9ABC}));
  const CalibrationWords back = CalibrationFromDataWords(words.data());
  EXPECT_EQ(back.umSlope, 0x12345678u);
  EXPECT_EQ(back.umOffset, 0x9ABCDEF0u);
}

}  // namespace
