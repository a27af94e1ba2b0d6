#include "recorder/record_text.h"

#include <charconv>
#include <string_view>

namespace {

constexpr std::string_view kLineEnd = "\r\n";

template <typename Number>
std::string ShortestFixed(Number value) {
  // Room for the 309 digits of the largest double and its sign.
  char buffer[340];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (result.ec != std::errc()) return "0.0";
  std::string text(buffer, result.ptr);
  if (text.find('.') == std::string::npos && text.find_first_of("0123456789") != std::string::npos)
    text += ".0";
  return text;
}

std::string IntegerText(long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string DecimalText(double value) {
  return ShortestFixed(value);
}

std::string DecimalText(float value) {
  return ShortestFixed(value);
}

std::string RecordHeaderText(const RecordHeader& h) {
  const long long offset = static_cast<long long>(h.umOffset) - 32767;
  const float slope = static_cast<float>(h.umSlope) / 1024.0f;
  std::string text;
  text += "Date:\t" + h.date + "\r\n";
  text += "Time:\t" + h.time + "\r\n";
  text += "Time-Increment[s]:\t" + DecimalText(h.interval);
  text += kLineEnd;
  text += "Number of Samples:\t" + IntegerText(h.samples);
  text += kLineEnd;
  text += "Offset-Value [\xB5m]:\t" + IntegerText(offset);
  text += kLineEnd;
  text += "Slope-Value [\xB5m/pixel]:\t" + DecimalText(slope);
  text += kLineEnd;
  text += "M-VALUE\tE-LEFT\tE-RIGHT\tEDGES\tM-VAL[um]\r\n";
  return text;
}

std::string RecordLineText(const SampleRecord& s) {
  std::string text = IntegerText(s.mValue);
  for (std::int32_t value : {s.eLeft, s.eRight, s.edges, s.micrometre}) {
    text += '\t';
    text += IntegerText(value);
  }
  text += kLineEnd;
  return text;
}
