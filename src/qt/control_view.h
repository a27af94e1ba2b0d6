// One control of a panel drawn as a Qt widget. A view reads its control from the
// model each time the model reports a change, and turns what the operator does
// with the widget into model values and queued events.
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>
#include <string>

#include "runtime/ui_model.h"

namespace qtfront {

class ControlView : public QObject {
  Q_OBJECT

 public:
  // The view matching the control's kind, with its widgets on panelWidget.
  static std::unique_ptr<ControlView> Create(QWidget* panelWidget, int panel, const rt::Control& c);
  ~ControlView() override;

  // Brings the widgets in step with the control: geometry, visibility, dimming,
  // font, label, then what the kind shows.
  void apply(const rt::Control& c);
  void focus();
  // Stacking of the body with its label.
  void raise();
  void stackUnder(QWidget* sibling);
  QWidget* body() const { return body_; }
  int control() const { return control_; }
  rt::ControlKind kind() const { return kind_; }

 protected:
  ControlView(QWidget* panelWidget, int panel, const rt::Control& c);

  // Takes the widget that draws the control; every mouse press on it or on its
  // inner widgets raises the click events of the control.
  void adopt(QWidget* body);
  // The control as the model holds it now (null when it has gone).
  rt::Control* model() const;
  void post(int event, int data1 = 0, int data2 = 0) const;
  // True while the view writes the model's state into its widgets, so that
  // widget signals raised by that are not taken for operator input.
  bool applying() const { return applying_; }

  virtual void applyKind(const rt::Control& c) = 0;
  // A two-state control clicked by the operator: the value flips, the widget
  // follows, then value changed and commit are raised.
  void flipAndCommit();
  // Where the body goes; a text message may grow to show its whole text.
  virtual QRect bodyRect(const rt::Control& c) const;
  // The label drawn above the body (numerics, rings, ...), not on it (buttons).
  virtual bool hasOuterLabel() const { return false; }
  // Buttons report key presses as an event of their own.
  virtual bool reportsKeys() const { return false; }

  bool eventFilter(QObject* watched, QEvent* event) override;

  QWidget* panelWidget_;
  int panel_;
  int control_;
  rt::ControlKind kind_;

 private:
  void adoptTree(QWidget* w);
  void applyOuterLabel(const rt::Control& c);

  std::string name_;
  QPointer<QWidget> body_;
  QPointer<QLabel> label_;
  bool applying_ = false;
};

}  // namespace qtfront
