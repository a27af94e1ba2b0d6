#include "link/video_read.h"

#include <algorithm>

#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/trace.h"
#include "runtime/clock.h"
#include "runtime/serial.h"

VideoBlock ReadVideoBlockWords(std::uint16_t first, std::uint16_t target,
                               const OnWritten& onWritten) {
  LinkState& l = Link();
  DataWords data{};
  data[0] = target;
  const int written = SendRequest(
      {.command = Command::VideoBlock, .argument = first, .data = data, .clearReplyClass = false});
  if (onWritten) onWritten(written);
  bool timedOut = false;
  const int n = std::clamp(AwaitBytes(kVideoBlockBytes, rt::Timer(), &timedOut), 0, kBufferBytes);
  const int got = rt::ComRd(l.portNumber, l.rx.data(), n);
  TraceRaw(CommandCode(Command::VideoBlock), l.rx.data(), got < 0 ? 0 : got);
  VideoBlock block;
  if (got != kVideoBlockBytes) {
    block.answer = timedOut ? BlockAnswer::TimedOut : BlockAnswer::WrongCount;
    return block;
  }
  block.answer = BlockAnswer::Received;
  for (int i = 0; i < kVideoBlockWords; ++i) block.words[i] = ReadWord(l.rx.data(), i);
  return block;
}
