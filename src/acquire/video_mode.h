// Video mode: each cycle one measurement and the 256-point intensity profile of
// the receiver line in four blocks, drawn with a video threshold curve.
#pragma once

// Control callback of the Video button, and its help text.
int CC_BTNVideo(int panel, int control, int event, void* data, int eventData1, int eventData2);
extern const char* const kVideoHelp;

// Returns when video mode has ended.
void RunVideoLoop();
