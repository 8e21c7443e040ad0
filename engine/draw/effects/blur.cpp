// The four-neighbour blur of a screen area, in place.
#include "engine/draw/effects/channel_fx.h"
#include "engine/draw/ko_draw.h"

namespace koDraw {
namespace {

// The left and upper neighbours already hold their new values when read.
int BlurArea(fx::Fade fade, int x, int y, int width, int height) {
  Surface* s = gBackSurface.get();
  if (!s) return 0;
  fx::Area a;
  if (!fx::CutArea(*s, x, y, width, height, 0, a)) return 1;
  for (int r = 1; r < a.height - 1; ++r) {
    const uint16_t* up = s->Row(a.y + r - 1) + a.x;
    uint16_t* t = s->Row(a.y + r) + a.x;
    const uint16_t* down = s->Row(a.y + r + 1) + a.x;
    for (int c = 1; c < a.width - 1; ++c) {
      const uint16_t soft = fx::Average(t[c - 1], t[c + 1], up[c], down[c]);
      t[c] = fade.Any() ? fx::Darken(soft, fade) : soft;
    }
  }
  return 1;
}

}  // namespace

int Blur(int x, int y, int width, int height) { return BlurArea({}, x, y, width, height); }

int BlurFade(int redFade, int greenFade, int blueFade, int x, int y, int width, int height) {
  return BlurArea({redFade != 0, greenFade != 0, blueFade != 0}, x, y, width, height);
}

}  // namespace koDraw
