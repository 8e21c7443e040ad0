// The frame the pixel-level effect blits share: clip to gClipRect like a
// keyed blit, take the picture and the back surface, walk the rectangle row
// by row and hand each row to the blit's rule. Source value 0 is transparent.
#pragma once
#include <algorithm>
#include <cstdint>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"

namespace koDraw::detail {

// Calls rule(src, dst, n, column, row) for every row of the rectangle that
// lies on both surfaces; column and row count from 0 at the first pixel
// left after the gClipRect clip. 1 when drawn or nothing to draw, 0 when a
// surface is missing (the picture or the back surface cannot be taken).
template <typename RowRule>
int LockedBlit(int x, int y, int object, int left, int top, int right, int bottom, RowRule&& rule) {
  int64_t X = x, Y = y, L = left, T = top, W = int64_t{right} - left, H = int64_t{bottom} - top;
  if (!ClipToClipRect(X, Y, L, T, W, H)) return 1;
  Surface* dst = gBackSurface.get();
  const Surface* src = ObjectSurface(object);
  if (!src || !dst) return 0;
  Span s;
  if (!CutToSurfaces(X, Y, L, T, W, H, *src, *dst, s)) return 1;
  for (int j = 0; j < s.height; ++j)
    rule(src->Row(s.top + j) + s.left, dst->Row(s.y + j) + s.x, s.width, s.x - X, s.y + j - Y);
  return 1;
}

// The frame for a rule of one source pixel (not 0) and the pixel under it.
template <typename PixelRule>
int PixelBlit(int x, int y, int object, int left, int top, int right, int bottom,
              PixelRule&& rule) {
  return LockedBlit(x, y, object, left, top, right, bottom,
                    [&rule](const uint16_t* s, uint16_t* d, int n, int64_t, int64_t) {
                      for (int i = 0; i < n; ++i)
                        if (s[i] != 0) d[i] = rule(s[i], d[i]);
                    });
}

// The gradient blits step their weights once every `every` columns (rows)
// beyond `start`: the number of steps taken by column (row) i, at most `most`.
inline int64_t GradientSteps(int64_t i, uint16_t start, int every, int64_t most) {
  if (i <= start) return 0;
  return std::min(most, (i - start) / std::max(every, 1));
}

}  // namespace koDraw::detail
