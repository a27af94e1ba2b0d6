#include "calib/threshold_save.h"

#include "display/threshold_readback.h"
#include "display/threshold_state.h"
#include "display/video_block.h"
#include "help/button_events.h"
#include "link/request.h"
#include "runtime/clock.h"
#include "runtime/constants.h"
#include "runtime/dialogs.h"
#include "runtime/ui_model.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"
#include "ui/status_line.h"

const char* const kSaveThresholdHelp =
    "SAVE V-THD:\nWith this button the actual video-threshold\nis stored to the EEPROM of the "
    "sensor.\nATTENTION: LIGHT-MEASURING \nSECTION MUST BE FREE !";

namespace {

constexpr int kHelpDx = 165;
constexpr int kHelpDy = 10;
constexpr double kReadBackPause = 0.2;

// The sensor must see the whole line lit; the operator confirms that first.
void SaveAutoThreshold() {
  ShowVideoGraphAlone();
  if (!rt::ConfirmPopup("ATTENTION!", "Laser-Light measureing section must be uncovered!")) return;
  ThresholdState& t = Threshold();
  t.storedCurve = t.autoLine;
  const PanelHandles& p = Panels();
  std::uint16_t percent = 0, selector = 0;
  rt::GetCtrlVal(p.para2, ids::P2_VTHD, &percent);
  rt::GetCtrlVal(p.para2, ids::P2_THD_TARGET, &selector);
  Params().para1[P1_VIDEO_THD_AUTO] = percent;
  ActivateAutoThdSave(percent, selector);
  // The curve is read back whatever the save reported: the block reads tell
  // on the status line whether the line works.
  rt::Delay(kReadBackPause);
  GetEEThreshold();
}

}  // namespace

int ActivateAutoThdSave(std::uint16_t percent, std::uint16_t selector) {
  DataWords data{};
  data[0] = selector;
  const auto ack =
      Exchange({.command = Command::StoreVideoThreshold, .argument = percent, .data = data},
               Await::Ack, [](int) { ShowStatus("Save auto-video-threshold..."); });
  if (!ack) {
    SetStatusText("Timeout-RS-232...");
    return 0;
  }
  ShowStatus("Auto video-threshold saved in EEPROM!");
  return 0;
}

int CC_CBTNSaveThreshold(int panel, int control, int event, void*, int, int) {
  return HandleButtonEvent(
      panel, control, event,
      {.commit = SaveAutoThreshold, .help = {kSaveThresholdHelp, kHelpDx, kHelpDy}});
}
