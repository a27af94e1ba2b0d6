#include "display/eval_window.h"

ClampedEntry ClampEvalBegin(std::uint16_t entry, std::uint16_t low, std::uint16_t high) {
  ClampedEntry r{entry, false};
  if (r.value < low) r = {low, true};
  if (r.value > high) r = {static_cast<std::uint16_t>(high - 1), true};
  return r;
}

ClampedEntry ClampEvalEnd(std::uint16_t entry, std::uint16_t low, std::uint16_t high) {
  ClampedEntry r{entry, false};
  if (r.value > high) r = {high, true};
  if (r.value < low) r = {static_cast<std::uint16_t>(low + 1), true};
  return r;
}
