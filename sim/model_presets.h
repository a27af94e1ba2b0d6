// The sensor models the virtual sensor can pretend to be, and the words it
// reports about itself (firmware text, hardware information).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "frame_codec.h"

namespace sim {

struct SensorModel {
  std::uint16_t hardwareCode = 1;
  std::uint16_t modelCode = 80;
  std::uint16_t firmwareVersion = 318;  // version x 100
  std::uint16_t subpixelRange = 8192;
  std::uint16_t videoFullScaleCode = 256;  // 256 or 1024: amplitude range of the video signal
  std::uint16_t hysteresisLimit = 100;
  std::uint16_t flashGraphRange = 8192;
  std::uint16_t spareWord4 = 0;  // reported, meaning not used by the program
  std::uint16_t spareWord5 = 101;
  std::uint16_t spareWord8 = 0;
  std::uint16_t spareWord9 = 0;
  std::string firmwareText = "KAVRO-XB-8 Firmware V3.18";
};

struct ModelPreset {
  const char* name;   // preset name for the command line, e.g. "XB-8"
  const char* title;  // family and model as the firmware text starts, e.g. "KAVRO-XB-8"
  std::uint16_t hardwareCode;
  std::uint16_t modelCode;
};

const std::vector<ModelPreset>& ModelPresets();

// Subpixel range a model reports with the given firmware version; 4096 for a
// model the table does not know.
std::uint16_t SubpixelRangeFor(int hardwareCode, int modelCode, int firmwareVersion);

// "KAVRO-XB-8 Firmware V3.18" for title "KAVRO-XB-8" and version 318.
std::string FirmwareText(const std::string& title, int firmwareVersion);

// A complete model from a preset name (case does not matter); nothing for an
// unknown name.
std::optional<SensorModel> MakeModel(const std::string& presetName, int firmwareVersion = 318);

// A model from raw codes (for models outside the presets).
SensorModel MakeModelFromCodes(int hardwareCode, int modelCode, int firmwareVersion);

// Data words (reply words 3..17) of the hardware-information answer; reply
// word 2 carries the hardware code.
DataWords HardwareInfoData(const SensorModel& model);

// 72 bytes: the firmware text, cut or padded with zero bytes.
Bytes FirmwareTextBlock(const std::string& text);

}  // namespace sim
