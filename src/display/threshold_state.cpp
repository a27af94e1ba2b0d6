#include "display/threshold_state.h"

ThresholdState& Threshold() {
  static ThresholdState state;
  return state;
}

void ResetThresholdState() {
  Threshold() = ThresholdState{};
}
