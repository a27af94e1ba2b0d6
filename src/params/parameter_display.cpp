#include "params/parameter_display.h"

#include "app/panel_ids.h"
#include "app/panels.h"
#include "app/runtime/constants.h"
#include "app/runtime/ui_model.h"
#include "link/hardware_info.h"
#include "params/parameter_panels.h"
#include "params/parameter_set.h"

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
