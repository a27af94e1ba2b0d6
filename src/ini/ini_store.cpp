// The INI store's data: creating and disposing of a store, putting and getting items, and the
// text of the written file. The line reader is in ini_store_reader.cpp, the files in
// ini_store_file.cpp.
#include "ini/ini_store.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <new>

namespace ini {
namespace {

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

Section* FindSection(Store* store, std::string_view name) {
  for (Section& section : store->sections) {
    if (Ini_SameName(section.name, name)) return &section;
  }
  return nullptr;
}

const Section* FindSection(const Store* store, std::string_view name) {
  return FindSection(const_cast<Store*>(store), name);
}

Section& FindOrAddSection(Store* store, const std::string& name) {
  if (Section* found = FindSection(store, name)) return *found;
  store->sections.push_back(Section{name, {}});
  return store->sections.back();
}

// Puts the item in place of the first item of that name, removing the others of that name.
void PutItem(Section& section, Item item) {
  auto& items = section.items;
  std::size_t first = 0;
  while (first < items.size() && !Ini_SameName(items[first].name, item.name)) ++first;
  if (first == items.size()) {
    items.push_back(std::move(item));
    return;
  }
  items[first] = std::move(item);
  std::size_t kept = first + 1;
  for (std::size_t i = first + 1; i < items.size(); ++i) {
    if (Ini_SameName(items[i].name, items[first].name)) continue;
    if (kept != i) items[kept] = std::move(items[i]);
    ++kept;
  }
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept), items.end());
}

// Parses a signed decimal integer that fits 32 bits; false for anything else.
bool ParseInt32(std::string_view text, long* value) {
  bool negative = false;
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  if (pos == text.size()) return false;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > limit) return false;
  }
  *value = static_cast<long>(negative ? -magnitude : magnitude);
  return true;
}

}  // namespace

std::string_view Trim(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

bool Ini_SameName(std::string_view a, std::string_view b) {
  a = Trim(a);
  b = Trim(b);
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

Store* Ini_New(int /*autoSort*/) {
  return new (std::nothrow) Store;
}

void Ini_Dispose(Store* store) {
  delete store;
}

int Ini_PutRawString(Store* store, const std::string& section, const std::string& item,
                     const std::string& text) {
  if (store == nullptr) return kErrOutOfMemory;
  try {
    PutItem(FindOrAddSection(store, section), Item{item, text});
  } catch (const std::bad_alloc&) {
    return kErrOutOfMemory;
  }
  return 0;
}

int Ini_PutInt(Store* store, const std::string& section, const std::string& item, long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  try {
    return Ini_PutRawString(store, section, item, std::string(digits, result.ptr));
  } catch (const std::bad_alloc&) {
    return kErrOutOfMemory;
  }
}

int Ini_AddSection(Store* store, const std::string& section) {
  if (store == nullptr) return kErrOutOfMemory;
  try {
    FindOrAddSection(store, section);
  } catch (const std::bad_alloc&) {
    return kErrOutOfMemory;
  }
  return 0;
}

int Ini_GetInt(const Store* store, const std::string& section, const std::string& item,
               long* value) {
  if (store == nullptr) return 0;
  const Section* found = FindSection(store, section);
  if (found == nullptr) return 0;
  for (const Item& candidate : found->items) {
    if (!Ini_SameName(candidate.name, item)) continue;
    const std::string_view text = Trim(candidate.value);
    if (text.empty()) return 0;
    long parsed = 0;
    if (!ParseInt32(text, &parsed)) return kErrNotAnInteger;
    if (value != nullptr) *value = parsed;
    return 1;
  }
  return 0;
}

std::string Ini_ToText(const Store* store) {
  std::string text;
  if (store == nullptr) return text;
  try {
    for (const Section& section : store->sections) {
      text += '[';
      text += section.name;
      text += "]\r\n";
      for (const Item& item : section.items) {
        text += item.name;
        text += " = ";
        text += item.value;
        text += "\r\n";
      }
      text += "\r\n";
    }
  } catch (const std::bad_alloc&) {
    return std::string();
  }
  return text;
}

}  // namespace ini
