// The record file's text at the ends of its ranges, computed alone.
#include "recorder/record_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RecordText, SlopeIsSinglePrecisionAndOffsetSpansTheWholeWord) {
  RecordHeader h;
  h.umSlope = 1025;  // 1.0009765625 is exact in a float: all of it is written
  h.umOffset = 0xFFFFFFFFu;
  const std::string text = RecordHeaderText(h);
  EXPECT_NE(text.find("pixel]:\t1.0009766\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("m]:\t4294934528\r\n"), std::string::npos) << text;
}

TEST(RecordText, DecimalsAlwaysWithAPointNeverWithAnExponent) {
  EXPECT_EQ(DecimalText(0.0), "0.0");
  EXPECT_EQ(DecimalText(3600.0), "3600.0");
  EXPECT_EQ(DecimalText(0.1), "0.1");
  EXPECT_EQ(DecimalText(0.0001), "0.0001");
  EXPECT_EQ(DecimalText(8642.0), "8642.0");
  EXPECT_EQ(DecimalText(1.0f), "1.0");
  EXPECT_EQ(DecimalText(4194303.999f), "4194304.0");
}

TEST(RecordText, RecordLineIsFiveSignedIntegersTabSeparated) {
  EXPECT_EQ(RecordLineText({1234, 100, 2500, 2, 987654}), "1234\t100\t2500\t2\t987654\r\n");
  // The micrometre value is an unsigned word pair written as signed.
  EXPECT_EQ(RecordLineText({65535, 0, 0, 0, static_cast<std::int32_t>(0xFFFFFFFEu)}),
            "65535\t0\t0\t0\t-2\r\n");
}

}  // namespace
