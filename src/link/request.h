// The one way a request reaches the sensor and the one way its answer comes
// back. SendRequest writes a request; AwaitReply waits until the receive
// callback has stored a reply of the awaited class and hands it back, or says
// that 1.5 s passed. Exchange does both. Waiting keeps the user interface
// running, so another operation may exchange frames inside a wait.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "link/commands.h"
#include "link/reply.h"

enum class Flush {
  Both,       // output queue, then input queue
  InputOnly,  // the parameter write keeps what is still going out
  None,       // the caller has flushed already
};

struct Request {
  Command command = Command::Dummy;
  std::uint16_t argument = 0;
  // The 15 data words. Without them the request carries the frame data area as
  // the last exchange left it (the last reply's words, or the last request's).
  std::optional<DataWords> data = std::nullopt;
  Flush flush = Flush::Both;
  bool clearReplyClass = true;
};

// Flushes, encodes the request and writes its 36 bytes. Returns the number of
// bytes written.
int SendRequest(const Request& request);

enum class Await {
  Ack,          // reply class 1
  Measurement,  // reply class 8
  Recorder,     // reply class 18
  Any,          // any reply (the caller looks at its class)
};

// Which check a waiting step makes first after each round of events: whether
// the reply is there, or whether the time is up.
enum class CheckOrder { ReplyFirst, ClockFirst };

// Waits from t0 until a reply that meets the condition is stored (and hands it
// back) or more than 1.5 s have passed (nothing).
std::optional<Reply> AwaitReply(Await what, double t0, CheckOrder order = CheckOrder::ReplyFirst);
// The same, but a stop (the stop flag leaving 0: the operator's Stop, a close,
// another operation taking the line) ends the wait too, with nothing.
std::optional<Reply> AwaitReplyUnlessStopped(Await what, double t0);

// Sends, tells the caller how many bytes went out (for its progress message),
// then waits from that moment.
using OnWritten = std::function<void(int written)>;
std::optional<Reply> Exchange(const Request& request, Await what, const OnWritten& onWritten = {});

// The reply stored since the last request, when it meets the condition.
std::optional<Reply> ReplyThatMeets(Await what);
// The reply the receive callback stored since the arrival was last taken, if
// any; taking it clears the arrival.
std::optional<Reply> TakeArrivedReply();
// The reply the receive callback stored last, whenever it came.
Reply LastReply();
// Forgets the reply class and the arrival: the next loop starts on a clean line.
void ForgetReplies();
// An operation that shared the line with run mode hands it back: while a loop
// still runs, the run loop finds a measurement reply and sends a fresh request
// instead of waiting for its time-out.
void ResumeRunLoop();

// Waits from t0 until at least count bytes wait in the input queue or more than
// 1.5 s have passed; returns the bytes waiting then. timedOut tells which.
int AwaitBytes(int count, double t0, bool* timedOut = nullptr);
