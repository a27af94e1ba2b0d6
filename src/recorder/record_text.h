// The text of a record file: the header the operator reads first and one line
// per sample. Raw bytes, "\xB5" for the micro sign (ISO 8859-1), numbers with a
// decimal point whatever the desktop's language.
#pragma once

#include <cstdint>
#include <string>

struct RecordHeader {
  std::string date;  // MM-DD-YYYY
  std::string time;  // HH:MM:SS
  double interval = 0;
  std::uint16_t samples = 0;
  std::uint32_t umOffset = 32767;  // PARA1 words, as the sensor keeps them
  std::uint32_t umSlope = 1024;
};

// One recorded sample, each value as it is written: signed 32-bit.
struct SampleRecord {
  std::int32_t mValue = 0;
  std::int32_t eLeft = 0;
  std::int32_t eRight = 0;
  std::int32_t edges = 0;
  std::int32_t micrometre = 0;
};

// The shortest text that reads back as the same number, always with a decimal
// point and never with an exponent: 0.1, 3600.0, 0.0.
std::string DecimalText(double value);
std::string DecimalText(float value);

// Date, time, interval, number of samples, offset, slope and the column titles.
std::string RecordHeaderText(const RecordHeader& header);
std::string RecordLineText(const SampleRecord& sample);
