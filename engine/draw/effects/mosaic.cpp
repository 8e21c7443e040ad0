// A round mosaic: square blocks of one colour inside a disc.
#include <algorithm>

#include "engine/draw/ko_draw.h"

namespace koDraw {

int MosaicCircle(int x, int y, int radius, int step) {
  Surface* s = gBackSurface.get();
  if (!s) return 0;
  if (step < 1 || radius < 1) return 1;
  const int64_t W = std::min(gScreenWidth, s->width), H = std::min(gScreenHeight, s->height);
  const int64_t X = x, Y = y, R = radius;
  // The square round the centre, as offsets from it, cut to the screen.
  const int64_t left = X - R < 0 ? -X : -R, top = Y - R < 0 ? -Y : -R;
  const int64_t right = X + R >= W ? W - X : R, bottom = Y + R >= H ? H - Y : R;
  for (int64_t by = top; by < bottom; by += step) {
    const int64_t bh = Y + by + step >= H ? H - (Y + by) : step;
    for (int64_t bx = left; bx < right; bx += step) {
      const int64_t bw = X + bx + step >= W ? W - (X + bx) : step;
      const uint16_t colour = s->Row(static_cast<int>(Y + by))[X + bx];
      // trunc(sqrt(d)) < R is d < R * R for whole numbers.
      for (int64_t j = by; j < by + bh; ++j) {
        uint16_t* row = s->Row(static_cast<int>(Y + j));
        for (int64_t i = bx; i < bx + bw; ++i)
          if (i * i + j * j < R * R) row[X + i] = colour;
      }
    }
  }
  return 1;
}

}  // namespace koDraw
