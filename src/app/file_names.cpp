#include "app/file_names.h"

#include <cstdio>

std::string StampedFileName(const std::string& stem, const std::string& extension,
                            const std::tm& when) {
  char stamp[80];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d-%02d%02d%02d", when.tm_year + 1900,
                when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
  return stem + "-" + stamp + "." + extension;
}

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}
