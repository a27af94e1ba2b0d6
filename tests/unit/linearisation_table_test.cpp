// The linearisation file reader and the file value to table entry mapping.
#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calib/linearisation_file.h"
#include "calib/linearisation_layout.h"

namespace {

std::string Lines(int count, int first = 0) {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string(first + i) + "\n";
  return text;
}

TEST(LinearisationFile, LayoutsReadAndEntriesShiftedByHalfTheRange) {
  std::vector<std::uint16_t> v;
  // CR LF, blanks around numbers, blank lines, no last line end, whole
  // numbers with a point; values beyond the needed ones are not looked at.
  EXPECT_EQ(ParseLinearisationText(" 12 \r\n\r\n\t+7\r\n65535\r\n8.00\r\n3\nbad", 5, &v), 0);
  EXPECT_EQ(v, (std::vector<std::uint16_t>{12, 7, 65535, 8, 3}));
  // Negative values are two's complement words: -1 is stored one below the middle.
  EXPECT_EQ(ParseLinearisationText("-1\n-32768\n", 2, &v), 0);
  EXPECT_EQ(v, (std::vector<std::uint16_t>{65535, 32768}));
  EXPECT_EQ(TableEntryFor(v[0]), 32766);  // the rest of the mapping: the upload scenario
}

TEST(LinearisationFile, ShortOrBadFilesGiveTheirCodeAndNoValues) {
  std::vector<std::uint16_t> v{1};
  EXPECT_EQ(ParseLinearisationText(Lines(2047), 2048, &v), kLinFileTooShort);
  EXPECT_TRUE(v.empty());
  EXPECT_EQ(ParseLinearisationText("\n  \n", 1, &v), kLinFileTooShort);
  for (const char* bad :
       {"65536", "-32769", "12.5", "1,5", "0x10", "1 2", "1e3", "abc", "-", ".5", "7."}) {
    v = {1};
    EXPECT_EQ(ParseLinearisationText(std::string("5\n") + bad + "\n6\n", 3, &v), kLinFileBadValue)
        << bad;
    EXPECT_TRUE(v.empty()) << bad;
  }
}

TEST(LinearisationFile, FilesReadAlikeUnderAGermanLocaleAndOnlyTheirStart) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("kavro-lin-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "XF-LINEAR.DAT").string();
  std::ofstream(path) << "1.0\n" << Lines(1023, 1) << std::string(kLinFileMostBytes, 'x');
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // stays C where it is not installed
  std::vector<std::uint16_t> v;
  const int result = ReadLinearisationFile(path, 1024, &v);
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(result, 0);
  ASSERT_EQ(v.size(), 1024u);
  EXPECT_EQ(v[0], 1);
  EXPECT_EQ(v[1023], 1023);
  // A number cut by the size limit is not read as a shorter one.
  std::ofstream(path) << std::string(kLinFileMostBytes - 2, '\n') << "12345\n";
  EXPECT_EQ(ReadLinearisationFile(path, 1, &v), kLinFileTooShort);
  EXPECT_EQ(ReadLinearisationFile((dir / "missing.dat").string(), 1, &v), kLinFileNotOpened);
  EXPECT_EQ(ReadLinearisationFile(dir.string(), 1, &v), kLinFileNotOpened);
  std::filesystem::remove_all(dir);
}

}  // namespace
