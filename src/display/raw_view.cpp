#include "display/raw_view.h"

void ApplyRawView(VideoCurve& profile, const VideoCurve& comparison, std::uint16_t fullScale) {
  for (std::size_t i = 0; i < profile.size(); ++i)
    profile[i] =
        profile[i] > comparison[i] ? static_cast<std::uint16_t>(fullScale - profile[i]) : 0;
}

std::uint16_t ThresholdLevel(std::uint16_t fullScale, std::uint16_t percent) {
  return static_cast<std::uint16_t>(std::uint32_t{fullScale} * percent / 100);
}
