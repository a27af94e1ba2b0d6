#include "runtime/panel_load.h"

#include "runtime/constants.h"
#include "runtime/resource.h"
#include "runtime/ui_model.h"

namespace rt {

int LoadPanel(int parent, const std::string& file, int resourceId) {
  if (parent != 0 && !FindPanel(parent)) return UIE_INVALID_PANEL;
  const ResourceFile* res = FindResourceFile(file);
  if (!res) {
    std::string error;
    if (!LoadResourceFile(file, &error)) return UIE_RESOURCE;
    res = FindResourceFile(file);
  }
  auto it = res->panels.find(resourceId);
  if (it == res->panels.end()) return UIE_RESOURCE;
  return AddPanel(parent, it->second);
}

}  // namespace rt
