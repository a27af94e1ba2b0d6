#include "display/evaluation.h"

TolerancePair TolerancesFor(int hardwareMode, int sensorTolerance, int upperTolerance,
                            int lowerTolerance) {
  if (hardwareMode == 1 || hardwareMode == 3) return {sensorTolerance, sensorTolerance};
  return {upperTolerance, lowerTolerance};
}

ToleranceLimits RawLimits(int teach, const TolerancePair& pair) {
  return {static_cast<long>(teach) + pair.upper, static_cast<long>(teach) - pair.lower};
}

ToleranceLimits ClampLimits(ToleranceLimits l, int range) {
  if (l.upper > range - 1) l.upper = range - 1;
  if (l.lower < 1) l.lower = 1;
  return l;
}

bool OutOfTolerance(int m, const ToleranceLimits& l) {
  return m > l.upper || m < l.lower;
}

int EdgePosition(int evalMode, int eLeft, int eRight) {
  if (evalMode == 0) return eLeft;
  if (evalMode == 1) return eRight;
  if (eLeft == 0 || eRight == 0) return 1;
  return (eLeft + eRight) / 2;
}

int ClampEdgePosition(int p, int edgeLow, int edgeHigh, int range) {
  if (p < edgeLow) p = edgeLow;
  if (p > edgeHigh) p = edgeHigh;
  if (p < 1) p = 1;
  if (p > range) p = range;
  return p;
}

std::optional<Band> ShadowBand(int edges, int eLeft, int eRight, int side8, int side9,
                               int edgeHigh) {
  if (edges == 0) return std::nullopt;
  if (edges == 1) {
    if (side8 < side9) return Band{double(eLeft), double(edgeHigh)};
    return Band{1.0, double(eLeft)};
  }
  return Band{double(eLeft), double(eRight)};
}

std::vector<Band> ToleranceBands(int evalMode, int edges, int p, int teach,
                                 const TolerancePair& pair, int range) {
  if (evalMode == 2) {
    if (edges == 0) return {};
    const int h = teach / 2;
    int a = p - h - pair.upper / 2;
    int b = p - h + pair.lower / 2;
    const int c = p + h - pair.lower / 2;
    const int d = p + h + pair.upper / 2;
    if (a < 0) a = 1;
    if (b > range - 1) b = range;
    return {Band{double(a), double(b)}, Band{double(c), double(d)}};
  }
  int a = teach - pair.lower;
  int b = teach + pair.upper;
  if (a < 0) a = 1;
  if (b > range - 1) b = range;
  return {Band{double(a), double(b)}};
}

long MainValue(int mode, int m, int max, int min) {
  switch (mode) {
    case 1:
      return max;
    case 2:
      return min;
    case 3:
      return static_cast<long>(max) - min;
    default:
      return m;
  }
}

double MicrometreReading(std::uint32_t micrometre) {
  return micrometre / 1000.0;
}

OutputLamps OutputLampsFor(int states) {
  return {states == 1 || states == 3, states == 2 || states == 3};
}

Companions AnalogCompanions(int mode, int m, int max, int min, int range) {
  double low = 1, high = range - 1;
  switch (mode) {
    case 0:
      low = high = m;
      break;
    case 1:
      low = max, high = m;
      break;
    case 2:
      low = m, high = (min == range - 1) ? 1 : min;
      break;
    case 3:
      low = max, high = min;
      break;
    default:
      break;
  }
  return {high, low};
}

ZoomWindow RollZoomWindow(int hardwareMode, int sensorTolerance, int upperTolerance,
                          int lowerTolerance, int teach, int m) {
  ZoomWindow w;
  if (hardwareMode == 1 || hardwareMode == 3) {
    const int t = sensorTolerance;
    const int margin = t < 40 ? 60 : 100;
    w.ymin = t < 40 ? teach - 40L : teach - 2L * t;
    w.ymax = t < 40 ? teach + 40L : teach + 2L * t;
    if (m > w.ymax) w.ymax = m + margin;
    if (m < w.ymin) w.ymin = m - margin;
    return w;
  }
  const int lowMargin = lowerTolerance < 40 ? 60 : 100;
  w.ymin = lowerTolerance < 40 ? teach - 40L : teach - 2L * lowerTolerance;
  if (m < w.ymin) w.ymin = m - lowMargin;
  const int highMargin = upperTolerance < 40 ? 60 : 100;
  w.ymax = upperTolerance < 40 ? teach + 40L : teach + 2L * upperTolerance;
  if (m > w.ymax) w.ymax = m + highMargin;
  return w;
}

ZoomWindow ClampZoomWindow(ZoomWindow w, int range) {
  if (w.ymax > range - 1) w.ymax = range - 1;
  if (w.ymin < 1) w.ymin = 1;
  return w;
}
