// Run mode: measurement requests one after another, each reply shown before the
// next request leaves, until the operator stops, a reply is missing for more
// than 1.5 s, or another operation takes the line.
#pragma once

// Control callbacks of the Run and Stop buttons.
int CC_BTNRun(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_BTNStop(int panel, int control, int event, void* data, int eventData1, int eventData2);

// Returns when run mode has ended.
void RunMeasurementLoop();
// Sends the first measurement request with the frame data area as it stands;
// 8 when the measurement reply came, 0 on time-out (stop flag 1).
int RequestMeasurement();
// Gives the controls back and tells on the status line why the transfer ended.
void EndDataTransfer();

// Run and video mode both send to the sensor's RAM: the RAM button is turned on
// and the transfer target set to RAM through this function, which the layer
// that owns the target hands down.
void SetRamTargetSelector(void (*select)());
void SelectRamTarget();
