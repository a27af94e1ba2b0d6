#include "link/video_read.h"

#include <algorithm>
#include <string>

#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/request.h"
#include "runtime/clock.h"
#include "runtime/serial.h"
#include "ui/status_line.h"

namespace {

std::string WaitingText(std::uint16_t first) {
  switch (first) {
    case 0:
      return "Waiting for Data[64] Block 0 ...";
    case 64:
      return "Waiting for Data[64] Block 1 ...";
    case 128:
      return "Waiting for Data[64] Block 2 ...";
    case 192:
      return "Waiting for Data[64] Block 3 ...";
    default:
      return "Waiting for Data[64] Block x ...";
  }
}

}  // namespace

int ReadVideoBlockWords(std::uint16_t first, std::uint16_t target, VideoBlockWords* words) {
  LinkState& l = Link();
  std::uint16_t data[15] = {};
  data[0] = target;
  SendRequest(
      {.command = Command::VideoBlock, .argument = first, .data = data, .clearReplyClass = false});
  ShowStatus(WaitingText(first));
  bool timedOut = false;
  int n = AwaitBytes(kVideoBlockBytes, rt::Timer(), &timedOut);
  n = std::clamp(n, 0, kBufferBytes);
  const int got = rt::ComRd(l.portNumber, l.rx.data(), n);
  if (got != kVideoBlockBytes) {
    ShowStatus(timedOut ? "Timeout-RS-232 while reading 64 data-words!"
                        : "More than 64 data-words !");
    return 0;
  }
  for (int i = 0; i < kVideoBlockWords; ++i) (*words)[i] = ReadWord(l.rx.data(), i);
  ShowStatus("Data[64] block received!");
  return 1;
}
