// Views of the controls that only show something: text boxes, text messages,
// LEDs, pictures and decorations. Clicks on them still raise click events (the
// help boxes hide on a click).
#pragma once

#include <QSize>
#include <QString>
#include <string>

#include "qt/control_view.h"

class QLabel;
class QPlainTextEdit;

namespace qtfront {

// Multi-line text box, one model line per line; read-only for the operator.
class TextBoxView : public ControlView {
  Q_OBJECT
 public:
  TextBoxView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  bool hasOuterLabel() const override { return true; }

 private:
  QPlainTextEdit* edit_;
};

// Text message. A framed one is a box filled with its background colour (status
// line, message fields); an unframed one is plain text on the panel (captions,
// banner). Either grows to show its whole text, as the platform sizes text
// messages to their text.
class TextMessageView : public ControlView {
  Q_OBJECT
 public:
  TextMessageView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  QRect bodyRect(const rt::Control& c) const override;

 private:
  QLabel* label_;
  QString style_;
};

// Round LED: lit in its frame colour (red when none is set), unlit in a dark
// shade of it.
class LedView : public ControlView {
  Q_OBJECT
 public:
  LedView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  bool hasOuterLabel() const override { return true; }

 private:
  class LedWidget* led_;
};

// Picture: the image file last shown in it, scaled to fit; empty when the file
// cannot be read.
class PictureView : public ControlView {
  Q_OBJECT
 public:
  PictureView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;

 private:
  QLabel* label_;
  std::string shownPath_;
  QSize shownSize_;
};

// Decoration: a plain area in its frame colour, the colour the platform gives a
// decoration.
class DecorationView : public ControlView {
  Q_OBJECT
 public:
  DecorationView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;

 private:
  QWidget* area_;
};

}  // namespace qtfront
