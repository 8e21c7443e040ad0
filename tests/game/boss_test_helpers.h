// Pictures and pixel reads for the boss tests, which call the boss operations
// between frames of a running stage, on the open back surface.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

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

// Clears the back surface, runs `draw` and expects it to have drawn inside the
// size x size box at (x, y) and nowhere else.
template <typename Draw>
void ExpectDrawnOnlyInside(Draw draw, int x, int y, int size) {
  std::fill(gBackSurface->pixels.begin(), gBackSurface->pixels.end(), uint16_t{0});
  draw();
  int inside = 0;
  for (int row = y; row < y + size; ++row)
    for (int col = x; col < x + size; ++col) inside += BackPixel(col, row) != 0;
  EXPECT_GT(inside, 0);
  EXPECT_EQ(CountBackPixels(0), gBackSurface->width * gBackSurface->height - inside);
}

// Picture object 0, which some kinds draw, painted for the guard's life.
class PaintedObjectZero {
 public:
  static constexpr uint16_t kColour = 0x1234;
  PaintedObjectZero() : kept_(koDraw::ObjectSurface(0)->pixels) {
    std::vector<uint16_t>& pixels = koDraw::ObjectSurface(0)->pixels;
    std::fill(pixels.begin(), pixels.end(), kColour);
  }
  ~PaintedObjectZero() { koDraw::ObjectSurface(0)->pixels = kept_; }
  PaintedObjectZero(const PaintedObjectZero&) = delete;
  PaintedObjectZero& operator=(const PaintedObjectZero&) = delete;

 private:
  std::vector<uint16_t> kept_;
};
