// Smooth value noise for clouds, fire and rock textures.
#pragma once

#include <cstdint>

namespace assetgen {

// Lattice value noise in 0..1. A period of n > 0 wraps that axis every n lattice cells, which
// makes a tiling texture (x) or a looping animation (z); 0 means no wrap.
float ValueNoise(float x, float y, float z, uint32_t seed, int period_x = 0, int period_z = 0);

// Sum of octaves of ValueNoise, each at twice the frequency and half the weight; normalised to
// 0..1. Periods double with each octave, so wrapping survives.
float Fbm(float x, float y, float z, uint32_t seed, int octaves, int period_x = 0,
          int period_z = 0);

}  // namespace assetgen
