// Opening the sensor's port for the connection, with its outcome on the status
// line and in the link message field.
#pragma once

#include <cstdint>

// 0 when the port is open and configured, otherwise the negative open code.
int OpenRs232Port(std::uint16_t port, std::uint16_t baudIndex);
// Time-out, CTS off, queues flushed, the receive callback in place, and
// "RS-232 line lost!" on the status line when the device goes away.
void ConfigureSensorPort(std::uint16_t port);
