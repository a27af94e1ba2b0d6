// The video graph's raw view: how far each point of the profile rises above a
// comparison curve, and the level of a threshold line given in percent.
#pragma once

#include <array>
#include <cstdint>

using VideoCurve = std::array<std::uint16_t, 256>;

// A point above its comparison value becomes (full scale - value), every other
// point 0. Rewrites the profile in place.
void ApplyRawView(VideoCurve& profile, const VideoCurve& comparison, std::uint16_t fullScale);

// full scale x percent / 100, the remainder dropped.
std::uint16_t ThresholdLevel(std::uint16_t fullScale, std::uint16_t percent);
