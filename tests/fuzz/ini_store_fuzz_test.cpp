// Robustness of the INI store: random, written and mutated file texts fed to the reader, and
// what it read written and read back. Bounded iteration counts, no time limits.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ini/ini_store.h"

namespace {

using Rng = std::mt19937;

int Pick(Rng& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

// Names and values of every kind, for texts the store writes itself.
std::string RandomName(Rng& rng) {
  static const std::string kChars = "aAbBcC-_. 09]\t[;\"";
  std::string name(static_cast<std::size_t>(Pick(rng, 0, 6)), ' ');
  for (char& c : name) c = kChars[Pick(rng, 0, int(kChars.size()) - 1)];
  return name;
}

long RandomValue(Rng& rng) {
  // Beyond 32 bits the value is written, but read back as not an integer.
  return Pick(rng, 0, 1) ? Pick(rng, -3, 3)
                         : std::uniform_int_distribution<long>(INT64_MIN / 2, INT64_MAX / 2)(rng);
}

// Bytes drawn mostly from the characters that matter to the reader.
std::string RandomIniLike(Rng& rng) {
  static const char kSet[] = "[]=;\"\r\n\n\n \t\0aB1-+9x.";
  static const std::string kChars(kSet, sizeof kSet - 1);
  std::string text;
  const int length = Pick(rng, 0, 800);
  for (int i = 0; i < length; ++i) text += kChars[Pick(rng, 0, int(kChars.size()) - 1)];
  return text;
}

std::string Mutate(Rng& rng, std::string text) {
  const int edits = Pick(rng, 1, 8);
  for (int e = 0; e < edits; ++e) {
    const std::size_t at = text.empty() ? 0 : std::size_t(Pick(rng, 0, int(text.size())));
    switch (Pick(rng, 0, 3)) {
      case 0:  // overwrite one byte
        if (at < text.size()) text[at] = static_cast<char>(Pick(rng, 0, 255));
        break;
      case 1:  // insert a character the reader reacts to
        text.insert(at, 1, "[]=;\"\r\n\0 "[Pick(rng, 0, 8)]);
        break;
      case 2:  // a run that makes the line too long, or just long
        text.insert(at, std::string(std::size_t(Pick(rng, 500, 2100)), "x= ]"[Pick(rng, 0, 3)]));
        break;
      default:  // cut a piece out
        text.erase(at, std::size_t(Pick(rng, 0, 40)));
    }
  }
  return text;
}

std::string RandomStoreText(Rng& rng) {
  ini::StorePtr store(ini::Ini_New(0));
  const int puts = Pick(rng, 1, 12);
  for (int i = 0; i < puts; ++i) {
    ini::Ini_PutInt(store.get(), RandomName(rng), RandomName(rng), RandomValue(rng));
  }
  return ini::Ini_ToText(store.get());
}

// True when the store's written text reads back line for line: no item line grows too long,
// and no item line of an item whose name opens with '[' turns into a header.
bool WritesBackLineForLine(const ini::Store& store) {
  for (const ini::Section& section : store.sections) {
    for (const ini::Item& item : section.items) {
      const std::string line = item.name + " = " + item.value;
      if (line.size() > ini::kMaxLineLength) return false;
      const std::size_t close = line.rfind(']');
      if (line.front() == '[' && close != std::string::npos &&
          ini::Trim(std::string_view(line).substr(close + 1)).empty()) {
        return false;
      }
    }
  }
  return true;
}

// What any text read in must leave: unique names, nothing that spans lines, and a written text
// that reads back to the same sections, items and integers.
void CheckReadStore(const std::string& input, int* checkedRoundTrips) {
  ini::StorePtr store(ini::Ini_New(0));
  ASSERT_EQ(ini::Ini_ReadFromText(store.get(), input), 0);
  for (std::size_t s = 0; s < store->sections.size(); ++s) {
    const ini::Section& section = store->sections[s];
    ASSERT_EQ(section.name.find('\n'), std::string::npos);
    for (std::size_t t = 0; t < s; ++t) {
      ASSERT_FALSE(ini::Ini_SameName(store->sections[t].name, section.name));
    }
    for (std::size_t i = 0; i < section.items.size(); ++i) {
      const ini::Item& item = section.items[i];
      ASSERT_EQ(item.name.find_first_of("=\n"), std::string::npos);
      ASSERT_EQ(item.value.find('\n'), std::string::npos);
      ASSERT_LE(item.name.size() + item.value.size(), ini::kMaxLineLength);
      for (std::size_t j = 0; j < i; ++j) {
        ASSERT_FALSE(ini::Ini_SameName(section.items[j].name, item.name));
      }
    }
  }
  if (!WritesBackLineForLine(*store)) return;
  ++*checkedRoundTrips;

  ini::StorePtr back(ini::Ini_New(0));
  ASSERT_EQ(ini::Ini_ReadFromText(back.get(), ini::Ini_ToText(store.get())), 0);
  ASSERT_EQ(back->sections.size(), store->sections.size());
  for (std::size_t s = 0; s < store->sections.size(); ++s) {
    const ini::Section& section = store->sections[s];
    ASSERT_EQ(back->sections[s].name, section.name);
    ASSERT_EQ(back->sections[s].items.size(), section.items.size());
    for (std::size_t i = 0; i < section.items.size(); ++i) {
      ASSERT_EQ(back->sections[s].items[i].name, section.items[i].name);
      long first = 0;
      long second = 0;
      if (ini::Ini_GetInt(store.get(), section.name, section.items[i].name, &first) == 1) {
        ASSERT_EQ(ini::Ini_GetInt(back.get(), section.name, section.items[i].name, &second), 1);
        ASSERT_EQ(second, first);
      }
    }
  }
}

TEST(IniStoreFuzz, GarbageAndMutatedTextsReadSafely) {
  Rng rng(77031);
  int checkedRoundTrips = 0;
  constexpr int kInputs = 16000;
  for (int round = 0; round < kInputs; ++round) {
    std::string input;
    switch (round % 3) {
      case 0:
        input = RandomIniLike(rng);
        break;
      case 1:
        input = RandomStoreText(rng);  // as written, names and values of every kind
        break;
      default:
        input = Mutate(rng, RandomStoreText(rng));
    }
    CheckReadStore(input, &checkedRoundTrips);
    if (HasFatalFailure()) {
      ADD_FAILURE() << "input of round " << round << ": " << testing::PrintToString(input);
      return;
    }
  }
  // The round trip must really have been checked for most inputs.
  EXPECT_GT(checkedRoundTrips, kInputs * 3 / 4);
}

}  // namespace
