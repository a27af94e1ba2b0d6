// What the parameter modes do to the panels, decided without touching a
// control: the display refresh takes the modes from the parameter set, the
// start-of-connection pass from what the controls show, and the two differ in
// places.
#pragma once

#include <cstdint>

#include "sensor/parameter_set.h"

// Who asks: the display refresh (modes from the set), the start-of-connection
// pass (modes from the controls) or the operator's edit of one control (its new
// value).
enum class RuleSource { ParameterSet, Controls, Edit };

// What a rule does to a control's dimming.
enum class Dimming { Keep, Enable, Dim };

// Internal trigger: the output mode ring, the Trigger-Pixel control and the
// internal-trigger indicators of the main panel.
struct TriggerView {
  int outMode = -1;  // value the output mode ring is set to; -1 leaves it
  Dimming outModeDimming = Dimming::Keep;
  bool triggerPixelDimmed = true;
  bool indicatorsShown = false;
};
TriggerView InternalTriggerView(int intTriggerMode, int hardwareType, RuleSource source);

// Operation mode: only sensors with firmware before V3.18 and a hardware code
// above 100 tie the threshold controls to it; for others `applies` is false.
struct OperationView {
  bool applies = false;
  bool saveThresholdDimmed = false;
  bool filterDimmed = false;
  bool selectorDimmed = false;
};
OperationView OperationModeView(int firmwareVersion, int hardwareCode, int operationMode,
                                int videoThdMode);

// Hardware mode: whether the upper and lower tolerance fields are dimmed (the
// housing provides the tolerance).
bool ToleranceFieldsDimmed(int hardwareMode, RuleSource source);

// Up to firmware V3.02 the lower tolerance field sets both limits (its edit
// shows on both tolerance displays). Whether the upper field can be edited
// depends on Hardware-Mode alone.
inline constexpr int kLastSharedToleranceFirmware = 302;
bool LowerToleranceSetsBoth(int firmwareVersion);

// Analogue output: whether the analog-output group of the main panel is shown.
bool AnalogGroupShown(int analogOutMode);

// Recorder: the time-interval field, and the samples field with the three
// further recorder controls.
struct RecorderView {
  Dimming interval = Dimming::Keep;
  Dimming others = Dimming::Keep;
};
RecorderView RecorderControlsView(int rs232Mode, RuleSource source);

// Upper and lower tolerance displays of the main panel, each from its own
// tolerance in the set, in length units.
struct ToleranceDisplayValues {
  double upper = 0;
  double lower = 0;
};
ToleranceDisplayValues ToleranceDisplays(const ParameterSet& set);
