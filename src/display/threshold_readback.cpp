#include "display/threshold_readback.h"

#include "display/measurement_display.h"
#include "display/threshold_state.h"
#include "display/video_block.h"
#include "display/video_state.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

int GetEEThreshold() {
  const PanelHandles& p = Panels();
  std::uint16_t selector = 0;
  rt::GetCtrlVal(p.para2, ids::P2_THD_TARGET, &selector);
  ReadVideoBlocks(selector);
  std::uint16_t mode = 0;
  rt::GetCtrlVal(p.para2, ids::P2_VTHD_MODE, &mode);
  ShowMeasurement(Measurement(), Params(), Hardware());
  rt::SetAxisScalingMode(p.main, ids::MAIN_VIDEO_GRAPH, rt::VAL_LEFT_YAXIS, rt::VAL_MANUAL, 1.0,
                         Hardware().videoFullScale);
  PlotVideoGraph(Video().profile, mode != 0 ? Threshold().storedCurve : Params().fixedThresholdLine,
                 Hardware().videoPositions);
  return 0;
}
