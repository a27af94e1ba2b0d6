// Shared by the libFuzzer targets: a failed check stops the run, and libFuzzer
// keeps the input that broke it; a scratch file holds what a reader reads.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#define FUZZ_CHECK(cond)                                                     \
  do {                                                                       \
    if (!(cond)) {                                                           \
      std::fprintf(stderr, "%s:%d: %s failed\n", __FILE__, __LINE__, #cond); \
      std::abort();                                                          \
    }                                                                        \
  } while (0)

// A file of the fuzzer's bytes in a folder of this process's own.
inline std::string ScratchFile(const std::string& name, const std::string& bytes) {
  static const struct Folder {
    std::string path;
    Folder() {
      const char* tmp = std::getenv("TMPDIR");
      std::string templ = std::string(tmp ? tmp : "/tmp") + "/kavro-fuzz-XXXXXX";
      path = mkdtemp(templ.data()) ? templ : "/tmp";
    }
    ~Folder() {
      std::error_code ec;
      if (path != "/tmp") std::filesystem::remove_all(path, ec);
    }
  } folder;
  const std::string path = folder.path + "/" + name;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}
