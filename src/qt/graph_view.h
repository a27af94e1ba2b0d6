// Graph: XY plots as lines, rectangles as filled boxes, the three cursors as
// vertical lines with a marker at their point, axes manual or scaled to the
// data. A graph without automatic redraw shows changes only after the program
// asked for a redraw.
#pragma once

#include <array>
#include <vector>

#include "qt/plot_view.h"

class QCPItemRect;
class QCPItemStraightLine;
class QCPItemTracer;

namespace qtfront {

class GraphView : public PlotView {
  Q_OBJECT
 public:
  GraphView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;

 private:
  void draw(const rt::GraphData& g);
  QCPItemRect* rectangle(std::size_t index);

  std::vector<QCPItemRect*> rectangles_;
  std::array<QCPItemStraightLine*, 3> cursorLines_{};
  std::array<QCPItemTracer*, 3> cursorMarks_{};
  long drawnRedraws_ = -1;
};

}  // namespace qtfront
