// Axis ranges and visible points of graphs and strip charts, worked out from the
// graph model alone.
#pragma once

#include <cstddef>
#include <vector>

#include "runtime/ui_model.h"

namespace qtfront {

struct Range {
  double lo = 0, hi = 1;
};

// Smallest and largest value seen so far.
struct DataSpan {
  bool any = false;
  double lo = 0, hi = 0;
  void add(double v);
};

// What the plots of a graph cover along x and along y; rectangles count with
// both corners.
DataSpan GraphXSpan(const rt::GraphData& g);
DataSpan GraphYSpan(const rt::GraphData& g);

// Range drawn for an axis: the set limits in manual mode (in rising order),
// the data span when scaling automatically. Never empty.
Range AxisRange(const rt::Axis& axis, const DataSpan& data);

// A strip chart shows the newest pointsPerScreen points of each trace: index
// of the first shown point of a trace holding count points.
std::size_t FirstShownPoint(std::size_t count, int pointsPerScreen);

// Where point i of the shown points sits along the x axis: the newest point at
// pointsPerScreen - 1, older ones to its left.
double StripPointX(std::size_t shownIndex, std::size_t shownCount, int pointsPerScreen);

// What the shown points of all traces cover along y.
DataSpan StripYSpan(const rt::StripChartData& s);

}  // namespace qtfront
