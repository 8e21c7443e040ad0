#include "tools/assetgen/noise.h"

#include <cmath>

namespace assetgen {
namespace {

int Wrap(int i, int period) {
  if (period <= 0) return i;
  const int m = i % period;
  return m < 0 ? m + period : m;
}

float Lattice(int x, int y, int z, uint32_t seed) {
  uint32_t h = seed * 0x9E3779B1u;
  h ^= static_cast<uint32_t>(x) * 0x85EBCA77u;
  h = (h ^ (h >> 15)) * 0xC2B2AE3Du;
  h ^= static_cast<uint32_t>(y) * 0x27D4EB2Fu;
  h = (h ^ (h >> 13)) * 0x165667B1u;
  h ^= static_cast<uint32_t>(z) * 0x61C88647u;
  h = (h ^ (h >> 16)) * 0x85EBCA6Bu;
  h ^= h >> 13;
  return static_cast<float>(h & 0xFFFFFF) / static_cast<float>(0xFFFFFF);
}

float Smooth(float t) { return t * t * (3 - 2 * t); }
float Lerp(float a, float b, float t) { return a + (b - a) * t; }

}  // namespace

float ValueNoise(float x, float y, float z, uint32_t seed, int period_x, int period_z) {
  const float fx = std::floor(x), fy = std::floor(y), fz = std::floor(z);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy), iz = static_cast<int>(fz);
  const float tx = Smooth(x - fx), ty = Smooth(y - fy), tz = Smooth(z - fz);
  const int x0 = Wrap(ix, period_x), x1 = Wrap(ix + 1, period_x);
  const int z0 = Wrap(iz, period_z), z1 = Wrap(iz + 1, period_z);
  auto plane = [&](int zi) {
    const float a = Lerp(Lattice(x0, iy, zi, seed), Lattice(x1, iy, zi, seed), tx);
    const float b = Lerp(Lattice(x0, iy + 1, zi, seed), Lattice(x1, iy + 1, zi, seed), tx);
    return Lerp(a, b, ty);
  };
  return Lerp(plane(z0), plane(z1), tz);
}

float Fbm(float x, float y, float z, uint32_t seed, int octaves, int period_x, int period_z) {
  float sum = 0, weight = 1, total = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += weight * ValueNoise(x, y, z, seed + 101u * o, period_x, period_z);
    total += weight;
    weight *= 0.5f;
    x *= 2, y *= 2, z *= 2;
    period_x *= 2, period_z *= 2;
  }
  return sum / total;
}

}  // namespace assetgen
