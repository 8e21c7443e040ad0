// Helpers of the edge-stretch, refraction and glow blits and the screen-area
// effects: 5-bit channel packing, the running positions in gMeltRandomTable
// and the cut of a screen area to the back surface.
#pragma once
#include <algorithm>
#include <cstdint>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"

namespace koDraw::fx {

constexpr int kRandomTableSize = 10000;

// A pixel built from three 5-bit channel values; a 6-bit channel gets them in
// its top bits.
inline uint16_t Pack(int r, int g, int b) {
  const PixelFormat& f = gPixelFormat;
  return static_cast<uint16_t>(r << f.red.place | g << f.green.place | b << f.blue.place);
}

// The entry of gMeltRandomTable at `pos`, and the step to the next one: a
// position that runs off the end restarts at a random place in the first thousand.
inline int RandomAt(int32_t& pos) {
  if (pos < 0 || pos >= kRandomTableSize) pos = koSystem::Rand() % 1000;
  return gMeltRandomTable[pos];
}
inline void AdvanceRandom(int32_t& pos) {
  if (++pos >= kRandomTableSize || pos < 0) pos = koSystem::Rand() % 1000;
}

// Per channel the four 5-bit values added and divided by four.
inline uint16_t Average(uint16_t a, uint16_t b, uint16_t c, uint16_t d) {
  const uint8_t *pa = gRgbSplitTable[a], *pb = gRgbSplitTable[b], *pc = gRgbSplitTable[c],
                *pd = gRgbSplitTable[d];
  return Pack((pa[0] + pb[0] + pc[0] + pd[0]) >> 2, (pa[1] + pb[1] + pc[1] + pd[1]) >> 2,
              (pa[2] + pb[2] + pc[2] + pd[2]) >> 2);
}

// Lowers by one each channel whose fade flag is set, unless it is 0.
struct Fade {
  bool red, green, blue;
  bool Any() const { return red || green || blue; }
};
inline uint16_t Darken(uint16_t p, Fade f) {
  const uint8_t* v = gRgbSplitTable[p];
  return Pack(v[0] - (f.red && v[0] > 0), v[1] - (f.green && v[1] > 0),
              v[2] - (f.blue && v[2] > 0));
}

// A screen area cut to the surface; `below` rows under it must exist too
// (they are read, never written).
struct Area {
  int x, y, width, height;
};
inline bool CutArea(const Surface& s, int x, int y, int width, int height, int below, Area& out) {
  int64_t l = std::max<int64_t>(x, 0), t = std::max<int64_t>(y, 0);
  int64_t r = std::min<int64_t>(int64_t{x} + width, s.width);
  int64_t b = std::min<int64_t>(int64_t{y} + height, s.height - below);
  if (r <= l || b <= t) return false;
  out = {static_cast<int>(l), static_cast<int>(t), static_cast<int>(r - l),
         static_cast<int>(b - t)};
  return true;
}

}  // namespace koDraw::fx
