// Seeded pseudo-random numbers (splitmix64): the same seed gives the same assets on every run.
#pragma once

#include <cstdint>

namespace assetgen {

class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  float Uniform() { return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24); }
  float Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }
  // Uniform integer in [lo, hi].
  int Int(int lo, int hi) {
    return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1));
  }
  bool Chance(float p) { return Uniform() < p; }

 private:
  uint64_t state_;
};

}  // namespace assetgen
