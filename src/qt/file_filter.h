// The file-selection pop-up in the platform's terms turned into what a Qt file
// dialog takes, and the dialog's answer turned back into the platform's result.
#pragma once

#include <string>

namespace qtfront {

// "*.ini" or "*.dat;*.txt" -> "*.ini (*.ini)" / "*.dat (*.dat);;*.txt (*.txt)", and,
// unless the extension is restricted, a last entry for all files.
std::string DialogFilter(const std::string& typeList, bool restrictExtension);

// The path the dialog opens at: the directory plus the default name, when the
// default name is a name and not a pattern such as "*.ini".
std::string DialogStartPath(const std::string& directory, const std::string& defaultName);

// When the extension is restricted and a saved name has none, the first
// pattern's extension is added ("data" + "*.dat" -> "data.dat").
std::string WithRequiredExtension(const std::string& path, const std::string& typeList,
                                  bool restrictExtension);

// VAL_NO_FILE_SELECTED for an empty answer, VAL_NEW_FILE_SELECTED for a save
// dialog naming a file that did not exist, VAL_EXISTING_FILE_SELECTED otherwise.
int FileSelectResult(const std::string& chosen, bool save, bool existedBefore);

}  // namespace qtfront
