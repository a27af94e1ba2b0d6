// The calibration panel: the step boxes, taking the two reference objects,
// the fit, and saving or discarding the result; and the registration of every
// callback of this folder.
#pragma once

void RegisterCalibrationCallbacks();

int CC_CheckStep1(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_CheckStep2(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_ButtonAcceptObject1(int panel, int control, int event, void* data, int eventData1,
                           int eventData2);
int CC_ButtonAcceptObject2(int panel, int control, int event, void* data, int eventData1,
                           int eventData2);
int CC_ButtonDoFit(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_ButtonSaveCalValues(int panel, int control, int event, void* data, int eventData1,
                           int eventData2);
int CC_DiscardCalibration(int panel, int control, int event, void* data, int eventData1,
                          int eventData2);

// Puts the sensor into calibration, and on its answer starts run mode (when no
// transfer runs) so that measured values flow; returns when that has ended.
int ActivateCalibration();
