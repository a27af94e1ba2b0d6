// The program's copy of the sensor's two parameter frames, PARA0 and PARA1, in
// frame word order, with their start values, limits and conversions.
#pragma once

#include <array>
#include <cstdint>

// PARA0 words.
enum Para0Word : int {
  P0_POWER = 0,
  P0_POWER_MODE = 1,
  P0_POLARITY = 2,
  P0_EVAL_MODE = 3,
  P0_EVAL_BEGIN = 4,
  P0_EVAL_END = 5,
  P0_TEACH_VALUE = 6,
  P0_UPPER_TOLERANCE = 7,
  P0_LOWER_TOLERANCE = 8,
  P0_AVERAGE = 9,
  P0_EXT_TRIGGER_MODE = 10,
  P0_ANALOG_OUT_MODE = 11,
  P0_CCD_OPERATION_MODE = 12,
  P0_HARDWARE_MODE = 13,
  P0_VIDEO_THD_MODE = 14,
};

// PARA1 words; 11/12 and 13/14 are the halves of um-Slope and um-Offset.
enum Para1Word : int {
  P1_VIDEO_THD_FIX = 0,
  P1_VIDEO_THD_AUTO = 1,
  P1_RS232_MODE = 2,
  P1_RS232_BAUDRATE = 3,
  P1_FILTER_TYPE = 4,
  P1_ANALOG_ZOOM_MODE = 5,
  P1_INT_TRIGGER_MODE = 6,
  P1_TRIGGER_PIXEL = 7,
  P1_DIGITAL_OUT_MODE = 8,
  P1_EDGE_HYSTERESIS = 9,
  P1_PARA11 = 10,
  P1_UM_SLOPE_LOW = 11,
  P1_UM_SLOPE_HIGH = 12,
  P1_UM_OFFSET_LOW = 13,
  P1_UM_OFFSET_HIGH = 14,
};

inline constexpr int kParaWords = 15;

struct ParameterSet {
  std::array<std::uint16_t, kParaWords> para0{};
  std::array<std::uint16_t, 11> para1{};  // words 0..10
  std::uint32_t umSlope = 1024;
  std::uint32_t umOffset = 32767;
  std::array<std::uint16_t, 256> fixedThresholdLine{};
};

ParameterSet& Params();
void ResetParameterSet();  // start values; the fixed-threshold line from them

// Word i of a frame (which: 0 = PARA0, 1 = PARA1), the 32-bit values split low first.
std::uint16_t ParaWord(const ParameterSet& set, int which, int word);
void SetParaWord(ParameterSet& set, int which, int word, std::uint16_t value);

// Conversions between the calibration words and what the operator sees.
double SlopeFromWord(std::uint32_t umSlope);    // um-Slope / 1024
double OffsetFromWord(std::uint32_t umOffset);  // um-Offset - 32767
std::uint32_t DoubleToWord32(double value);     // truncated toward zero, full unsigned range
std::uint32_t SlopeToWord(double slope);        // slope x 1024
std::uint32_t OffsetToWord(double offset);      // offset + 32767
double ToleranceInLength(std::uint16_t pixels, std::uint32_t umSlope);

// Every entry = video full scale x Video-Thd-Fix / 100, integer arithmetic.
void ComputeFixedThresholdLine(ParameterSet& set, std::uint16_t videoFullScale);

// The limits applied when the set is shown, in their documented order.
void ApplyParameterLimits(ParameterSet& set, std::uint16_t subpixelRange,
                          std::uint16_t hysteresisLimit);
