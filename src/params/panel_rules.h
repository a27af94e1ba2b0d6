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
// The operator's choice on the Video-Thd-Mode selector: FIXED shows the set's
// fixed threshold, AUTO the set's auto threshold with the working line (Raw
// view) or the stored curve.
void ApplyThresholdModeEdit(int selector);
// The operator's turn of the operation-mode switch, on older sensors only: on
// forces the fixed threshold and dims the threshold controls; off gives back
// the set's threshold mode.
void ApplyOperationModeEdit(int switchValue);
void ApplyInternalTrigger(int intTriggerMode, RuleSource source);
void ApplyHardwareMode(int hardwareMode, RuleSource source);
void ApplyAnalogOutMode(int analogOutMode);
void ApplyRecorderMode(int rs232Mode, RuleSource source);
// Both tolerance displays of the main panel from the set.
void ShowToleranceValues();
