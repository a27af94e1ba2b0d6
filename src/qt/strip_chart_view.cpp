#include "qt/strip_chart_view.h"

#include <qcustomplot.h>

#include "qt/qt_convert.h"

namespace qtfront {

StripChartView::StripChartView(QWidget* panelWidget, int panel, const rt::Control& c)
    : PlotView(panelWidget, panel, c) {}

void StripChartView::applyKind(const rt::Control& c) {
  applyFrame(c);
  const rt::StripChartData& s = c.strip;
  int traces = std::max(1, s.numTraces);
  while (plot_->graphCount() < traces) plot_->addGraph();
  for (int t = 0; t < plot_->graphCount(); ++t) {
    QCPGraph* line = plot_->graph(t);
    bool used = t < traces && t < static_cast<int>(s.points.size());
    line->setVisible(used);
    if (!used) {
      line->data()->clear();
      continue;
    }
    const std::vector<double>& pts = s.points[t];
    std::size_t first = FirstShownPoint(pts.size(), s.pointsPerScreen);
    std::size_t shown = pts.size() - first;
    QVector<double> xs(static_cast<int>(shown)), ys(static_cast<int>(shown));
    for (std::size_t i = 0; i < shown; ++i) {
      xs[static_cast<int>(i)] = StripPointX(i, shown, s.pointsPerScreen);
      ys[static_cast<int>(i)] = pts[first + i];
    }
    line->setData(xs, ys, true);
    int color = t < static_cast<int>(s.traces.size()) ? s.traces[t].color : 0;
    line->setPen(QPen(ToQColor(color)));
  }
  Range x{0, static_cast<double>(std::max(2, s.pointsPerScreen) - 1)};
  setRanges(x, AxisRange(c.graph.yAxis, StripYSpan(s)));
  redraw();
}

}  // namespace qtfront
