#include "object_synthesis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sim {

namespace {

std::uint16_t Clamp16(double v) {
  return static_cast<std::uint16_t>(std::clamp(v, 0.0, 65535.0));
}

double ShadowedBetween(const Shadow& s, double from, double to) {
  if (!s.present) return 0;
  return std::max(0.0, std::min(s.right, to) - std::max(s.left, from));
}

}  // namespace

Shadow ShadowAt(const ObjectMotion& motion, int range, double t, Rng& rng) {
  Shadow s;
  if (!motion.present) return s;
  s.present = true;
  double centre = motion.center;
  if (motion.period > 0)
    centre += motion.swing * std::sin(2 * std::numbers::pi * t / motion.period);
  s.left = (centre - motion.width / 2) * range + rng.jitter(motion.edgeNoise);
  s.right = (centre + motion.width / 2) * range + rng.jitter(motion.edgeNoise);
  if (s.right < s.left) std::swap(s.left, s.right);
  return s;
}

std::uint32_t Micrometres(std::uint16_t mValue, std::uint32_t umSlope, std::uint32_t umOffset) {
  const std::int64_t um = static_cast<std::int64_t>(mValue) * umSlope / 1024 +
                          static_cast<std::int64_t>(umOffset) - 32767;
  return static_cast<std::uint32_t>(std::clamp<std::int64_t>(um, 0, 0xFFFFFFFFll));
}

Measurement Evaluate(const Shadow& s, int range, const ParaFrame& p0, const ParaFrame& p1,
                     int housingTolerance) {
  Measurement m;
  m.teachValue = p0[para0::kTeachValue];
  m.tolerance = static_cast<std::uint16_t>(housingTolerance);
  m.triggerLevel = Clamp16(std::round(ShadowedBetween(s, 0, range)));

  const long left = std::lround(s.left);
  const long right = std::lround(s.right);
  const bool leftSeen = s.present && left >= 1 && left <= range - 1;
  const bool rightSeen = s.present && right >= 1 && right <= range - 1;
  m.edges = static_cast<std::uint16_t>(leftSeen + rightSeen);
  if (leftSeen && rightSeen) {
    m.eLeft = static_cast<std::uint16_t>(left);
    m.eRight = static_cast<std::uint16_t>(right);
  } else if (leftSeen || rightSeen) {
    // One edge: it is reported as the left edge; the side words tell on which
    // side of it the shadow lies.
    const double edge = leftSeen ? s.left : s.right;
    m.eLeft = static_cast<std::uint16_t>(leftSeen ? left : right);
    m.sideLeft = Clamp16(std::round(ShadowedBetween(s, 0, edge)));
    m.sideRight = Clamp16(std::round(ShadowedBetween(s, edge, range)));
  }

  const bool two = m.edges == 2;
  switch (p0[para0::kEvalMode]) {
    case 0:
      m.mValue = m.eLeft;
      break;
    case 1:
      m.mValue = two ? m.eRight : m.eLeft;
      break;
    case 3:
      m.mValue = two ? static_cast<std::uint16_t>((m.eLeft + m.eRight) / 2) : m.eLeft;
      break;
    default:  // width of the object
      m.mValue = two ? static_cast<std::uint16_t>(m.eRight - m.eLeft) : 0;
      break;
  }
  m.micrometre =
      Micrometres(m.mValue, ReadLong(p1, para1::kSlopeLow), ReadLong(p1, para1::kOffsetLow));

  if (m.edges > 0) {
    const int hwMode = p0[para0::kHardwareMode];
    const bool housing = hwMode == 1 || hwMode == 3;
    const int upperTol = housing ? housingTolerance : p0[para0::kUpperTolerance];
    const int lowerTol = housing ? housingTolerance : p0[para0::kLowerTolerance];
    const int teach = m.teachValue;
    m.outputs = static_cast<std::uint16_t>((m.mValue >= teach - lowerTol ? 1 : 0) |
                                           (m.mValue <= teach + upperTol ? 2 : 0));
  }
  return m;
}

RecordWords MeasurementRecord(const Measurement& m) {
  RecordWords w{};
  w[0] = m.eLeft;
  w[1] = m.eRight;
  w[2] = m.mValue;
  w[3] = static_cast<std::uint16_t>(m.micrometre & 0xFFFF);
  w[4] = static_cast<std::uint16_t>(m.micrometre >> 16);
  w[5] = m.teachValue;
  w[6] = m.tolerance;
  w[7] = m.edges;
  w[8] = m.sideLeft;
  w[9] = m.sideRight;
  w[11] = m.max;
  w[12] = m.min;
  w[13] = m.outputs;
  w[15] = m.triggerLevel;
  return w;
}

RecordWords RecorderSample(const Measurement& m) {
  RecordWords w{};
  w[0] = m.mValue;
  w[1] = m.eLeft;
  w[2] = m.eRight;
  w[3] = static_cast<std::uint16_t>(m.micrometre & 0xFFFF);
  w[4] = static_cast<std::uint16_t>(m.micrometre >> 16);
  w[5] = m.edges;
  w[6] = m.triggerLevel;
  return w;
}

Curve VideoProfile(const Shadow& s, int range, int fullScaleCode, int power, int noise, Rng& rng) {
  const double top = std::max(1, fullScaleCode - 1);
  const double gain = std::clamp(power, 0, 1000) / 500.0;
  const double dark = top * 0.04;
  const double q = range / 256.0;
  Curve out{};
  for (int i = 0; i < 256; ++i) {
    const double x = (i - 127.5) / 127.5;  // the beam is a little brighter in the middle
    const double bright = std::min(top, top * (0.70 + 0.15 * (1 - x * x)) * gain);
    const double covered = ShadowedBetween(s, i * q, (i + 1) * q) / q;
    const double v = bright * (1 - covered) + dark * covered + rng.jitter(noise);
    out[i] = static_cast<std::uint16_t>(std::clamp(std::round(v), 0.0, top));
  }
  return out;
}

Curve ThresholdCurve(const Curve& profile, int percent) {
  Curve out{};
  for (int i = 0; i < 256; ++i)
    out[i] = static_cast<std::uint16_t>(
        std::min<long>(65535, static_cast<long>(profile[i]) * std::max(0, percent) / 100));
  return out;
}

}  // namespace sim
