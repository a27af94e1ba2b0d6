// The help boxes themselves: a click on a box hides it, and the start look of
// the three boxes.
#pragma once

// Help box and large help box of the main panel (identical): a left or right
// click hides both.
int CC_HelpText1(int panel, int control, int event, void* data, int eventData1, int eventData2);
int CC_HelpText2(int panel, int control, int event, void* data, int eventData1, int eventData2);
// Help box of the communication settings panel: a left or right click hides it.
int CC_HelpText3(int panel, int control, int event, void* data, int eventData1, int eventData2);

// Registers the three callbacks above by their resource names.
void RegisterHelpCallbacks();

// The main-panel boxes at left 10, top 110, hidden, with "HELPTEXT1" and
// "HELPTEXT2"; the settings-panel box hidden with "HELPTEXT3".
void ResetHelpBoxes();
