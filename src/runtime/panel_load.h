// Loading a panel by its resource number from the panel resource file.
#pragma once

#include <functional>
#include <string>

namespace rt {

// Returns the new panel's handle, or a negative code when the parent is not a
// panel, the file cannot be used or holds no such panel. A file that cannot be
// used, or lacks the panel, is reported as one line "<file>: <what is wrong>".
int LoadPanel(int parent, const std::string& file, int resourceId);

// Where that line goes; standard error unless set. An empty function restores
// standard error.
using LoadErrorSink = std::function<void(const std::string& line)>;
void SetLoadErrorSink(LoadErrorSink sink);

}  // namespace rt
