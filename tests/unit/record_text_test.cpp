// The record file's text and the recorder's time display, computed alone.
#include "recorder/record_text.h"

#include <gtest/gtest.h>

#include <string>

#include "recorder/record_duration.h"

namespace {

TEST(RecordText, HeaderBytesInTheirOrder) {
  RecordHeader h;
  h.date = "12-06-2026";
  h.time = "00:17:05";
  h.interval = 0.1;
  h.samples = 250;
  h.umOffset = 32767 - 12;  // an offset of -12 micrometres
  h.umSlope = 1024 * 5 / 2;
  EXPECT_EQ(RecordHeaderText(h),
            "Date:\t12-06-2026\r\n"
            "Time:\t00:17:05\r\n"
            "Time-Increment[s]:\t0.1\r\n"
            "Number of Samples:\t250\r\n"
            "Offset-Value [\xB5m]:\t-12\r\n"
            "Slope-Value [\xB5m/pixel]:\t2.5\r\n"
            "M-VALUE\tE-LEFT\tE-RIGHT\tEDGES\tM-VAL[um]\r\n");
}

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

TEST(RecordDuration, SplitsIntoDaysHoursMinutesSeconds) {
  const DurationParts a = SplitDuration(3200);
  EXPECT_EQ(a.days, 0);
  EXPECT_EQ(a.hours, 0);
  EXPECT_EQ(a.minutes, 53);
  EXPECT_EQ(a.seconds, 20);
  const DurationParts b = SplitDuration(32000L * 3600);  // the longest recording
  EXPECT_EQ(b.days, 1333);
  EXPECT_EQ(b.hours, 8);
  EXPECT_EQ(b.minutes, 0);
  EXPECT_EQ(b.seconds, 0);
  const DurationParts c = SplitDuration(86399);
  EXPECT_EQ(c.days, 0);
  EXPECT_EQ(c.hours, 23);
  EXPECT_EQ(c.minutes, 59);
  EXPECT_EQ(c.seconds, 59);
}

TEST(RecordDuration, PlannedDurationDropsTheFraction) {
  EXPECT_EQ(PlannedDuration(32000, 0.1), 3200);
  EXPECT_EQ(PlannedDuration(3, 0.5), 1);
  EXPECT_EQ(PlannedDuration(1, 0.1), 0);
}

}  // namespace
