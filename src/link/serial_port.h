// The sensor's serial port: its line settings, the receive callback, and the
// texts of the port errors.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

long BaudRateForIndex(int baudIndex);       // 0..4, anything else 19200
std::string PortErrorText(int openResult);  // text of a negative open result
// Opens the port with the line settings, without any message.
int OpenPortWithSettings(std::uint16_t port, std::uint16_t baudIndex);
// Time-out, CTS off, queues flushed and the receive callback in place;
// lineLost runs when the device goes away (an adapter pulled).
void ConfigureOpenPort(std::uint16_t port, std::function<void()> lineLost);

void ComReceiveCallback(int port, int eventMask, void* data);
// On the line's port.
void InstallReceiveCallback();
void RemoveReceiveCallback();
// Empties the input queue, then the output queue, of the line's port.
void FlushLineQueues();
