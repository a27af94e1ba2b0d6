#include "params/mode_rules.h"

namespace {

constexpr int kFirstModernFirmware = 318;
constexpr int kLastOldHardwareCode = 100;

}  // namespace

TriggerView InternalTriggerView(int intTriggerMode, int hardwareType, RuleSource source) {
  TriggerView v;
  if (source == RuleSource::Edit) {
    // The operator's choice moves the output mode ring and leaves its dimming.
    const bool on = intTriggerMode == 1;
    v.outMode = on ? (hardwareType == 3 ? 3 : 1) : 0;
    v.triggerPixelDimmed = !on;
    v.indicatorsShown = on;
    return v;
  }
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
    // A three-output sensor without internal trigger works in output mode 0
    // whatever the ring says, so the ring is dimmed after a refresh too. The
    // Hardware-Mode control keeps the dimming the model table gave it.
    v.outMode = 0;
    v.outModeDimming = Dimming::Dim;
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

bool LowerToleranceSetsBoth(int firmwareVersion) {
  return firmwareVersion <= kLastSharedToleranceFirmware;
}

bool AnalogGroupShown(int analogOutMode) {
  return analogOutMode != 0;
}

RecorderView RecorderControlsView(int rs232Mode, RuleSource source) {
  RecorderView v;
  const bool triggered = rs232Mode == 2 || rs232Mode == 3;
  switch (source) {
    case RuleSource::ParameterSet:
      v.interval = rs232Mode == 0 ? Dimming::Enable : Dimming::Dim;
      break;
    case RuleSource::Controls:
      if (triggered) v.interval = v.others = Dimming::Dim;
      break;
    case RuleSource::Edit:
      // Static and continuous output record on the interval; the external
      // trigger paces the triggered modes.
      if (rs232Mode >= 0 && rs232Mode <= 4) {
        v.interval = (rs232Mode == 0 || rs232Mode == 4) ? Dimming::Enable : Dimming::Dim;
        v.others = triggered ? Dimming::Dim : Dimming::Enable;
      }
      break;
  }
  return v;
}

ToleranceDisplayValues ToleranceDisplays(const ParameterSet& set) {
  return {ToleranceInLength(set.para0[P0_UPPER_TOLERANCE], set.umSlope),
          ToleranceInLength(set.para0[P0_LOWER_TOLERANCE], set.umSlope)};
}
