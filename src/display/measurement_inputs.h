// What both the measurement display and the roll graph are handed: the
// measurement, the parameters and the sensor's hardware, and the displays they
// both write.
#pragma once

#include "display/evaluation.h"
#include "sensor/hardware_info.h"
#include "sensor/measurement_state.h"
#include "sensor/parameter_set.h"

struct MeasurementInputs {
  const MeasurementState& m;
  const ParameterSet& p;
  const HardwareInfo& hw;

  int range() const { return hw.subpixelRange; }
  int teach() const { return p.para0[P0_TEACH_VALUE]; }
  int para0(int word) const { return p.para0[word]; }
  TolerancePair pair() const;
  // Teach-Value plus and minus the pair, clamped to the line.
  ToleranceLimits limits() const;
};

// Both tolerance displays in length units (um-Slope x pixels / 1024000).
void ShowToleranceDisplays(const MeasurementInputs& in, const TolerancePair& pair);
// The micrometre and pixel value displays: red out of tolerance, else dark green.
void ColourByTolerance(bool outOfTolerance);
