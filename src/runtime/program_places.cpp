#include "runtime/program_places.h"

#include <filesystem>

namespace rt {
namespace {

std::string Join(const std::string& dir, const std::string& name) {
  return (std::filesystem::path(dir) / name).lexically_normal().string();
}

}  // namespace

std::string InstalledDataFolder(const std::string& programDir) {
  return Join(programDir, std::string("../share/") + kProgramFolderName);
}

std::string FilesFolder(const ProgramSite& site) {
  if (!site.installedDataFolder && site.programDirWritable) return site.programDir;
  if (!site.xdgConfigHome.empty() && site.xdgConfigHome.front() == '/')
    return Join(site.xdgConfigHome, kProgramFolderName);
  if (!site.home.empty()) return Join(site.home, std::string(".config/") + kProgramFolderName);
  return site.programDir;
}

}  // namespace rt
