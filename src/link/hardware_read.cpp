#include "link/hardware_read.h"

#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/request.h"
#include "runtime/clock.h"
#include "ui/status_line.h"

int RequestHardwareInfo(HardwareWords* words) {
  LinkState& l = Link();
  SendRequest({.command = Command::HardwareInfo});
  // This step looks at the clock before it looks for the reply.
  if (!AwaitReply(Await::Any, rt::Timer(), CheckOrder::ClockFirst)) {
    SetStatusText("Timeout-RS-232...");
    return 0;
  }
  if (l.replyClass != kReplyClassAck ||
      ReadWord(l.rx.data(), 1) != CommandCode(Command::HardwareInfo))
    return 0;
  for (int i = 0; i < static_cast<int>(words->size()); ++i) (*words)[i] = ReadWord(l.rx.data(), i);
  return 1;
}
