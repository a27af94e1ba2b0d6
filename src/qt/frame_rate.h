// How often a screen shows a new picture: the windows follow the model and the
// plots redraw at most this often, since drawing faster shows nothing more.
#pragma once

#include <QtGlobal>

class QScreen;

namespace qtfront {

// Milliseconds between two pictures of the screen (of the primary screen when
// null); 60 Hz when the screen does not say, and never under 8 ms: a screen
// faster than 120 Hz gains nothing.
qint64 FrameMs(const QScreen* screen = nullptr);

}  // namespace qtfront
