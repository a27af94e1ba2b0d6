// Where the evaluation window of the receiver line may begin and end: entries
// outside the sensor's edge limits are pulled back inside, never rejected.
#pragma once

#include <cstdint>

struct ClampedEntry {
  std::uint16_t value;
  bool clamped;  // the entry was out of range and replaced
};

// Below low: low. Above high: high - 1.
ClampedEntry ClampEvalBegin(std::uint16_t entry, std::uint16_t low, std::uint16_t high);
// Above high: high. Below low: low + 1.
ClampedEntry ClampEvalEnd(std::uint16_t entry, std::uint16_t low, std::uint16_t high);
