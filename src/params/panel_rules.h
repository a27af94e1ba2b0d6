// The parameter modes applied to the panels: which controls are dimmed, hidden
// or forced. Each takes the mode it works from; where the display refresh and
// the start-of-connection pass differ, the source says which one asks.
#pragma once

#include "params/mode_rules.h"

// Threshold view from the set: slider, save-threshold button and the video
// graph with the fixed-threshold line (FIXED) or the stored threshold curve.
void ApplyThresholdView();
// The save-threshold button, filter ring and Video-Thd-Mode selector by the
// operation mode, on older sensors only.
void ApplyOperationMode(int operationMode);
void ApplyInternalTrigger(int intTriggerMode, RuleSource source);
void ApplyHardwareMode(int hardwareMode, RuleSource source);
void ApplyAnalogOutMode(int analogOutMode);
void ApplyRecorderMode(int rs232Mode, RuleSource source);
// Both tolerance displays of the main panel from the set.
void ShowToleranceValues();
