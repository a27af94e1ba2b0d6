#include "qt/control_view.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QShortcut>
#include <QWidget>

#include "qt/control_rules.h"
#include "qt/qt_convert.h"
#include "runtime/constants.h"
#include "runtime/events.h"

namespace qtfront {
namespace {

constexpr const char* kDialogFont = "NIDialog";

}  // namespace

ControlView::ControlView(QWidget* panelWidget, int panel, const rt::Control& c)
    : panelWidget_(panelWidget),
      panel_(panel),
      control_(c.id),
      kind_(c.kind),
      name_(c.name.empty() ? "control" + std::to_string(c.id) : c.name) {}

ControlView::~ControlView() {
  delete label_.data();
  delete body_.data();
}

void ControlView::adopt(QWidget* body) {
  body_ = body;
  // Named after the control's resource name, for tests and for finding it in a debugger.
  body->setObjectName(QString::fromStdString(name_));
  body->setParent(panelWidget_);
  body->setContextMenuPolicy(Qt::NoContextMenu);
  adoptTree(body);
}

// Each widget of the control takes its own presses and passes none on, so one
// press raises the control's events once and never reaches the panel behind.
void ControlView::adoptTree(QWidget* w) {
  if (w->isWindow() && w != body_.data()) return;  // pop-up lists of rings are their own
  w->installEventFilter(this);
  w->setAttribute(Qt::WA_NoMousePropagation);
  for (QObject* child : w->children())
    if (auto* cw = qobject_cast<QWidget*>(child)) adoptTree(cw);
}

rt::Control* ControlView::model() const {
  return rt::FindControl(panel_, control_);
}

void ControlView::post(int event, int data1, int data2) const {
  rt::PostCtrlEvent(panel_, control_, event, data1, data2);
}

QRect ControlView::bodyRect(const rt::Control& c) const {
  return QRect(c.left, c.top, std::max(0, c.width), std::max(0, c.height));
}

void ControlView::apply(const rt::Control& c) {
  if (!body_) return;
  applying_ = true;
  // Values that change at the pace of measurements go through here too, so
  // only what differs is handed to the widgets.
  QFont font = QApplication::font();
  if (c.pointSize > 0 && c.font == kDialogFont) {
    // Texts placed by the program in the dialog font are laid out in pixels:
    // their size is a pixel height, so the banner's pieces keep their spacing.
    font.setPixelSize(c.pointSize);
  } else if (c.pointSize > 0) {
    font.setPointSize(c.pointSize);
  }
  font.setBold(c.bold);
  if (body_->font() != font) body_->setFont(font);
  QString tooltip = ToQString(c.tooltip);
  if (body_->toolTip() != tooltip) body_->setToolTip(tooltip);
  body_->setEnabled(!c.dimmed);
  applyKind(c);
  body_->setGeometry(bodyRect(c));
  body_->setVisible(c.visible);
  applyOuterLabel(c);
  applying_ = false;
}

void ControlView::applyOuterLabel(const rt::Control& c) {
  bool show = hasOuterLabel() && c.visible && !c.label.empty();
  if (!show) {
    if (label_) label_->hide();
    return;
  }
  if (!label_) {
    label_ = new QLabel(panelWidget_);
    // A click on a label is a click on the panel.
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (body_) label_->stackUnder(body_);
  }
  label_->setText(ToQString(c.label));
  label_->setEnabled(!c.dimmed);
  QSize size = label_->sizeHint();
  label_->setGeometry(c.left, c.top - size.height() - 1, size.width(), size.height());
  label_->show();
}

void ControlView::raise() {
  if (label_) label_->raise();
  if (body_) body_->raise();
}

void ControlView::stackUnder(QWidget* sibling) {
  if (body_) body_->stackUnder(sibling);
  if (label_) label_->stackUnder(sibling);
}

void ControlView::focus() {
  if (body_) body_->setFocus(Qt::OtherFocusReason);
}

bool ControlView::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      if (!widget || !widget->isEnabled()) return false;  // a dimmed control raises nothing
      auto* mouse = static_cast<QMouseEvent*>(event);
      MouseButton button = mouse->button() == Qt::LeftButton    ? MouseButton::Left
                           : mouse->button() == Qt::RightButton ? MouseButton::Right
                                                                : MouseButton::Other;
      QPoint at = widget->mapTo(panelWidget_, mouse->position().toPoint());
      for (int ev : PressEvents(button, event->type() == QEvent::MouseButtonDblClick))
        post(ev, at.y(), at.x());
      // The right button has no meaning to the widgets themselves.
      return button == MouseButton::Right;
    }
    case QEvent::MouseButtonRelease:
      return static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    case QEvent::ContextMenu:
      return true;
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (reportsKeys() && !key->isAutoRepeat() && widget && widget->isEnabled())
        post(rt::EVENT_KEYPRESS, key->key(), 0);
      return false;
    }
    case QEvent::ShortcutOverride: {
      // The window's own keys reach the program also while a field has the
      // focus and would take them for its own editing (Ctrl+E moves to the
      // end of the line on an X11 desktop).
      const QKeySequence keys(static_cast<QKeyEvent*>(event)->keyCombination());
      for (const QShortcut* shortcut : panelWidget_->window()->findChildren<QShortcut*>())
        if (shortcut->key() == keys) {
          event->ignore();
          return true;
        }
      return false;
    }
    case QEvent::ChildAdded: {
      // Widgets that build inner widgets late (line edits, views) get them covered too.
      auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child());
      if (child) adoptTree(child);
      return false;
    }
    default:
      return false;
  }
}

void ControlView::flipAndCommit() {
  rt::Control* c = model();
  if (applying() || !c) return;
  c->num = ClickedValue(*c);
  applyKind(*c);
  post(rt::EVENT_VAL_CHANGED);
  post(rt::EVENT_COMMIT);
}

}  // namespace qtfront
