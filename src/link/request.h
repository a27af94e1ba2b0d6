// The one way a request reaches the sensor and the one way its answer is
// awaited. Every exchange goes through SendRequest, then either AwaitReply (a
// frame the receive callback decodes) or AwaitBytes (a raw answer read from the
// input queue while the callback is removed). Waiting keeps the user interface
// running and gives up after 1.5 s.
#pragma once

#include <cstdint>

#include "link/commands.h"

enum class Flush {
  Both,       // output queue, then input queue
  InputOnly,  // the parameter write keeps what is still going out
  None,       // the caller has flushed already
};

struct Request {
  Command command = Command::Dummy;
  std::uint16_t argument = 0;
  const std::uint16_t* data = nullptr;  // 15 data words; null: the frame data area
  Flush flush = Flush::Both;
  bool clearReplyClass = true;
};

// Flushes, records the command and argument words, encodes the request and
// writes its 36 bytes. Returns the number of bytes written.
int SendRequest(const Request& request);

enum class Await {
  Ack,          // reply class 1
  Measurement,  // reply class 8
  Recorder,     // reply class 18
  Any,          // any class other than 0 (the caller tests it afterwards)
};
bool ReplyMeets(Await what, int replyClass);

// Which check a waiting step makes first after each round of events: whether
// the reply is there, or whether the time is up.
enum class CheckOrder { ReplyFirst, ClockFirst };

// Waits from t0 until the reply class meets the condition (true) or more than
// 1.5 s have passed (false).
bool AwaitReply(Await what, double t0, CheckOrder order = CheckOrder::ReplyFirst);

// Waits from t0 until at least count bytes wait in the input queue or more than
// 1.5 s have passed; returns the bytes waiting then. timedOut tells which.
int AwaitBytes(int count, double t0, bool* timedOut = nullptr);
