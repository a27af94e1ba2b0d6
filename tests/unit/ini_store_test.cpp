// The INI store behind the settings file and the parameter files: puts and gets, the exact
// bytes written, the line reader, and the files on disk.
#include "ini/ini_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using ini::Ini_GetInt;
using ini::Ini_PutInt;
using ini::Ini_ReadFromText;
using ini::Ini_ToText;

ini::StorePtr NewStore() {
  return ini::StorePtr(ini::Ini_New(0));
}

ini::StorePtr StoreFromText(const std::string& text) {
  ini::StorePtr store = NewStore();
  EXPECT_EQ(Ini_ReadFromText(store.get(), text), 0);
  return store;
}

std::vector<std::string> ItemNames(const ini::Store& store, std::size_t section) {
  std::vector<std::string> names;
  for (const ini::Item& item : store.sections.at(section).items) names.push_back(item.name);
  return names;
}

// Result of Ini_GetInt and the value it leaves, starting from the default -7.
struct Lookup {
  int result;
  long value;
};
Lookup Get(const ini::Store* store, const std::string& section, const std::string& item) {
  long value = -7;
  const int result = Ini_GetInt(store, section, item, &value);
  return {result, value};
}

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(IniStorePut, SecondPutReplacesTheFirstInPlace) {
  ini::StorePtr store = NewStore();
  Ini_PutInt(store.get(), "S", "a", 1);
  Ini_PutInt(store.get(), "S", "b", 2);
  Ini_PutInt(store.get(), "S", "c", 3);
  EXPECT_EQ(Ini_PutInt(store.get(), "S", "b", 20), 0);
  EXPECT_EQ(Ini_ToText(store.get()), "[S]\r\na = 1\r\nb = 20\r\nc = 3\r\n\r\n");

  // A file may carry the same name several times: one put leaves a single item where the
  // first one stood, under the name of the put.
  ini::StorePtr read = StoreFromText("[S]\nx=1\ny=2\nX =3\nz=4\n x=5\n");
  ASSERT_EQ(ItemNames(*read, 0), (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_EQ(Get(read.get(), "S", "x").value, 5);  // the later line wins when reading
  Ini_PutInt(read.get(), "s", "X", 9);
  EXPECT_EQ(Ini_ToText(read.get()), "[S]\r\nX = 9\r\ny = 2\r\nz = 4\r\n\r\n");
}

TEST(IniStorePut, NamesMatchWithoutCaseAndSurroundingBlanks) {
  ini::StorePtr store = NewStore();
  Ini_PutInt(store.get(), "APPLICATION", "Panel width ", 780);
  Ini_PutInt(store.get(), "HardwareInfo", "Hardware-Type", 3);
  EXPECT_EQ(Get(store.get(), "APPLICATION", "Panel width").value, 780);
  EXPECT_EQ(Get(store.get(), " application\t", "PANEL WIDTH").value, 780);
  EXPECT_EQ(Get(store.get(), "HARDWAREINFO", " hardware-type ").value, 3);
  // And the reverse: put without the blank, looked up with it.
  Ini_PutInt(store.get(), "CONNECTION", "BAUDRATE", 4);
  EXPECT_EQ(Get(store.get(), "Connection ", "Baudrate ").value, 4);
  // Blanks inside a name still count.
  EXPECT_EQ(Get(store.get(), "APPLICATION", "Panelwidth").result, 0);
  EXPECT_EQ(Get(store.get(), "APPLICATION", "Panel  width").result, 0);
}

TEST(IniStoreGet, MissingOrEmptyGivesZeroAndKeepsTheDefault) {
  ini::StorePtr store = StoreFromText("[S]\nempty=\nblank=   \nquoted=\"\"\n");
  for (const char* item : {"empty", "blank", "quoted", "absent"}) {
    const Lookup got = Get(store.get(), "S", item);
    EXPECT_EQ(got.result, 0) << item;
    EXPECT_EQ(got.value, -7) << item;
  }
  EXPECT_EQ(Get(store.get(), "T", "empty").result, 0);
}

TEST(IniStoreGet, TextThatIsNotAnIntegerGivesMinus5021AndKeepsTheDefault) {
  ini::StorePtr store = NewStore();
  for (const char* text : {"abc", "12abc", "0x10", "1.5", "1,5", "1e3", "- 5", "1 2", "-", "+",
                           "--1", "\"12", "2147483648", "-2147483649", "99999999999999999999"}) {
    ini::Ini_PutRawString(store.get(), "S", "v", text);
    const Lookup got = Get(store.get(), "S", "v");
    EXPECT_EQ(got.result, ini::kErrNotAnInteger) << text;
    EXPECT_EQ(got.value, -7) << text;
  }
}

TEST(IniStoreGet, DecimalIntegersOfThirtyTwoBits) {
  ini::StorePtr store = NewStore();
  const std::pair<const char*, long> cases[] = {{"-0", 0},
                                                {"+17", 17},
                                                {" 42\t", 42},
                                                {"2147483647", 2147483647L},
                                                {"-2147483648", -2147483648L},
                                                {"00000000000000000000012", 12}};
  for (const auto& [text, expected] : cases) {
    ini::Ini_PutRawString(store.get(), "S", "v", text);
    const Lookup got = Get(store.get(), "S", "v");
    EXPECT_EQ(got.result, 1) << text;
    EXPECT_EQ(got.value, expected) << text;
  }
}

TEST(IniStoreGet, PutValuesBeyondThirtyTwoBitsAreWrittenButNotReadBack) {
  ini::StorePtr store = NewStore();
  Ini_PutInt(store.get(), "S", "big", 4294967296L);
  Ini_PutInt(store.get(), "S", "min", -2147483648L);
  EXPECT_EQ(Ini_ToText(store.get()), "[S]\r\nbig = 4294967296\r\nmin = -2147483648\r\n\r\n");
  EXPECT_EQ(Get(store.get(), "S", "big").result, ini::kErrNotAnInteger);
  EXPECT_EQ(Get(store.get(), "S", "min").value, -2147483648L);
}

TEST(IniStoreRead, HandWrittenFormsReadLikeWrittenOnes) {
  const std::string written = "[PARA0]\r\nPower = 300\r\nPower-Mode = 1\r\n\r\n";
  for (const std::string& text : {
           std::string("[para0]\npower=300\nPOWER-mode=1\n"),             // LF, no blanks, case
           std::string("[PARA0]   \t\r\nPower\t=\t300\r\nPower-Mode=1"),  // blanks, no last LF
           std::string("  [ PARA0 ]\r\n   Power = \"300\"  \r\nPower-Mode = \" 1 \"\r\n"),
       }) {
    ini::StorePtr store = StoreFromText(text);
    ASSERT_EQ(store->sections.size(), 1u) << text;
    EXPECT_EQ(Get(store.get(), "PARA0", "Power").value, 300) << text;
    EXPECT_EQ(Get(store.get(), "PARA0", "Power-Mode").value, 1) << text;
  }
  // The names read are kept as they stand in the file.
  EXPECT_EQ(Ini_ToText(StoreFromText("[PARA0]\nPower=300\nPower-Mode = 1\n").get()), written);
}

TEST(IniStoreRead, CommentsStrayItemsAndOtherLinesCarryNothing) {
  ini::StorePtr store = StoreFromText(
      "early=1\n"     // before the first header
      "; [HIDDEN]\n"  // comment
      "[S]\n"
      "  ;a=2\n"               // comment after blanks
      "just text\n"            // neither header nor item
      "b=3 ; not a comment\n"  // a ';' later on belongs to the value
      "c=x=y\n"                // split at the first '='
      "[T] trailing\n"         // no header: text after the last ']', and no '='
      "d=4\n"                  // still in S
      "[a]b] \n"               // the last ']' closes the header
      "e=5\n");
  ASSERT_EQ(store->sections.size(), 2u);
  EXPECT_EQ(store->sections[0].name, "S");
  EXPECT_EQ(store->sections[1].name, "a]b");
  EXPECT_EQ(ItemNames(*store, 0), (std::vector<std::string>{"b", "c", "d"}));
  EXPECT_EQ(store->sections[0].items[0].value, "3 ; not a comment");
  EXPECT_EQ(store->sections[0].items[1].value, "x=y");
  EXPECT_EQ(Get(store.get(), "a]b", "e").value, 5);
  EXPECT_EQ(Get(store.get(), "S", "early").result, 0);
}

TEST(IniStoreRead, RepeatedHeaderContinuesTheSection) {
  ini::StorePtr store = StoreFromText("[A]\nx=1\n[B]\ny=2\n[a]\nz=3\nx=4\n");
  EXPECT_EQ(Ini_ToText(store.get()), "[A]\r\nx = 4\r\nz = 3\r\n\r\n[B]\r\ny = 2\r\n\r\n");
}

TEST(IniStoreRead, OverlongLineIsDroppedWithoutHarmingTheNextOne) {
  const std::string prefix = "v=";
  const std::string fits = prefix + std::string(ini::kMaxLineLength - prefix.size() - 1, '0') + "7";
  const std::string tooLong = "w=" + std::string(ini::kMaxLineLength, '1');
  ini::StorePtr store = StoreFromText("[S]\r\n" + fits + "\r\n" + tooLong + "\r\nx=8\r\n");
  EXPECT_EQ(Get(store.get(), "S", "v").value, 7);  // exactly the longest line read
  EXPECT_EQ(Get(store.get(), "S", "w").result, 0);
  EXPECT_EQ(Get(store.get(), "S", "x").value, 8);
  EXPECT_EQ(ItemNames(*store, 0), (std::vector<std::string>{"v", "x"}));
}

class IniStoreFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("ini_store_test_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(IniStoreFile, WrittenFileHoldsTheExactBytesAndReadsBack) {
  const std::string path = (dir_ / "XB-Scope.ini").string();
  { std::ofstream(path, std::ios::binary) << std::string(500, 'x'); }  // an older, longer file
  ini::StorePtr store = NewStore();
  Ini_PutInt(store.get(), "PARA1", "um-Slope", 1024);
  Ini_PutInt(store.get(), "PARA1", "um-Offset", -2147483647L - 1);
  ASSERT_EQ(ini::Ini_WriteToFile(store.get(), path), 0);
  EXPECT_EQ(FileBytes(path), "[PARA1]\r\num-Slope = 1024\r\num-Offset = -2147483648\r\n\r\n");

  ini::StorePtr read = NewStore();
  ASSERT_EQ(ini::Ini_ReadFromFile(read.get(), path), 0);
  EXPECT_EQ(Get(read.get(), "PARA1", "um-Offset").value, -2147483648L);
  EXPECT_EQ(Ini_ToText(read.get()), Ini_ToText(store.get()));

  ASSERT_EQ(ini::Ini_WriteToFile(NewStore().get(), path), 0);
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

}  // namespace
