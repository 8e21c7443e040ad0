// The rising melt: the area moves up one row, about one pixel in four softened.
#include "engine/draw/effects/channel_fx.h"
#include "engine/draw/ko_draw.h"

int32_t gMeltRun = 0, gMeltRandomPos = 0;
int32_t gMeltFadeRun = 0, gMeltFadeRandomPos = 0;

namespace koDraw {
namespace {

// Each target takes the pixel below it; while the run is short of the table
// entry it takes the average round that pixel instead. Rows are written only
// after the rows below were read for them, so every read sees the old area.
int MeltArea(int32_t& run, int32_t& pos, fx::Fade fade, int x, int y, int width, int height) {
  Surface* s = gBackSurface.get();
  if (!s) return 0;
  fx::Area a;
  if (!fx::CutArea(*s, x, y, width, height, 1, a)) return 1;  // the row below is read too
  for (int r = 1; r < a.height - 1; ++r) {
    uint16_t* t = s->Row(a.y + r) + a.x;
    const uint16_t* below = s->Row(a.y + r + 1) + a.x;
    const uint16_t* below2 = s->Row(a.y + r + 2) + a.x;
    for (int c = 1; c < a.width - 1; ++c) {
      if (++run < fx::RandomAt(pos)) {
        const uint16_t soft = fx::Average(below[c - 1], below[c + 1], t[c], below2[c]);
        t[c] = fade.Any() ? fx::Darken(soft, fade) : soft;
      } else {
        t[c] = below[c];
        run = 0;
        fx::AdvanceRandom(pos);
      }
    }
  }
  return 1;
}

}  // namespace

int Melt(int x, int y, int width, int height) {
  return MeltArea(gMeltRun, gMeltRandomPos, {}, x, y, width, height);
}

int MeltFade(int redFade, int greenFade, int blueFade, int x, int y, int width, int height) {
  return MeltArea(gMeltFadeRun, gMeltFadeRandomPos, {redFade != 0, greenFade != 0, blueFade != 0},
                  x, y, width, height);
}

}  // namespace koDraw
