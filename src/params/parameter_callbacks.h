// The callbacks of the parameter controls on parameter panels 1 and 2, the
// calibration panel and the recorder panel. Each toggles its help text on a
// right click; some also limit the value just entered, apply the mode it
// selects to the panels at once, or preview the video threshold. None changes
// the parameter set: the panels are read into it before a send or a teach.
#pragma once

// Help only.
int CC_DROPevalmode(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_NUMtrgPix(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_DROPpolarity(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_DROPoutmode(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_DROPaverage(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_DROPzoomMode(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_SLIDEpower(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_DROP_FilterType(int panel, int control, int event, void* data, int eventData1,
                       int eventData2);
int CC_DROP_TrigMode(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_BINSWTarget(int panel, int control, int event, void* data, int eventData1, int eventData2);

// Modes applied to the panels as the operator chooses them.
int CC_DROPintrgMode(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_DROPhardware(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_DROPanaMode(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_DROPvthdmode(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_BINSWopmode(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_DROPrs232mode(int panel, int control, int event, void* data, int eventData1, int eventData2);

// Fields limited as they are entered.
int CC_NEDITToleranceUP(int panel, int control, int event, void* data, int eventData1,
                        int eventData2);
int CC_NEDITTolerance(int panel, int control, int event, void* data, int eventData1,
                      int eventData2);
int CC_NEDITTeach(int panel, int control, int event, void* data, int eventData1, int eventData2);

// The video threshold slider: in AUTO the mouse press reads the profile, and
// the release previews the threshold in the video graph.
int CC_SLIDEVideoThreshold(int panel, int control, int event, void* data, int eventData1,
                           int eventData2);

// Registers every callback above by its resource name.
void RegisterParameterCallbacks();
