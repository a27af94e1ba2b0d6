#include "qt/panel_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <algorithm>

#include "qt/control_rules.h"
#include "qt/control_view.h"
#include "qt/qt_convert.h"
#include "runtime/constants.h"
#include "runtime/events.h"

namespace qtfront {

namespace {

// A rectangle Qt can hold: QRect keeps the right edge as left + width - 1, and
// a window system takes sizes up to QWIDGETSIZE_MAX only.
constexpr int kReach = QWIDGETSIZE_MAX;

QRect SafeRect(int left, int top, int width, int height) {
  const auto place = [](int v) { return std::clamp(v, -kReach, kReach); };
  const auto extent = [](int v) { return std::clamp(v, 0, kReach); };
  return QRect(place(left), place(top), extent(width), extent(height));
}

}  // namespace

PanelWindow::PanelWindow(int panel, QWidget* parentWindow) : QWidget(parentWindow), panel_(panel) {
  setObjectName(QString("panel%1").arg(panel));
  setAutoFillBackground(true);
  hide();
}

PanelWindow::~PanelWindow() = default;

ControlView* PanelWindow::view(int control) const {
  auto it = views_.find(control);
  return it == views_.end() ? nullptr : it->second.get();
}

void PanelWindow::applyPanel(const rt::Panel& model) {
  // Window events raised while the model is applied must not write back into
  // it, so work from a copy and ignore them meanwhile.
  const rt::Panel p = model;
  applying_ = true;
  QPalette pal = palette();
  if (pal.color(QPalette::Window) != ToQColor(p.backColor)) {
    pal.setColor(QPalette::Window, ToQColor(p.backColor));
    setPalette(pal);
  }
  bool showing = p.visible && isHidden();
  if (isWindow()) {
    setWindowTitle(ToQString(p.title));
    applyTopLevelGeometry(p);
  } else if (QRect r = SafeRect(p.left, p.top, p.width, p.height); geometry() != r) {
    setGeometry(r);
  }
  if (p.visible == isHidden()) setVisible(p.visible);
  applyKeys(p);
  applying_ = false;
  if (showing && !isWindow())
    if (auto* parentPanel = qobject_cast<PanelWindow*>(parentWidget()))
      parentPanel->bringToFront(this);
  bool active = rt::GetActivePanel() == panel_;
  if (active && !wasActive_ && isWindow() && p.visible) {
    raise();
    activateWindow();
  }
  wasActive_ = active;
}

// The panel's keys work wherever the focus is in its window; pressing them
// queues their action for the program's event processing.
void PanelWindow::applyKeys(const rt::Panel& p) {
  for (std::size_t i = keys_.size(); i < p.keys.size(); ++i) {
    auto* shortcut = new QShortcut(QKeySequence(ToQString(p.keys[i].keys)), this);
    shortcut->setContext(Qt::WindowShortcut);
    const std::string keys = p.keys[i].keys;
    connect(shortcut, &QShortcut::activated, this,
            [this, keys] { rt::PostPanelKeys(panel_, keys); });
    keys_.push_back(shortcut);
  }
}

void PanelWindow::applyTopLevelGeometry(const rt::Panel& p) {
  Qt::WindowStates wanted = p.zoom == rt::VAL_MAXIMIZE   ? Qt::WindowMaximized
                            : p.zoom == rt::VAL_MINIMIZE ? Qt::WindowMinimized
                                                         : Qt::WindowNoState;
  if (wanted != Qt::WindowNoState) {
    if (!(windowState() & wanted)) setWindowState(wanted);
    return;
  }
  if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized))
    setWindowState(Qt::WindowNoState);
  // The model's place and size are those of the client area, as Qt's geometry.
  QRect wantedRect = SafeRect(p.left, p.top, p.width, p.height);
  if (geometry() != wantedRect) setGeometry(wantedRect);
}

void PanelWindow::applyAllControls(const rt::Panel& p) {
  for (const auto& entry : p.controls) applyControl(entry.second);
}

void PanelWindow::applyControl(const rt::Control& c) {
  auto it = views_.find(c.id);
  bool isNew = it == views_.end();
  if (isNew) it = views_.emplace(c.id, ControlView::Create(this, panel_, c)).first;
  ControlView* v = it->second.get();
  bool wasShown = !isNew && v->body() && !v->body()->isHidden();
  v->apply(c);
  if (isNew) placeUnderChildPanels(v);
  // A text box that pops up (a help box) lies over everything, child panels
  // included, so that help on their controls can be read.
  if (c.kind == rt::ControlKind::TextBox && c.visible && !isNew && !wasShown) v->raise();
  int active = rt::GetActiveCtrl(panel_);
  if (active == c.id && active != focusedControl_) {
    v->focus();
    focusedControl_ = active;
  }
}

// A panel being displayed comes to the front of its sibling panels, as the
// platform's DisplayPanel brings a panel to the front.
void PanelWindow::bringToFront(PanelWindow* child) {
  child->raise();
}

// Controls of a panel lie under its child panels, also those made at run time.
void PanelWindow::placeUnderChildPanels(ControlView* v) {
  QWidget* lowest = nullptr;
  for (QObject* o : children())
    if (auto* child = qobject_cast<PanelWindow*>(o)) {
      lowest = child;
      break;
    }
  if (!lowest) return;
  v->stackUnder(lowest);
}

void PanelWindow::closeEvent(QCloseEvent* event) {
  // The window stays: the program decides in its panel callback whether to end.
  event->ignore();
  rt::PostPanelEvent(panel_, rt::EVENT_CLOSE);
}

void PanelWindow::reportGeometry() {
  rt::Panel* p = rt::FindPanel(panel_);
  if (!p || applying_ || !isWindow() || !isVisible() || isMinimized()) return;
  QRect g = geometry();
  p->left = g.x();
  p->top = g.y();
  p->zoom = isMaximized() ? rt::VAL_MAXIMIZE : rt::VAL_NO_ZOOM;
  if (p->width == g.width() && p->height == g.height()) return;
  // Only a size the model does not hold yet is news: the operator (or the
  // window manager) resized the window.
  p->width = g.width();
  p->height = g.height();
  rt::PostPanelEvent(panel_, rt::EVENT_PANEL_SIZE);
}

void PanelWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  reportGeometry();
}

void PanelWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  reportGeometry();
}

void PanelWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) reportGeometry();
}

void PanelWindow::pressed(QMouseEvent* event, bool doubleClick) {
  MouseButton button = event->button() == Qt::LeftButton    ? MouseButton::Left
                       : event->button() == Qt::RightButton ? MouseButton::Right
                                                            : MouseButton::Other;
  QPoint at = event->position().toPoint();
  for (int ev : PressEvents(button, doubleClick)) rt::PostPanelEvent(panel_, ev, at.y(), at.x());
  event->accept();
}

void PanelWindow::mousePressEvent(QMouseEvent* event) {
  pressed(event, false);
}
void PanelWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  pressed(event, true);
}

void PanelWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (isWindow()) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace qtfront
