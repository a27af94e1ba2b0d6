// What the sensor told us about itself: firmware text and version, model, subpixel
// range, video full scale, Hardware-Type, edge limits and the video positions.
#pragma once

#include <array>
#include <cstdint>
#include <string>

struct HardwareInfo {
  std::string firmwareText;
  std::uint16_t hardwareCode = 0;
  std::uint16_t hysteresisLimit = 1024;
  std::uint16_t word4 = 0;
  std::uint16_t word5 = 101;
  std::uint16_t subpixelRange = 4096;
  std::uint16_t flashGraphRange = 0;
  std::uint16_t word8 = 0;
  std::uint16_t word9 = 0;
  std::uint16_t firmwareVersion = 0;
  std::uint16_t modelCode = 80;
  std::uint16_t videoFullScale = 255;
  std::uint16_t hardwareType = 0;  // 1 three outputs, 3 two outputs, 0 not identified
  std::uint16_t edgeLow = 1;
  std::uint16_t edgeHigh = 1024;
  std::array<double, 256> videoPositions{};  // x of each video point, in subpixels
};

HardwareInfo& Hardware();
void ResetHardwareInfo();
