// The calibration in progress: the two reference points, which of them were
// taken, the last fit and the evaluation mode to restore afterwards.
#pragma once

#include <cstdint>

#include "calib/calibration_fit.h"

struct CalibrationState {
  // The points keep their values from one calibration to the next.
  CalPoints points{{241.0, 7960.0}, {662.0, 21960.0}};
  bool accepted1 = false;
  bool accepted2 = false;
  LineFit fit;
  std::uint16_t savedEvalMode = 0;  // PARA0 Eval-Mode when the calibration began
};

CalibrationState& Calibration();
void ResetCalibrationState();
