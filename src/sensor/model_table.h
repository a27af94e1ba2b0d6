// What the program knows of the KAVRO-XB family: the subpixel factor table, the
// model rows with their info-box lines and control settings, and the ring lists.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Factor of the video position table for a subpixel range; 0 when the range
// is not in the table.
int SubpixelFactor(std::uint16_t subpixelRange);

enum class FirmwareCondition { Any, Eq310, Ge316, Lt316 };

enum class Dim { Unchanged, Dimmed, Undimmed };

struct SwitchSetting {
  const char* onText = nullptr;  // null: labels unchanged
  const char* offText = nullptr;
  Dim dim = Dim::Unchanged;
  bool setOff = false;
};

struct SelectorSetting {
  int value = 0;  // 0: unchanged
  Dim dim = Dim::Unchanged;
};

struct ModelRow {
  std::uint16_t hardwareCode;
  std::uint16_t modelCode;
  FirmwareCondition firmware;
  std::array<const char*, 4> lines;
  std::uint16_t hardwareType;
  SwitchSetting opSwitch;
  Dim hardwareMode;
  SelectorSetting selector;
};

bool FirmwareMatches(FirmwareCondition condition, std::uint16_t firmwareVersion);
// The first row of the table for this model whose firmware condition holds.
const ModelRow* FindModelRow(std::uint16_t hardwareCode, std::uint16_t modelCode,
                             std::uint16_t firmwareVersion);
bool IsKnownHardwareCode(std::uint16_t hardwareCode);

struct RingEntry {
  const char* label;
  int value;
};
const std::vector<RingEntry>& ThreeOutputList();
const std::vector<RingEntry>& TwoOutputList();
// The IN0 function ring: five or six items, item 3 labelled as given.
std::vector<RingEntry> In0FunctionList(int count, const char* item3);

// Video full scale from the hardware code and word 12 of the hardware information.
std::uint16_t VideoFullScaleFor(std::uint16_t hardwareCode, std::uint16_t word12);
