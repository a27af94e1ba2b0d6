#include "display/video_block.h"

#include <string>

#include "display/threshold_state.h"
#include "display/video_state.h"
#include "link/serial_port.h"
#include "link/video_read.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
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

int ReadVideoBlock(std::uint16_t first, std::uint16_t target) {
  const VideoBlock block =
      ReadVideoBlockWords(first, target, [first](int) { ShowStatus(WaitingText(first)); });
  switch (block.answer) {
    case BlockAnswer::TimedOut:
      ShowStatus("Timeout-RS-232 while reading 64 data-words!");
      return 0;
    case BlockAnswer::WrongCount:
      ShowStatus("More than 64 data-words !");
      return 0;
    case BlockAnswer::Received:
      break;
  }
  auto& table = target == kProfileBlocks ? Video().profile : Threshold().storedCurve;
  for (int i = 0; i < kVideoBlockWords && first + i < 256; ++i) table[first + i] = block.words[i];
  ShowStatus("Data[64] block received!");
  return 1;
}

int ReadVideoBlocks(std::uint16_t target) {
  RemoveReceiveCallback();
  FlushLineQueues();
  int complete = 1;
  for (std::uint16_t first : {0, 64, 128, 192}) {
    if (ReadVideoBlock(first, target) == 0) {
      complete = 0;
      break;
    }
  }
  InstallReceiveCallback();
  return complete;
}

namespace {

void PlotCurves(const std::array<std::uint16_t, 256>& profile,
                const std::array<std::uint16_t, 256>& threshold,
                const std::array<std::uint16_t, 256>* line,
                const std::array<double, 256>& positions) {
  const int main = Panels().main;
  const int g = ids::MAIN_VIDEO_GRAPH;
  rt::DeleteGraphPlot(main, g, rt::VAL_ALL_PLOTS, rt::VAL_DELAYED_DRAW);
  rt::SetCtrlAttribute(main, g, rt::ATTR_REFRESH_GRAPH, 0);
  rt::PlotXY(main, g, positions.data(), profile.data(), 256, rt::VAL_RED);
  rt::PlotXY(main, g, positions.data(), threshold.data(), 256, rt::VAL_DK_GREEN);
  if (line) rt::PlotXY(main, g, positions.data(), line->data(), 256, rt::VAL_DK_GREEN);
  rt::RefreshGraph(main, g);
}

}  // namespace

void ShowVideoGraphAlone() {
  const int main = Panels().main;
  SetControlVisible(main, ids::MAIN_VIDEO_GRAPH, true);
  SetControlVisible(main, ids::MAIN_PIXEL_GRAPH, false);
  SetControlVisible(main, ids::MAIN_ROLL_GRAPH, false);
}

void PlotVideoGraph(const std::array<std::uint16_t, 256>& profile,
                    const std::array<std::uint16_t, 256>& threshold,
                    const std::array<double, 256>& positions) {
  PlotCurves(profile, threshold, nullptr, positions);
}

void PlotVideoGraphWithLine(const std::array<std::uint16_t, 256>& profile,
                            const std::array<std::uint16_t, 256>& threshold,
                            const std::array<std::uint16_t, 256>& line,
                            const std::array<double, 256>& positions) {
  PlotCurves(profile, threshold, &line, positions);
}
