#include "qt/event_host.h"

#include <QCoreApplication>
#include <QEvent>

#include "qt/model_sync.h"

namespace qtfront {

namespace {
constexpr int kLongestWaitMs = 1;
}

EventHost::EventHost(ModelSync& sync) : sync_(sync) {
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
}

void EventHost::pump(double maxWaitSeconds) {
  sync_.applyPending();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // Widgets deleted late (deleteLater) would otherwise wait for an event loop
  // that this program never enters.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (maxWaitSeconds <= 0 || rt::EventsPending()) return;
  wake_.start(kLongestWaitMs);
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  wake_.stop();
}

}  // namespace qtfront
