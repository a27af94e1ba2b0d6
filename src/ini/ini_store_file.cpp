// The INI store's files: written and read in binary mode, so the CR LF line ends reach the disk
// as they are on every platform. Only regular files are read or written: a pipe or a device in
// the file's place is refused at once instead of holding the program.
#include "ini/ini_store.h"
#include "runtime/files.h"

#include <cerrno>
#include <cstdio>
#include <new>

namespace ini {

int Ini_WriteToFile(const Store* store, const std::string& path, int* systemError) {
  int ignored = 0;
  int& error = systemError ? *systemError : ignored;
  error = 0;
  if (store == nullptr) return kErrOutOfMemory;
  const std::string text = Ini_ToText(store);
  // An empty text for a store with sections means the text could not be built.
  if (text.empty() && !store->sections.empty()) return kErrOutOfMemory;
  if (!rt::IsDataFilePath(path)) {
    error = EINVAL;
    return kErrCannotOpenFile;
  }
  // The new text goes into a file of its own beside the old one and takes its
  // place only once it is whole: a write the disk refuses leaves the old file
  // as it was.
  const std::string fresh = path + ".kavro-new";
  std::FILE* file = rt::OpenDataFile(fresh, true);
  if (file == nullptr) {
    error = errno;
    return kErrCannotOpenFile;
  }
  bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (!written) error = errno;
  if (std::fclose(file) != 0 && written) {
    written = false;
    error = errno;
  }
  if (written && std::rename(fresh.c_str(), path.c_str()) != 0) {
    written = false;
    error = errno;
  }
  if (!written) std::remove(fresh.c_str());
  return written ? 0 : kErrFileIo;
}

int Ini_ReadFromFile(Store* store, const std::string& path) {
  if (store == nullptr) return kErrOutOfMemory;
  std::FILE* file = rt::OpenDataFile(path, false);
  if (file == nullptr) return kErrCannotOpenFile;
  std::string text;
  try {
    char buffer[4096];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, count);
  } catch (const std::bad_alloc&) {
    std::fclose(file);
    return kErrOutOfMemory;
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return kErrFileIo;
  return Ini_ReadFromText(store, text);
}

}  // namespace ini
