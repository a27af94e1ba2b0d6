// The send-and-wait pattern every exchange with the sensor follows: flush,
// encode, clear the reply class, write, then pump events until the reply class
// meets the command's condition or more than 1.5 s have passed.
#pragma once

#include <cstdint>

enum class Await {
  Ack,          // reply class 1
  Measurement,  // reply class 8
  Any,          // any class other than 0 (the caller tests it afterwards)
};

// Flushes both queues (or only the input queue), builds the request from the
// frame data area, clears the reply class and writes the 36 bytes. Returns the
// number of bytes written.
int SendRequest(std::uint16_t command, std::uint16_t argument, bool flushOutput = true);
// Writes the request already in the transmit buffer (after clearing the class).
int WriteRequest();
// Waits from t0 for the reply; true when it came, false after the time-out.
bool AwaitReply(Await what, double t0);
bool ReplyMeets(Await what, int replyClass);
