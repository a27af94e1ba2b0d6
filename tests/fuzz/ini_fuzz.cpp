// The INI reader on any bytes: names stay unique and on one line, and what the
// store writes back reads back to the same sections, items and integers.
#include <string>

#include "fuzz/fuzz_check.h"
#include "ini/ini_store.h"

namespace {

// An item whose written line would be too long, or would read as a header,
// cannot come back line for line.
bool WritesBackLineForLine(const ini::Store& store) {
  for (const ini::Section& section : store.sections)
    for (const ini::Item& item : section.items) {
      const std::string line = item.name + " = " + item.value;
      const std::size_t close = line.rfind(']');
      if (line.size() > ini::kMaxLineLength ||
          (line.front() == '[' && close != std::string::npos &&
           ini::Trim(std::string_view(line).substr(close + 1)).empty()))
        return false;
    }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ini::StorePtr store(ini::Ini_New(0));
  FUZZ_CHECK(ini::Ini_ReadFromText(store.get(), std::string(data, data + size)) == 0);
  const auto& sections = store->sections;
  for (std::size_t s = 0; s < sections.size(); ++s) {
    FUZZ_CHECK(sections[s].name.find('\n') == std::string::npos);
    for (std::size_t t = 0; t < s; ++t)
      FUZZ_CHECK(!ini::Ini_SameName(sections[t].name, sections[s].name));
    const auto& items = sections[s].items;
    for (std::size_t i = 0; i < items.size(); ++i) {
      FUZZ_CHECK(items[i].name.find_first_of("=\n") == std::string::npos);
      FUZZ_CHECK(items[i].value.find('\n') == std::string::npos);
      FUZZ_CHECK(items[i].name.size() + items[i].value.size() <= ini::kMaxLineLength);
      for (std::size_t j = 0; j < i; ++j)
        FUZZ_CHECK(!ini::Ini_SameName(items[j].name, items[i].name));
    }
  }
  if (!WritesBackLineForLine(*store)) return 0;
  ini::StorePtr back(ini::Ini_New(0));
  FUZZ_CHECK(ini::Ini_ReadFromText(back.get(), ini::Ini_ToText(store.get())) == 0);
  FUZZ_CHECK(back->sections.size() == sections.size());
  for (std::size_t s = 0; s < sections.size(); ++s) {
    FUZZ_CHECK(back->sections[s].name == sections[s].name);
    FUZZ_CHECK(back->sections[s].items.size() == sections[s].items.size());
    for (std::size_t i = 0; i < sections[s].items.size(); ++i) {
      const std::string& name = sections[s].items[i].name;
      FUZZ_CHECK(back->sections[s].items[i].name == name);
      // Text values may lose a pair of enclosing quotes; integers come back as they were.
      long first = 0, second = 0;
      if (ini::Ini_GetInt(store.get(), sections[s].name, name, &first) != 1) continue;
      FUZZ_CHECK(ini::Ini_GetInt(back.get(), sections[s].name, name, &second) == 1);
      FUZZ_CHECK(second == first);
    }
  }
  return 0;
}
