#include "display/measurement_inputs.h"

#include "runtime/constants.h"
#include "runtime/ui_model.h"
#include "ui/panel_ids.h"
#include "ui/panels.h"

TolerancePair MeasurementInputs::pair() const {
  return TolerancesFor(p.para0[P0_HARDWARE_MODE], m.sensorTolerance, p.para0[P0_UPPER_TOLERANCE],
                       p.para0[P0_LOWER_TOLERANCE]);
}

ToleranceLimits MeasurementInputs::limits() const {
  return ClampLimits(RawLimits(teach(), pair()), range());
}

void ShowToleranceDisplays(const MeasurementInputs& in, const TolerancePair& pair) {
  const int main = Panels().main;
  rt::SetCtrlVal(main, ids::MAIN_TOL_UP,
                 ToleranceInLength(static_cast<std::uint16_t>(pair.upper), in.p.umSlope));
  rt::SetCtrlVal(main, ids::MAIN_TOL_LOW,
                 ToleranceInLength(static_cast<std::uint16_t>(pair.lower), in.p.umSlope));
}

void ColourByTolerance(bool out) {
  const int colour = out ? rt::VAL_RED : rt::VAL_DK_GREEN;
  rt::SetCtrlAttribute(Panels().main, ids::MAIN_UM_VALUE, rt::ATTR_TEXT_COLOR, colour);
  rt::SetCtrlAttribute(Panels().main, ids::MAIN_PIXEL_VALUE, rt::ATTR_TEXT_COLOR, colour);
}
