// What graphs and strip charts share: a QCustomPlot widget with the control's
// colours and label (as a title inside the box), axis ranges, and redraws that
// are queued so that drawing never holds up the program.
#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "qt/control_view.h"
#include "qt/plot_ranges.h"

class QCustomPlot;
class QCPTextElement;

namespace qtfront {

class PlotView : public ControlView {
  Q_OBJECT
 protected:
  PlotView(QWidget* panelWidget, int panel, const rt::Control& c);

  // Colours of the plot area and the axes, and the title.
  void applyFrame(const rt::Control& c);
  void setRanges(const Range& x, const Range& y);
  // Draws at the next turn of the event loop; requests in between make one
  // drawing, and a plot is drawn at most once per refresh of its screen, so a
  // burst of replies makes one drawing and never holds up the line.
  void redraw();

  QCustomPlot* plot_;

 private:
  // Never drawn in the same pass of the event loop that brought the new data:
  // the loop first puts its next request on the line, and the drawing then
  // happens while the sensor answers.
  static constexpr qint64 kLeadMs = 1;
  QTimer frame_;
  QElapsedTimer sinceDrawn_;
  QCPTextElement* title_ = nullptr;
  int shownText_ = -1, shownBack_ = -1, shownPanelBack_ = -1;
};

}  // namespace qtfront
