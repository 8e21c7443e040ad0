// The two sound effects, synthesised: a short sharp shot and an explosion burst.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 22050;
// Peak level of both effects: half of full scale (-6 dBFS), leaving room for many voices.
constexpr float kPeakLevel = 0.5f;

// About 90 ms: a falling laser chirp with a click on its attack.
std::vector<int16_t> SynthShot();
// About 500 ms: a noise crack and a low thump, most of the energy in the first 80 ms.
std::vector<int16_t> SynthExplosion();

}  // namespace assetgen
