#include "runtime/window_picture.h"

#include "runtime/files.h"
#include "runtime/ui_model.h"

namespace rt {
namespace {
WindowPictures* g_pictures = nullptr;
}

void SetWindowPictures(WindowPictures* pictures) {
  g_pictures = pictures;
}

int SavePanelPicture(int panel, const std::string& path) {
  // A pipe or a device named in the dialog would hold the program.
  if (!g_pictures || !FindPanel(panel) || !IsDataFilePath(path)) return -1;
  return g_pictures->savePng(panel, path) ? 0 : -1;
}

}  // namespace rt
