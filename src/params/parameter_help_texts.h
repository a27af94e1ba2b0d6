// The help texts of the parameter controls and where each box opens beside its
// control (dx to the right of the control's right edge, dy above its top).
#pragma once

#include <string>

enum class ParamHelp {
  EvalMode,
  IntTriggerMode,
  TriggerPixel,
  HardwareMode,
  Polarity,
  OutMode,
  Average,
  AnalogOut,
  ZoomMode,
  UpperTolerance,
  LowerTolerance,
  Power,
  VideoThreshold,
  OperationMode,
  FilterType,
  In0TriggerMode,
  VideoThdMode,
  ThresholdTarget,
  TeachValue,
  Rs232Mode,
};

struct HelpEntry {
  std::string text;
  int dx = 0;
  int dy = 0;
  bool large = false;  // the large help box instead of the help box
};

// The lower tolerance field sets both limits on firmware up to V3.02 and only
// the lower one after it, and its text says so.
HelpEntry ParameterHelp(ParamHelp which, int firmwareVersion);
