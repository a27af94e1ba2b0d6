// Names for scratch files in the temporary folder. ctest runs every test as a
// process of its own, two at a time, so a name carries the process id.
#pragma once

#include <string>

namespace harness {

// stem-<pid><ending>, e.g. ScratchName("panel", ".uir") = "panel-4711.uir".
std::string ScratchName(const char* stem, const char* ending);

}  // namespace harness
