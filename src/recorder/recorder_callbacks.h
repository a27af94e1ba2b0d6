// The recorder panel's callbacks, by the names the resource file gives.
#pragma once

int CC_PICBTNrecfile(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_PICBTNStopRecord(int panel, int control, int event, void* data, int eventData1,
                        int eventData2);
int CC_NUMsample(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_NUMinctime(int panel, int control, int event, void* data, int eventData1, int eventData2);

void RegisterRecorderCallbacks();
