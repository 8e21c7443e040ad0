// Magnifiers: an area enlarged two or four times through ObjectBuffer and
// drawn back over itself.
#include <algorithm>

#include "engine/draw/draw_internal.h"
#include "engine/draw/effects/channel_fx.h"
#include "engine/draw/ko_draw.h"

namespace koDraw {
namespace {

// Each pixel fills an n x n block of the buffer; with `sparse` only its
// top-left n/2 x n/2, the rest keeping what the buffer held.
int MagnifyArea(int n, int x, int y, int width, int height, bool sparse) {
  Surface* buffer = ObjectSurface(kObjectBuffer);
  Surface* s = gBackSurface.get();
  if (!buffer || !s) return 0;
  // The enlarged copy must fit the buffer, the area the screen.
  width = std::min(width, buffer->width / n);
  height = std::min(height, buffer->height / n);
  fx::Area a;
  if (!fx::CutArea(*s, x, y, width, height, 0, a)) return 1;
  const int fill = sparse ? n / 2 : n;
  for (int r = 0; r < a.height; ++r) {
    const uint16_t* src = s->Row(a.y + r) + a.x;
    for (int j = 0; j < fill; ++j) {
      uint16_t* out = buffer->Row(n * r + j);
      for (int c = 0; c < a.width; ++c) detail::FillRow(out + n * c, fill, src[c]);
    }
  }
  BlitOpaque(a.x, a.y, kObjectBuffer, 0, 0, n * a.width, n * a.height);
  return 1;
}

}  // namespace

int Magnify2(int x, int y, int width, int height, int mode) {
  return MagnifyArea(2, x, y, width, height, mode != 0);
}

int Magnify4(int x, int y, int width, int height, int mode) {
  return MagnifyArea(4, x, y, width, height, mode != 0);
}

}  // namespace koDraw
