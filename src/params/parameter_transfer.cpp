#include "params/parameter_transfer.h"

#include "display/threshold_readback.h"
#include "display/threshold_state.h"
#include "display/video_block.h"
#include "link/line.h"
#include "link/request.h"
#include "link/run_state.h"
#include "params/parameter_display.h"
#include "params/transfer_state.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/frame_mapping.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

namespace {

// In AUTO threshold mode, with the run stopped by the operator and no teach
// under way, a refresh from the sensor also brings the stored threshold curve.
void RefreshThresholdFromSensor() {
  ShowVideoGraphAlone();
  GetEEThreshold();
  Threshold().autoLine = Threshold().storedCurve;
}

void RefreshPanels(int target) {
  if (target != kTargetFile && Params().para0[P0_VIDEO_THD_MODE] == 1 &&
      RunMode().stopFlag == kStopStopped && !Threshold().teachPressed)
    RefreshThresholdFromSensor();
  ShowParameters();
}

}  // namespace

int SendParameterFrame(int target, int which) {
  const Command command =
      target == kTargetEeprom ? Command::WriteParaEeprom : Command::WriteParaRam;
  const bool ok = Exchange({.command = command,
                            .argument = std::uint16_t(which),
                            .data = ParaFrameWords(Params(), which),
                            .flush = Flush::InputOnly},
                           Await::Ack,
                           [which](int written) {
                             if (written == kFrameBytes)
                               ShowStatus(which == 0 ? "Transmit para0 - Line Ok!"
                                                     : "Transmit para1 - Line Ok!");
                           })
                      .has_value();
  ShowStatus(ok ? "Transmission successful - Line Ok!" : "Timeout-RS-232...");
  return ok ? 1 : 0;
}

int GetParameterFrame(int target, int which) {
  bool ok = true;
  if (target != kTargetFile) {
    const Command command =
        target == kTargetEeprom ? Command::ReadParaEeprom : Command::ReadParaRam;
    const auto reply = Exchange({.command = command,
                                 .argument = std::uint16_t(which),
                                 .data = ParaFrameWords(Params(), which)},
                                Await::Ack, [](int written) {
                                  if (written == kFrameBytes)
                                    ShowStatus("Waiting for parameter-frame ...");
                                });
    ok = reply.has_value();
    if (ok) {
      SetParaFrame(Params(), which, reply->data);
      SetStatusText("Parameter-frame received! - Line Ok!");
    } else {
      SetStatusText("Timeout-RS-232...");
    }
  }
  if ((which == 1 && ok) || target == kTargetFile) RefreshPanels(target);
  if (target != kTargetFile) ShowStatusText();
  return ok ? 1 : 0;
}
