#include "params/parameter_display.h"

#include "params/parameter_panels.h"
#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

void ShowParameters() {
  ApplyParameterLimits(Params(), Hardware().subpixelRange, Hardware().hysteresisLimit);
  WriteParameterControls();
}

void DimLinkButtons(std::uint16_t dim) {
  const int d = dim > 1 ? 1 : dim;
  const PanelHandles& p = Panels();
  for (int c : {ids::MAIN_SEND, ids::MAIN_GET, ids::MAIN_VIDEO, ids::MAIN_RUN, ids::MAIN_RESET})
    rt::SetCtrlAttribute(p.main, c, rt::ATTR_DIMMED, d);
  rt::SetCtrlAttribute(p.para2, ids::P2_TEACH, rt::ATTR_DIMMED, d);
}
