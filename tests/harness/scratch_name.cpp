#include "harness/scratch_name.h"

#include <unistd.h>

namespace harness {

std::string ScratchName(const char* stem, const char* ending) {
  return std::string(stem) + "-" + std::to_string(getpid()) + ending;
}

}  // namespace harness
