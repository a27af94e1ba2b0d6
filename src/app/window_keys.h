// The operator's keys on the main window, beside the right click that stays
// the help key everywhere:
//   Ctrl+T  starts the service trace of the line (asking for its file) and stops it;
//   Ctrl+S  saves the window, with the panel shown in it, as a PNG picture;
//   Ctrl+E  saves the values of the graph shown as CSV (the video profile with
//           its threshold line in video mode, the roll graph's samples else).
// A key that asks for a file first ends run mode, video mode or a recording,
// as STOP does: the loop cannot keep the line's time while the dialog waits.
// The window title says while a trace runs; the status line stays the line's.
#pragma once

#include <string>

// The keys on the main panel (once its panels are loaded).
void InstallWindowKeys();
// The keys named in the graphs' tooltips, under their help texts.
void NoteKeysOnGraphs();

// The trace asked for on the command line, started before the line is used.
// A file that cannot be written is said in one line on stderr; the program
// runs on without a trace.
void StartTraceFromCommandLine(const std::string& path);
// The main window's title: the program's name, and the trace file's name while
// a trace runs.
void ShowTraceInTitle();
