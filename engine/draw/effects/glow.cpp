// A picture blit whose lit pixels spill fading light in chosen directions.
#include <algorithm>

#include "engine/draw/draw_internal.h"
#include "engine/draw/effects/channel_fx.h"
#include "engine/draw/ko_draw.h"

int32_t gGlowRandomPos = 0;

namespace koDraw {
namespace {

// One ray: at step k its target is dx * k columns and dy * (k + 1) rows away.
struct Ray {
  int bit, dx, dy;
};
constexpr Ray kRays[8] = {{0x40, 0, -1}, {0x20, -1, -1}, {0x80, 1, -1}, {0x02, 0, 1},
                          {0x01, -1, 1}, {0x04, 1, 1},   {0x08, -1, 0}, {0x10, 1, 0}};

// A 5-bit channel value shifted down; shifts past the value's width leave 0.
int Level(int v, int shift) { return shift >= 0 && shift < 5 ? v >> shift : 0; }

int NextGlowRandom() {
  if (gGlowRandomPos < 0 || gGlowRandomPos >= fx::kRandomTableSize) gGlowRandomPos = 0;
  const int t = gMeltRandomTable[gGlowRandomPos];
  if (++gGlowRandomPos >= fx::kRandomTableSize) gGlowRandomPos = 0;
  return t;
}

// Adds the levels to a pixel, each channel at most 31.
void AddLight(uint16_t& q, int r, int g, int b) {
  const uint8_t* d = gRgbSplitTable[q];
  const auto& add = gAdditiveTable;
  q = static_cast<uint16_t>(add[0][0][r][d[0]] | add[1][0][g][d[1]] | add[2][0][b][d[2]]);
}

}  // namespace

int BlitGlow(int x, int y, int redShift, int greenShift, int blueShift, int directions, int copy,
             int object, int left, int top, int right, int bottom) {
  Surface* dst = gBackSurface.get();
  const Surface* src = ObjectSurface(object);
  if (!dst || !src) return 0;
  detail::Span s;
  if (!detail::ClipBlit(x, y, left, top, right, bottom, *src, *dst, s)) return 1;
  Ray rays[8];
  int rayCount = 0;
  for (const Ray& ray : kRays)
    if (directions & ray.bit) rays[rayCount++] = ray;
  // Light stays inside the clip rectangle and the surface.
  const int minX = std::max(gClipRect.left, 0), maxX = std::min(gClipRect.right, dst->width);
  const int minY = std::max(gClipRect.top, 0), maxY = std::min(gClipRect.bottom, dst->height);

  for (int r = 0; r < s.height; ++r)
    for (int c = 0; c < s.width; ++c) {
      const uint16_t p = src->Row(s.top + r)[s.left + c];
      if (p == 0) continue;
      const int px = s.x + c, py = s.y + r;
      if (copy) dst->Row(py)[px] = p;
      const uint8_t* v = gRgbSplitTable[p];
      const int t = NextGlowRandom();
      int lr = std::max(0, Level(v[0], redShift) - t);
      int lg = std::max(0, Level(v[1], greenShift) - t);
      int lb = std::max(0, Level(v[2], blueShift) - t);
      for (int k = 0; k < 31; ++k) {
        lr -= lr > 0, lg -= lg > 0, lb -= lb > 0;
        if (lr == 0 && lg == 0 && lb == 0) break;
        for (int i = 0; i < rayCount; ++i) {
          const int tx = px + rays[i].dx * k, ty = py + rays[i].dy * (k + 1);
          if (tx >= minX && tx < maxX && ty >= minY && ty < maxY)
            AddLight(dst->Row(ty)[tx], lr, lg, lb);
        }
      }
    }
  return 1;
}

}  // namespace koDraw
