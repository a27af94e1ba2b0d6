#include "runtime/panel_load.h"

#include <cstdio>

#include "runtime/constants.h"
#include "runtime/resource.h"
#include "runtime/ui_model.h"

namespace rt {
namespace {

LoadErrorSink& Sink() {
  static LoadErrorSink sink;
  return sink;
}

int Refuse(const std::string& file, const std::string& why) {
  const std::string line = file + ": " + why;
  if (Sink()) {
    Sink()(line);
  } else {
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
  }
  return UIE_RESOURCE;
}

}  // namespace

void SetLoadErrorSink(LoadErrorSink sink) {
  Sink() = std::move(sink);
}

int LoadPanel(int parent, const std::string& file, int resourceId) {
  if (parent != 0 && !FindPanel(parent)) return UIE_INVALID_PANEL;
  const ResourceFile* res = FindResourceFile(file);
  if (!res) {
    std::string error;
    if (!LoadResourceFile(file, &error)) return Refuse(file, error);
    res = FindResourceFile(file);
  }
  auto it = res->panels.find(resourceId);
  if (it == res->panels.end()) return Refuse(file, "no panel " + std::to_string(resourceId));
  return AddPanel(parent, it->second);
}

}  // namespace rt
