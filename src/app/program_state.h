// Start values of all program state (before anything is shown), so that every
// run and every test starts clean.
#pragma once

void ResetProgramState();
