// Parameter files: each word under its own key, and the words taken back from a store or a
// file. (A whole file read and written again, and the Hardware-Type gate, are the parameter
// transfer scenario tests'.)
#include "params/parameter_file.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "ini/ini_store.h"
#include "sensor/hardware_info.h"
#include "sensor/parameter_set.h"

namespace {

// Every word different, so that a key bound to the wrong word shows.
ParameterSet DistinctSet() {
  ParameterSet s;
  for (int i = 0; i < kParaWords; ++i) s.para0[i] = static_cast<std::uint16_t>(60000 + i);
  for (int i = 0; i <= P1_PARA11; ++i) s.para1[i] = static_cast<std::uint16_t>(40000 + i);
  s.umSlope = 0x80000000u;  // 2^31: written as a negative number
  s.umOffset = 0xFFFFFFFEu;
  return s;
}

ParameterSet Taken(const std::string& text, ParameterSet start) {
  ini::StorePtr store(ini::Ini_New(0));
  EXPECT_EQ(ini::Ini_ReadFromText(store.get(), text), 0);
  TakeParameterSet(store.get(), start);
  return start;
}

void ExpectSameWords(const ParameterSet& a, const ParameterSet& b) {
  EXPECT_EQ(a.para0, b.para0);
  EXPECT_EQ(a.para1, b.para1);
  EXPECT_EQ(a.umSlope, b.umSlope);
  EXPECT_EQ(a.umOffset, b.umOffset);
}

class ParameterFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    char templ[] = "/tmp/kavro-parafile-XXXXXX";
    const char* made = mkdtemp(templ);
    ASSERT_NE(made, nullptr);
    dir_ = made;
    ResetParameterSet();
    ResetHardwareInfo();
    Hardware().hardwareType = 1;
  }
  void TearDown() override {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
    ResetParameterSet();
    ResetHardwareInfo();
  }
  std::string path(const char* name) const { return dir_ + "/" + name; }

  std::string dir_;
};

TEST(ParameterFileItems, EachWordGoesToItsOwnKeyUnsignedAndCalibrationSigned) {
  ini::StorePtr store(ini::Ini_New(0));
  PutParameterSet(store.get(), DistinctSet());
  const std::string text = ini::Ini_ToText(store.get());
  const char* para0[] = {"Power",
                         "Power-Mode",
                         "Polarity",
                         "Eval-Mode",
                         "Eval-Begin",
                         "Eval-End",
                         "Teach-Value",
                         "Upper-Tolerance",
                         "Lower-Tolerance",
                         "Average",
                         "Ext.Trigger-Mode",
                         "Analog-Out-Mode",
                         "CCD-Operation-Mode",
                         "Hardware-Mode",
                         "Video-Thd-Mode"};
  const char* para1[] = {"Video-Thd-Fix",    "Video-Thd-Auto", "RS-232-Mode",
                         "RS-232-Baudrate",  "Filter-Type",    "Analog-Zoom-Mode",
                         "Int.Trigger-Mode", "Trigger-Pixel",  "Digital-Out-Mode",
                         "Edge-Hysteresis",  "Para11"};
  std::string expected = "[PARA0]\r\n";
  for (int i = 0; i < 15; ++i)
    expected += std::string(para0[i]) + " = " + std::to_string(60000 + i) + "\r\n";
  expected += "\r\n[PARA1]\r\n";
  for (int i = 0; i < 11; ++i)
    expected += std::string(para1[i]) + " = " + std::to_string(40000 + i) + "\r\n";
  expected += "um-Slope = -2147483648\r\num-Offset = -2\r\n\r\n";
  EXPECT_EQ(text, expected);
}

TEST(ParameterFileItems, SixteenBitWordsKeepTheLowSixteenBits) {
  ParameterSet s;
  s = Taken(
      "[PARA0]\nPower = 70000\nPolarity = -1\nEval-Mode = 65536\nAverage = 65535\n"
      "[PARA1]\nPara11 = -65536\num-Slope = 4294967295\n",
      s);
  EXPECT_EQ(s.para0[P0_POWER], 4464);  // 70000 - 65536, before any limit
  EXPECT_EQ(s.para0[P0_POLARITY], 65535);
  EXPECT_EQ(s.para0[P0_EVAL_MODE], 0);
  EXPECT_EQ(s.para0[P0_AVERAGE], 65535);
  EXPECT_EQ(s.para1[P1_PARA11], 0);
  // Above the signed 32-bit range the item is not an integer: um-Slope stays.
  EXPECT_EQ(s.umSlope, ParameterSet{}.umSlope);
}

TEST(ParameterFileItems, MissingEmptyOrBadItemsLeaveTheirWords) {
  ParameterSet start = DistinctSet();
  const ParameterSet s = Taken(
      "[PARA0]\nPower = 12\nPolarity =\nEval-Mode = two\n"
      "[PARA1]\nVideo-Thd-Fix = 33\num-Slope = 2048\n",
      start);
  EXPECT_EQ(s.para0[P0_POWER], 12);
  EXPECT_EQ(s.para0[P0_POLARITY], start.para0[P0_POLARITY]);
  EXPECT_EQ(s.para0[P0_EVAL_MODE], start.para0[P0_EVAL_MODE]);
  EXPECT_EQ(s.para0[P0_EVAL_END], start.para0[P0_EVAL_END]);
  EXPECT_EQ(s.para1[P1_VIDEO_THD_FIX], 33);
  EXPECT_EQ(s.para1[P1_VIDEO_THD_AUTO], start.para1[P1_VIDEO_THD_AUTO]);
  EXPECT_EQ(s.umSlope, 2048u);
  EXPECT_EQ(s.umOffset, start.umOffset);  // no um-Offset item
}

TEST(ParameterFileItems, OperationModeUnderEitherNameFullNameFirst) {
  EXPECT_EQ(Taken("[PARA0]\nCCD-OP-Mode = 1\n", ParameterSet{}).para0[P0_CCD_OPERATION_MODE], 1);
  EXPECT_EQ(Taken("[PARA0]\nCCD-Operation-Mode = 1\n", ParameterSet{}).para0[P0_CCD_OPERATION_MODE],
            1);
  EXPECT_EQ(Taken("[PARA0]\nCCD-OP-Mode = 5\nCCD-Operation-Mode = 3\n", ParameterSet{})
                .para0[P0_CCD_OPERATION_MODE],
            3);
  // A full name that is not a number gives way to the short one.
  EXPECT_EQ(Taken("[PARA0]\nCCD-Operation-Mode = on\nCCD-OP-Mode = 2\n", ParameterSet{})
                .para0[P0_CCD_OPERATION_MODE],
            2);
}

TEST_F(ParameterFileOnDisk, MissingFileChangesNothing) {
  Params() = DistinctSet();
  EXPECT_EQ(ReadParameterFile(path("none.ini")), 1);
  ExpectSameWords(Params(), DistinctSet());
}

}  // namespace
