// Files, paths and date/time texts.
#pragma once

#include <cstdio>
#include <string>

namespace rt {

// The folder where the program keeps the files it writes: beside itself when
// run from its build folder, else the user's configuration folder (made when
// first asked for; the choice is FilesFolder of program_places.h). Tests point
// it elsewhere, and the data files are then looked for there first as well.
void SetProjectDir(const std::string& dir);
int GetProjectDir(std::string* dir);
std::string ProjectDir();
// A file the program reads but never writes (panel layout, maker details):
// beside the program when it is there, else in the installed data folder when
// there is one.
std::string DataFilePath(const std::string& file);
std::string MakePathname(const std::string& dir, const std::string& file);

// 1 when the file exists, 0 when it does not, negative on error.
int GetFileInfo(const std::string& path, long* size);
// -1 leaves an attribute unchanged.
int SetFileAttrs(const std::string& path, int readOnly, int system, int hidden, int archive);
int GetFileAttrs(const std::string& path, int* readOnly, int* system, int* hidden, int* archive);
int DeleteFile(const std::string& path);

// True when the path names a regular file or nothing yet: a file the program
// may read or write without waiting on a device, a pipe or a socket.
bool IsDataFilePath(const std::string& path);
// Opens a regular file for reading ("rb") or creates/replaces one for writing
// ("wb"); null for anything else, and never waits for the other end of a pipe.
std::FILE* OpenDataFile(const std::string& path, bool forWriting);

// Today's date as MM-DD-YYYY and the time as HH:MM:SS (local time).
std::string DateStr();
std::string TimeStr();

}  // namespace rt
