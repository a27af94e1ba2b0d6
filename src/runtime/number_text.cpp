#include "runtime/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace rt {

namespace {

constexpr int kMostDecimals = 15;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  // Room for the 309 digits of the largest double and the decimal places.
  char buffer[340];
  const int places = std::clamp(decimals, 0, kMostDecimals);
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, places);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

std::string FormatShortest(double value) {
  if (std::isnan(value) || std::isinf(value)) return FormatFixed(value, 0);
  char buffer[340];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  if (result.ec != std::errc()) return "0";
  return std::string(buffer, result.ptr);
}

double ParseNumber(const std::string& text) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  while (begin != end && IsBlank(*begin)) ++begin;
  if (begin != end && *begin == '+') ++begin;
  double value = 0;
  const auto result = std::from_chars(begin, end, value);
  if (result.ec == std::errc::result_out_of_range) return 0;
  return result.ec == std::errc() ? value : 0;
}

}  // namespace rt
