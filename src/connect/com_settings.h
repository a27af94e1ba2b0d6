// The communication settings panel: the Connect toggle that opens it, Try to
// connect with the port and rate it shows, Accept (keeps them and writes the
// settings file) and Discard (goes back to the ones from before).
#pragma once

int CC_TOGGBTNConnect(int panel, int control, int event, void* data, int eventData1,
                      int eventData2);
int CC_CBTNTryToConnect(int panel, int control, int event, void* data, int eventData1,
                        int eventData2);
int CC_CBTNAcceptComSetting(int panel, int control, int event, void* data, int eventData1,
                            int eventData2);
int CC_CBTNDiscardComSetting(int panel, int control, int event, void* data, int eventData1,
                             int eventData2);
// The baud-rate ring and the port number field act only through the buttons.
int CC_DROPBaudRate(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_NUMrs232comport(int panel, int control, int event, void* data, int eventData1,
                       int eventData2);

// Accept writes the application settings file through this function, which
// the layer that owns the file hands down.
void SetComSettingsSaver(void (*save)());

// The callbacks of the panel, the Connect toggle and the baud-rate change.
void RegisterComSettingsCallbacks();
