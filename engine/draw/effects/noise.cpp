// Grain noise from the prepared random table, added to chosen channels.
#include <algorithm>

#include "engine/draw/effects/channel_fx.h"
#include "engine/draw/ko_draw.h"

int32_t gNoiseRandomPos = 0;
int32_t gChannelNoiseRandomPos = 0;

namespace koDraw {
namespace {

// The table value 0..2 shifted left; from 5 places on any grain fills a channel.
int Grain(int t, int shift) {
  if (shift <= 0) return t;
  return shift < 5 ? t << shift : (t != 0 ? 31 : 0);
}

int NoiseArea(int32_t& pos, bool red, bool green, bool blue, int shift, int x, int y, int width,
              int height) {
  Surface* s = gBackSurface.get();
  if (!s) return 0;
  fx::Area a;
  if (!fx::CutArea(*s, x, y, width, height, 0, a)) return 1;
  for (int r = 0; r < a.height; ++r) {
    uint16_t* row = s->Row(a.y + r) + a.x;
    for (int c = 0; c < a.width; ++c) {
      const int t = Grain(fx::RandomAt(pos), shift);
      fx::AdvanceRandom(pos);
      const uint8_t* v = gRgbSplitTable[row[c]];
      row[c] = fx::Pack(std::min(31, v[0] + (red ? t : 0)), std::min(31, v[1] + (green ? t : 0)),
                        std::min(31, v[2] + (blue ? t : 0)));
    }
  }
  return 1;
}

}  // namespace

int AddNoise(int shift, int x, int y, int width, int height) {
  return NoiseArea(gNoiseRandomPos, true, true, true, shift, x, y, width, height);
}

int AddChannelNoise(int redOn, int greenOn, int blueOn, int shift, int x, int y, int width,
                    int height) {
  return NoiseArea(gChannelNoiseRandomPos, redOn != 0, greenOn != 0, blueOn != 0, shift, x, y,
                   width, height);
}

}  // namespace koDraw
