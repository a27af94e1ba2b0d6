// The knowledge of the sensor family: factors, model rows and ring lists.
#include <gtest/gtest.h>

#include <string>

#include "sensor/model_table.h"

namespace {

TEST(ModelTable, SubpixelFactorsIncludingTheIrregularOnes) {
  EXPECT_EQ(SubpixelFactor(256), 1);
  EXPECT_EQ(SubpixelFactor(1792), 8);
  EXPECT_EQ(SubpixelFactor(5120), 18);
  EXPECT_EQ(SubpixelFactor(9216), 40);
  EXPECT_EQ(SubpixelFactor(16384), 64);
  EXPECT_EQ(SubpixelFactor(3000), 0);
  EXPECT_EQ(SubpixelFactor(0), 0);
}

std::string Line1(int hw, int model, int fw) {
  const ModelRow* row = FindModelRow(hw, model, fw);
  return row ? row->lines[1] : "(none)";
}

TEST(ModelTable, FirmwareConditionsPickTheRightRow) {
  EXPECT_EQ(Line1(1, 80, 310), "4096 subpixel - pixel-pitch = 1.95µm");
  EXPECT_EQ(Line1(1, 80, 309), "8192 subpixel - pixel-pitch = 0.975µm");
  EXPECT_EQ(Line1(102, 500, 310), "3072 subpixel - pixel-pitch = 15.875µm");
  EXPECT_EQ(Line1(102, 500, 316), "6144 subpixel - pixel-pitch = 7.938µm");
  EXPECT_EQ(Line1(104, 1000, 311), "6144 subpixel - pixel-pitch = 15.875µm");
  EXPECT_EQ(Line1(104, 1000, 310), "3072 subpixel - pixel-pitch = 31.75µm");
  EXPECT_EQ(Line1(103, 20750, 315), "4608 subpixel - pixel-pitch = 15.875µm");
  EXPECT_EQ(Line1(2, 999, 318), "(none)");
  EXPECT_EQ(Line1(5, 80, 318), "(none)");
}

TEST(ModelTable, TwoOutputModelsAreTypeThree) {
  for (auto [hw, model] : {std::pair{4, 20160},
                           {4, 20162},
                           {6, 20280},
                           {101, 20160},
                           {102, 20500},
                           {103, 20750},
                           {104, 21000}})
    EXPECT_EQ(FindModelRow(hw, model, 318)->hardwareType, 3) << hw << "/" << model;
  for (auto [hw, model] : {std::pair{1, 80}, {2, 350}, {102, 510}, {104, 1000}})
    EXPECT_EQ(FindModelRow(hw, model, 318)->hardwareType, 1) << hw << "/" << model;
}

TEST(ModelTable, ThresholdSelectorPresetsOfSomeModels) {
  EXPECT_EQ(FindModelRow(1, 80, 310)->selector.value, 2);
  EXPECT_EQ(FindModelRow(1, 80, 318)->selector.value, 1);
  EXPECT_EQ(FindModelRow(102, 500, 318)->selector.dim, Dim::Undimmed);
  EXPECT_EQ(FindModelRow(102, 500, 310)->selector.dim, Dim::Dimmed);
  EXPECT_EQ(FindModelRow(101, 160, 318)->selector.value, 0);
}

TEST(ModelTable, KnownHardwareCodes) {
  for (int hw : {1, 2, 3, 4, 6, 101, 102, 103, 104}) EXPECT_TRUE(IsKnownHardwareCode(hw));
  for (int hw : {0, 5, 7, 100, 105, 200}) EXPECT_FALSE(IsKnownHardwareCode(hw));
}

TEST(ModelTable, VideoFullScale) {
  EXPECT_EQ(VideoFullScaleFor(1, 1024), 1024);
  EXPECT_EQ(VideoFullScaleFor(3, 256), 256);
  EXPECT_EQ(VideoFullScaleFor(2, 999), 256);
  EXPECT_EQ(VideoFullScaleFor(102, 256), 256);
  EXPECT_EQ(VideoFullScaleFor(6, 1000), 1024);
}

TEST(ModelTable, In0FunctionLists) {
  auto five = In0FunctionList(5, "SAVE VTHD->EE");
  ASSERT_EQ(five.size(), 5u);
  EXPECT_STREQ(five[3].label, "SAVE VTHD->EE");
  auto six = In0FunctionList(6, "SAVE VTHD->RAM");
  ASSERT_EQ(six.size(), 6u);
  EXPECT_STREQ(six[5].label, "LASER-ON-IN0 HIGH");
  EXPECT_EQ(six[5].value, 5);
}

}  // namespace
