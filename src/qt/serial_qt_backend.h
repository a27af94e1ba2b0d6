// The serial backend for real devices and pseudo-terminals (QSerialPort inside).
#pragma once

#include <memory>

#include "runtime/serial.h"

namespace rt {
std::unique_ptr<PortBackend> MakeQtPortBackend();
}
