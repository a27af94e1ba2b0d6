// Entry points of the Qt front end. The rest of the program sees the screen only
// through the run-time layer; this header therefore pulls in no Qt header.
#pragma once

namespace qtfront {

// Starts Qt (application object, Fusion style), shows the model's panels as
// windows and hooks the front end into the run-time: model observer, event
// host, dialogs and the screen size. Returns false when no display can be
// used; nothing is shown then. argc must outlive the front end.
bool Initialise(int& argc, char** argv);

// The version of the Qt library the program runs with; usable before Initialise.
const char* QtVersion();

// Unhooks the front end from the run-time and closes every window.
void Shutdown();

}  // namespace qtfront
