#include "connect/baud_change.h"

#include "link/line_checks.h"
#include "link/link_state.h"
#include "link/request.h"
#include "link/run_state.h"
#include "link/serial_port.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

// Both ends now run at the new rate once the port opens at it again. The port
// number display and the open message stay as they were.
void ReopenAtNewRate() {
  const LinkState& l = Link();
  FlushLineQueues();
  rt::CloseCom(l.portNumber);
  const int result = OpenPortWithSettings(l.portNumber, l.baudIndex);
  if (result < 0) {
    SetStatusText(PortErrorText(result));
    return;
  }
  ConfigureOpenPort(l.portNumber);
  SetControlDimmed(Panels().comset, ids::COM_TRY, false);
}

}  // namespace

void ChangeSensorBaudRate() {
  LinkState& l = Link();
  const int comset = Panels().comset;
  rt::GetCtrlVal(comset, ids::COM_BAUD, &l.baudIndex);
  rt::GetCtrlVal(comset, ids::COM_PORT, &l.portNumber);
  l.data.fill(0);
  SendRequest({.command = Command::ChangeBaudRate, .argument = l.baudIndex});
  ShowStatusOnBoth("Try to change baudrate...");
  if (!AwaitReply(Await::Ack, rt::Timer())) {
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
    SendDummyFrame(Link().portNumber);
  } else if (event == rt::EVENT_COMMIT) {
    ChangeSensorBaudRate();
  }
  return 0;
}
