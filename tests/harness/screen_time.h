// Time for the windows to catch up: the Qt front end brings them in step with
// the model once a frame, so a test that looks at the widgets lets the
// program's event loop run for a few frames first, as the operator's eye does.
#pragma once

namespace harness {

// Runs the program's event loop (pumps and waits, on the real clock) for the
// given time.
void LetTheScreenCatchUp(double seconds = 0.05);

}  // namespace harness
