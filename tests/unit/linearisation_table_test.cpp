// The linearisation table: file values to table entries, pages and blocks by
// model, the words of the flash frames, and the file reader.
#include <gtest/gtest.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calib/linearisation_file.h"
#include "calib/linearisation_layout.h"

namespace {

std::filesystem::path ScratchDir(const char* name) {
  const auto dir =
      std::filesystem::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  return dir;
}

std::string Lines(int count, int first = 0, const char* end = "\n") {
  std::string text;
  for (int i = 0; i < count; ++i) text += std::to_string((first + i) % 65536) + end;
  return text;
}

TEST(LinearisationTable, EntriesAreTheFileValuesShiftedByHalfTheRange) {
  EXPECT_EQ(TableEntryFor(0), 32767);
  EXPECT_EQ(TableEntryFor(32768), 65535);
  EXPECT_EQ(TableEntryFor(32769), 0);
  EXPECT_EQ(TableEntryFor(65535), 32766);

  LinearisationState state;
  state.table.fill(7);
  FillTable(state, std::vector<std::uint16_t>(1024, 1));
  EXPECT_EQ(state.table[1023], 32768);
  EXPECT_EQ(state.table[1024], 7);  // a half table leaves the rest as it was
}

TEST(LinearisationTable, ModelsAndPages) {
  EXPECT_EQ(LinearisationValuesFor(400), 1024);
  EXPECT_EQ(LastFlashPageFor(400), 5);
  EXPECT_EQ(LinearisationValuesFor(80), 2048);
  EXPECT_EQ(LastFlashPageFor(80), 9);
  EXPECT_EQ(LastFlashPageFor(20160), 9);
  EXPECT_EQ(BlockStartIndex(2, 0), 0);
  EXPECT_EQ(BlockStartIndex(3, 8), 264);
  EXPECT_EQ(BlockStartIndex(9, 248), 2040);
}

TEST(LinearisationTable, FlashFrameWords) {
  for (std::uint16_t word : ClearFlashData()) EXPECT_EQ(word, 0x00AA);

  LinearisationState state;
  for (int i = 0; i < 2048; ++i) state.table[i] = static_cast<std::uint16_t>(i * 3);
  FlashFrameData d = FlashBlockData(state, 2, 0);
  EXPECT_EQ(d[0], 2);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(d[1 + i], i * 3) << i;
  for (int i = 9; i < 15; ++i) EXPECT_EQ(d[i], 0x00AA) << i;
  d = FlashBlockData(state, 9, 248);
  EXPECT_EQ(d[0], 9);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(d[1 + i], (2040 + i) * 3) << i;
  EXPECT_EQ(d[14], 0x00AA);
}

TEST(LinearisationTable, PageMessages) {
  EXPECT_EQ(FlashPageWrittenText(2).value_or(""), "X-FLASH-write OK: PAGE2 ...");
  EXPECT_EQ(FlashPageWrittenText(5).value_or(""), "X-FLASH-write OK: PAGE5 ...");
  EXPECT_EQ(FlashPageWrittenText(9).value_or(""), "X-FLASH-write OK: PAGE9 ...");
  EXPECT_FALSE(FlashPageWrittenText(1));
  EXPECT_FALSE(FlashPageWrittenText(10));
  EXPECT_FALSE(FlashPageWrittenText(0xAA));
}

TEST(LinearisationFile, ReadsTheNeededValuesOnePerLine) {
  std::vector<std::uint16_t> v;
  EXPECT_EQ(ParseLinearisationText(Lines(2048), 2048, &v), 0);
  ASSERT_EQ(v.size(), 2048u);
  EXPECT_EQ(v[0], 0);
  EXPECT_EQ(v[2047], 2047);
  // CR LF line ends, blanks around numbers, blank lines, a last line without
  // a line end, and values beyond the needed ones (even bad ones) are fine.
  EXPECT_EQ(ParseLinearisationText(" 12 \r\n\r\n\t+7\r\n65535\r\n8.00\r\n3", 5, &v), 0);
  EXPECT_EQ(v, (std::vector<std::uint16_t>{12, 7, 65535, 8, 3}));
  EXPECT_EQ(ParseLinearisationText("1\n2\nnot a number\n", 2, &v), 0);
  EXPECT_EQ(v.size(), 2u);
}

TEST(LinearisationFile, NegativeValuesAreTwosComplementWords) {
  std::vector<std::uint16_t> v;
  EXPECT_EQ(ParseLinearisationText("-1\n-32768\n", 2, &v), 0);
  EXPECT_EQ(v, (std::vector<std::uint16_t>{65535, 32768}));
  // So a signed correction of -1 is stored one below the middle.
  EXPECT_EQ(TableEntryFor(v[0]), 32766);
}

TEST(LinearisationFile, ShortOrBadFilesGiveTheirCodeAndNoValues) {
  std::vector<std::uint16_t> v{1, 2, 3};
  EXPECT_EQ(ParseLinearisationText(Lines(2047), 2048, &v), kLinFileTooShort);
  EXPECT_TRUE(v.empty());
  EXPECT_EQ(ParseLinearisationText("", 1024, &v), kLinFileTooShort);
  EXPECT_EQ(ParseLinearisationText("\n\n  \n", 1, &v), kLinFileTooShort);
  for (const char* bad :
       {"65536", "-32769", "12.5", "1,5", "0x10", "1 2", "1e3", "abc", "-", ".5", "7.", "1-"}) {
    v = {1};
    const std::string text = std::string("5\n") + bad + "\n6\n";
    EXPECT_EQ(ParseLinearisationText(text, 3, &v), kLinFileBadValue) << bad;
    EXPECT_TRUE(v.empty()) << bad;
  }
}

TEST(LinearisationFile, FilesReadTheSameUnderAnyNumberLocale) {
  const std::filesystem::path dir = ScratchDir("kavro-lin-locale");
  const std::string path = (dir / "XF-LINEAR.DAT").string();
  std::ofstream(path) << "1.0\n" << Lines(1023, 1);
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  std::vector<std::uint16_t> v;
  const int result = ReadLinearisationFile(path, 1024, &v);
  std::setlocale(LC_NUMERIC, saved.c_str());
  EXPECT_EQ(result, 0) << (german ? "German number locale" : "C locale");
  ASSERT_EQ(v.size(), 1024u);
  EXPECT_EQ(v[0], 1);
  EXPECT_EQ(v[1023], 1023);

  EXPECT_EQ(ReadLinearisationFile((dir / "missing.dat").string(), 1, &v), kLinFileNotOpened);
  EXPECT_EQ(ReadLinearisationFile(dir.string(), 1, &v), kLinFileNotOpened);  // a directory
  std::filesystem::remove_all(dir);
}

TEST(LinearisationFile, OnlyTheStartOfAHugeFileIsRead) {
  const std::filesystem::path dir = ScratchDir("kavro-lin-huge");
  const std::string path = (dir / "huge.dat").string();
  {
    std::ofstream out(path);
    out << std::string(kLinFileMostBytes - 2, '\n') << "12345\n";  // cut inside the number
  }
  std::vector<std::uint16_t> v;
  EXPECT_EQ(ReadLinearisationFile(path, 1, &v), kLinFileTooShort);
  {
    std::ofstream out(path);
    out << Lines(2048) << std::string(kLinFileMostBytes, 'x');
  }
  EXPECT_EQ(ReadLinearisationFile(path, 2048, &v), 0);
  EXPECT_EQ(v.size(), 2048u);
  std::filesystem::remove_all(dir);
}

}  // namespace
