// Colours as floating-point channels on the 0..255 scale, so art constants read like RGB bytes.
#pragma once

#include <algorithm>

namespace assetgen {

struct Color {
  float r = 0, g = 0, b = 0;
};

inline Color operator+(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Color operator*(Color a, float k) { return {a.r * k, a.g * k, a.b * k}; }
inline Color Mix(Color a, Color b, float t) { return a * (1 - t) + b * t; }
inline Color Clamped(Color c) {
  return {std::clamp(c.r, 0.f, 255.f), std::clamp(c.g, 0.f, 255.f), std::clamp(c.b, 0.f, 255.f)};
}

// Piecewise-linear colour ramp over stops at evenly spaced positions 0..1.
template <size_t N>
Color Ramp(const Color (&stops)[N], float t) {
  t = std::clamp(t, 0.f, 1.f) * (N - 1);
  const size_t i = std::min(static_cast<size_t>(t), N - 2);
  return Mix(stops[i], stops[i + 1], t - i);
}

constexpr Color kWhite{255, 255, 255};

}  // namespace assetgen
