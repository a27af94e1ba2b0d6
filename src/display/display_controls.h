// Main-panel controls that act on what the displays show: Reset of the sensor's
// max/min memory, the Zoom and Raw toggles, the evaluation-window fields and the
// graphs' help texts.
#pragma once

int CC_ButtonReset(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_TOGGButtonZoom(int panel, int control, int event, void* data, int eventData1,
                      int eventData2);
int CC_TOGGButtonRaw(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_NEDITEdgeLeft(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_NEDITEdgeRight(int panel, int control, int event, void* data, int eventData1,
                      int eventData2);
int CC_GRAPHRaw(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_GRAPHVideo(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_GRAPHData(int panel, int control, int event, void* data, int eventData1, int eventData2);

void RegisterDisplayControlCallbacks();
