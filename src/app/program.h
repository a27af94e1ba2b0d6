// The program from loading the panels to discarding them.
#pragma once

#include "app/callbacks.h"
#include "app/command_line.h"
#include "app/program_state.h"

// Loads the six panels as children of the main panel. Returns false (and
// shows nothing) when the resource file is missing or a panel cannot be loaded.
bool LoadAllPanels();
// From InitApplication up to the moment the event loop would start: the
// window's keys, the trace asked for on the command line, port, connection,
// mode rules, placement, display.
void StartUp(const CommandLine& line = {});
// Ends a running trace, closes the port and discards the panels in their order.
void ShutDown();
// The whole run: returns 0 after a normal end, -1 when a panel cannot be loaded.
int RunProgram(const CommandLine& line = {});
