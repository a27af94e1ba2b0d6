// A small seedable random source for the virtual sensor. The same seed gives
// the same sequence on every platform and library, which std distributions
// do not promise.
#pragma once

#include <cstdint>

namespace sim {

class Rng {
 public:
  explicit Rng(std::uint64_t seed = 1) : state_(seed) {}

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }

  // A whole number in [-spread, spread]; 0 when spread is 0 or less.
  int jitter(int spread) {
    if (spread <= 0) return 0;
    return static_cast<int>(next() % static_cast<std::uint64_t>(2 * spread + 1)) - spread;
  }

  std::uint8_t byte() { return static_cast<std::uint8_t>(next() >> 56); }

 private:
  std::uint64_t state_;
};

}  // namespace sim
