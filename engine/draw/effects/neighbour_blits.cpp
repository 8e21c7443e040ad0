// Blits whose written pixel depends on the picture's neighbouring pixels: the
// soft outline and the block blur.
#include <cstdint>

#include "engine/draw/draw_internal.h"
#include "engine/draw/effects/neighbour_channels.h"
#include "engine/draw/ko_draw.h"

namespace koDraw {

int BlitSoftEdge(int x, int y, int object, int left, int top, int right, int bottom) {
  const Surface* src = ObjectSurface(object);
  Surface* dst = gBackSurface.get();
  if (!src || !dst) return 0;
  detail::Span s;
  if (!detail::ClipBlit(x, y, left, top, right, bottom, *src, *dst, s)) return 1;
  const int w = s.width, h = s.height;
  for (int j = 0; j < h; ++j) {
    const uint16_t* p = src->Row(s.top + j) + s.left;
    uint16_t* d = dst->Row(s.y + j) + s.x;
    for (int i = 0; i < w; ++i) {
      if (p[i] == 0) continue;
      detail::ChannelSum sum;
      sum.Add(p[i]);
      // Only transparent neighbours are read from the back surface, and those
      // places are never written, so every read sees the background as it was.
      if (i > 0 && p[i - 1] == 0) sum.Add(d[i - 1]);
      if (i < w - 1 && p[i + 1] == 0) sum.Add(d[i + 1]);
      if (j > 0 && src->Row(s.top + j - 1)[s.left + i] == 0)
        sum.Add(dst->Row(s.y + j - 1)[s.x + i]);
      if (j < h - 1 && src->Row(s.top + j + 1)[s.left + i] == 0)
        sum.Add(dst->Row(s.y + j + 1)[s.x + i]);
      d[i] = sum.count > 1 ? sum.Average() : p[i];
    }
  }
  return 1;
}

int BlitBlur(int x, int y, int size, int object, int left, int top, int right, int bottom) {
  const Surface* src = ObjectSurface(object);
  Surface* dst = gBackSurface.get();
  if (!src || !dst) return 0;
  detail::Span s;
  if (!detail::ClipBlit(x, y, left, top, right, bottom, *src, *dst, s)) return 1;
  // A block must fit inside the drawn rectangle; without one there is no average.
  if (size < 1 || size > s.width || size > s.height) return 1;
  const int n = size;
  for (int j = 0; j < s.height; ++j) {
    const uint16_t* p = src->Row(s.top + j) + s.left;
    uint16_t* d = dst->Row(s.y + j) + s.x;
    const int by = s.top + (j + n > s.height ? s.height - n : j);
    for (int i = 0; i < s.width; ++i) {
      if (p[i] == 0) continue;
      const int bx = s.left + (i + n > s.width ? s.width - n : i);
      detail::ChannelSum sum;
      for (int r = 0; r < n; ++r) {
        const uint16_t* b = src->Row(by + r) + bx;
        for (int c = 0; c < n; ++c) sum.Add(b[c]);
      }
      // The common 2 x 2 smoothing divides by a shift.
      d[i] = n == 2 ? sum.Shifted(2) : sum.Average();
    }
  }
  return 1;
}

}  // namespace koDraw
