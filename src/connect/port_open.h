// Opening the sensor's port for the connection, with its outcome on the status
// line and in the link message field.
#pragma once

#include <cstdint>

// 0 when the port is open and configured, otherwise the negative open code.
int OpenRs232Port(std::uint16_t port, std::uint16_t baudIndex);
