#include "link/serial_port.h"

#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/trace.h"
#include "runtime/constants.h"
#include "runtime/serial.h"

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

namespace {

void InstallOn(int port) {
  rt::InstallComCallback(port, rt::LWRS_RECEIVE, kNotifyCount, kEventChar, ComReceiveCallback,
                         nullptr);
}

}  // namespace

void ConfigureOpenPort(std::uint16_t port, std::function<void()> lineLost) {
  rt::SetComTime(port, kReplyTimeout);
  rt::FlushInQ(port);
  rt::FlushOutQ(port);
  rt::SetCTSMode(port, 0);
  InstallOn(port);
  rt::SetLineLostHandler([lost = std::move(lineLost)](int) {
    if (lost) lost();
  });
}

// One callback yields exactly one reply: whatever came after its 36 bytes is
// thrown away.
void ComReceiveCallback(int port, int eventMask, void*) {
  if (!(eventMask & rt::LWRS_RECEIVE)) return;
  LinkState& l = Link();
  const int got = rt::ComRd(port, l.rx.data(), kFrameBytes);
  TraceReply(l.rx.data(), got < 0 ? 0 : got);
  l.replyClass = DecodeReply(l.rx.data(), &l.data);
  l.last.replyClass = l.replyClass;
  for (int i = 0; i < static_cast<int>(l.last.frame.size()); ++i)
    l.last.frame[i] = ReadWord(l.rx.data(), i);
  l.last.data = l.data;
  l.replyArrived = 1;
  rt::FlushInQ(port);
}

void InstallReceiveCallback() {
  InstallOn(Link().portNumber);
}

void RemoveReceiveCallback() {
  rt::InstallComCallback(Link().portNumber, 0, kNotifyCount, kEventChar, nullptr, nullptr);
}

void FlushLineQueues() {
  rt::FlushInQ(Link().portNumber);
  rt::FlushOutQ(Link().portNumber);
}
