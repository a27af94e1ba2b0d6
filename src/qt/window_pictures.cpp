#include "qt/window_pictures.h"

#include <qcustomplot.h>

#include <QPixmap>

#include "qt/model_sync.h"
#include "qt/panel_window.h"
#include "qt/qt_convert.h"

namespace qtfront {

bool QtWindowPictures::savePng(int panel, const std::string& path) {
  // What the program set since the last frame is in the picture too.
  sync_.applyPending();
  PanelWindow* window = sync_.window(panel);
  if (!window) return false;
  // Graphs redraw once a frame; the picture takes them as they stand now.
  for (QCustomPlot* plot : window->findChildren<QCustomPlot*>()) plot->replot();
  return window->grab().save(PathToQString(path), "PNG");
}

}  // namespace qtfront
