#include "link/transaction.h"

#include "app/runtime/clock.h"
#include "app/runtime/events.h"
#include "app/runtime/serial.h"
#include "link/frame_codec.h"
#include "link/link_frames.h"
#include "link/link_state.h"

int SendRequest(std::uint16_t command, std::uint16_t argument, bool flushOutput) {
  LinkState& l = Link();
  if (flushOutput) rt::FlushOutQ(l.portNumber);
  rt::FlushInQ(l.portNumber);
  l.commandWord = command;
  l.argumentWord = argument;
  BuildRequestFrame(command, argument, l.data.data());
  return WriteRequest();
}

int WriteRequest() {
  Link().replyClass = kReplyClassNone;
  return rt::ComWrt(Link().portNumber, Link().tx.data(), kFrameBytes);
}

bool ReplyMeets(Await what, int replyClass) {
  switch (what) {
    case Await::Ack:
      return replyClass == kReplyClassAck;
    case Await::Measurement:
      return replyClass == kReplyClassMeasurement;
    case Await::Any:
      return replyClass != kReplyClassNone;
  }
  return false;
}

bool AwaitReply(Await what, double t0) {
  for (;;) {
    rt::ProcessSystemEvents();
    if (ReplyMeets(what, Link().replyClass)) return true;
    if (rt::Timer() - t0 > kReplyTimeout) return false;
  }
}
