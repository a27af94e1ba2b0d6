#include "qt/plot_ranges.h"

#include <algorithm>
#include <cmath>

#include "runtime/constants.h"

namespace qtfront {

void DataSpan::add(double v) {
  if (!std::isfinite(v)) return;
  if (!any) {
    lo = hi = v;
    any = true;
    return;
  }
  lo = std::min(lo, v);
  hi = std::max(hi, v);
}

DataSpan GraphXSpan(const rt::GraphData& g) {
  DataSpan span;
  for (const rt::Plot& p : g.plots) {
    if (p.kind == rt::Plot::Kind::Rectangle) {
      span.add(p.x1);
      span.add(p.x2);
    } else {
      for (double x : p.xs) span.add(x);
    }
  }
  return span;
}

DataSpan GraphYSpan(const rt::GraphData& g) {
  DataSpan span;
  for (const rt::Plot& p : g.plots) {
    if (p.kind == rt::Plot::Kind::Rectangle) {
      span.add(p.y1);
      span.add(p.y2);
    } else {
      for (double y : p.ys) span.add(y);
    }
  }
  return span;
}

Range AxisRange(const rt::Axis& axis, const DataSpan& data) {
  Range r;
  if (axis.mode == rt::VAL_MANUAL) {
    r.lo = std::min(axis.min, axis.max);
    r.hi = std::max(axis.min, axis.max);
  } else if (data.any) {
    r.lo = data.lo;
    r.hi = data.hi;
  } else {
    return Range{0, 1};
  }
  if (!(r.hi > r.lo)) {
    // One value only: give it some room so that it is drawn mid-axis.
    double pad = std::max(1.0, std::fabs(r.lo) * 0.05);
    r.lo -= pad;
    r.hi += pad;
  }
  return r;
}

std::size_t FirstShownPoint(std::size_t count, int pointsPerScreen) {
  std::size_t perScreen = static_cast<std::size_t>(std::max(1, pointsPerScreen));
  return count > perScreen ? count - perScreen : 0;
}

double StripPointX(std::size_t shownIndex, std::size_t shownCount, int pointsPerScreen) {
  double newestX = std::max(1, pointsPerScreen) - 1;
  return newestX - static_cast<double>(shownCount - 1 - shownIndex);
}

DataSpan StripYSpan(const rt::StripChartData& s) {
  DataSpan span;
  for (const std::vector<double>& pts : s.points)
    for (std::size_t i = FirstShownPoint(pts.size(), s.pointsPerScreen); i < pts.size(); ++i)
      span.add(pts[i]);
  return span;
}

}  // namespace qtfront
