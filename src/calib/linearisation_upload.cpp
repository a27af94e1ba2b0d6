#include "calib/linearisation_upload.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calib/linearisation_file.h"
#include "calib/linearisation_layout.h"
#include "calib/linearisation_state.h"
#include "link/request.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/dialogs.h"
#include "runtime/events.h"
#include "runtime/files.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

constexpr const char* kTimeout = "Timeout-RS-232...";
constexpr int kBarGrey = 0xA0A0A0;
constexpr int kBarGreen = 0x00FF00;
constexpr int kLastBlockOffset = kFlashPageEntries - kFlashBlockEntries;
constexpr int kLastPage = 9;

rt::FileSelectRequest LinearisationFileDialog() {
  rt::FileSelectRequest r;
  r.defaultDirectory = rt::ProjectDir();
  r.defaultName = "XF-LINEAR.DAT";
  r.filter = "*.dat";
  r.title = "KAVRO-RM-Series-Linearisation-File";
  r.buttonLabel = "Load";
  r.save = false;
  return r;
}

void ClearDataGraph(double xEnd) {
  const int main = Panels().main;
  rt::SetAxisScalingMode(main, ids::MAIN_DATA_GRAPH, rt::VAL_XAXIS, rt::VAL_MANUAL, 1.0, xEnd);
  rt::DeleteGraphPlot(main, ids::MAIN_DATA_GRAPH, rt::VAL_ALL_PLOTS, rt::VAL_IMMEDIATE_DRAW);
}

void DrawBar(double xEnd, int colour) {
  rt::PlotRectangle(Panels().main, ids::MAIN_DATA_GRAPH, 1.0, 0.0, xEnd, 1.0, colour, colour);
}

void UploadLinearisation() {
  if (ReadLinDataFromFile() != 0) return;
  ClearXFLASH();  // the blocks go out even when the clear was not answered
  ClearDataGraph(Hardware().subpixelRange);
  const int lastPage = LastFlashPageFor(Hardware().modelCode);
  // A program told to quit (its window closed, a termination signal) writes
  // no further block.
  for (int page = kFirstFlashPage; page <= lastPage; ++page)
    for (int offset = 0; offset <= kLastBlockOffset; offset += kFlashBlockEntries) {
      if (rt::QuitRequested()) return;
      WriteFlashBlock(page, offset);
    }
}

}  // namespace

int ReadLinDataFromFile() {
  std::string path;
  if (rt::FileSelectPopup(LinearisationFileDialog(), &path) == rt::VAL_NO_FILE_SELECTED) return 1;
  std::vector<std::uint16_t> values;
  const int result =
      ReadLinearisationFile(path, LinearisationValuesFor(Hardware().modelCode), &values);
  if (result != 0) return result;
  FillTable(Linearisation(), values);
  return 0;
}

int ClearXFLASH() {
  const auto ack =
      Exchange({.command = Command::ClearFlash, .argument = 0, .data = ClearFlashData()},
               Await::Ack, [](int) { ShowStatus("clearing X-FLASH..."); });
  if (!ack) {
    ShowStatus(kTimeout);
    return 0;
  }
  ShowStatus("X-FLASH-cleared!");
  return 1;
}

void WriteFlashBlock(int page, int blockOffset) {
  const auto ack = Exchange({.command = Command::FlashBlockWrite,
                             .argument = static_cast<std::uint16_t>(blockOffset),
                             .data = FlashBlockData(Linearisation(), page, blockOffset)},
                            Await::Ack);
  const int start = BlockStartIndex(page, blockOffset);
  // The answer tells which block the sensor wrote: data word 0 the offset,
  // data word 1 the page.
  if (ack) {
    rt::SetCtrlVal(Panels().main, ids::MAIN_FLASH_INDEX, start);
    if (auto text = FlashPageWrittenText(ack->data[1])) SetStatusText(*text);
  } else {
    SetStatusText(kTimeout);
  }
  // The last answer that came in decides whether the table is complete.
  const ReplyWords answer = LastReply().data;
  if (answer[1] == kLastPage && answer[0] == kLastBlockOffset) {
    DrawBar(Hardware().flashGraphRange, kBarGrey);
    ShowStatus("X-FLASH Data successfully written!");
  } else {
    DrawBar(start, kBarGreen);
    ShowStatusText();
  }
}

int CC_WriteXFLASH(int, int, int event, void*, int, int) {
  if (event != rt::EVENT_COMMIT) return 0;
  UploadLinearisation();
  const int calib = Panels().calib;
  SetControlVisible(calib, ids::CAL_WRITE_XFLASH, false);
  SetControlDimmed(calib, ids::CAL_SLOPE, true);
  return 0;
}

int CC_ReadXFLASH(int, int, int event, void*, int, int) {
  if (event == rt::EVENT_COMMIT) ClearDataGraph(Hardware().flashGraphRange);
  return 0;
}
