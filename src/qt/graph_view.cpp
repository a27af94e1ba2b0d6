#include "qt/graph_view.h"

#include <qcustomplot.h>

#include <algorithm>

#include "qt/qt_convert.h"

namespace qtfront {
namespace {

// Cursor 1 marks the evaluated position (dark, to stand out on red and green
// bands), cursors 2 and 3 the window around it.
constexpr std::array<int, 3> kCursorColors = {0x000000, 0x0000FF, 0x0000FF};

}  // namespace

GraphView::GraphView(QWidget* panelWidget, int panel, const rt::Control& c)
    : PlotView(panelWidget, panel, c) {
  plot_->addLayer("cursors", plot_->layer("main"), QCustomPlot::limAbove);
  for (std::size_t i = 0; i < cursorLines_.size(); ++i) {
    QPen pen(ToQColor(kCursorColors[i]));
    cursorLines_[i] = new QCPItemStraightLine(plot_);
    cursorLines_[i]->setLayer("cursors");
    cursorLines_[i]->setPen(pen);
    cursorLines_[i]->setVisible(false);
    cursorMarks_[i] = new QCPItemTracer(plot_);
    cursorMarks_[i]->setLayer("cursors");
    cursorMarks_[i]->setStyle(QCPItemTracer::tsCircle);
    cursorMarks_[i]->setSize(7);
    cursorMarks_[i]->setPen(pen);
    cursorMarks_[i]->setVisible(false);
  }
}

void GraphView::applyKind(const rt::Control& c) {
  applyFrame(c);
  if (!c.graph.autoRedraw && c.graph.redraws == drawnRedraws_) return;
  drawnRedraws_ = c.graph.redraws;
  draw(c.graph);
  redraw();
}

QCPItemRect* GraphView::rectangle(std::size_t index) {
  while (rectangles_.size() <= index) {
    auto* rect = new QCPItemRect(plot_);
    rect->setLayer("grid");  // above the grid lines, below the curves
    rectangles_.push_back(rect);
  }
  return rectangles_[index];
}

void GraphView::draw(const rt::GraphData& g) {
  int curves = 0;
  std::size_t boxes = 0;
  for (const rt::Plot& p : g.plots) {
    if (p.kind == rt::Plot::Kind::Rectangle) {
      QCPItemRect* rect = rectangle(boxes++);
      rect->topLeft->setCoords(std::min(p.x1, p.x2), std::max(p.y1, p.y2));
      rect->bottomRight->setCoords(std::max(p.x1, p.x2), std::min(p.y1, p.y2));
      rect->setPen(QPen(ToQColor(p.color)));
      rect->setBrush(ToQColor(p.fillColor));
      rect->setVisible(true);
      continue;
    }
    QCPGraph* curve = curves < plot_->graphCount() ? plot_->graph(curves) : plot_->addGraph();
    ++curves;
    std::size_t n = std::min(p.xs.size(), p.ys.size());
    QVector<double> xs(p.xs.begin(), p.xs.begin() + n);
    QVector<double> ys(p.ys.begin(), p.ys.begin() + n);
    curve->setData(xs, ys, std::is_sorted(xs.begin(), xs.end()));
    curve->setPen(QPen(ToQColor(p.color)));
    curve->setVisible(true);
  }
  for (int i = curves; i < plot_->graphCount(); ++i) {
    plot_->graph(i)->data()->clear();
    plot_->graph(i)->setVisible(false);
  }
  for (std::size_t i = boxes; i < rectangles_.size(); ++i) rectangles_[i]->setVisible(false);

  for (std::size_t i = 0; i < g.cursors.size(); ++i) {
    const rt::Cursor& cur = g.cursors[i];
    // A cursor the program never placed stays at the origin and is not drawn.
    bool placed = cur.x != 0 || cur.y != 0;
    cursorLines_[i]->setVisible(placed);
    cursorMarks_[i]->setVisible(placed);
    cursorLines_[i]->point1->setCoords(cur.x, 0);
    cursorLines_[i]->point2->setCoords(cur.x, 1);
    cursorMarks_[i]->position->setCoords(cur.x, cur.y);
  }
  setRanges(AxisRange(g.xAxis, GraphXSpan(g)), AxisRange(g.yAxis, GraphYSpan(g)));
}

}  // namespace qtfront
