#include "connect/baud_change.h"

#include "connect/port_open.h"

#include "link/line.h"
#include "link/request.h"
#include "link/run_state.h"
#include "link/serial_port.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "ui/line_messages.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

// Both ends now run at the new rate once the port opens at it again. The port
// number display and the open message stay as they were.
void ReopenAtNewRate() {
  FlushLineQueues();
  rt::CloseCom(LinePort());
  const int result = OpenPortWithSettings(LinePort(), LineBaudIndex());
  if (result < 0) {
    SetStatusText(PortErrorText(result));
    return;
  }
  ConfigureSensorPort(LinePort());
  SetControlDimmed(Panels().comset, ids::COM_TRY, false);
}

}  // namespace

void ChangeSensorBaudRate() {
  const int comset = Panels().comset;
  std::uint16_t baud = 0, port = 0;
  rt::GetCtrlVal(comset, ids::COM_BAUD, &baud);
  rt::GetCtrlVal(comset, ids::COM_PORT, &port);
  SetLinePort(port, baud);
  const auto ack =
      Exchange({.command = Command::ChangeBaudRate, .argument = baud, .data = DataWords{}},
               Await::Ack, [](int) { ShowStatusOnBoth("Try to change baudrate..."); });
  if (!ack) {
    // The sensor did not switch, and neither does the port.
    SetStatusText("Timeout: changing RS-232-baudrate...");
  } else {
    SetStatusText("Baudrate-change OK!");
    ReopenAtNewRate();
  }
  ShowStatusTextOnBoth();
}

int CC_CBTNChangeBaudRate(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_LEFT_CLICK) {
    RunMode().stopFlag = kStopStopped;
    WakeLine();
  } else if (event == rt::EVENT_COMMIT) {
    ChangeSensorBaudRate();
  }
  return 0;
}
