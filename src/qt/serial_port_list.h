// The platform's list of serial ports (QSerialPortInfo inside).
#pragma once

#include "runtime/serial_ports.h"

namespace rt {
SerialPortLister MakeQtSerialPortLister();
}
