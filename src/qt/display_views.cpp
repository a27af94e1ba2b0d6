#include "qt/display_views.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>

#include "qt/control_rules.h"
#include "qt/qt_convert.h"

namespace qtfront {
namespace {

QString JoinLines(const std::vector<std::string>& lines) {
  QStringList parts;
  for (const std::string& line : lines) parts << ToQString(line);
  return parts.join('\n');
}

QString CssColor(int rgb) {
  return ToQColor(rgb).name();
}

}  // namespace

class LedWidget : public QWidget {
 public:
  void setState(bool on, const QColor& lit) {
    if (on == on_ && lit == lit_) return;
    on_ = on;
    lit_ = lit;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    int d = std::max(4, std::min(width(), height()) - 2);
    QRectF r((width() - d) / 2.0, (height() - d) / 2.0, d, d);
    QColor fill = on_ ? lit_ : lit_.darker(350);
    if (!isEnabled()) fill = fill.lighter(150);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(fill);
    p.drawEllipse(r);
  }

 private:
  bool on_ = false;
  QColor lit_ = Qt::red;
};

TextBoxView::TextBoxView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), edit_(new QPlainTextEdit) {
  edit_->setReadOnly(true);
  edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  edit_->setFrameShape(QFrame::Box);
  adopt(edit_);
}

void TextBoxView::applyKind(const rt::Control& c) {
  QString text = JoinLines(c.lines);
  if (edit_->toPlainText() != text) edit_->setPlainText(text);
  QPalette pal = edit_->palette();
  SetTextColour(pal, QPalette::Text, c.textColor);
  pal.setColor(QPalette::Base, ToQColor(c.bgColor));
  edit_->setPalette(pal);
}

TextMessageView::TextMessageView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), label_(new QLabel) {
  label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label_->setTextFormat(Qt::PlainText);
  adopt(label_);
}

void TextMessageView::applyKind(const rt::Control& c) {
  QString text = ToQString(c.text);
  if (label_->text() != text) label_->setText(text);
  QString style =
      c.frameColor != 0
          ? QString(
                "QLabel { color: %1; background: %2; border: 1px solid %3; "
                "padding-left: 2px; }")
                .arg(CssColor(c.textColor), CssColor(c.bgColor), CssColor(c.frameColor))
          : QString("QLabel { color: %1; background: transparent; }").arg(CssColor(c.textColor));
  if (style != style_) {
    label_->setStyleSheet(style);
    style_ = style;
  }
}

QRect TextMessageView::bodyRect(const rt::Control& c) const {
  QSize hint = label_->sizeHint();
  return QRect(c.left, c.top, std::max(c.width, hint.width()), std::max(c.height, hint.height()));
}

LedView::LedView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), led_(new LedWidget) {
  adopt(led_);
}

void LedView::applyKind(const rt::Control& c) {
  led_->setState(IsOn(c), c.frameColor != 0 ? ToQColor(c.frameColor) : QColor(Qt::red));
}

PictureView::PictureView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), label_(new QLabel) {
  label_->setAlignment(Qt::AlignCenter);
  adopt(label_);
}

void PictureView::applyKind(const rt::Control& c) {
  QSize size(std::max(1, c.width), std::max(1, c.height));
  if (c.text == shownPath_ && size == shownSize_) return;
  shownPath_ = c.text;
  shownSize_ = size;
  QPixmap image;
  if (!c.text.empty() && image.load(PathToQString(c.text)))
    label_->setPixmap(image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  else
    label_->clear();
}

DecorationView::DecorationView(QWidget* panelWidget, int panel, const rt::Control& c)
    : ControlView(panelWidget, panel, c), area_(new QWidget) {
  area_->setAutoFillBackground(true);
  adopt(area_);
}

void DecorationView::applyKind(const rt::Control& c) {
  QPalette pal = area_->palette();
  pal.setColor(QPalette::Window, ToQColor(c.frameColor));
  area_->setPalette(pal);
}

}  // namespace qtfront
