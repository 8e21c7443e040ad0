// A blit that uses the picture's red channel to pull back-surface pixels up.
#include <algorithm>
#include <cmath>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"

namespace koDraw {

int BlitRefract(int x, int y, float level, int object, int left, int top, int right, int bottom) {
  Surface* dst = gBackSurface.get();
  const Surface* src = ObjectSurface(object);
  if (!dst || !src) return 0;
  detail::Span s;
  if (!detail::ClipBlit(x, y, left, top, right, bottom, *src, *dst, s)) return 1;
  // Level 1 lets red 31 lift 31 rows, level 0 lifts nothing; outside 0..1 it is held at the ends.
  const float a = 31.0f - level * 31.0f;
  const int lift = std::isnan(a) ? 31 : static_cast<int>(std::clamp(a, 0.0f, 31.0f));
  for (int r = 0; r < s.height; ++r) {
    const uint16_t* p = src->Row(s.top + r) + s.left;
    uint16_t* out = dst->Row(s.y + r) + s.x;
    for (int c = 0; c < s.width; ++c) {
      if (p[c] == 0) continue;
      int d = std::max(0, gRgbSplitTable[p[c]][0] - lift);
      if (s.height - r <= d) d = 0;  // the source row would leave the rectangle
      // Rows below are still unchanged, so this reads the surface as it was.
      out[c] = dst->Row(s.y + r + d)[s.x + c];
    }
  }
  return 1;
}

}  // namespace koDraw
