// A recording: the record file cleared, its header written, then one sample per
// interval (requested from the sensor in RS-232-Mode 0, sent by the sensor on
// its input IN0 otherwise) until the number of samples is reached, the operator
// stops, or the sensor leaves a request unanswered for more than 1.5 s.
#pragma once

// Control callback of the recorder's Start button.
int CC_CBTNStartRecord(int panel, int control, int event, void* data, int eventData1,
                       int eventData2);

// Returns when the recording has ended (at once when the operator keeps an
// existing record file).
void RunRecording();
