#include "link/request.h"

#include "link/frame_area.h"
#include "link/frame_codec.h"
#include "link/link_state.h"
#include "runtime/clock.h"
#include "runtime/events.h"
#include "runtime/serial.h"

namespace {

bool TimeIsUp(double t0) {
  return rt::Timer() - t0 > kReplyTimeout;
}

// Sleeps until something arrives or the wait's own deadline has passed.
void WaitForMore(double t0) {
  rt::WaitForEvents(t0 + kReplyTimeout);
}

}  // namespace

int SendRequest(const Request& r) {
  LinkState& l = Link();
  if (r.flush == Flush::Both) rt::FlushOutQ(l.portNumber);
  if (r.flush != Flush::None) rt::FlushInQ(l.portNumber);
  l.commandWord = CommandCode(r.command);
  l.argumentWord = r.argument;
  BuildRequestFrame(l.commandWord, r.argument, r.data ? r.data : l.data.data());
  if (r.clearReplyClass) l.replyClass = kReplyClassNone;
  return rt::ComWrt(l.portNumber, l.tx.data(), kFrameBytes);
}

bool ReplyMeets(Await what, int replyClass) {
  switch (what) {
    case Await::Ack:
      return replyClass == kReplyClassAck;
    case Await::Measurement:
      return replyClass == kReplyClassMeasurement;
    case Await::Recorder:
      return replyClass == kReplyClassRecorder;
    case Await::Any:
      return replyClass != kReplyClassNone;
  }
  return false;
}

bool AwaitReply(Await what, double t0, CheckOrder order) {
  for (;;) {
    rt::ProcessSystemEvents();
    if (order == CheckOrder::ClockFirst && TimeIsUp(t0)) return false;
    if (ReplyMeets(what, Link().replyClass)) return true;
    if (order == CheckOrder::ReplyFirst && TimeIsUp(t0)) return false;
    WaitForMore(t0);
  }
}

int AwaitBytes(int count, double t0, bool* timedOut) {
  rt::AwaitInQLen(Link().portNumber, count);
  for (;;) {
    rt::ProcessSystemEvents();
    const int n = rt::GetInQLen(Link().portNumber);
    const bool late = TimeIsUp(t0);
    if (late || n >= count) {
      if (timedOut) *timedOut = late;
      rt::AwaitInQLen(Link().portNumber, 0);
      return n;
    }
    WaitForMore(t0);
  }
}
