// What the recorder panel shows: the coloured status box, the time display and
// the buttons a recording takes away from the operator.
#pragma once

#include <string>

// The status box as a recording starts: green, white bold text.
void PaintRecorderBoxRecording();
void SetRecorderBoxText(const std::string& text);
// Days, hours, minutes and seconds in their four fields.
void ShowDuration(long seconds);
// Run and Video of the main panel, Teach and the recorder's Start.
void DimRecordingButtons(bool dimmed);
// The box and the status line after a recording, by the stop flag it ended with.
void ShowRecordingOutcome(int stopFlag);
