// Switching the sensor to another baud rate: the sensor acknowledges at its old
// rate and then changes; the program reopens its port at the new rate only
// after that acknowledgement.
#pragma once

// Control callback of the Change baud rate button: the press ends a running
// loop and wakes the line, the release changes the rate.
int CC_CBTNChangeBaudRate(int panel, int control, int event, void* data, int eventData1,
                          int eventData2);

// Command 190 with the baud-rate ring's index, then the port reopened at that
// rate. The outcome is on the status line and in the link message field.
void ChangeSensorBaudRate();
