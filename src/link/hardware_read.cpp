#include "link/hardware_read.h"

#include "link/frame_codec.h"
#include "link/request.h"
#include "runtime/clock.h"

HardwareReply RequestHardwareInfo() {
  SendRequest({.command = Command::HardwareInfo});
  // This step looks at the clock before it looks for the reply.
  const auto reply = AwaitReply(Await::Any, rt::Timer(), CheckOrder::ClockFirst);
  HardwareReply result;
  if (!reply) return result;
  result.answer = HardwareAnswer::OtherReply;
  if (reply->replyClass != kReplyClassAck || reply->type() != CommandCode(Command::HardwareInfo))
    return result;
  result.answer = HardwareAnswer::Received;
  for (std::size_t i = 0; i < result.words.size(); ++i) result.words[i] = reply->frame[i];
  return result;
}
