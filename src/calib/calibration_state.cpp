#include "calib/calibration_state.h"

CalibrationState& Calibration() {
  static CalibrationState state;
  return state;
}

void ResetCalibrationState() {
  Calibration() = CalibrationState{};
}
