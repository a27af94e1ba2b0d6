// The serial backend for real devices and pseudo-terminals (QSerialPort inside).
#pragma once

#include <memory>

#include "app/runtime/serial.h"

namespace rt {
std::unique_ptr<PortBackend> MakeQtPortBackend();
}
