#include "qt/file_filter.h"

#include <vector>

#include "runtime/constants.h"

namespace qtfront {
namespace {

std::vector<std::string> Patterns(const std::string& typeList) {
  std::vector<std::string> out;
  std::string cur;
  auto flush = [&] {
    std::size_t b = cur.find_first_not_of(' ');
    std::size_t e = cur.find_last_not_of(' ');
    if (b != std::string::npos) out.push_back(cur.substr(b, e - b + 1));
    cur.clear();
  };
  for (char ch : typeList) {
    if (ch == ';' || ch == ',')
      flush();
    else
      cur += ch;
  }
  flush();
  return out;
}

bool IsPattern(const std::string& name) {
  return name.find_first_of("*?") != std::string::npos;
}

std::string BaseName(const std::string& path) {
  std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string DialogFilter(const std::string& typeList, bool restrictExtension) {
  std::string filter;
  for (const std::string& p : Patterns(typeList)) {
    if (!filter.empty()) filter += ";;";
    filter += p + " (" + p + ")";
  }
  if (!restrictExtension || filter.empty()) {
    if (!filter.empty()) filter += ";;";
    filter += "All files (*)";
  }
  return filter;
}

std::string DialogStartPath(const std::string& directory, const std::string& defaultName) {
  if (defaultName.empty() || IsPattern(defaultName)) return directory;
  if (directory.empty()) return defaultName;
  char last = directory.back();
  return directory + (last == '/' || last == '\\' ? "" : "/") + defaultName;
}

std::string WithRequiredExtension(const std::string& path, const std::string& typeList,
                                  bool restrictExtension) {
  if (!restrictExtension || path.empty()) return path;
  std::vector<std::string> patterns = Patterns(typeList);
  if (patterns.empty()) return path;
  const std::string& first = patterns.front();
  std::size_t dot = first.rfind('.');
  if (dot == std::string::npos || IsPattern(first.substr(dot))) return path;
  if (BaseName(path).find('.') != std::string::npos) return path;
  return path + first.substr(dot);
}

int FileSelectResult(const std::string& chosen, bool save, bool existedBefore) {
  if (chosen.empty()) return rt::VAL_NO_FILE_SELECTED;
  return save && !existedBefore ? rt::VAL_NEW_FILE_SELECTED : rt::VAL_EXISTING_FILE_SELECTED;
}

}  // namespace qtfront
