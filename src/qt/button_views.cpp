#include "qt/button_views.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "qt/control_rules.h"
#include "qt/qt_convert.h"
#include "runtime/constants.h"

namespace qtfront {
namespace {

void SetTextColor(QWidget* w, int rgb) {
  QPalette pal = w->palette();
  SetTextColour(pal, QPalette::ButtonText, rgb);
  SetTextColour(pal, QPalette::WindowText, rgb);
  w->setPalette(pal);
}

}  // namespace

// Two halves side by side, the off text left and the on text right; the half
// that holds the present position is drawn dark.
class SwitchWidget : public QAbstractButton {
 public:
  explicit SwitchWidget(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
  }
  void setState(bool on, const QString& offText, const QString& onText, const QColor& text) {
    on_ = on;
    offText_ = offText;
    onText_ = onText;
    textColor_ = text;
    update();
  }
  QSize sizeHint() const override { return QSize(100, 22); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QRect r = rect().adjusted(0, 0, -1, -1);
    QRect left(r.left(), r.top(), r.width() / 2, r.height());
    QRect right(left.right() + 1, r.top(), r.right() - left.right(), r.height());
    QColor active = isEnabled() ? QColor(0x40, 0x40, 0x40) : QColor(0x90, 0x90, 0x90);
    QColor idle = palette().color(QPalette::Button);
    p.fillRect(left, on_ ? idle : active);
    p.fillRect(right, on_ ? active : idle);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(r);
    QColor idleText =
        isEnabled() ? textColor_ : palette().color(QPalette::Disabled, QPalette::ButtonText);
    p.setPen(on_ ? idleText : Qt::white);
    p.drawText(left, Qt::AlignCenter, offText_);
    p.setPen(on_ ? Qt::white : idleText);
    p.drawText(right, Qt::AlignCenter, onText_);
  }

 private:
  bool on_ = false;
  QString offText_, onText_;
  QColor textColor_;
};

CommandButtonView::CommandButtonView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), button_(new QPushButton) {
  button_->setAutoDefault(false);
  adopt(button_);
  connect(button_, &QPushButton::clicked, this, [this] { post(rt::EVENT_COMMIT); });
}

void CommandButtonView::applyKind(const rt::Control& c) {
  button_->setText(ToQString(c.label));
  SetTextColor(button_, c.textColor);
}

TwoStateView::TwoStateView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c) {
  switch (c.kind) {
    case rt::ControlKind::RadioButton: {
      auto* radio = new QRadioButton;
      radio->setAutoExclusive(false);
      button_ = radio;
      break;
    }
    case rt::ControlKind::CheckBox:
      button_ = new QCheckBox;
      break;
    default: {
      auto* push = new QPushButton;
      push->setAutoDefault(false);
      button_ = push;
      break;
    }
  }
  button_->setCheckable(true);
  adopt(button_);
  connect(button_, &QAbstractButton::clicked, this, &TwoStateView::clicked);
}

void TwoStateView::clicked() {
  flipAndCommit();
}

void TwoStateView::applyKind(const rt::Control& c) {
  bool on = IsOn(c);
  QString text = ToQString(c.label);
  if (kind_ == rt::ControlKind::ToggleButton && c.label.empty())
    text = ToQString(on ? c.onText : c.offText);
  button_->setText(text);
  QSignalBlocker block(button_);
  button_->setChecked(on);
  SetTextColor(button_, c.textColor);
}

BinarySwitchView::BinarySwitchView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), switch_(new SwitchWidget(nullptr)) {
  adopt(switch_);
  connect(switch_, &QAbstractButton::clicked, this, &BinarySwitchView::clicked);
}

void BinarySwitchView::clicked() {
  flipAndCommit();
}

void BinarySwitchView::applyKind(const rt::Control& c) {
  switch_->setState(IsOn(c), ToQString(c.offText), ToQString(c.onText), ToQColor(c.textColor));
}

}  // namespace qtfront
