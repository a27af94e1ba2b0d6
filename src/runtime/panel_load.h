// Loading a panel by its resource number from the panel resource file.
#pragma once

#include <string>

namespace rt {

// Returns the new panel's handle, or a negative code when the parent is not a
// panel, the file cannot be used or holds no such panel.
int LoadPanel(int parent, const std::string& file, int resourceId);

}  // namespace rt
