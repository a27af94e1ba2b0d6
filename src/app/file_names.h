// Names the program proposes for the files the operator saves from the main
// window: a stem, the date and the time, so that files saved one after another
// sort in the order they were made and never take each other's name.
#pragma once

#include <ctime>
#include <string>

// "kavro-line", "trace" and 6 Dec 2026 19:05:07 give
// "kavro-line-2026-12-06-190507.trace".
std::string StampedFileName(const std::string& stem, const std::string& extension,
                            const std::tm& when);

// The local time now, for StampedFileName.
std::tm LocalTimeNow();
