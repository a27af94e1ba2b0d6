#include "model_presets.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace sim {

const std::vector<ModelPreset>& ModelPresets() {
  static const std::vector<ModelPreset> presets = {
      {"XB-8", "KAVRO-XB-8", 1, 80},
      {"XB-25", "KAVRO-XB-25", 2, 250},
      {"XB-35", "KAVRO-XB-35", 2, 350},
      {"XB-12", "KAVRO-XB-12", 3, 120},
      {"XB-F-6", "KAVRO-XB-F-6", 4, 60},
      {"XB-F-6-CL", "KAVRO-XB-F-6-CL", 4, 20160},
      {"XB-F-6-CL-1792", "KAVRO-XB-F-6-CL", 4, 20162},
      {"XB-28-CL", "KAVRO-XB-28-CL", 6, 20280},
      {"XB-16-CL", "KAVRO-XB-16-CL", 101, 20160},
      {"XB-F-16", "KAVRO-XB-F-16", 101, 160},
      {"XB-50", "KAVRO-XB-50", 102, 500},
      {"XB-50-CL", "KAVRO-XB-50-CL", 102, 20500},
      {"XB-50-768", "KAVRO-XB-50", 102, 510},
      {"XB-75", "KAVRO-XB-75", 103, 750},
      {"XB-75-CL", "KAVRO-XB-75-CL", 103, 20750},
      {"XB-100", "KAVRO-XB-100", 104, 1000},
      {"XB-100-CL", "KAVRO-XB-100-CL", 104, 21000},
  };
  return presets;
}

std::uint16_t SubpixelRangeFor(int hw, int model, int fw) {
  const bool newer = fw >= 316;
  switch (hw) {
    case 1:
      if (model == 80) return fw == 310 ? 4096 : 8192;
      break;
    case 2:
      if (model == 250 || model == 350) return 4096;
      break;
    case 3:
      if (model == 120) return 2048;
      break;
    case 4:
      if (model == 60 || model == 20160) return newer ? 4096 : 2048;
      if (model == 20162) return 1792;
      break;
    case 6:
      if (model == 20280) return 16384;
      break;
    case 101:
      if (model == 160 || model == 20160) return newer ? 2048 : 1024;
      break;
    case 102:
      if (model == 500 || model == 20500) return newer ? 6144 : 3072;
      if (model == 510) return 768;
      break;
    case 103:
      if (model == 750) return newer ? 9216 : (fw == 310 ? 2360 : 4720);
      if (model == 20750) return newer ? 9216 : 4608;
      break;
    case 104:
      if (model == 1000) return newer ? 12288 : (fw == 310 ? 3072 : 6144);
      if (model == 21000) return newer ? 12288 : 6144;
      break;
    default:
      break;
  }
  return 4096;
}

std::string FirmwareText(const std::string& title, int fw) {
  char version[32];
  std::snprintf(version, sizeof version, " Firmware V%d.%02d", fw / 100, fw % 100);
  return title + version;
}

namespace {

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

// The smaller housings digitise the video signal with 8 bits, the others with 10.
std::uint16_t VideoFullScaleFor(int hw) {
  return (hw >= 1 && hw <= 3) ? 256 : 1024;
}

}  // namespace

SensorModel MakeModelFromCodes(int hw, int model, int fw) {
  SensorModel m;
  m.hardwareCode = static_cast<std::uint16_t>(hw);
  m.modelCode = static_cast<std::uint16_t>(model);
  m.firmwareVersion = static_cast<std::uint16_t>(fw);
  m.subpixelRange = SubpixelRangeFor(hw, model, fw);
  m.flashGraphRange = m.subpixelRange;
  m.videoFullScaleCode = VideoFullScaleFor(hw);
  m.firmwareText = FirmwareText("KAVRO-XB", fw);
  for (const auto& p : ModelPresets())
    if (p.hardwareCode == hw && p.modelCode == model) {
      m.firmwareText = FirmwareText(p.title, fw);
      break;
    }
  return m;
}

std::optional<SensorModel> MakeModel(const std::string& presetName, int fw) {
  const std::string wanted = Upper(presetName);
  for (const auto& p : ModelPresets()) {
    if (Upper(p.name) != wanted) continue;
    SensorModel m = MakeModelFromCodes(p.hardwareCode, p.modelCode, fw);
    m.firmwareText = FirmwareText(p.title, fw);
    return m;
  }
  return std::nullopt;
}

DataWords HardwareInfoData(const SensorModel& m) {
  DataWords d{};
  d[0] = m.hysteresisLimit;  // reply word 3
  d[1] = m.spareWord4;
  d[2] = m.spareWord5;
  d[3] = m.subpixelRange;  // word 6
  d[4] = m.flashGraphRange;
  d[5] = m.spareWord8;
  d[6] = m.spareWord9;
  d[7] = m.firmwareVersion;  // word 10
  d[8] = m.modelCode;
  d[9] = m.videoFullScaleCode;  // word 12
  return d;
}

Bytes FirmwareTextBlock(const std::string& text) {
  Bytes out(72, 0);
  std::copy_n(text.begin(), std::min<std::size_t>(text.size(), out.size()), out.begin());
  return out;
}

}  // namespace sim
