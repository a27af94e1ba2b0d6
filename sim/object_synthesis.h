// The object in the beam and what the sensor makes of it: edge positions,
// the measured value and the other measurement words, and the intensity
// profile of the receiver line.
#pragma once

#include <cstdint>

#include "frame_codec.h"
#include "parameter_memory.h"
#include "rng.h"

namespace sim {

// How the object moves through the beam. Fractions are of the subpixel range.
struct ObjectMotion {
  bool present = true;
  double center = 0.5;
  double width = 0.25;
  double swing = 0.05;        // amplitude of the centre's sine movement
  double period = 4.0;        // seconds per swing
  int edgeNoise = 2;          // +/- subpixels of jitter on each edge
  int videoNoise = 3;         // +/- amplitude counts on each video point
  int housingTolerance = 25;  // tolerance set on the housing potentiometer, in subpixels
};

// Shadow of the object on the line, in subpixels; may reach past either end.
struct Shadow {
  bool present = false;
  double left = 0;
  double right = 0;
};

Shadow ShadowAt(const ObjectMotion& motion, int subpixelRange, double t, Rng& rng);

struct Measurement {
  std::uint16_t eLeft = 0;
  std::uint16_t eRight = 0;
  std::uint16_t mValue = 0;
  std::uint32_t micrometre = 0;
  std::uint16_t teachValue = 0;
  std::uint16_t tolerance = 0;
  std::uint16_t edges = 0;
  std::uint16_t sideLeft = 0;   // shadowed subpixels left of a single edge
  std::uint16_t sideRight = 0;  // and right of it
  std::uint16_t max = 0;
  std::uint16_t min = 0;
  std::uint16_t outputs = 0;       // bit 0: not below the lower limit, bit 1: not above the upper
  std::uint16_t triggerLevel = 0;  // shadowed subpixels
};

// Evaluates a shadow with the sensor's RAM parameters (max and min are left 0).
Measurement Evaluate(const Shadow& shadow, int subpixelRange, const ParaFrame& para0,
                     const ParaFrame& para1, int housingTolerance);

// um-Slope / um-Offset conversion of a measured value, never below 0.
std::uint32_t Micrometres(std::uint16_t mValue, std::uint32_t umSlope, std::uint32_t umOffset);

RecordWords MeasurementRecord(const Measurement& m);  // answer to command 8
RecordWords RecorderSample(const Measurement& m);     // answer to command 18

// 256-point intensity profile: bright where the beam reaches the line, dark
// under the shadow. power is PARA0 Power (500 = nominal brightness).
Curve VideoProfile(const Shadow& shadow, int subpixelRange, int videoFullScaleCode, int power,
                   int noise, Rng& rng);

// Threshold curve at percent of the profile, point by point.
Curve ThresholdCurve(const Curve& profile, int percent);

}  // namespace sim
