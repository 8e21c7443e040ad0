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

// A size x size area of the back surface with its top-left corner at (x, y).
struct Box {
  int x, y, size;
  bool Holds(int px, int py) const { return px >= x && px < x + size && py >= y && py < y + size; }
};

// Place k of a grid of 40-pixel cells laid row by row over the 640-pixel-wide
// screen: rows 0 to 9 give up to 160 kinds a place of their own.
inline Box KindPlace(int k, int size) { return {40 * (k % 16), 40 * (k / 16), size}; }
// A place below every kind's, in the grid's last row.
inline Box IdlePlace(int size) { return {300, 440, size}; }

// Clears the back surface, runs `draw` and expects it to have drawn inside
// each of `boxes` and nowhere else.
template <typename Draw>
void ExpectDrawnOnlyInside(Draw draw, const std::vector<Box>& boxes) {
  std::fill(gBackSurface->pixels.begin(), gBackSurface->pixels.end(), uint16_t{0});
  draw();
  std::vector<int> inside(boxes.size());
  int stray = 0, strayX = 0, strayY = 0;
  for (int y = 0; y < gBackSurface->height; ++y)
    for (int x = 0; x < gBackSurface->width; ++x) {
      if (BackPixel(x, y) == 0) continue;
      const auto box = std::ranges::find_if(boxes, [&](const Box& b) { return b.Holds(x, y); });
      if (box != boxes.end()) {
        ++inside[box - boxes.begin()];
      } else if (stray++ == 0) {
        strayX = x, strayY = y;
      }
    }
  for (size_t b = 0; b < boxes.size(); ++b)
    EXPECT_GT(inside[b], 0) << "nothing drawn at (" << boxes[b].x << ", " << boxes[b].y << ")";
  EXPECT_EQ(stray, 0) << "drawn outside, first at (" << strayX << ", " << strayY << ")";
}

template <typename Draw>
void ExpectDrawnOnlyInside(Draw draw, int x, int y, int size) {
  ExpectDrawnOnlyInside(draw, {Box{x, y, size}});
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
