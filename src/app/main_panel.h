// Callbacks of the main panel itself and of its four panel toggles.
#pragma once

int CC_PANEL(int panel, int event, void* data, int eventData1, int eventData2);
int CC_TOGGBTN_Para1(int panel, int control, int event, void* data, int d1, int d2);
int CC_TOGGBTN_Recorder(int panel, int control, int event, void* data, int d1, int d2);
int CC_TOGGBTN_Para2(int panel, int control, int event, void* data, int d1, int d2);
int CC_TOGGBTN_Calib(int panel, int control, int event, void* data, int d1, int d2);
void RegisterMainPanelCallbacks();
