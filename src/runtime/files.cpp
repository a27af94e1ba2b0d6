#include "runtime/files.h"

#include "runtime/program_places.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifndef _WIN32
#include <sys/xattr.h>
#endif

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace rt {
namespace {

// Set by tests: the program's folder and its files folder in one.
std::string& ProjectDirRef() {
  static std::string dir;
  return dir;
}

std::string& FilesFolderRef() {
  static std::string dir;
  return dir;
}

std::string ExecutableDir() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<size_t>(n));
  auto slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

// On Linux there is no hidden file attribute; the file keeps its name and the
// attribute is kept as the extended attribute "user.hidden" where the file
// system offers extended attributes.
constexpr const char* kHiddenXattr = "user.hidden";

std::string FormatLocal(const char* format) {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char buf[32];
  std::strftime(buf, sizeof buf, format, &tm);
  return buf;
}

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

ProgramSite SiteOf(const std::string& programDir) {
  ProgramSite site;
  site.programDir = programDir;
  std::error_code ec;
  site.installedDataFolder = std::filesystem::is_directory(InstalledDataFolder(programDir), ec);
  site.programDirWritable = access(programDir.c_str(), W_OK) == 0;
  site.xdgConfigHome = Env("XDG_CONFIG_HOME");
  site.home = Env("HOME");
  return site;
}

std::string ProgramDir() {
  return ProjectDirRef().empty() ? ExecutableDir() : ProjectDirRef();
}

}  // namespace

void SetProjectDir(const std::string& dir) {
  ProjectDirRef() = dir;
}

std::string ProjectDir() {
  if (!ProjectDirRef().empty()) return ProjectDirRef();
  std::string& folder = FilesFolderRef();
  if (folder.empty()) {
    const std::string programDir = ExecutableDir();
    folder = FilesFolder(SiteOf(programDir));
    std::error_code ec;
    if (folder != programDir) std::filesystem::create_directories(folder, ec);
  }
  return folder;
}

// A file found nowhere is named beside the program, unless the program is
// installed: then the data folder is where it should have been.
std::string DataFilePath(const std::string& file) {
  const std::string programDir = ProgramDir();
  const std::string beside = MakePathname(programDir, file);
  const std::string installed = InstalledDataFolder(programDir);
  std::error_code ec;
  if (GetFileInfo(beside, nullptr) != 0 || !std::filesystem::is_directory(installed, ec))
    return beside;
  return MakePathname(installed, file);
}

int GetProjectDir(std::string* dir) {
  *dir = ProjectDir();
  return 0;
}

std::string MakePathname(const std::string& dir, const std::string& file) {
  if (dir.empty()) return file;
  if (dir.back() == '/') return dir + file;
  return dir + "/" + file;
}

int GetFileInfo(const std::string& path, long* size) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    if (size) *size = 0;
    return errno == ENOENT || errno == ENOTDIR ? 0 : -1;
  }
  if (size) *size = static_cast<long>(st.st_size);
  return 1;
}

int SetFileAttrs(const std::string& path, int readOnly, int /*system*/, int hidden,
                 int /*archive*/) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return -1;
  if (readOnly >= 0) {
    mode_t mode = st.st_mode & 07777;
    mode = readOnly ? (mode & ~mode_t(0222)) : (mode | S_IWUSR);
    if (chmod(path.c_str(), mode) != 0) return -1;
  }
  if (hidden >= 0) {
    if (hidden) {
      if (setxattr(path.c_str(), kHiddenXattr, "1", 1, 0) != 0) return -1;
    } else {
      removexattr(path.c_str(), kHiddenXattr);
    }
  }
  return 0;
}

int GetFileAttrs(const std::string& path, int* readOnly, int* system, int* hidden, int* archive) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return -1;
  if (readOnly) *readOnly = (st.st_mode & S_IWUSR) ? 0 : 1;
  if (system) *system = 0;
  if (archive) *archive = 0;
  if (hidden) {
    char value[8];
    ssize_t n = getxattr(path.c_str(), kHiddenXattr, value, sizeof value);
    *hidden = n > 0 && value[0] == '1';
  }
  return 0;
}

int DeleteFile(const std::string& path) {
  return std::remove(path.c_str()) == 0 ? 0 : -1;
}

bool IsDataFilePath(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return errno == ENOENT;
  return S_ISREG(st.st_mode);
}

std::FILE* OpenDataFile(const std::string& path, bool forWriting) {
  if (!IsDataFilePath(path)) return nullptr;
  // Opened without waiting, so that a pipe put in the file's place between the
  // check and the open cannot hold the program; then checked once more.
  const int flags = forWriting ? O_WRONLY | O_CREAT | O_TRUNC : O_RDONLY;
  const int fd = open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  struct stat st;
  const int mode = fcntl(fd, F_GETFL);
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || mode < 0 ||
      fcntl(fd, F_SETFL, mode & ~O_NONBLOCK) != 0) {
    close(fd);
    return nullptr;
  }
  std::FILE* file = fdopen(fd, forWriting ? "wb" : "rb");
  if (file == nullptr) close(fd);
  return file;
}

std::string DateStr() {
  return FormatLocal("%m-%d-%Y");
}
std::string TimeStr() {
  return FormatLocal("%H:%M:%S");
}

}  // namespace rt
