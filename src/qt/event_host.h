// The Qt side of the run-time's event processing: each pump brings the windows
// in step with the model and lets Qt handle input, repaints and queued redraws
// without waiting. A wait sleeps in Qt's event loop until input, a byte on the
// line (QSerialPort's notifier), a termination signal or the wait's own timer.
#pragma once

#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "runtime/events.h"

namespace qtfront {

class ModelSync;

class EventHost : public rt::EventHost {
 public:
  explicit EventHost(ModelSync& sync);
  void pump() override;
  void wait(double maxSeconds) override;

 private:
  ModelSync& sync_;
  QTimer wake_;  // ends a wait at its deadline
  std::unique_ptr<QSocketNotifier> signalled_;
};

// Closes every open modal dialog as if cancelled (a message box as if
// acknowledged), so that the program can close while one is open.
void CloseOpenDialogs();

}  // namespace qtfront
