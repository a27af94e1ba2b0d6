// Views of the controls the operator enters values with: rings, numeric fields,
// string fields and sliders.
#pragma once

#include <vector>

#include "qt/control_view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;

namespace qtfront {

class NumericBox;

// Ring: picking an item sets the item's value, raises value changed (when the
// value differs) and commit.
class RingView : public ControlView {
  Q_OBJECT
 public:
  RingView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  bool hasOuterLabel() const override { return true; }

 private:
  void picked(int index);
  QComboBox* combo_;
  std::vector<rt::RingItem> shownItems_;
};

// Numeric field: a typed value counts on Enter or when the field loses the
// focus; a step with the arrows counts at once. Each counted change raises value
// changed and commit; Enter on an unchanged value raises commit alone. Fields
// without a callback are read-outs and show no arrows.
class NumericView : public ControlView {
  Q_OBJECT
 public:
  NumericView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  bool hasOuterLabel() const override { return true; }

 private:
  void entered(double value);
  NumericBox* box_;
  bool editing_ = false;  // the operator has typed and not yet finished
};

// String field: each edit raises value changed, Enter or leaving an edited
// field raises commit.
class StringView : public ControlView {
  Q_OBJECT
 public:
  StringView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  bool hasOuterLabel() const override { return true; }

 private:
  QLineEdit* edit_;
  bool edited_ = false;
};

// Slider with its value beside it: moving raises value changed, releasing the
// handle (or a step by key or page click) raises commit.
class SliderView : public ControlView {
  Q_OBJECT
 public:
  SliderView(QWidget* panelWidget, int panel, const rt::Control& c);

 protected:
  void applyKind(const rt::Control& c) override;
  bool hasOuterLabel() const override { return true; }

 private:
  void moved(int position);
  QSlider* slider_;
  QLabel* readout_;
};

}  // namespace qtfront
