#include "link/line_checks.h"

#include <algorithm>
#include <cstring>

#include "link/frame_area.h"
#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/request.h"
#include "link/serial_port.h"
#include "runtime/clock.h"
#include "runtime/events.h"
#include "runtime/serial.h"
#include "ui/status_line.h"

int SendDummyFrame(std::uint16_t port) {
  LinkState& l = Link();
  l.tx.fill(0);
  ClearFrameData();
  rt::FlushOutQ(port);
  rt::FlushInQ(port);
  const int written =
      SendRequest({.command = Command::Dummy, .flush = Flush::None, .clearReplyClass = false});
  rt::ProcessSystemEvents();
  const bool ok = written == kFrameBytes;
  ShowStatus(ok ? "Writing RS-232 dummy frame ok!" : "Error transmit dummy frame!");
  return ok ? 1 : 0;
}

int EchoCheck(std::uint16_t) {
  LinkState& l = Link();
  SendRequest({.command = Command::Echo});
  int result = 0;
  if (!AwaitReply(Await::Any, rt::Timer())) {
    SetStatusText("Timeout-RS-232...");
    result = -1;
  }
  if (l.replyClass == kReplyClassAck) {
    l.data[0] = ReadWord(l.rx.data(), 0);
    l.data[1] = ReadWord(l.rx.data(), 1);
    const bool sync = l.data[0] == kReplySync || l.data[1] == kReplySync;
    SetStatusText(sync ? "Echo Check - Line Ok!" : "read error - not sync byte 0xAA!");
    result = sync ? 1 : 0;
  }
  ShowStatusTextOnBoth();
  return result;
}

int ReadFirmwareInfo(std::string* text) {
  LinkState& l = Link();
  const int port = l.portNumber;
  RemoveReceiveCallback();
  rt::FlushInQ(port);
  rt::FlushOutQ(port);
  SendRequest({.command = Command::FirmwareText, .flush = Flush::None, .clearReplyClass = false});
  ShowStatusOnBoth("Waiting for firmware info ...");
  int n = AwaitBytes(kFirmwareTextBytes, rt::Timer());
  n = std::clamp(n, 0, kBufferBytes);
  const int got = rt::ComRd(port, l.rx.data(), n);
  if (got < kFirmwareTextBytes)
    std::fill(l.rx.begin() + std::max(got, 0), l.rx.begin() + kFirmwareTextBytes, 0);
  const char* raw = reinterpret_cast<const char*>(l.rx.data());
  text->assign(raw, strnlen(raw, kFirmwareTextBytes));
  SetStatusText(*text);
  InstallReceiveCallback();
  rt::FlushInQ(port);
  rt::FlushOutQ(port);
  l.replyClass = kReplyClassNone;
  return n;
}
