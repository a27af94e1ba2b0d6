// The pass over the parameter panels after a connection attempt: the mode rules
// applied from what the controls show, the tolerance displays and the help boxes.
#pragma once

// In AUTO threshold mode this also reads the stored threshold curve from the
// sensor and ends with the sensor's firmware text on the status line.
void InitParameterControls();
