// One panel as a widget: a window of its own for a top-level panel, an area
// inside its parent's window for a child panel. It holds the views of the
// panel's controls and reports what the operator does with the window itself:
// closing, resizing, moving, clicks on the background.
#pragma once

#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "runtime/ui_model.h"

class QShortcut;

namespace qtfront {

class ControlView;

class PanelWindow : public QWidget {
  Q_OBJECT

 public:
  // parentWindow null: a top-level window.
  PanelWindow(int panel, QWidget* parentWindow);
  ~PanelWindow() override;

  int panel() const { return panel_; }
  // Title, colour, place, size, window state and visibility.
  void applyPanel(const rt::Panel& model);
  // Creates the control's view when it is new (controls made at run time).
  void applyControl(const rt::Control& c);
  void applyAllControls(const rt::Panel& p);
  ControlView* view(int control) const;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void applyTopLevelGeometry(const rt::Panel& p);
  void reportGeometry();
  void pressed(QMouseEvent* event, bool doubleClick);
  void bringToFront(PanelWindow* child);
  void placeUnderChildPanels(ControlView* v);
  void applyKeys(const rt::Panel& p);

  int panel_;
  std::map<int, std::unique_ptr<ControlView>> views_;
  std::vector<QShortcut*> keys_;  // children of this widget, in the model's order
  int focusedControl_ = 0;
  bool wasActive_ = false;
  bool applying_ = false;
};

}  // namespace qtfront
