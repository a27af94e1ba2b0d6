#include "qt/frame_rate.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace qtfront {

qint64 FrameMs(const QScreen* screen) {
  constexpr qint64 kMinFrameMs = 8;
  if (!screen) screen = QGuiApplication::primaryScreen();
  const double hz = screen && screen->refreshRate() > 1 ? screen->refreshRate() : 60.0;
  return std::max<qint64>(kMinFrameMs, std::llround(1000.0 / hz));
}

}  // namespace qtfront
