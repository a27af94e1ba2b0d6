#include "qt/plot_view.h"

#include <qcustomplot.h>

#include <algorithm>

#include "qt/frame_rate.h"
#include "qt/qt_convert.h"

namespace qtfront {

PlotView::PlotView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), plot_(new QCustomPlot) {
  plot_->setNotAntialiasedElements(QCP::aeAll);
  plot_->setAntialiasedElements(QCP::aeNone);
  plot_->setPlottingHint(QCP::phCacheLabels, true);
  QFont small = plot_->font();
  small.setPointSize(7);
  plot_->xAxis->setTickLabelFont(small);
  plot_->yAxis->setTickLabelFont(small);
  plot_->axisRect()->setAutoMargins(QCP::msLeft | QCP::msBottom);
  plot_->axisRect()->setMargins(QMargins(0, 6, 8, 0));
  adopt(plot_);
  frame_.setSingleShot(true);
  connect(&frame_, &QTimer::timeout, this, [this] {
    sinceDrawn_.restart();
    plot_->replot();
  });
}

void PlotView::applyFrame(const rt::Control& c) {
  int panelBack = panelWidget_->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
  if (c.textColor != shownText_ || c.bgColor != shownBack_ || panelBack != shownPanelBack_) {
    shownText_ = c.textColor;
    shownBack_ = c.bgColor;
    shownPanelBack_ = panelBack;
    QColor ink = ToQColor(c.textColor);
    plot_->setBackground(ToQColor(panelBack));
    plot_->axisRect()->setBackground(ToQColor(c.bgColor));
    for (QCPAxis* axis : {plot_->xAxis, plot_->yAxis}) {
      axis->setBasePen(QPen(ink));
      axis->setTickPen(QPen(ink));
      axis->setSubTickPen(QPen(ink));
      axis->setTickLabelColor(ink);
    }
    if (title_) title_->setTextColor(ink);
  }
  // As many ticks as the box has room for: the data graph is a thin strip.
  plot_->xAxis->ticker()->setTickCount(std::clamp(c.width / 70, 2, 8));
  plot_->yAxis->ticker()->setTickCount(std::clamp(c.height / 35, 1, 6));
  QString label = ToQString(c.label);
  if (!title_ && !label.isEmpty()) {
    plot_->plotLayout()->insertRow(0);
    title_ = new QCPTextElement(plot_, label);
    title_->setTextColor(ToQColor(c.textColor));
    QFont font = plot_->font();
    font.setPointSize(8);
    font.setBold(true);
    title_->setFont(font);
    plot_->plotLayout()->addElement(0, 0, title_);
  } else if (title_ && title_->text() != label) {
    title_->setText(label);
  }
}

void PlotView::setRanges(const Range& x, const Range& y) {
  plot_->xAxis->setRange(x.lo, x.hi);
  plot_->yAxis->setRange(y.lo, y.hi);
}

void PlotView::redraw() {
  if (frame_.isActive()) return;  // a drawing is already due and will show this too
  const qint64 frameMs = FrameMs(plot_->screen());
  const qint64 since = sinceDrawn_.isValid() ? sinceDrawn_.elapsed() : frameMs;
  frame_.start(static_cast<int>(std::max<qint64>(kLeadMs, frameMs - since)));
}

}  // namespace qtfront
