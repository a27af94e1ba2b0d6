// Robustness of the linearisation file reader: seeded random texts, valid
// files in random layouts, and valid files with random damage. Bounded
// iteration counts, no time limits. Every input gives one of the documented
// results, values only with success, and the same answer twice.
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

bool IsKnownResult(int result) {
  return result == 0 || result == kLinFileTooShort || result == kLinFileBadValue;
}

// Parses the text twice and checks what every outcome must satisfy.
int ParseChecked(const std::string& text, int count) {
  std::vector<std::uint16_t> values{42};
  const int result = ParseLinearisationText(text, count, &values);
  EXPECT_TRUE(IsKnownResult(result)) << result;
  EXPECT_EQ(values.size(), result == 0 ? static_cast<std::size_t>(count) : 0u);
  std::vector<std::uint16_t> again;
  EXPECT_EQ(ParseLinearisationText(text, count, &again), result);
  EXPECT_EQ(again, values);
  return result;
}

std::string RandomBlanks(Rng& rng) {
  static const char* kBlanks[] = {"", " ", "\t", "  ", "\r"};
  return kBlanks[Pick(rng, 0, 4)];
}

// A file whose first count values are known, in a random but valid layout.
std::string ValidFile(Rng& rng, int count, std::vector<std::uint16_t>* expected) {
  std::string text;
  expected->clear();
  for (int i = 0; i < count; ++i) {
    if (Pick(rng, 0, 9) == 0) text += RandomBlanks(rng) + "\n";  // a blank line
    const int value = Pick(rng, -32768, 65535);
    std::string number = std::to_string(value);
    if (value >= 0 && Pick(rng, 0, 5) == 0) number = "+" + number;
    if (Pick(rng, 0, 5) == 0) number += ".0";
    text += RandomBlanks(rng) + number + RandomBlanks(rng) + (Pick(rng, 0, 1) ? "\n" : "\r\n");
    expected->push_back(static_cast<std::uint16_t>(value & 0xFFFF));
  }
  return text;
}

TEST(LinearisationFileFuzz, RandomBytesGiveAClearOutcome) {
  Rng rng(20261206);
  for (int round = 0; round < 3000; ++round) {
    std::string text(static_cast<std::size_t>(Pick(rng, 0, 200)), '\0');
    for (char& c : text) c = static_cast<char>(Pick(rng, 0, 255));
    ParseChecked(text, Pick(rng, 0, 40));
  }
}

TEST(LinearisationFileFuzz, NumberLikeNoiseGivesAClearOutcome) {
  // Digits, signs, points and line ends: mostly almost-numbers.
  static const std::string kChars = "0123456789+-.\n\n\n \t\re,";
  Rng rng(8642);
  int succeeded = 0;
  for (int round = 0; round < 5000; ++round) {
    std::string text;
    const int length = Pick(rng, 0, 80);
    for (int i = 0; i < length; ++i) text += kChars[Pick(rng, 0, int(kChars.size()) - 1)];
    succeeded += ParseChecked(text, Pick(rng, 1, 6)) == 0;
  }
  EXPECT_GT(succeeded, 0);  // the noise does reach the success path
}

TEST(LinearisationFileFuzz, ValidLayoutsReadBackTheirValues) {
  Rng rng(1024);
  for (int round = 0; round < 200; ++round) {
    const int count = Pick(rng, 1, 300);
    std::vector<std::uint16_t> expected;
    const std::string text = ValidFile(rng, count, &expected);
    std::vector<std::uint16_t> values;
    ASSERT_EQ(ParseLinearisationText(text, count, &values), 0) << text;
    EXPECT_EQ(values, expected);
    // Asking for more than the file holds is a short file.
    EXPECT_EQ(ParseChecked(text, count + 1), kLinFileTooShort);
  }
}

TEST(LinearisationFileFuzz, DamagedFilesNeverCrash) {
  Rng rng(2048);
  for (int round = 0; round < 500; ++round) {
    std::vector<std::uint16_t> expected;
    std::string text = ValidFile(rng, Pick(rng, 1, 64), &expected);
    const int count = static_cast<int>(expected.size());
    const int damage = Pick(rng, 1, 4);
    for (int i = 0; i < damage && !text.empty(); ++i) {
      const std::size_t at = static_cast<std::size_t>(Pick(rng, 0, int(text.size()) - 1));
      switch (Pick(rng, 0, 2)) {
        case 0:
          text[at] = static_cast<char>(Pick(rng, 0, 255));
          break;
        case 1:
          text.erase(at, static_cast<std::size_t>(Pick(rng, 1, 8)));
          break;
        default:
          text.insert(at, 1, static_cast<char>(Pick(rng, 0, 255)));
          break;
      }
    }
    ParseChecked(text, count);
  }
}

}  // namespace
