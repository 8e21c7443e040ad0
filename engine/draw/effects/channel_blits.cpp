// Blits that compute each pixel from the source's colour channels with float
// arithmetic: alpha blends (flat or stepping across the rectangle),
// brightness scales and a channel filter.
#include <algorithm>
#include <cmath>

#include "engine/draw/effects/channel_blit_frame.h"

namespace koDraw {
namespace {

using Weights = float[3];

const PixelChannel& Channel(int c) {
  const PixelChannel* channels[3] = {&gPixelFormat.red, &gPixelFormat.green, &gPixelFormat.blue};
  return *channels[c];
}

uint32_t Value(uint16_t p, int c) { return (p >> Channel(c).shift) & Channel(c).max; }

// Weights and factors are held from 0 to 1 (not a number: 0), so a channel
// never runs past its range into its neighbour.
float Hold(float v) { return std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 1.0f); }

// Per channel trunc(d x dw + s x sw).
uint16_t Mix(uint16_t s, uint16_t d, const Weights& dw, const Weights& sw) {
  uint32_t out = 0;
  for (int c = 0; c < 3; ++c) {
    const float v =
        static_cast<float>(Value(d, c)) * dw[c] + static_cast<float>(Value(s, c)) * sw[c];
    out |= static_cast<uint32_t>(v) << Channel(c).shift;
  }
  return static_cast<uint16_t>(out);
}

int AlphaBlit(int x, int y, const Weights& alpha, int object, int left, int top, int right,
              int bottom) {
  Weights sw, dw;
  for (int c = 0; c < 3; ++c) {
    sw[c] = Hold(alpha[c]);
    dw[c] = 1.0f - sw[c];
  }
  return detail::PixelBlit(x, y, object, left, top, right, bottom,
                           [&](uint16_t s, uint16_t d) { return Mix(s, d, dw, sw); });
}

int ScaleBlit(int x, int y, const Weights& factor, int object, int left, int top, int right,
              int bottom) {
  Weights f, none = {0.0f, 0.0f, 0.0f};
  for (int c = 0; c < 3; ++c) f[c] = Hold(factor[c]);
  return detail::PixelBlit(x, y, object, left, top, right, bottom,
                           [&](uint16_t s, uint16_t) { return Mix(s, 0, none, f); });
}

}  // namespace

int BlitAlpha(int x, int y, float alpha, int object, int left, int top, int right, int bottom) {
  return AlphaBlit(x, y, {alpha, alpha, alpha}, object, left, top, right, bottom);
}

int BlitAlphaRGB(int x, int y, float alphaRed, float alphaGreen, float alphaBlue, int object,
                 int left, int top, int right, int bottom) {
  return AlphaBlit(x, y, {alphaRed, alphaGreen, alphaBlue}, object, left, top, right, bottom);
}

int BlitAlphaGradient(int x, int y, float alphaRed, float alphaGreen, float alphaBlue, int vertical,
                      uint16_t start, int every, int object, int left, int top, int right,
                      int bottom) {
  // The background's weights fall by 1/32 per step, floored at 0: 32 steps cover fully.
  const Weights q0 = {1.0f - Hold(alphaRed), 1.0f - Hold(alphaGreen), 1.0f - Hold(alphaBlue)};
  return detail::LockedBlit(
      x, y, object, left, top, right, bottom,
      [&](const uint16_t* s, uint16_t* d, int n, int64_t column, int64_t row) {
        for (int i = 0; i < n; ++i) {
          if (s[i] == 0) continue;
          const int64_t steps =
              detail::GradientSteps(vertical ? row : column + i, start, every, 32);
          Weights dw, sw;
          for (int c = 0; c < 3; ++c) {
            dw[c] = std::max(0.0f, q0[c] - static_cast<float>(steps) * 0.03125f);
            sw[c] = 1.0f - dw[c];
          }
          d[i] = Mix(s[i], d[i], dw, sw);
        }
      });
}

int BlitBrightness(int x, int y, float factor, int object, int left, int top, int right,
                   int bottom) {
  return ScaleBlit(x, y, {factor, factor, factor}, object, left, top, right, bottom);
}

int BlitBrightnessRGB(int x, int y, float factorRed, float factorGreen, float factorBlue,
                      int object, int left, int top, int right, int bottom) {
  return ScaleBlit(x, y, {factorRed, factorGreen, factorBlue}, object, left, top, right, bottom);
}

int BlitMaskChannels(int x, int y, int keepRed, int keepGreen, int keepBlue, int object, int left,
                     int top, int right, int bottom) {
  const uint16_t keep = static_cast<uint16_t>((keepRed ? gPixelFormat.red.mask : 0) |
                                              (keepGreen ? gPixelFormat.green.mask : 0) |
                                              (keepBlue ? gPixelFormat.blue.mask : 0));
  return detail::PixelBlit(x, y, object, left, top, right, bottom, [keep](uint16_t s, uint16_t) {
    return static_cast<uint16_t>(s & keep);
  });
}

}  // namespace koDraw
