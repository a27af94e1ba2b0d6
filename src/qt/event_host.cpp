#include "qt/event_host.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "qt/frame_rate.h"
#include "qt/model_sync.h"
#include "runtime/serial.h"

namespace qtfront {
namespace {

// Whole milliseconds, rounded up: a wait ends at or after its deadline.
qint64 WholeMsUp(double seconds) {
  return static_cast<qint64>(std::ceil(seconds * 1000));
}

}  // namespace

EventHost::EventHost(ModelSync& sync) : sync_(sync) {
  wake_.setSingleShot(true);
  wake_.setTimerType(Qt::PreciseTimer);
  const int fd = rt::TerminationSignalFd();
  if (fd >= 0) {
    signalled_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    // Fires in every event loop, also the one of a modal dialog.
    QObject::connect(signalled_.get(), &QSocketNotifier::activated, [] {
      rt::DrainTerminationSignalFd();
      CloseOpenDialogs();
    });
  }
}

void EventHost::pump() {
  // The operator's input and the drawing of what was applied before come
  // first. What the callbacks changed since reaches the windows at most once a
  // frame, after them: a loop that pumps between a reply and its next request
  // puts the request on the line before any drawing starts.
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // A reply that has just come in is handled first: the windows catch up in
  // the next pass, once the loop has sent its next request.
  if (msToFrame() <= 0 && !rt::SerialEventsPending()) applyPending();
  // Widgets deleted late (deleteLater) would otherwise wait for an event loop
  // that this program never enters.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void EventHost::wait(double maxSeconds) {
  // Nothing the callbacks changed is left off the screen while the program
  // sleeps: it goes on now, or the wait ends when its frame is due.
  qint64 limitMs = maxSeconds >= 0 ? WholeMsUp(maxSeconds) : -1;
  if (sync_.hasPending()) {
    const qint64 frame = msToFrame();
    if (frame <= 0)
      applyPending();
    else
      limitMs = limitMs < 0 ? frame : std::min(limitMs, frame);
  }
  if (limitMs >= 0) wake_.start(static_cast<int>(std::max<qint64>(1, limitMs)));
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  wake_.stop();
}

void EventHost::applyPending() {
  sync_.applyPending();
  sinceApplied_.restart();
}

qint64 EventHost::msToFrame() const {
  return sinceApplied_.isValid() ? FrameMs() - sinceApplied_.elapsed() : 0;
}

void CloseOpenDialogs() {
  QList<QPointer<QDialog>> open;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) open.append(d);
  for (auto& d : open)
    if (d) d->reject();
}

}  // namespace qtfront
