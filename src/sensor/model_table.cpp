#include "sensor/model_table.h"

#include <iterator>

namespace {

struct FactorEntry {
  std::uint16_t range;
  int factor;
};

constexpr FactorEntry kFactors[] = {{256, 1},   {512, 2},    {768, 3},    {1024, 4},  {1180, 5},
                                    {1280, 5},  {1536, 6},   {1792, 8},   {1920, 8},  {2048, 8},
                                    {2360, 10}, {2560, 10},  {3072, 12},  {4096, 16}, {4608, 18},
                                    {4720, 18}, {5120, 18},  {6144, 24},  {8192, 32}, {9216, 40},
                                    {9440, 40}, {10240, 40}, {12288, 48}, {16384, 64}};

using FC = FirmwareCondition;

constexpr const char* kHighGain = "HIGH-GAIN";
constexpr const char* kLowGain = "LOW -GAIN";
constexpr const char* kDigComp = "DIG-COMP";
constexpr const char* kAdcConv = "ADC-CONV";

constexpr SwitchSetting kGain{kHighGain, kLowGain, Dim::Unchanged, false};
constexpr SwitchSetting kComp{kDigComp, kAdcConv, Dim::Unchanged, false};
constexpr SwitchSetting kCompDimmed{kDigComp, kAdcConv, Dim::Dimmed, false};
constexpr SwitchSetting kCompDimmedOff{kDigComp, kAdcConv, Dim::Dimmed, true};
constexpr SwitchSetting kCompUndimmed{kDigComp, kAdcConv, Dim::Undimmed, false};
constexpr SwitchSetting kDimmedOnly{nullptr, nullptr, Dim::Dimmed, false};

constexpr SelectorSetting kEepromDimmed{2, Dim::Dimmed};
constexpr SelectorSetting kRamUndimmed{1, Dim::Undimmed};
constexpr SelectorSetting kEepromUndimmed{2, Dim::Undimmed};
constexpr SelectorSetting kSelectorUnchanged{0, Dim::Unchanged};
constexpr SelectorSetting kSelectorUndimmed{0, Dim::Undimmed};

#define RANGE " --------"
const ModelRow kRows[] = {
    {1,
     80,
     FC::Eq310,
     {"-------- KAVRO-XB-8" RANGE, "4096 subpixel - pixel-pitch = 1.95µm", "working range = 7.9 mm",
      "resolution    = +/- 2 µm"},
     1,
     kGain,
     Dim::Undimmed,
     kEepromDimmed},
    {1,
     80,
     FC::Any,
     {"-------- KAVRO-XB-8" RANGE, "8192 subpixel - pixel-pitch = 0.975µm",
      "working range = 7.9 mm", "resolution    = +/- 1 µm"},
     1,
     kGain,
     Dim::Undimmed,
     kRamUndimmed},
    {2,
     250,
     FC::Eq310,
     {"-------- KAVRO-XB-25" RANGE, "4096 subpixel - pixel-pitch = 6.25µm", "working range = 25 mm",
      "resolution    = +/- 7 µm"},
     1,
     kGain,
     Dim::Undimmed,
     kEepromDimmed},
    {2,
     250,
     FC::Any,
     {"-------- KAVRO-XB-25" RANGE, "4096 subpixel - pixel-pitch = 6.25µm", "working range = 25 mm",
      "resolution    = +/- 7 µm"},
     1,
     kGain,
     Dim::Undimmed,
     kRamUndimmed},
    {2,
     350,
     FC::Any,
     {"-------- KAVRO-XB-35" RANGE, "4096 subpixel", "working range = 35 mm",
      "resolution    = +/- 9 µm"},
     1,
     kGain,
     Dim::Undimmed,
     kEepromDimmed},
    {3,
     120,
     FC::Any,
     {"-------- KAVRO-XB-12" RANGE, "2048 subpixel - pixel-pitch = 6.25µm",
      "working range = 12.8 mm", "resolution    = +/- 7 µm"},
     1,
     kGain,
     Dim::Undimmed,
     kRamUndimmed},
    {4,
     60,
     FC::Ge316,
     {"-------- KAVRO-XB-(F)-6" RANGE, "4096-subpixel;  1.563µm pixel-pitch",
      "working range = 6.4 mm", "resolution    = +/- 2 µm"},
     1,
     kDimmedOnly,
     Dim::Undimmed,
     kRamUndimmed},
    {4,
     60,
     FC::Lt316,
     {"-------- KAVRO-XB-(F)-6" RANGE, "2048-subpixel;  3.125µm pixel-pitch",
      "working range = 6.4 mm", "resolution    = +/- 3 µm"},
     1,
     kDimmedOnly,
     Dim::Undimmed,
     kRamUndimmed},
    {4,
     20160,
     FC::Ge316,
     {"-------- KAVRO-XB-(F)-6-CL" RANGE, "4096-subpixel;  1.563µm pixel-pitch",
      "working range = 6.4 mm", "resolution    = +/- 2 µm"},
     3,
     kDimmedOnly,
     Dim::Dimmed,
     kSelectorUnchanged},
    {4,
     20160,
     FC::Lt316,
     {"-------- KAVRO-XB-(F)-6-CL" RANGE, "2048-subpixel;  3.125µm pixel-pitch",
      "working range = 6.4 mm", "resolution    = +/- 3 µm"},
     3,
     kDimmedOnly,
     Dim::Dimmed,
     kSelectorUnchanged},
    {4,
     20162,
     FC::Any,
     {"-------- KAVRO-XB-(F)-6-CL" RANGE, "1792-subpixel;  3.125µm pixel-pitch",
      "working range = 5.6 mm", "resolution    = +/- 3 µm"},
     3,
     kDimmedOnly,
     Dim::Dimmed,
     kSelectorUnchanged},
    {6,
     20280,
     FC::Any,
     {"-------- KAVRO-XB-28-CL" RANGE, "16k-subpixel;  1.75µm pixel-pitch",
      "working range = 28.6 mm", "resolution    = +/- 2 µm"},
     3,
     kCompDimmed,
     Dim::Dimmed,
     kEepromDimmed},
    {101,
     20160,
     FC::Ge316,
     {"-------- KAVRO-XB-16-CL" RANGE, "2048 subpixel - pixel-pitch =  7.938 µm",
      "working range = 16.2 mm", "resolution    = +/- 8 µm"},
     3,
     kCompDimmedOff,
     Dim::Dimmed,
     kSelectorUnchanged},
    {101,
     20160,
     FC::Lt316,
     {"-------- KAVRO-XB-16-CL" RANGE, "1024 subpixel - pixel-pitch = 15.875 µm",
      "working range = 16.2 mm", "resolution    = +/- 16 µm"},
     3,
     kCompDimmedOff,
     Dim::Dimmed,
     kSelectorUnchanged},
    {101,
     160,
     FC::Ge316,
     {"-------- KAVRO-XB-(F)-16" RANGE, "2048 subpixel - pixel-pitch = 7.938µm",
      "working range = 16.2 mm", "resolution    = +/- 8 µm"},
     1,
     kCompUndimmed,
     Dim::Undimmed,
     kSelectorUnchanged},
    {101,
     160,
     FC::Lt316,
     {"-------- KAVRO-XB-(F)-16" RANGE, "1024 subpixel - pixel-pitch = 15.875µm",
      "working range = 16.2 mm", "resolution    = +/- 16 µm"},
     1,
     kCompUndimmed,
     Dim::Undimmed,
     kSelectorUnchanged},
    {102,
     500,
     FC::Eq310,
     {"-------- KAVRO-XB-50" RANGE, "3072 subpixel - pixel-pitch = 15.875µm",
      "working range = 48.8 mm", "resolution    = +/- 16 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kEepromDimmed},
    {102,
     500,
     FC::Ge316,
     {"-------- KAVRO-XB-50" RANGE, "6144 subpixel - pixel-pitch = 7.938µm",
      "working range = 48.8 mm", "resolution    = +/- 8 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kEepromUndimmed},
    {102,
     500,
     FC::Lt316,
     {"-------- KAVRO-XB-50" RANGE, "3072 subpixel - pixel-pitch = 15.875µm",
      "working range = 48.8 mm", "resolution    = +/- 16 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kEepromUndimmed},
    {102,
     20500,
     FC::Ge316,
     {"-------- KAVRO-XB-50-CL" RANGE, "6144 subpixel - pixel-pitch =  7.938µm",
      "working range = 48.8 mm", "resolution    = +/- 8 µm"},
     3,
     kCompDimmedOff,
     Dim::Dimmed,
     kRamUndimmed},
    {102,
     20500,
     FC::Lt316,
     {"-------- KAVRO-XB-50-CL" RANGE, "3072 subpixel - pixel-pitch = 15.875µm",
      "working range = 48.8 mm", "resolution    = +/- 16 µm"},
     3,
     kCompDimmedOff,
     Dim::Dimmed,
     kRamUndimmed},
    {102,
     510,
     FC::Any,
     {"-------- KAVRO-XB-50" RANGE, "768 pixel - pixel-pitch = 63.5µm", "working range = 48.8 mm",
      "resolution    = +/- 64 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kSelectorUndimmed},
    {103,
     750,
     FC::Ge316,
     {"-------- KAVRO-XB-75" RANGE, "9216 subpixel - pixel-pitch = 7.938µm",
      "working range = 74.9 mm", "resolution    = +/- 8 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kEepromDimmed},
    {103,
     750,
     FC::Eq310,
     {"-------- KAVRO-XB-75" RANGE, "2360 subpixel - pixel-pitch = 31.75µm",
      "working range = 74.9 mm", "resolution    = +/- 32 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kEepromDimmed},
    {103,
     750,
     FC::Any,
     {"-------- KAVRO-XB-75" RANGE, "4720 subpixel - pixel-pitch = 15.875µm",
      "working range = 74.9 mm", "resolution    = +/- 16 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kEepromDimmed},
    {103,
     20750,
     FC::Ge316,
     {"-------- KAVRO-XB-75-CL" RANGE, "9216 subpixel - pixel-pitch = 7.938µm",
      "working range = 73.2 mm", "resolution    = +/- 8 µm"},
     3,
     kCompDimmedOff,
     Dim::Dimmed,
     kEepromDimmed},
    {103,
     20750,
     FC::Lt316,
     {"-------- KAVRO-XB-75-CL" RANGE, "4608 subpixel - pixel-pitch = 15.875µm",
      "working range = 73.2 mm", "resolution    = +/- 16 µm"},
     3,
     kCompDimmedOff,
     Dim::Dimmed,
     kEepromDimmed},
    {104,
     1000,
     FC::Ge316,
     {"-------- KAVRO-XB-100" RANGE, "12288 subpixel - pixel-pitch = 7.938µm",
      "working range = 97.5 mm", "resolution    = +/- 8 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kEepromDimmed},
    {104,
     1000,
     FC::Eq310,
     {"-------- KAVRO-XB-100" RANGE, "3072 subpixel - pixel-pitch = 31.75µm",
      "working range = 97.5 mm", "resolution    = +/- 32 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kEepromDimmed},
    {104,
     1000,
     FC::Any,
     {"-------- KAVRO-XB-100" RANGE, "6144 subpixel - pixel-pitch = 15.875µm",
      "working range = 97.5 mm", "resolution    = +/- 16 µm"},
     1,
     kComp,
     Dim::Undimmed,
     kEepromDimmed},
    {104,
     21000,
     FC::Ge316,
     {"-------- KAVRO-XB-100-CL" RANGE, "12288 subpixel - pixel-pitch = 7.938µm",
      "working range = 97.5 mm", "resolution    = +/- 8 µm"},
     3,
     kCompDimmedOff,
     Dim::Dimmed,
     kEepromDimmed},
    {104,
     21000,
     FC::Lt316,
     {"-------- KAVRO-XB-100-CL" RANGE, "6144 subpixel - pixel-pitch = 15.875µm",
      "working range = 97.5 mm", "resolution    = +/- 16 µm"},
     3,
     kCompDimmedOff,
     Dim::Dimmed,
     kEepromDimmed},
};
#undef RANGE

}  // namespace

int SubpixelFactor(std::uint16_t range) {
  for (const FactorEntry& e : kFactors)
    if (e.range == range) return e.factor;
  return 0;
}

bool FirmwareMatches(FirmwareCondition c, std::uint16_t fw) {
  switch (c) {
    case FC::Any:
      return true;
    case FC::Eq310:
      return fw == 310;
    case FC::Ge316:
      return fw >= 316;
    case FC::Lt316:
      return fw < 316;
  }
  return false;
}

const ModelRow* FindModelRow(std::uint16_t hw, std::uint16_t model, std::uint16_t fw) {
  for (const ModelRow& row : kRows)
    if (row.hardwareCode == hw && row.modelCode == model && FirmwareMatches(row.firmware, fw))
      return &row;
  return nullptr;
}

bool IsKnownHardwareCode(std::uint16_t hw) {
  return (hw >= 1 && hw <= 4) || hw == 6 || (hw >= 101 && hw <= 104);
}

const std::vector<RingEntry>& ThreeOutputList() {
  static const std::vector<RingEntry> list = {{"[ - ]OUT0, [+]OUT1, [OK]OUT2", 0},
                                              {"[TRG]OUT0, [+]OUT1, [OK]OUT2", 1},
                                              {"[TRG]OUT0, [-]OUT1, [OK]OUT2", 2}};
  return list;
}

const std::vector<RingEntry>& TwoOutputList() {
  static const std::vector<RingEntry> list = {{"[ - ]OUT0, [+]OUT1", 0},
                                              {"[ - ]OUT0, [OK]OUT1", 1},
                                              {"[OK]OUT0, [+]OUT1", 2},
                                              {"[TRG]OUT0, [OK]OUT1", 3}};
  return list;
}

std::vector<RingEntry> In0FunctionList(int count, const char* item3) {
  std::vector<RingEntry> list = {{"NOT USED", 0}, {"TRIGG-IN0 L/H", 1}, {"TRIGG-IN0 HIGH", 2},
                                 {item3, 3},      {"OUTPUT WIDTH", 4},  {"LASER-ON-IN0 HIGH", 5}};
  list.resize(static_cast<size_t>(count));
  return list;
}

std::uint16_t VideoFullScaleFor(std::uint16_t hw, std::uint16_t word12) {
  if (hw >= 1 && hw <= 3) return word12 == 1024 ? 1024 : 256;
  return word12 == 256 ? 256 : 1024;
}
