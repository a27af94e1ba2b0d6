#include "qt/event_host.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <cmath>

#include "qt/model_sync.h"

namespace qtfront {

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
  sync_.applyPending();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // Widgets deleted late (deleteLater) would otherwise wait for an event loop
  // that this program never enters.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void EventHost::wait(double maxSeconds) {
  // What the callbacks changed goes on screen before the program sleeps.
  sync_.applyPending();
  if (maxSeconds >= 0) {
    // Whole milliseconds, rounded up: the wait ends at or after its deadline.
    wake_.start(std::max(1, static_cast<int>(std::ceil(maxSeconds * 1000))));
  }
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  wake_.stop();
}

void CloseOpenDialogs() {
  QList<QPointer<QDialog>> open;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible()) open.append(d);
  for (auto& d : open)
    if (d) d->reject();
}

}  // namespace qtfront
