#include "display/video_block.h"

#include <algorithm>
#include <string>

#include "app/panel_ids.h"
#include "app/panels.h"
#include "app/runtime/clock.h"
#include "app/runtime/constants.h"
#include "app/runtime/events.h"
#include "app/runtime/serial.h"
#include "app/runtime/ui_model.h"
#include "calib/threshold_state.h"
#include "display/video_state.h"
#include "link/frame_codec.h"
#include "link/link_state.h"
#include "link/status.h"

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

int ReadVideoBlock(std::uint16_t first, std::uint16_t target) {
  LinkState& l = Link();
  const int port = l.portNumber;
  std::string message;
  l.commandWord = 9;
  rt::FlushOutQ(port);
  rt::FlushInQ(port);
  std::uint16_t data[15] = {};
  data[0] = target;
  EncodeRequest(l.tx.data(), kRequestSync, 9, first, data);
  rt::ComWrt(port, l.tx.data(), kFrameBytes);
  rt::SetCtrlVal(Panels().main, ids::MAIN_STATUS, WaitingText(first));
  const double t0 = rt::Timer();
  bool timedOut = false;
  int n = 0;
  for (;;) {
    rt::ProcessSystemEvents();
    n = rt::GetInQLen(port);
    if (rt::Timer() - t0 > kReplyTimeout) {
      timedOut = true;
      break;
    }
    if (n >= kVideoBlockBytes) break;
  }
  n = std::clamp(n, 0, kBufferBytes);
  const int got = rt::ComRd(port, l.rx.data(), n);
  int result = 0;
  if (got == kVideoBlockBytes) {
    message = "Data[64] block received!";
    auto& table = target == 0 ? Video().profile : Threshold().storedCurve;
    for (int i = 0; i < 64 && first + i < 256; ++i) table[first + i] = ReadWord(l.rx.data(), i);
    result = 1;
  } else {
    message =
        timedOut ? "Timeout-RS-232 while reading 64 data-words!" : "More than 64 data-words !";
  }
  rt::SetCtrlVal(Panels().main, ids::MAIN_STATUS, message);
  return result;
}

void PlotVideoGraph(const std::array<std::uint16_t, 256>& profile,
                    const std::array<std::uint16_t, 256>& threshold,
                    const std::array<double, 256>& positions) {
  const int main = Panels().main;
  const int g = ids::MAIN_VIDEO_GRAPH;
  rt::DeleteGraphPlot(main, g, rt::VAL_ALL_PLOTS, rt::VAL_DELAYED_DRAW);
  rt::SetCtrlAttribute(main, g, rt::ATTR_REFRESH_GRAPH, 0);
  rt::PlotXY(main, g, positions.data(), profile.data(), 256, rt::VAL_RED);
  rt::PlotXY(main, g, positions.data(), threshold.data(), 256, rt::VAL_DK_GREEN);
  rt::RefreshGraph(main, g);
}
