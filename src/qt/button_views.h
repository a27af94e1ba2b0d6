// Views of the button-like controls: command buttons, the two-state controls
// (toggle buttons, radio buttons, check boxes) and binary switches.
#pragma once

#include "qt/control_view.h"

class QAbstractButton;
class QPushButton;

namespace qtfront {

// Command and picture buttons: a mouse press raises the left click, the release
// over the button the commit; a key press on the focused button raises its own
// event, and Space commits.
class CommandButtonView : public ControlView {
  Q_OBJECT
 public:
  CommandButtonView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  bool reportsKeys() const override { return true; }

 private:
  QPushButton* button_;
};

// Toggle buttons, radio buttons and check boxes: a click flips the value in the
// model, then raises value changed and commit. Radio buttons are not grouped:
// the program keeps them exclusive itself.
class TwoStateView : public ControlView {
  Q_OBJECT
 public:
  TwoStateView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  bool reportsKeys() const override { return kind_ == rt::ControlKind::ToggleButton; }

 private:
  void clicked();
  QAbstractButton* button_;
};

// Binary switch: two positions with their own texts and values.
class BinarySwitchView : public ControlView {
  Q_OBJECT
 public:
  BinarySwitchView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  bool hasOuterLabel() const override { return true; }

 private:
  void clicked();
  class SwitchWidget* switch_;
};

}  // namespace qtfront
