#include "link/serial_port.h"

#include "link/frame_area.h"
#include "link/frame_codec.h"
#include "link/link_state.h"
#include "runtime/constants.h"
#include "runtime/serial.h"
#include "ui/status_line.h"

long BaudRateForIndex(int baudIndex) {
  static constexpr long kRates[] = {9600, 19200, 38400, 57600, 115200};
  return baudIndex >= 0 && baudIndex <= 4 ? kRates[baudIndex] : 19200;
}

std::string PortErrorText(int code) {
  switch (code) {
    case -1:
      return "Unknown system error";
    case -2:
      return "Invalid port number";
    case -3:
      return "Port is not open";
    case -4:
      return "Unknown I/0 error";
    case -6:
      return "No serial port found";
    case -7:
      return "Cannot open port";
    case -13:
      return "Invalid parameter";
    case -99:
      return "Timeout";
    default:
      return "RS-232 error!";
  }
}

int OpenPortWithSettings(std::uint16_t port, std::uint16_t baudIndex) {
  return rt::OpenComConfig(port, "", BaudRateForIndex(baudIndex), rt::VAL_NO_PARITY, 8, 1,
                           kBufferBytes, kBufferBytes);
}

void ConfigureOpenPort(std::uint16_t port) {
  rt::SetComTime(port, kReplyTimeout);
  rt::FlushInQ(port);
  rt::FlushOutQ(port);
  rt::SetCTSMode(port, 0);
  InstallReceiveCallback(port);
  rt::SetLineLostHandler([](int) { ShowStatus("RS-232 line lost!"); });
}

void ComReceiveCallback(int port, int eventMask, void*) {
  if (!(eventMask & rt::LWRS_RECEIVE)) return;
  rt::ComRd(port, Link().rx.data(), kFrameBytes);
  Link().replyClass = DecodeReplyFrame();
  Link().replyArrived = 1;
  rt::FlushInQ(port);
}

void InstallReceiveCallback(int port) {
  rt::InstallComCallback(port < 0 ? Link().portNumber : port, rt::LWRS_RECEIVE, kNotifyCount,
                         kEventChar, ComReceiveCallback, nullptr);
}

void RemoveReceiveCallback(int port) {
  rt::InstallComCallback(port < 0 ? Link().portNumber : port, 0, kNotifyCount, kEventChar, nullptr,
                         nullptr);
}

void FlushLineQueues() {
  rt::FlushInQ(Link().portNumber);
  rt::FlushOutQ(Link().portNumber);
}
