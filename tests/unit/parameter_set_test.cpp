// The parameter set: word order, 32-bit halves, conversions and limits.
#include <gtest/gtest.h>

#include "sensor/parameter_set.h"

namespace {

ParameterSet StartSet() {
  ResetParameterSet();
  return Params();
}

TEST(ParameterSet, ThirtyTwoBitValuesSplitLowHalfFirst) {
  ParameterSet s = StartSet();
  s.umSlope = 0x12345678;
  EXPECT_EQ(ParaWord(s, 1, P1_UM_SLOPE_LOW), 0x5678);
  EXPECT_EQ(ParaWord(s, 1, P1_UM_SLOPE_HIGH), 0x1234);
  SetParaWord(s, 1, P1_UM_OFFSET_LOW, 0x7FFF);
  SetParaWord(s, 1, P1_UM_OFFSET_HIGH, 0x0000);
  EXPECT_EQ(s.umOffset, 0x7FFFu);
  SetParaWord(s, 1, P1_UM_SLOPE_LOW, 0x0400);
  SetParaWord(s, 1, P1_UM_SLOPE_HIGH, 0x0000);
  EXPECT_DOUBLE_EQ(SlopeFromWord(s.umSlope), 1.0);
  EXPECT_DOUBLE_EQ(OffsetFromWord(s.umOffset), 0.0);
}

TEST(ParameterSet, FieldConversionsTruncateTowardZero) {
  EXPECT_EQ(SlopeToWord(1.5), 1536u);
  EXPECT_EQ(OffsetToWord(-10.7), 32756u);
  EXPECT_EQ(DoubleToWord32(3000000000.7), 3000000000u);
  EXPECT_EQ(DoubleToWord32(4294967295.0), 4294967295u);
  EXPECT_EQ(DoubleToWord32(2147483648.0), 2147483648u);
  EXPECT_DOUBLE_EQ(ToleranceInLength(100, 1024), 0.1);
  EXPECT_DOUBLE_EQ(ToleranceInLength(5, 1024000), 5.0);
  // um-Slope is read unsigned, not as a negative slope.
  EXPECT_DOUBLE_EQ(ToleranceInLength(100, 0x80000000u), 2147483648.0 * 100 / 1024000.0);
}

TEST(ParameterSet, LimitsWhenShown) {
  ParameterSet s = StartSet();
  // A few words whose limit is not a plain clamp; the rest is a table.
  s.para0[P0_EVAL_END] = 0;
  s.para0[P0_EVAL_BEGIN] = 5000;
  s.para1[P1_EDGE_HYSTERESIS] = 200;
  s.para1[P1_FILTER_TYPE] = 65;
  s.para1[P1_TRIGGER_PIXEL] = 9000;
  ApplyParameterLimits(s, 4096, 5);
  EXPECT_EQ(s.para0[P0_EVAL_END], 256);
  EXPECT_EQ(s.para0[P0_EVAL_BEGIN], 1);
  EXPECT_EQ(s.para1[P1_EDGE_HYSTERESIS], 10);  // even though 10 is above the limit itself
  EXPECT_EQ(s.para1[P1_FILTER_TYPE], 2);
  EXPECT_EQ(s.para1[P1_TRIGGER_PIXEL], 4096);
}

}  // namespace
