// A peak limiter without look-ahead: the gain follows threshold / peak of each
// stereo frame (both channels alike, so the image does not shift) through a
// one-pole smoother, quick to fall and slow to recover. The soft knee is a
// tanh curve from the threshold to the ceiling, matching the straight line
// in value and slope where it starts.
#include "platform/limiter.h"

#include <algorithm>
#include <cmath>

#include "platform/audio.h"

namespace plat::mixer {
namespace {

// Poles of the gain smoother: 0.2 ms to fall, 80 ms to recover.
const float kAttackPole = static_cast<float>(std::exp(-1.0 / (0.0002 * kMixRate)));
const float kReleasePole = static_cast<float>(std::exp(-1.0 / (0.080 * kMixRate)));
// A recovering gain this close to 1 (-0.001 dB) snaps to exactly 1, so that
// a quiet mix after a loud one passes bit for bit again.
constexpr float kUnitySnap = 0.99988f;
constexpr float kKneeRange = kLimitCeiling - kLimitThreshold;

float SoftKnee(float x) {
  const float a = std::fabs(x);
  if (a <= kLimitThreshold) return x;
  return std::copysign(kLimitThreshold + kKneeRange * std::tanh((a - kLimitThreshold) / kKneeRange),
                       x);
}

}  // namespace

void Limiter::Process(const float* sum, int16_t* out, int frames) {
  for (int i = 0; i < 2 * frames; i += 2) {
    const float peak = std::max(std::fabs(sum[i]), std::fabs(sum[i + 1]));
    const float target = peak > kLimitThreshold ? kLimitThreshold / peak : 1.0f;
    if (target < gain_) {
      gain_ = target + (gain_ - target) * kAttackPole;
    } else if (gain_ < 1.0f) {
      gain_ = target + (gain_ - target) * kReleasePole;
      if (gain_ > kUnitySnap) gain_ = 1.0f;
    }
    out[i] = static_cast<int16_t>(std::lrint(SoftKnee(sum[i] * gain_)));
    out[i + 1] = static_cast<int16_t>(std::lrint(SoftKnee(sum[i + 1] * gain_)));
  }
}

}  // namespace plat::mixer
