#include "calib/calibration_fit.h"

#include "sensor/parameter_set.h"

LineFit FitLine(const CalPoint* points, int count) {
  LineFit fit;
  if (count < 2) return fit;
  double meanX = 0, meanY = 0;
  for (int i = 0; i < count; ++i) {
    meanX += points[i].x;
    meanY += points[i].y;
  }
  meanX /= count;
  meanY /= count;
  // Sums about the means keep the result exact for the few, large values a
  // calibration has.
  double sxx = 0, sxy = 0;
  for (int i = 0; i < count; ++i) {
    const double dx = points[i].x - meanX;
    sxx += dx * dx;
    sxy += dx * (points[i].y - meanY);
  }
  if (sxx == 0) return fit;
  fit.slope = sxy / sxx;
  fit.offset = meanY - fit.slope * meanX;
  fit.ok = true;
  return fit;
}

CalPoints PointsForFit(const CalPoints& points, bool accepted1, bool accepted2) {
  if (accepted1 && accepted2) return points;
  CalPoints result = points;
  if (!accepted2) result.second = points.first;
  result.first = CalPoint{0.0, 0.0};
  return result;
}

CalibrationWords EncodeCalibration(double slope, double offset) {
  return {SlopeToWord(slope), OffsetToWord(offset)};
}

std::array<std::uint16_t, 4> CalibrationDataWords(const CalibrationWords& w) {
  return {static_cast<std::uint16_t>(w.umSlope & 0xFFFF),
          static_cast<std::uint16_t>(w.umSlope >> 16),
          static_cast<std::uint16_t>(w.umOffset & 0xFFFF),
          static_cast<std::uint16_t>(w.umOffset >> 16)};
}

CalibrationWords CalibrationFromDataWords(const std::uint16_t* d) {
  return {static_cast<std::uint32_t>(d[0]) | (static_cast<std::uint32_t>(d[1]) << 16),
          static_cast<std::uint32_t>(d[2]) | (static_cast<std::uint32_t>(d[3]) << 16)};
}
