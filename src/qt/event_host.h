// The Qt side of the run-time's event processing: each pump brings the windows
// in step with the model and lets Qt handle input, repaints and queued redraws.
// When the program has nothing to do it waits up to a millisecond for input
// instead of spinning.
#pragma once

#include <QTimer>

#include "runtime/events.h"

namespace qtfront {

class ModelSync;

class EventHost : public rt::EventHost {
 public:
  explicit EventHost(ModelSync& sync);
  void pump(double maxWaitSeconds) override;

 private:
  ModelSync& sync_;
  QTimer wake_;  // ends a wait when no input comes
};

}  // namespace qtfront
