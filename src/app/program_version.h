// The program's name, version and build texts, shown in the banner, written in
// file headers and printed by --version. CMakeLists.txt checks that the
// package version matches kVersionText.
#pragma once

inline constexpr const char* kProgramTitle = "KAVRO-XB-Scope";
inline constexpr const char* kVersionText = "Version 3.18";
inline constexpr const char* kBuildText = "Build: 09/Sep/2014";
