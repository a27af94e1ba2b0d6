// A file that grows piece by piece: every piece is handed to the operating
// system as it is appended, so that a program ended without warning leaves
// every piece appended so far in the file.
#pragma once

#include <string>
#include <string_view>

namespace rt {

class AppendFile {
 public:
  AppendFile() = default;
  ~AppendFile();
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;

  // Opens a regular file for appending, creating it when it does not exist;
  // false for a device, a pipe or a socket, and when it cannot be opened.
  bool open(const std::string& path);
  // All of text at the end of the file, written before this returns; false
  // when the file is not open or not all of it was taken.
  bool append(std::string_view text);
  void close();
  bool isOpen() const { return fd_ >= 0; }
  // The system's error number of the first open or append that failed since
  // the last open; 0 when none did. A piece that failed is not in the file.
  int error() const { return error_; }

 private:
  int fd_ = -1;
  int error_ = 0;
};

}  // namespace rt
