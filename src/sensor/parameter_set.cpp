#include "sensor/parameter_set.h"

#include <cmath>

namespace {

constexpr std::array<std::uint16_t, kParaWords> kPara0Start = {500, 1, 1, 1, 1, 1024, 512, 100,
                                                               100, 1, 0, 0, 0, 1,    0};
constexpr std::array<std::uint16_t, 11> kPara1Start = {40, 70, 0, 1, 0, 0, 0, 0, 0, 0, 0};

}  // namespace

ParameterSet& Params() {
  static ParameterSet set;
  return set;
}

void ResetParameterSet() {
  ParameterSet& s = Params();
  s = ParameterSet{};
  s.para0 = kPara0Start;
  s.para1 = kPara1Start;
  s.umSlope = 1024;
  s.umOffset = 32767;
  ComputeFixedThresholdLine(s, 255);
}

std::uint16_t ParaWord(const ParameterSet& set, int which, int word) {
  if (which == 0) return set.para0[word];
  switch (word) {
    case P1_UM_SLOPE_LOW:
      return static_cast<std::uint16_t>(set.umSlope & 0xFFFF);
    case P1_UM_SLOPE_HIGH:
      return static_cast<std::uint16_t>(set.umSlope >> 16);
    case P1_UM_OFFSET_LOW:
      return static_cast<std::uint16_t>(set.umOffset & 0xFFFF);
    case P1_UM_OFFSET_HIGH:
      return static_cast<std::uint16_t>(set.umOffset >> 16);
    default:
      return set.para1[word];
  }
}

void SetParaWord(ParameterSet& set, int which, int word, std::uint16_t value) {
  if (which == 0) {
    set.para0[word] = value;
    return;
  }
  switch (word) {
    case P1_UM_SLOPE_LOW:
      set.umSlope = (set.umSlope & 0xFFFF0000u) | value;
      break;
    case P1_UM_SLOPE_HIGH:
      set.umSlope = (set.umSlope & 0xFFFFu) | (std::uint32_t(value) << 16);
      break;
    case P1_UM_OFFSET_LOW:
      set.umOffset = (set.umOffset & 0xFFFF0000u) | value;
      break;
    case P1_UM_OFFSET_HIGH:
      set.umOffset = (set.umOffset & 0xFFFFu) | (std::uint32_t(value) << 16);
      break;
    default:
      set.para1[word] = value;
      break;
  }
}

double SlopeFromWord(std::uint32_t umSlope) {
  return static_cast<double>(umSlope) / 1024.0;
}
double OffsetFromWord(std::uint32_t umOffset) {
  return static_cast<double>(umOffset) - 32767.0;
}

std::uint32_t DoubleToWord32(double value) {
  if (!(value == value)) return 0;  // not a number
  constexpr double kTwo31 = 2147483648.0;
  constexpr double kTwo32 = 4294967296.0;
  if (value >= kTwo32) value = kTwo32 - 1;
  if (value >= kTwo31)
    return static_cast<std::uint32_t>(static_cast<std::int64_t>(value - kTwo31)) + 0x80000000u;
  if (value <= -kTwo31) return 0x80000000u;
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
}

std::uint32_t SlopeToWord(double slope) {
  return DoubleToWord32(slope * 1024.0);
}
std::uint32_t OffsetToWord(double offset) {
  return DoubleToWord32(offset + 32767.0);
}

double ToleranceInLength(std::uint16_t pixels, std::uint32_t umSlope) {
  return static_cast<double>(umSlope) * pixels / 1024000.0;
}

void ComputeFixedThresholdLine(ParameterSet& set, std::uint16_t videoFullScale) {
  std::uint32_t v = std::uint32_t(videoFullScale) * set.para1[P1_VIDEO_THD_FIX] / 100;
  set.fixedThresholdLine.fill(static_cast<std::uint16_t>(v));
}

void ApplyParameterLimits(ParameterSet& s, std::uint16_t range, std::uint16_t hysteresisLimit) {
  auto& p0 = s.para0;
  auto& p1 = s.para1;
  if (p0[P0_POWER] > 1000) p0[P0_POWER] = 500;
  if (p0[P0_ANALOG_OUT_MODE] > 7) p0[P0_ANALOG_OUT_MODE] = 0;
  if (p0[P0_POLARITY] > 1) p0[P0_POLARITY] = 1;
  if (p0[P0_EVAL_MODE] > 3) p0[P0_EVAL_MODE] = 4;
  if (p0[P0_UPPER_TOLERANCE] > range) p0[P0_UPPER_TOLERANCE] = range;
  if (p0[P0_UPPER_TOLERANCE] < 1) p0[P0_UPPER_TOLERANCE] = 1;
  if (p0[P0_LOWER_TOLERANCE] < 1) p0[P0_LOWER_TOLERANCE] = 1;
  if (p0[P0_VIDEO_THD_MODE] > 1) p0[P0_VIDEO_THD_MODE] = 0;
  if (p0[P0_EVAL_BEGIN] > range) p0[P0_EVAL_BEGIN] = 1;
  if (p0[P0_EVAL_END] > range) p0[P0_EVAL_END] = range;
  if (p0[P0_EVAL_END] == 0) p0[P0_EVAL_END] = 256;
  if (p0[P0_EXT_TRIGGER_MODE] > 5) p0[P0_EXT_TRIGGER_MODE] = 0;
  if (p0[P0_HARDWARE_MODE] > 3) p0[P0_HARDWARE_MODE] = 3;
  if (p0[P0_AVERAGE] > 256) p0[P0_AVERAGE] = 256;
  if (p0[P0_POWER_MODE] > 1) p0[P0_POWER_MODE] = 1;
  if (p1[P1_RS232_MODE] > 4) p1[P1_RS232_MODE] = 0;
  if (p1[P1_RS232_BAUDRATE] > 4) p1[P1_RS232_BAUDRATE] = 1;
  if (p1[P1_FILTER_TYPE] > 64) p1[P1_FILTER_TYPE] = 2;
  if (p1[P1_VIDEO_THD_FIX] > 950) p1[P1_VIDEO_THD_FIX] = 950;
  if (p1[P1_VIDEO_THD_FIX] < 10) p1[P1_VIDEO_THD_FIX] = 10;
  if (p1[P1_VIDEO_THD_AUTO] > 950) p1[P1_VIDEO_THD_AUTO] = 950;
  if (p1[P1_VIDEO_THD_AUTO] < 10) p1[P1_VIDEO_THD_AUTO] = 10;
  if (p1[P1_INT_TRIGGER_MODE] > 1) p1[P1_INT_TRIGGER_MODE] = 0;
  if (p1[P1_TRIGGER_PIXEL] > range) p1[P1_TRIGGER_PIXEL] = range;
  if (p1[P1_DIGITAL_OUT_MODE] > 3) p1[P1_DIGITAL_OUT_MODE] = 0;
  if (p1[P1_EDGE_HYSTERESIS] > hysteresisLimit) p1[P1_EDGE_HYSTERESIS] = 10;
}
