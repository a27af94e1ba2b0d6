// Teach: the sensor takes what it measures now as its new set-point (the
// Teach-Value of PARA0), and the program reads both frames back.
#pragma once

#include <cstdint>

// Control callback of the Teach button of parameter panel 2: the press marks
// the teach as under way, the release teaches, a right click shows its help.
int CC_ButtonTeach(int panel, int control, int event, void* data, int eventData1, int eventData2);

// Where the set-point cursor goes for a Teach-Value: never left of 1 and never
// right of the subpixel range.
double TeachCursorX(std::uint16_t teachValue, std::uint16_t subpixelRange);

// The Teach button and the save-threshold button.
void RegisterTeachCallbacks();
