// Pictures and pixel reads for the boss tests, which call the boss operations
// between frames of a running stage, on the open back surface.
#pragma once
#include <cstdint>

#include "engine/draw/ko_draw.h"
#include "tests/game/player_fixture.h"

// A strip of `cells` cells of w x h laid out across (or down, when `stacked`),
// cell c filled with colour base + c.
inline int ColourStrip(int cells, int w, int h, uint16_t base, bool stacked = false) {
  const int n = koDraw::CreateObject(stacked ? w : w * cells, stacked ? h * cells : h, 1);
  Surface* s = koDraw::ObjectSurface(n);
  for (int y = 0; y < s->height; ++y)
    for (int x = 0; x < s->width; ++x)
      s->Row(y)[x] = static_cast<uint16_t>(base + (stacked ? y / h : x / w));
  return n;
}

inline uint16_t BackPixel(int x, int y) { return gBackSurface->Row(y)[x]; }

inline int CountBackPixels(uint16_t colour) {
  int n = 0;
  for (int y = 0; y < gBackSurface->height; ++y)
    for (int x = 0; x < gBackSurface->width; ++x) n += gBackSurface->Row(y)[x] == colour;
  return n;
}
