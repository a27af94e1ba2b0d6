// Which controls of the main panel each loop shows and which buttons it dims.
#pragma once

enum class LoopMode { Run, Video };

// Graphs and toggles for the mode; Run, Video and Get dimmed, and the buttons
// of the second parameter panel that would take the line.
void SetUpModeControls(LoopMode mode);
