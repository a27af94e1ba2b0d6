#include "ui/line_messages.h"

#include "link/line_checks.h"
#include "ui/status_line.h"

bool WakeLine() {
  const bool ok = SendDummyFrame();
  ShowStatus(ok ? "Writing RS-232 dummy frame ok!" : "Error transmit dummy frame!");
  return ok;
}
