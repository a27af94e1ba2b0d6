// Where the program finds the files it reads and keeps the files it writes.
// Pure: the caller looks at the disk and the environment and hands in what it saw.
#pragma once

#include <string>

namespace rt {

// The folder name under the user's configuration folder and under the
// installed data folder (share/kavro-xb-scope).
inline constexpr const char* kProgramFolderName = "kavro-xb-scope";

// What the program saw of itself and its surroundings at start.
struct ProgramSite {
  std::string programDir;            // the folder that holds the program
  bool installedDataFolder = false;  // <programDir>/../share/kavro-xb-scope exists
  bool programDirWritable = false;
  std::string xdgConfigHome;  // $XDG_CONFIG_HOME, empty when unset
  std::string home;           // $HOME, empty when unset
};

// The installed data folder of a program in programDir: the layout and maker
// files that are not beside the program are read from there.
std::string InstalledDataFolder(const std::string& programDir);

// The folder of the settings file, the COM<n> links, the parameter files and
// the recorder file. A copy run from its build folder keeps them beside
// itself; an installed copy, or one whose folder is not writable, keeps them
// in the user's configuration folder: $XDG_CONFIG_HOME/kavro-xb-scope (an
// absolute $XDG_CONFIG_HOME only), else ~/.config/kavro-xb-scope. Without
// either the program's folder is all there is.
std::string FilesFolder(const ProgramSite& site);

}  // namespace rt
