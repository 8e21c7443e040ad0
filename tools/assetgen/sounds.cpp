#include "tools/assetgen/sounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/rng.h"

namespace assetgen {
namespace {

constexpr float kTwoPi = 2 * std::numbers::pi_v<float>;

// Scales to the peak level and converts; the last few milliseconds fade to exact silence so a
// voice that ends (or is restarted) never clicks.
std::vector<int16_t> Finish(std::vector<float> wave) {
  const size_t fade = kSampleRate / 200;
  for (size_t i = 0; i < fade && i < wave.size(); ++i)
    wave[wave.size() - 1 - i] *= static_cast<float>(i) / fade;
  float peak = 0;
  for (float v : wave) peak = std::max(peak, std::fabs(v));
  std::vector<int16_t> out;
  out.reserve(wave.size());
  for (float v : wave)
    out.push_back(static_cast<int16_t>(std::lround(v / peak * kPeakLevel * 32767)));
  return out;
}

}  // namespace

std::vector<int16_t> SynthShot() {
  const int n = kSampleRate * 90 / 1000;
  Rng rng(0x5407);
  std::vector<float> wave(n);
  float phase = 0, low = 0;
  for (int i = 0; i < n; ++i) {
    const float t = static_cast<float>(i) / kSampleRate;
    const float freq = 450 + 1500 * std::exp(-t * 38);
    phase += freq / kSampleRate;
    phase -= std::floor(phase);
    // Square blended with its octave-down triangle: bright but not harsh.
    const float square = phase < 0.5f ? 1.f : -1.f;
    const float tri = 1 - 4 * std::fabs(phase - 0.5f);
    const float noise = rng.Range(-1, 1);
    low += 0.35f * (noise - low);
    const float click = low * std::exp(-t * 400);
    const float env = std::min(1.f, t * 2000) * std::exp(-t * 32);
    wave[i] = env * (0.55f * square + 0.35f * tri) + 0.8f * click;
  }
  return Finish(std::move(wave));
}

std::vector<int16_t> SynthExplosion() {
  const int n = kSampleRate * 500 / 1000;
  Rng rng(0xB0B);
  std::vector<float> wave(n);
  float low = 0, band = 0, phase = 0;
  for (int i = 0; i < n; ++i) {
    const float t = static_cast<float>(i) / kSampleRate;
    const float noise = rng.Range(-1, 1);
    // The crack starts bright and darkens: the low-pass opens less as time goes on.
    const float cutoff = 0.08f + 0.6f * std::exp(-t * 25);
    low += cutoff * (noise - low);
    band += 0.02f * (low - band);
    const float freq = 35 + 85 * std::exp(-t * 14);
    phase += freq / kSampleRate;
    const float thump = std::sin(kTwoPi * phase) * std::exp(-t * 14);
    const float attack = std::min(1.f, t * 500);
    const float crack = low * std::exp(-t * 30);
    const float rumble = band * 3.5f * std::exp(-t * 7);
    wave[i] = attack * (0.9f * crack + 0.8f * thump + rumble);
  }
  return Finish(std::move(wave));
}

}  // namespace assetgen
