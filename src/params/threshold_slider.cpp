// The video threshold slider. In AUTO a press on it reads a fresh intensity
// profile (and ends a running loop), so that the release can show the
// threshold the slider sets against it; in FIXED the release redraws the fixed
// line only.
#include "display/threshold_state.h"
#include "display/video_block.h"
#include "display/video_state.h"
#include "link/run_state.h"
#include "params/edit_limits.h"
#include "params/parameter_callbacks.h"
#include "params/parameter_help.h"
#include "runtime/constants.h"
#include "runtime/events.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr int kAuto = 1;

int SelectorValue() {
  return ControlValue(Panels().para2, ids::P2_VTHD_MODE);
}

void ReadProfileForPreview() {
  if (SelectorValue() != kAuto) return;
  ReadVideoBlocks(kProfileBlocks);
  RunMode().stopFlag = kStopStopped;
  rt::ProcessSystemEvents();
}

void PreviewThreshold(int panel, int control) {
  ShowVideoGraphAlone();
  const int percent = ControlValue(panel, control);
  const HardwareInfo& hw = Hardware();
  const auto& profile = Video().profile;
  if (SelectorValue() == 0) {
    FillFixedLine(Params().fixedThresholdLine, hw.videoFullScale, percent);
    PlotVideoGraph(profile, Params().fixedThresholdLine, hw.videoPositions);
    return;
  }
  ThresholdState& t = Threshold();
  ScaleProfile(profile, percent, t.autoLine);
  PlotVideoGraphWithLine(profile, t.storedCurve, t.autoLine, hw.videoPositions);
}

}  // namespace

int CC_SLIDEVideoThreshold(int panel, int control, int event, void*, int, int) {
  if (event == rt::EVENT_LEFT_CLICK) ReadProfileForPreview();
  return HelpOrEdit(panel, control, event, ParamHelp::VideoThreshold, rt::EVENT_COMMIT,
                    PreviewThreshold);
}
