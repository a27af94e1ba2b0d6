// Robustness of the linearisation file reader: valid files in random layouts,
// whole or damaged. Bounded iteration counts, no time limits. Every input gives
// one of the reader's results, values only with success, and the same answer
// twice.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "calib/linearisation_file.h"

namespace {

using Rng = std::mt19937;

int Pick(Rng& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

int ParseChecked(const std::string& text, int count) {
  std::vector<std::uint16_t> values{42}, again;
  const int result = ParseLinearisationText(text, count, &values);
  EXPECT_TRUE(result == 0 || result == kLinFileTooShort || result == kLinFileBadValue) << result;
  EXPECT_EQ(values.size(), result == 0 ? static_cast<std::size_t>(count) : 0u);
  EXPECT_EQ(ParseLinearisationText(text, count, &again), result);
  EXPECT_EQ(again, values);
  return result;
}

// A file whose values are known, in a random but valid layout.
std::string ValidFile(Rng& rng, int count, std::vector<std::uint16_t>* expected) {
  static const char* kBlanks[] = {"", " ", "\t", "\r"};
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (Pick(rng, 0, 9) == 0) text += "\n";
    const int value = Pick(rng, -32768, 65535);
    text += kBlanks[Pick(rng, 0, 3)] + std::to_string(value) + (Pick(rng, 0, 4) ? "" : ".0") +
            kBlanks[Pick(rng, 0, 3)] + "\n";
    expected->push_back(static_cast<std::uint16_t>(value & 0xFFFF));
  }
  return text;
}

TEST(LinearisationFileFuzz, ValidFilesReadBackAndDamagedOnesNeverCrash) {
  Rng rng(8642);
  for (int round = 0; round < 600; ++round) {
    std::vector<std::uint16_t> expected, values;
    std::string text = ValidFile(rng, Pick(rng, 1, 200), &expected);
    const int count = static_cast<int>(expected.size());
    ASSERT_EQ(ParseLinearisationText(text, count, &values), 0) << text;
    EXPECT_EQ(values, expected);
    EXPECT_EQ(ParseChecked(text, count + 1), kLinFileTooShort);
    for (int i = Pick(rng, 1, 4); i > 0; --i) {
      const auto at = static_cast<std::size_t>(Pick(rng, 0, int(text.size()) - 1));
      if (Pick(rng, 0, 1))
        text[at] = static_cast<char>(Pick(rng, 0, 255));
      else
        text.erase(at, static_cast<std::size_t>(Pick(rng, 1, 8)));
      if (text.empty()) break;
    }
    ParseChecked(text, count);
  }
}

}  // namespace
