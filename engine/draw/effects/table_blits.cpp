// Blits that compute each pixel through the blend tables instead of
// arithmetic: fades at 32 levels (flat, per channel, stepping across the
// rectangle), a shadow, darkened copies and a grey copy.
#include <algorithm>

#include "engine/draw/effects/channel_blit_frame.h"

namespace koDraw {
namespace {

using Levels = int[3];

// A caller's level 0..31 (held there) as a table level: larger shows more source.
int TableLevel(int level) { return 31 - std::clamp(level, 0, 31); }

uint16_t Fade(uint16_t s, uint16_t d, const Levels& L) {
  const uint8_t* ps = gRgbSplitTable[s];
  const uint8_t* pd = gRgbSplitTable[d];
  const auto& t = gCrossfadeTable;
  return static_cast<uint16_t>(t[0][L[0]][ps[0]][pd[0]] | t[1][L[1]][ps[1]][pd[1]] |
                               t[2][L[2]][ps[2]][pd[2]]);
}

int FadeBlit(int x, int y, const Levels& level, int object, int left, int top, int right,
             int bottom) {
  const Levels L = {TableLevel(level[0]), TableLevel(level[1]), TableLevel(level[2])};
  return detail::PixelBlit(x, y, object, left, top, right, bottom,
                           [&L](uint16_t s, uint16_t d) { return Fade(s, d, L); });
}

int DarkenBlit(int x, int y, const Levels& level, int object, int left, int top, int right,
               int bottom) {
  const Levels k = {TableLevel(level[0]), TableLevel(level[1]), TableLevel(level[2])};
  return detail::PixelBlit(x, y, object, left, top, right, bottom, [&k](uint16_t s, uint16_t) {
    const uint8_t* ps = gRgbSplitTable[s];
    const auto& t = gSubtractiveTable;
    return static_cast<uint16_t>(t[0][ps[0]][k[0]] | t[1][ps[1]][k[1]] | t[2][ps[2]][k[2]]);
  });
}

}  // namespace

int BlitFade(int x, int y, int level, int object, int left, int top, int right, int bottom) {
  return FadeBlit(x, y, {level, level, level}, object, left, top, right, bottom);
}

int BlitFadeRGB(int x, int y, int levelRed, int levelGreen, int levelBlue, int object, int left,
                int top, int right, int bottom) {
  return FadeBlit(x, y, {levelRed, levelGreen, levelBlue}, object, left, top, right, bottom);
}

int BlitFadeGradient(int x, int y, int levelRed, int levelGreen, int levelBlue, int vertical,
                     uint16_t start, int every, int object, int left, int top, int right,
                     int bottom) {
  // Each step lowers the table levels by one, down to 0 (the source alone).
  const Levels L0 = {TableLevel(levelRed), TableLevel(levelGreen), TableLevel(levelBlue)};
  return detail::LockedBlit(
      x, y, object, left, top, right, bottom,
      [&](const uint16_t* s, uint16_t* d, int n, int64_t column, int64_t row) {
        for (int i = 0; i < n; ++i) {
          if (s[i] == 0) continue;
          const int steps = static_cast<int>(
              detail::GradientSteps(vertical ? row : column + i, start, every, 31));
          const Levels L = {std::max(0, L0[0] - steps), std::max(0, L0[1] - steps),
                            std::max(0, L0[2] - steps)};
          d[i] = Fade(s[i], d[i], L);
        }
      });
}

int BlitShadow(int x, int y, int object, int left, int top, int right, int bottom) {
  // The source's red value is taken from every channel of the background.
  return detail::PixelBlit(x, y, object, left, top, right, bottom, [](uint16_t s, uint16_t d) {
    const uint8_t r = gRgbSplitTable[s][0];
    const uint8_t* pd = gRgbSplitTable[d];
    const auto& t = gSubtractiveTable;
    return static_cast<uint16_t>(t[0][pd[0]][r] | t[1][pd[1]][r] | t[2][pd[2]][r]);
  });
}

int BlitDarken(int x, int y, int level, int object, int left, int top, int right, int bottom) {
  return DarkenBlit(x, y, {level, level, level}, object, left, top, right, bottom);
}

int BlitDarkenRGB(int x, int y, int levelRed, int levelGreen, int levelBlue, int object, int left,
                  int top, int right, int bottom) {
  return DarkenBlit(x, y, {levelRed, levelGreen, levelBlue}, object, left, top, right, bottom);
}

int BlitGrey(int x, int y, int object, int left, int top, int right, int bottom) {
  return detail::PixelBlit(x, y, object, left, top, right, bottom, [](uint16_t s, uint16_t) {
    const uint8_t* ps = gRgbSplitTable[s];
    const uint32_t g = gGreyTable[ps[0] + ps[1] + ps[2]];
    const PixelFormat& f = gPixelFormat;
    return static_cast<uint16_t>(g << f.red.place | g << f.green.place | g << f.blue.place);
  });
}

}  // namespace koDraw
