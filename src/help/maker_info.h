// Who made or distributes the sensor, as the banner shows it. The texts and the
// logo come from the data file "maker.json" next to the program, so that they
// can be replaced without touching the program.
#pragma once

#include <string>

inline constexpr const char* kMakerFileName = "maker.json";

struct Branding {
  std::string company;
  std::string telephone;
  std::string web;
  std::string logo;  // picture file, relative to the program directory; empty: none
};

struct MakerInfo {
  Branding maker;
  Branding distributor;
};

// Reads the file's "maker" and "distributor" objects. Missing keys, a missing
// file or a malformed one leave the texts empty.
MakerInfo ParseMakerInfo(const std::string& json);
MakerInfo LoadMakerInfo(const std::string& path);
