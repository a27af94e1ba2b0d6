// The panel resource file: our own JSON layout of panels and controls, loaded
// once at start-up. LoadPanel creates panels from the loaded description.
#pragma once

#include <map>
#include <string>

#include "runtime/ui_model.h"

namespace rt {

struct ResourceFile {
  std::map<int, Panel> panels;  // by resource number, handles not yet assigned
};

// Parses resource text. Returns false with a reason when the text is not a
// valid resource description; never throws or crashes on bad input.
bool ParseResource(const std::string& text, ResourceFile* out, std::string* error);
// Reads and parses a file; the result is kept for LoadPanel.
bool LoadResourceFile(const std::string& path, std::string* error);
const ResourceFile* FindResourceFile(const std::string& path);
void ClearResourceFiles();

}  // namespace rt
