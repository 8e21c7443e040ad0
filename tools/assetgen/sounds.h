// The two sound effects, synthesised: a short sharp shot and an explosion burst.
#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

constexpr int kSampleRate = 22050;
// Peak level of both effects: a quarter of full scale (-12 dBFS), so that one of them over the
// loudest song stays below the mixer's limiter and several at once seldom reach it.
constexpr float kPeakLevel = 0.25f;

// About 90 ms: a falling laser chirp with a click on its attack.
std::vector<int16_t> SynthShot();
// About 500 ms: a noise crack and a low thump, most of the energy in the first 80 ms.
std::vector<int16_t> SynthExplosion();

}  // namespace assetgen
