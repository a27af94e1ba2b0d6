#include "params/parameter_display.h"

#include "params/panel_rules.h"
#include "params/parameter_panels.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

namespace {

constexpr int kDataGraphBackground = 0xA0A0A0;
constexpr double kEvalCursorHeight = 0.75;

void ApplyModeRules() {
  const ParameterSet& s = Params();
  ApplyThresholdView();
  ApplyOperationMode(s.para0[P0_CCD_OPERATION_MODE]);
  ApplyInternalTrigger(s.para1[P1_INT_TRIGGER_MODE], RuleSource::ParameterSet);
  ApplyHardwareMode(s.para0[P0_HARDWARE_MODE], RuleSource::ParameterSet);
  ApplyAnalogOutMode(s.para0[P0_ANALOG_OUT_MODE]);
  ApplyRecorderMode(s.para1[P1_RS232_MODE], RuleSource::ParameterSet);
}

// The data graph spans the sensor's subpixels, with the evaluation window's
// cursors and a grey background over the whole range.
void DrawDataGraphFrame() {
  const ParameterSet& s = Params();
  const int main = Panels().main;
  const double range = Hardware().subpixelRange;
  rt::SetAxisScalingMode(main, ids::MAIN_DATA_GRAPH, rt::VAL_XAXIS, rt::VAL_MANUAL, 1.0, range);
  rt::SetGraphCursor(main, ids::MAIN_DATA_GRAPH, 2, s.para0[P0_EVAL_BEGIN], kEvalCursorHeight);
  rt::SetGraphCursor(main, ids::MAIN_DATA_GRAPH, 3, s.para0[P0_EVAL_END], kEvalCursorHeight);
  rt::PlotRectangle(main, ids::MAIN_DATA_GRAPH, 0.0, 0.0, range, 1.0, kDataGraphBackground,
                    kDataGraphBackground);
}

}  // namespace

void ShowParameters() {
  ApplyParameterLimits(Params(), Hardware().subpixelRange, Hardware().hysteresisLimit);
  WriteParameterControls();
  ApplyModeRules();
  ComputeFixedThresholdLine(Params(), Hardware().videoFullScale);
  DrawDataGraphFrame();
  ShowToleranceValues();
}

void DimLinkButtons(std::uint16_t dim) {
  const int d = dim > 1 ? 1 : dim;
  const PanelHandles& p = Panels();
  for (int c : {ids::MAIN_SEND, ids::MAIN_GET, ids::MAIN_VIDEO, ids::MAIN_RUN, ids::MAIN_RESET})
    rt::SetCtrlAttribute(p.main, c, rt::ATTR_DIMMED, d);
  rt::SetCtrlAttribute(p.para2, ids::P2_TEACH, rt::ATTR_DIMMED, d);
}
