// The output bus's limiter: turns the mixer's float sum into 16-bit samples
// without ever reaching full scale. A mix that stays at or below the
// threshold passes unchanged; louder peaks pull a smooth gain down (fast
// attack, slow release) and a soft knee rounds off what the attack lets
// through. Fixed state, no allocation: it runs on the audio thread.
#pragma once
#include <cstdint>

namespace plat::mixer {

// -3 dBFS: where the gain starts to ride and the soft knee begins.
constexpr float kLimitThreshold = 23170.0f;
// The soft knee's asymptote, a little below full scale.
constexpr float kLimitCeiling = 32000.0f;

class Limiter {
 public:
  // Limits `frames` interleaved stereo frames of `sum` and rounds them into `out`.
  void Process(const float* sum, int16_t* out, int frames);
  // Back to unity gain, as after a long silence.
  void Reset() { gain_ = 1.0f; }

 private:
  float gain_ = 1.0f;
};

}  // namespace plat::mixer
