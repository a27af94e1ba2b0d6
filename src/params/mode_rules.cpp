#include "params/mode_rules.h"

namespace {

constexpr int kFirstModernFirmware = 318;
constexpr int kLastOldHardwareCode = 100;

}  // namespace

TriggerView InternalTriggerView(int intTriggerMode, int hardwareType, RuleSource source) {
  TriggerView v;
  if (intTriggerMode > 0) {
    if (hardwareType == 3) {
      v.outMode = 3;
      v.outModeDimming = Dimming::Dim;
    } else {
      v.outModeDimming = Dimming::Enable;
    }
    v.triggerPixelDimmed = false;
    v.indicatorsShown = true;
    return v;
  }
  if (hardwareType == 1) {
    v.outMode = 0;
    // The refresh leaves the ring's dimming as it stands; the Hardware-Mode
    // control keeps the dimming the model table gave it.
    v.outModeDimming = source == RuleSource::Controls ? Dimming::Dim : Dimming::Keep;
  } else {
    v.outModeDimming = Dimming::Enable;
  }
  return v;
}

OperationView OperationModeView(int firmwareVersion, int hardwareCode, int operationMode,
                                int videoThdMode) {
  OperationView v;
  if (firmwareVersion >= kFirstModernFirmware || hardwareCode <= kLastOldHardwareCode) return v;
  v.applies = true;
  if (operationMode == 1) {
    v.saveThresholdDimmed = v.filterDimmed = v.selectorDimmed = true;
  } else {
    v.saveThresholdDimmed = videoThdMode == 0;
  }
  return v;
}

bool ToleranceFieldsDimmed(int hardwareMode, RuleSource source) {
  if (source == RuleSource::Controls) return hardwareMode != 0 && hardwareMode != 2;
  return hardwareMode == 1 || hardwareMode == 3;
}

bool AnalogGroupShown(int analogOutMode) {
  return analogOutMode != 0;
}

RecorderView RecorderControlsView(int rs232Mode, RuleSource source) {
  RecorderView v;
  if (source == RuleSource::ParameterSet) {
    v.interval = rs232Mode == 0 ? Dimming::Enable : Dimming::Dim;
  } else if (rs232Mode == 2 || rs232Mode == 3) {
    v.interval = v.others = Dimming::Dim;
  }
  return v;
}

ToleranceDisplayValues ToleranceDisplays(const ParameterSet& set) {
  return {ToleranceInLength(set.para0[P0_UPPER_TOLERANCE], set.umSlope),
          ToleranceInLength(set.para0[P0_LOWER_TOLERANCE], set.umSlope)};
}
