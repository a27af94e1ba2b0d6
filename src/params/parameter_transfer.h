// Moving one parameter frame between the program and the sensor's RAM or EEPROM.
#pragma once

// Writes PARA0 (which = 0) or PARA1 (1) to RAM or EEPROM. 1 acknowledged, 0 time-out.
int SendParameterFrame(int target, int which);
// Reads one frame back; after PARA1 (or for a file) the panels are refreshed.
// 1 received, 0 time-out; for the file target only the refresh runs (result 1).
int GetParameterFrame(int target, int which);
