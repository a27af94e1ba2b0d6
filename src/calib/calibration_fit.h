// The straight line that turns subpixels into micrometres, fitted through the
// two reference objects, and its encoding in the sensor's um-Slope and
// um-Offset words. Pure computations.
#pragma once

#include <array>
#include <cstdint>

struct CalPoint {
  double x = 0;  // measured value in subpixels
  double y = 0;  // object size in micrometres
};

struct CalPoints {
  CalPoint first;
  CalPoint second;
};

struct LineFit {
  double slope = 0;
  double offset = 0;
  bool ok = false;  // false when the points share one x: no line, slope and offset 0
};

// Least-squares straight line y = slope x + offset through the points.
LineFit FitLine(const CalPoint* points, int count);

// The points the fit runs through. Both objects taken: the two points as they
// are. Otherwise the second point becomes a copy of the first (unless the
// second object was taken) and the first becomes the origin: one object gives
// a line through the origin and that object, none a line through the origin
// and the previous first point.
CalPoints PointsForFit(const CalPoints& points, bool accepted1, bool accepted2);

struct CalibrationWords {
  std::uint32_t umSlope = 1024;
  std::uint32_t umOffset = 32767;
};

// slope x 1024 and offset + 32767, truncated toward zero over the full
// unsigned 32-bit range.
CalibrationWords EncodeCalibration(double slope, double offset);

// Data words 0..3 of a calibration frame: um-Slope low, high, um-Offset low, high.
std::array<std::uint16_t, 4> CalibrationDataWords(const CalibrationWords& words);
CalibrationWords CalibrationFromDataWords(const std::uint16_t* data);
