// The line's own steps as the operator sees them on the status line.
#pragma once

// Sends the dummy frame that wakes the line and says on the status line whether
// all of it went out. True when it did.
bool WakeLine();
