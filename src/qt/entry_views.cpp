#include "qt/entry_views.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSlider>
#include <cmath>
#include <functional>

#include "qt/control_rules.h"
#include "qt/qt_convert.h"
#include "runtime/constants.h"

namespace qtfront {
namespace {

void SetColors(QWidget* w, int text, int base) {
  QPalette pal = w->palette();
  SetTextColour(pal, QPalette::Text, text);
  SetTextColour(pal, QPalette::WindowText, text);
  SetTextColour(pal, QPalette::ButtonText, text);
  pal.setColor(QPalette::Base, ToQColor(base));
  w->setPalette(pal);
}

bool SameItems(const std::vector<rt::RingItem>& a, const std::vector<rt::RingItem>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].label != b[i].label || a[i].value != b[i].value) return false;
  return true;
}

QString FormatNumber(const rt::Control& c, double v) {
  return QString::number(v, 'f', DisplayDecimals(c));
}

}  // namespace

// A spin box that tells Enter on an unchanged value apart from a change.
class NumericBox : public QDoubleSpinBox {
 public:
  std::function<void()> enterUnchanged;

  NumericBox() {
    // Numbers are shown and typed with a decimal point whatever the desktop's
    // language, as the operator documentation and the sensor write them.
    setLocale(QLocale::c());
    setKeyboardTracking(false);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAccelerated(true);
    connect(this, &QDoubleSpinBox::valueChanged, this, [this] { changed_ = true; });
  }
  QLineEdit* editor() const { return lineEdit(); }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    changed_ = false;
    QDoubleSpinBox::keyPressEvent(e);
    if (enter && !changed_ && enterUnchanged) enterUnchanged();
  }

 private:
  bool changed_ = false;
};

RingView::RingView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), combo_(new QComboBox) {
  combo_->setMaxVisibleItems(20);
  adopt(combo_);
  connect(combo_, &QComboBox::activated, this, &RingView::picked);
}

void RingView::picked(int index) {
  rt::Control* c = model();
  if (applying() || !c || index < 0 || index >= static_cast<int>(c->items.size())) return;
  double value = c->items[index].value;
  bool changed = value != c->num;
  c->num = value;
  if (changed) post(rt::EVENT_VAL_CHANGED);
  post(rt::EVENT_COMMIT);
}

void RingView::applyKind(const rt::Control& c) {
  QSignalBlocker block(combo_);
  if (!SameItems(shownItems_, c.items)) {
    combo_->clear();
    for (const rt::RingItem& item : c.items) combo_->addItem(ToQString(item.label));
    shownItems_ = c.items;
  }
  combo_->setCurrentIndex(RingIndexOf(c.items, c.num));
  SetColors(combo_, c.textColor, c.bgColor);
}

NumericView::NumericView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), box_(new NumericBox) {
  adopt(box_);
  connect(box_, &QDoubleSpinBox::valueChanged, this, &NumericView::entered);
  connect(box_->editor(), &QLineEdit::textEdited, this, [this] { editing_ = true; });
  connect(box_, &QAbstractSpinBox::editingFinished, this, [this] { editing_ = false; });
  box_->enterUnchanged = [this] {
    if (!applying()) post(rt::EVENT_COMMIT);
  };
}

void NumericView::entered(double value) {
  rt::Control* c = model();
  if (applying() || !c) return;
  editing_ = false;
  c->num = CoercedEntry(*c, value);
  post(rt::EVENT_VAL_CHANGED);
  post(rt::EVENT_COMMIT);
}

void NumericView::applyKind(const rt::Control& c) {
  QSignalBlocker block(box_);
  auto buttons = c.callback.empty() ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows;
  if (box_->buttonSymbols() != buttons) box_->setButtonSymbols(buttons);
  if (box_->decimals() != DisplayDecimals(c)) box_->setDecimals(DisplayDecimals(c));
  // A value the program sets outside the range is still shown as it is.
  double lo = std::min(c.minValue, c.num), hi = std::max(c.maxValue, c.num);
  if (box_->minimum() != lo || box_->maximum() != hi) box_->setRange(lo, hi);
  if (!editing_) box_->setValue(c.num);
  SetColors(box_, c.textColor, c.bgColor);
}

StringView::StringView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), edit_(new QLineEdit) {
  adopt(edit_);
  connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
    rt::Control* m = model();
    if (applying() || !m) return;
    m->text = FromQString(text);
    edited_ = true;
    post(rt::EVENT_VAL_CHANGED);
  });
  connect(edit_, &QLineEdit::returnPressed, this, [this] {
    edited_ = false;
    post(rt::EVENT_COMMIT);
  });
  connect(edit_, &QLineEdit::editingFinished, this, [this] {
    if (!edited_) return;
    edited_ = false;
    post(rt::EVENT_COMMIT);
  });
}

void StringView::applyKind(const rt::Control& c) {
  QString text = ToQString(c.text);
  if (!edited_ && edit_->text() != text) edit_->setText(text);
  SetColors(edit_, c.textColor, c.bgColor);
}

SliderView::SliderView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c) {
  auto* box = new QWidget;
  auto* row = new QHBoxLayout(box);
  row->setContentsMargins(0, 0, 0, 0);
  slider_ = new QSlider(c.width >= c.height ? Qt::Horizontal : Qt::Vertical);
  slider_->setTickPosition(QSlider::TicksBelow);
  readout_ = new QLabel;
  readout_->setMinimumWidth(48);
  readout_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  row->addWidget(slider_, 1);
  row->addWidget(readout_);
  adopt(box);
  connect(slider_, &QSlider::valueChanged, this, &SliderView::moved);
  connect(slider_, &QSlider::sliderReleased, this, [this] {
    if (!applying()) post(rt::EVENT_COMMIT);
  });
}

void SliderView::moved(int position) {
  rt::Control* c = model();
  if (applying() || !c) return;
  c->num = CoercedEntry(*c, position / SliderScale(*c));
  readout_->setText(FormatNumber(*c, c->num));
  post(rt::EVENT_VAL_CHANGED);
  if (!slider_->isSliderDown()) post(rt::EVENT_COMMIT);
}

void SliderView::applyKind(const rt::Control& c) {
  QSignalBlocker block(slider_);
  double scale = SliderScale(c);
  int lo = static_cast<int>(std::lround(std::min(c.minValue, c.maxValue) * scale));
  int hi = static_cast<int>(std::lround(std::max(c.minValue, c.maxValue) * scale));
  slider_->setRange(lo, hi);
  slider_->setPageStep(std::max(1, (hi - lo) / 10));
  slider_->setTickInterval(std::max(1, (hi - lo) / 10));
  if (!slider_->isSliderDown()) slider_->setValue(static_cast<int>(std::lround(c.num * scale)));
  readout_->setText(FormatNumber(c, c.num));
  SetColors(readout_, c.textColor, c.bgColor);
}

}  // namespace qtfront
