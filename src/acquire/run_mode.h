// Run mode: measurement requests one after another, each reply shown before the
// next request leaves, until the operator stops, a reply is missing for more
// than 1.5 s, or another operation takes the line.
#pragma once

#include <optional>

#include "link/reply.h"
#include "sensor/measurement_state.h"

// Control callbacks of the Run and Stop buttons, and their help texts.
int CC_BTNRun(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_BTNStop(int panel, int control, int event, void* data, int eventData1, int eventData2);
extern const char* const kRunHelp;
extern const char* const kStopHelp;

// Returns when run mode has ended.
void RunMeasurementLoop();
// Sends a measurement request carrying the frame data area as it stands; the
// measurement reply, or nothing on a time-out (stop flag 1, *timedOut true) or
// on a stop during the wait.
std::optional<Reply> RequestMeasurement(bool* timedOut = nullptr);
// The sensor's measurement as the program's measurement state, which it
// returns; its Teach-Value goes into PARA0.
const MeasurementState& TakeMeasurement(const Reply& reply);
// Gives the controls back and tells on the status line why the transfer ended.
void EndDataTransfer();
