#include "sensor/measurement_state.h"

MeasurementState& Measurement() {
  static MeasurementState state;
  return state;
}

void ResetMeasurementState() {
  Measurement() = MeasurementState{};
}
