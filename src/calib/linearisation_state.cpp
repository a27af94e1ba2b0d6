#include "calib/linearisation_state.h"

LinearisationState& Linearisation() {
  static LinearisationState state;
  return state;
}

void ResetLinearisationState() {
  Linearisation() = LinearisationState{};
}
