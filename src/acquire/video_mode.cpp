#include "acquire/video_mode.h"

#include <cstdint>

#include "acquire/mode_controls.h"
#include "acquire/run_mode.h"
#include "display/measurement_display.h"
#include "display/raw_view.h"
#include "display/threshold_state.h"
#include "display/video_block.h"
#include "display/video_state.h"
#include "help/button_events.h"
#include "link/run_state.h"
#include "link/serial_port.h"
#include "params/transfer_buttons.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/serial.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

const char* const kVideoHelp =
    "VIDEO-BUTTON:\nTransfer video-signal (pixel information)\n= intensity profile at "
    "CCD-line, via\nserial communication interface to PC.";

namespace {

bool RawToggleOn() {
  int on = 0;
  rt::GetCtrlVal(Panels().main, ids::MAIN_RAW, &on);
  return on != 0;
}

std::uint16_t VideoThresholdMode() {
  std::uint16_t mode = 0;
  rt::GetCtrlVal(Panels().para2, ids::P2_VTHD_MODE, &mode);
  return mode;
}

// Shows the measurement and draws the profile. The raw view compares with the
// threshold mode of the previous cycle (held in *mode); the plotted threshold
// follows the mode read now.
void ShowVideoCycle(std::uint16_t* mode) {
  const int main = Panels().main;
  const HardwareInfo& hw = Hardware();
  rt::SetAxisScalingMode(main, ids::MAIN_VIDEO_GRAPH, rt::VAL_XAXIS, rt::VAL_MANUAL, 1.0,
                         hw.subpixelRange);
  ShowMeasurement(Measurement(), Params(), hw);
  rt::SetAxisScalingMode(main, ids::MAIN_VIDEO_GRAPH, rt::VAL_LEFT_YAXIS, rt::VAL_MANUAL, 1.0,
                         hw.videoFullScale);
  const bool raw = RawToggleOn();
  const VideoCurve& fixed = Params().fixedThresholdLine;
  if (raw)
    ApplyRawView(Video().profile, *mode == 0 ? fixed : Threshold().storedCurve, hw.videoFullScale);
  *mode = VideoThresholdMode();
  const VideoCurve& threshold =
      *mode == 0 ? fixed : (raw ? Threshold().autoLine : Threshold().storedCurve);
  PlotVideoGraph(Video().profile, threshold, hw.videoPositions);
}

}  // namespace

void RunVideoLoop() {
  SetUpModeControls(LoopMode::Video);
  RunMode().stopFlag = kStopRunning;
  std::uint16_t mode = 0;
  do {
    bool timedOut = false;
    if (const auto reply = RequestMeasurement(&timedOut)) {
      TakeMeasurement(*reply);
      if (ReadVideoBlocks(kProfileBlocks)) ShowVideoCycle(&mode);
    } else if (timedOut) {
      RunMode().stopFlag = kStopTimeout;
    }
    rt::ProcessSystemEvents();
  } while (RunMode().stopFlag == kStopRunning);
  EndDataTransfer();
  InstallReceiveCallback();
  FlushLineQueues();
}

int CC_BTNVideo(int panel, int control, int event, void*, int, int) {
  return HandleButtonEvent(panel, control, event,
                           {.commit =
                                [] {
                                  SelectRamTarget();
                                  RunVideoLoop();
                                },
                            .help = {kVideoHelp}});
}
