#include "connect/port_open.h"

#include "link/serial_port.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

void ConfigureSensorPort(std::uint16_t port) {
  ConfigureOpenPort(port, [] { ShowStatus("RS-232 line lost!"); });
}

int OpenRs232Port(std::uint16_t port, std::uint16_t baudIndex) {
  rt::SetCtrlVal(Panels().main, ids::MAIN_PORT, static_cast<int>(port));
  const int result = OpenPortWithSettings(port, baudIndex);
  if (result < 0) {
    SetStatusText(PortErrorText(result));
  } else {
    ConfigureSensorPort(port);
    rt::FlushInQ(port);
    rt::FlushOutQ(port);
    SetStatusText("RS232-Init successful!");
  }
  ShowStatusTextOnBoth();
  return result;
}
