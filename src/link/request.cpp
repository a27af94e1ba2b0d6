#include "link/request.h"

#include <algorithm>

#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/run_state.h"
#include "link/trace.h"
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

bool Meets(Await what, int replyClass) {
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

}  // namespace

int SendRequest(const Request& r) {
  LinkState& l = Link();
  if (r.flush == Flush::Both) rt::FlushOutQ(l.portNumber);
  if (r.flush != Flush::None) rt::FlushInQ(l.portNumber);
  // Words given with the request go into the frame data area first.
  if (r.data) std::copy(r.data->begin(), r.data->end(), l.data.begin());
  EncodeRequest(l.tx.data(), kRequestSync, CommandCode(r.command), r.argument, l.data.data());
  if (r.clearReplyClass) l.replyClass = kReplyClassNone;
  const int written = rt::ComWrt(l.portNumber, l.tx.data(), kFrameBytes);
  TraceRequest(l.tx.data(), written < 0 ? 0 : written);
  return written;
}

namespace {

std::optional<Reply> Wait(Await what, double t0, CheckOrder order, bool endsOnStop) {
  for (;;) {
    rt::ProcessSystemEvents();
    if (order == CheckOrder::ClockFirst && TimeIsUp(t0)) return std::nullopt;
    if (auto reply = ReplyThatMeets(what)) return reply;
    if (order == CheckOrder::ReplyFirst && TimeIsUp(t0)) return std::nullopt;
    if (endsOnStop && RunMode().stopFlag != kStopRunning) return std::nullopt;
    WaitForMore(t0);
  }
}

}  // namespace

std::optional<Reply> AwaitReply(Await what, double t0, CheckOrder order) {
  return Wait(what, t0, order, false);
}

std::optional<Reply> AwaitReplyUnlessStopped(Await what, double t0) {
  return Wait(what, t0, CheckOrder::ReplyFirst, true);
}

std::optional<Reply> Exchange(const Request& request, Await what, const OnWritten& onWritten) {
  const int written = SendRequest(request);
  if (onWritten) onWritten(written);
  return AwaitReply(what, rt::Timer());
}

std::optional<Reply> ReplyThatMeets(Await what) {
  const LinkState& l = Link();
  if (!Meets(what, l.replyClass)) return std::nullopt;
  return l.last;
}

std::optional<Reply> TakeArrivedReply() {
  LinkState& l = Link();
  if (l.replyArrived == 0) return std::nullopt;
  l.replyArrived = 0;
  return l.last;
}

Reply LastReply() {
  return Link().last;
}

void ForgetReplies() {
  Link().replyClass = kReplyClassNone;
  Link().replyArrived = 0;
}

void ResumeRunLoop() {
  if (RunMode().stopFlag == kStopRunning) Link().replyClass = kReplyClassMeasurement;
}

int AwaitBytes(int count, double t0, bool* timedOut) {
  const int port = Link().portNumber;
  rt::AwaitInQLen(port, count);
  for (;;) {
    rt::ProcessSystemEvents();
    const int n = rt::GetInQLen(port);
    const bool late = TimeIsUp(t0);
    if (late || n >= count) {
      if (timedOut) *timedOut = late;
      rt::AwaitInQLen(port, 0);
      return n;
    }
    WaitForMore(t0);
  }
}
