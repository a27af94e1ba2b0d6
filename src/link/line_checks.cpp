#include "link/line_checks.h"

#include <algorithm>
#include <cstring>

#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/serial_port.h"
#include "link/trace.h"
#include "runtime/clock.h"
#include "runtime/events.h"
#include "runtime/serial.h"

bool SendDummyFrame() {
  LinkState& l = Link();
  l.tx.fill(0);
  l.data.fill(0);
  rt::FlushOutQ(l.portNumber);
  rt::FlushInQ(l.portNumber);
  const int written =
      SendRequest({.command = Command::Dummy, .flush = Flush::None, .clearReplyClass = false});
  rt::ProcessSystemEvents();
  return written == kFrameBytes;
}

EchoOutcome EchoCheck(const DataWords& para0) {
  const auto reply = Exchange({.command = Command::Echo, .data = para0}, Await::Any);
  if (!reply) return EchoOutcome::TimedOut;
  if (reply->replyClass != kReplyClassAck) return EchoOutcome::OtherReply;
  LinkState& l = Link();
  l.data[0] = reply->frame[0];
  l.data[1] = reply->frame[1];
  const bool sync = reply->frame[0] == kReplySync || reply->frame[1] == kReplySync;
  return sync ? EchoOutcome::LineGood : EchoOutcome::NotSync;
}

FirmwareText ReadFirmwareInfo(const OnWritten& onWritten) {
  LinkState& l = Link();
  const int port = l.portNumber;
  RemoveReceiveCallback();
  FlushLineQueues();
  const int written = SendRequest(
      {.command = Command::FirmwareText, .flush = Flush::None, .clearReplyClass = false});
  if (onWritten) onWritten(written);
  FirmwareText result;
  result.waiting = std::clamp(AwaitBytes(kFirmwareTextBytes, rt::Timer()), 0, kBufferBytes);
  const int got = rt::ComRd(port, l.rx.data(), result.waiting);
  TraceRaw(CommandCode(Command::FirmwareText), l.rx.data(), got < 0 ? 0 : got);
  if (got < kFirmwareTextBytes)
    std::fill(l.rx.begin() + std::max(got, 0), l.rx.begin() + kFirmwareTextBytes, 0);
  const char* raw = reinterpret_cast<const char*>(l.rx.data());
  result.text.assign(raw, strnlen(raw, kFirmwareTextBytes));
  InstallReceiveCallback();
  FlushLineQueues();
  l.replyClass = kReplyClassNone;
  return result;
}
