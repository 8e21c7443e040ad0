// The ripple blit: a grid of picture samples pushed down by a cosine of their
// distance from the centre, then sheared and scaled.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"

namespace koDraw {
namespace {

// The whole-pixel offset of a sample; false when it has none as an int32.
bool Truncate(float v, int64_t& out) {
  if (!(std::fabs(v) < 2147483648.0f)) return false;
  out = static_cast<int64_t>(v);
  return true;
}

// The first grid index at or after `from`, for a grid of `step` from 0.
int64_t GridStart(int64_t from, int step) {
  return from <= 0 ? 0 : (from + step - 1) / step * step;
}

}  // namespace

int BlitRipple(int x, int y, int amplitude, int frequency, int step, float scale, float shear,
               int object, int left, int top, int right, int bottom) {
  const Surface* src = ObjectSurface(object);
  Surface* dst = gBackSurface.get();
  if (!src || !dst) return 0;
  int64_t X = x, Y = y, L = left, T = top, w = int64_t{right} - left, h = int64_t{bottom} - top;
  if (!detail::ClipToClipRect(X, Y, L, T, w, h)) return 1;
  if (step < 1) return 1;  // a grid without a step has no second sample
  // The ring geometry spans the rectangle as the left and top cut left it.
  const double sx = 2.0 / static_cast<double>(right - L);
  const double sy = 2.0 / static_cast<double>(bottom - T);
  // Every written pixel lies inside both the clip and the surface.
  const DrawRect& clip = gClipRect;
  const int64_t x0 = std::max<int64_t>(clip.left, 0),
                x1 = std::min<int64_t>(clip.right, dst->width);
  const int64_t y0 = std::max<int64_t>(clip.top, 0),
                y1 = std::min<int64_t>(clip.bottom, dst->height);
  // Samples are taken only from inside the picture.
  const int64_t rEnd = std::min<int64_t>(h, src->height - T);
  const int64_t cEnd = std::min<int64_t>(w, src->width - L);
  for (int64_t r = GridStart(-T, step); r < rEnd; r += step) {
    const int64_t sr = T + r;
    const float ny = static_cast<float>(static_cast<double>(r) * sy - 1.0);
    for (int64_t c = GridStart(-L, step); c < cEnd; c += step) {
      const int64_t sc = L + c;
      const float nx = static_cast<float>(static_cast<double>(c) * sx - 1.0);
      const double q = std::cos(std::sqrt(double{nx} * nx + double{ny} * ny) * frequency);
      const double e = std::exp(double{ny} * ny - double{nx} * nx);
      const double offset = (e * q + 1.0) * amplitude / 2.0;
      int64_t dx, dy;
      if (!Truncate((static_cast<float>(r) * shear + static_cast<float>(c)) * scale, dx) ||
          !Truncate(static_cast<float>(static_cast<double>(r) + offset) * scale, dy))
        continue;
      const int64_t tx = X + dx, ty = Y + dy;
      if (tx < x0 || tx >= x1 || ty < y0 || ty >= y1) continue;
      dst->Row(static_cast<int>(ty))[tx] = src->Row(static_cast<int>(sr))[sc];
    }
  }
  return 1;
}

}  // namespace koDraw
