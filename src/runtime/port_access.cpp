// Looking at a serial device before opening it: permissions, other programs
// that hold it, and the stable name udev gives a USB adapter.
#include <dirent.h>
#include <grp.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "runtime/serial_ports.h"

namespace rt {
namespace {

std::string RealPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

// A lock file LCK..<name> as serial programs leave it, naming a live process
// other than this one.
bool LockedByAnotherProgram(const std::string& device) {
  const std::string base = std::filesystem::path(device).filename().string();
  for (const char* dir : {"/var/lock/", "/run/lock/", "/tmp/"}) {
    std::ifstream in(std::string(dir) + "LCK.." + base);
    long pid = 0;
    if (!(in >> pid) || pid <= 0 || pid == getpid()) continue;
    if (kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM) return true;
  }
  return false;
}

// Another process with the device open (as far as this user may see).
bool OpenInAnotherProcess(const std::string& device) {
  DIR* proc = opendir("/proc");
  if (!proc) return false;
  const long self = getpid();
  bool found = false;
  while (dirent* e = readdir(proc)) {
    char* end = nullptr;
    const long pid = std::strtol(e->d_name, &end, 10);
    if (*end != '\0' || pid <= 0 || pid == self) continue;
    const std::string fds = "/proc/" + std::string(e->d_name) + "/fd";
    DIR* dir = opendir(fds.c_str());
    if (!dir) continue;
    while (dirent* f = readdir(dir)) {
      if (f->d_name[0] == '.') continue;
      char target[PATH_MAX];
      const ssize_t n = readlink((fds + "/" + f->d_name).c_str(), target, sizeof target - 1);
      if (n > 0 && device.compare(0, std::string::npos, target, static_cast<size_t>(n)) == 0) {
        found = true;
        break;
      }
    }
    closedir(dir);
    if (found) break;
  }
  closedir(proc);
  return found;
}

}  // namespace

PortAccess CheckPortAccess(const std::string& device, std::string* group) {
  struct stat st {};
  if (stat(device.c_str(), &st) != 0) return PortAccess::Open;  // the open will say why
  if (access(device.c_str(), R_OK | W_OK) != 0 && errno == EACCES) {
    if (group) {
      const struct group* g = getgrgid(st.st_gid);
      *group = g ? g->gr_name : std::to_string(st.st_gid);
    }
    return PortAccess::NoPermission;
  }
  const std::string real = RealPath(device);
  if (LockedByAnotherProgram(real.empty() ? device : real)) return PortAccess::Busy;
  // The server of a pseudo-terminal keeps its far end open as a matter of course.
  const bool pseudoTerminal = real.rfind("/dev/pts/", 0) == 0;
  if (!real.empty() && !pseudoTerminal && OpenInAnotherProcess(real)) return PortAccess::Busy;
  return PortAccess::Open;
}

std::string StablePathOf(const std::string& device) {
  const std::string real = RealPath(device);
  std::error_code ec;
  if (real.empty()) return {};
  for (const auto& entry : std::filesystem::directory_iterator("/dev/serial/by-id", ec))
    if (RealPath(entry.path().string()) == real) return entry.path().string();
  return {};
}

}  // namespace rt
