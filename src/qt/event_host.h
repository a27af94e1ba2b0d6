// The Qt side of the run-time's event processing: each pump lets Qt handle
// input, repaints and queued redraws without waiting, and brings the windows in
// step with the model once a frame. A wait sleeps in Qt's event loop until
// input, a byte on the line (QSerialPort's notifier), a termination signal, the
// wait's own timer or the frame that shows what changed.
#pragma once

#include <QElapsedTimer>
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
  void applyPending();
  qint64 msToFrame() const;  // until the windows may follow the model again; <= 0: now

  ModelSync& sync_;
  QTimer wake_;  // ends a wait at its deadline or when a frame is due
  QElapsedTimer sinceApplied_;
  std::unique_ptr<QSocketNotifier> signalled_;
};

// Closes every open modal dialog as if cancelled (a message box as if
// acknowledged), so that the program can close while one is open.
void CloseOpenDialogs();

}  // namespace qtfront
