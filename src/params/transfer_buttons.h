// The transfer controls of the main panel: the RAM, EEPROM and FILE buttons choose where the
// parameter set goes, Send writes it there and Get reads it back and refreshes the panels.
// Right-clicking Send or Get toggles its help text beside the button.
#pragma once

int CC_RBTRam(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_RBTEeprom(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_RBTFile(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_BTNSend(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_BTNGet(int panel, int control, int event, void* data, int eventData1, int eventData2);

void RegisterTransferCallbacks();

// Run and video mode work on the sensor's RAM: the RAM button on, the others
// off, and the transfer target RAM.
void SelectRamTarget();

// Status line texts of the file transfers, as the operator sees them.
inline constexpr const char* kSavedToFile = "Parameter saved to file!";
inline constexpr const char* kNotSavedToFile = "Parameter not saved to file!";
inline constexpr const char* kSavingToFileFailed = "Parameter saving to file failed!";
inline constexpr const char* kReadFromFile = "Parameter read from file!";
inline constexpr const char* kNotReadFromFile = "Parameter not read from file!";
// A file is applied only to an identified KAVRO-XB sensor (Hardware-Type 1 or 3).
inline constexpr const char* kFileNotApplied =
    "Parameter file not read - no KAVRO-XB sensor identified!";
