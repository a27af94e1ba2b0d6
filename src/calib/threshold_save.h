// Saving the automatic video threshold: the sensor records the light profile of
// the free receiver line and stores the threshold curve it derives from it, in
// its RAM or EEPROM; the program then reads the stored curve back.
#pragma once

#include <cstdint>

// Control callback of the save-threshold button of parameter panel 2, and its help text.
int CC_CBTNSaveThreshold(int panel, int control, int event, void* data, int eventData1,
                         int eventData2);
extern const char* const kSaveThresholdHelp;

// Command 13 with the percentage as argument and the threshold memory selector
// (1 RAM, 2 EEPROM) as data word 0. Always 0; the outcome is in the status text.
int ActivateAutoThdSave(std::uint16_t percent, std::uint16_t selector);
