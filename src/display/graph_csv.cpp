#include "display/graph_csv.h"

#include <algorithm>
#include <vector>

#include "runtime/number_text.h"

namespace {

void AppendRow(std::string& out, const std::vector<double>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += ',';
    out += rt::FormatShortest(values[i]);
  }
  out += '\n';
}

}  // namespace

std::string RollGraphCsv(const RollBuffer& roll) {
  std::string out =
      "sample,upper limit,lower limit,teach value,measured value,analogue high,analogue low\n";
  for (int sample = 0; sample < kRollSamples; ++sample) {
    std::vector<double> row{double(sample + 1)};
    for (int trace = 0; trace < kRollTraces; ++trace)
      row.push_back(roll.values[sample * kRollTraces + trace]);
    AppendRow(out, row);
  }
  return out;
}

std::string VideoGraphCsv(const rt::GraphData& graph) {
  std::vector<const rt::Plot*> curves;
  for (const rt::Plot& plot : graph.plots)
    if (plot.kind == rt::Plot::Kind::XY) curves.push_back(&plot);
  std::string out = "position,video signal";
  for (std::size_t i = 1; i < curves.size(); ++i)
    out += i == 1 ? ",threshold" : ",threshold " + std::to_string(i);
  out += '\n';
  if (curves.empty()) return out;
  // The points every curve has (they are drawn over the same positions).
  std::size_t points = curves.front()->xs.size();
  for (const rt::Plot* curve : curves) points = std::min(points, curve->ys.size());
  for (std::size_t point = 0; point < points; ++point) {
    std::vector<double> row{curves.front()->xs[point]};
    for (const rt::Plot* curve : curves) row.push_back(curve->ys[point]);
    AppendRow(out, row);
  }
  return out;
}
