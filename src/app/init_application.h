// Start values, fixed texts and paths, the settings file, the first look of the
// data graph and the initial video tables.
#pragma once

void InitApplication();
