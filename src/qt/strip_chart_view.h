// Strip chart: one line per trace in the trace's colour, the newest points per
// screen of each, the newest at the right edge; y axis manual or scaled to the
// shown points.
#pragma once

#include "qt/plot_view.h"

namespace qtfront {

class StripChartView : public PlotView {
  Q_OBJECT
 public:
  StripChartView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
};

}  // namespace qtfront
