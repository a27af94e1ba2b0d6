#include "runtime/append_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "runtime/files.h"

namespace rt {

AppendFile::~AppendFile() {
  close();
}

bool AppendFile::open(const std::string& path) {
  close();
  error_ = 0;
  if (!IsDataFilePath(path)) {
    error_ = EINVAL;
    return false;
  }
  // Opened without waiting, so that a pipe put in the file's place between the
  // check and the open cannot hold the program; then checked once more.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) {
    error_ = errno;
    return false;
  }
  struct stat st;
  const int mode = fcntl(fd, F_GETFL);
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || mode < 0 ||
      fcntl(fd, F_SETFL, mode & ~O_NONBLOCK) != 0) {
    error_ = S_ISREG(st.st_mode) ? errno : EINVAL;
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

bool AppendFile::append(std::string_view text) {
  if (fd_ < 0) return false;
  const off_t before = lseek(fd_, 0, SEEK_END);
  while (!text.empty()) {
    const ssize_t n = ::write(fd_, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (error_ == 0) error_ = n < 0 ? errno : ENOSPC;
      // A piece the disk took only in part is taken back, so that the file
      // never ends in the middle of a line.
      [[maybe_unused]] const int undone = before >= 0 ? ftruncate(fd_, before) : -1;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

void AppendFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace rt
