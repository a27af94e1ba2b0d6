// Waking the line, checking it with an echo and reading the firmware text: the
// first exchanges with a sensor, before it is identified.
#pragma once

#include <string>

#include "link/reply.h"
#include "link/request.h"

inline constexpr int kFirmwareTextBytes = 72;

// The dummy frame (command 0, all zeros) that wakes the line; no reply is
// awaited. True when all 36 bytes were written.
bool SendDummyFrame();

enum class EchoOutcome {
  LineGood,    // a reply whose word 0 or word 1 is the reply sync 0x00AA
  NotSync,     // an acknowledgement without the sync word
  OtherReply,  // a measurement or recorder reply
  TimedOut,
};
// Command 5 with the given data words (PARA0). The reply's first two words
// stay in the frame data area for the next request.
EchoOutcome EchoCheck(const DataWords& para0);

struct FirmwareText {
  int waiting = 0;   // bytes waiting when the wait ended (72 or more: the text came)
  std::string text;  // the first 72 bytes up to the first zero byte
};
// Command 7, read raw with the receive callback removed. onWritten runs once
// the request is out, before the wait.
FirmwareText ReadFirmwareInfo(const OnWritten& onWritten);
