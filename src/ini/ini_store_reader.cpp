// Reading INI text into a store, one line at a time.
#include "ini/ini_store.h"

#include <cstddef>
#include <new>

namespace ini {
namespace {

// Where the reader stands: no section yet (items are ignored), or inside one.
struct ReaderState {
  bool inSection = false;
  std::string section;
};

// Takes in one line (without its line end). Returns 0 or kErrOutOfMemory.
int ReadLine(Store* store, std::string_view line, ReaderState* state) {
  std::size_t first = 0;
  while (first < line.size() && IsBlank(line[first])) ++first;
  line.remove_prefix(first);
  if (line.empty() || line.front() == ';') return 0;

  if (line.front() == '[') {
    const std::size_t close = line.rfind(']');
    if (close != std::string_view::npos && Trim(line.substr(close + 1)).empty()) {
      state->section.assign(Trim(line.substr(1, close - 1)));
      state->inSection = true;
      return Ini_AddSection(store, state->section);
    }
    // Not a header: read on as any other line.
  }

  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos || !state->inSection) return 0;
  const std::string_view name = Trim(line.substr(0, equals));
  std::string_view value = Trim(line.substr(equals + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
    value = value.substr(1, value.size() - 2);
  }
  return Ini_PutRawString(store, state->section, std::string(name), std::string(value));
}

}  // namespace

int Ini_ReadFromText(Store* store, const std::string& text) {
  if (store == nullptr) return kErrOutOfMemory;
  try {
    ReaderState state;
    std::size_t start = 0;
    while (start < text.size()) {
      std::size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string_view line(text.data() + start, end - start);
      start = end + 1;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      // Overlong lines are dropped whole rather than cut, so that a cut-off piece can neither
      // pass for a different value nor spill into the next line.
      if (line.size() > kMaxLineLength) continue;
      if (ReadLine(store, line, &state) != 0) return kErrOutOfMemory;
    }
  } catch (const std::bad_alloc&) {
    return kErrOutOfMemory;
  }
  return 0;
}

}  // namespace ini
