// The lookup tables of the blends and effects, and the three blend blits.
#include <algorithm>
#include <cmath>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"

int32_t gSineTable[450];
uint8_t gRgbSplitTable[65536][3];
uint16_t gCrossfadeTable[3][32][32][32];
uint16_t gAdditiveTable[3][32][32][32];
uint16_t gSubtractiveTable[3][32][32];
uint16_t gGreyTable[94];
uint8_t gMeltRandomTable[10000];

namespace koDraw {
namespace {

int Places(int c) {
  const PixelChannel* channels[3] = {&gPixelFormat.red, &gPixelFormat.green, &gPixelFormat.blue};
  return channels[c]->place;
}

void BuildSplitTable() {
  const PixelFormat& f = gPixelFormat;
  std::fill(&gRgbSplitTable[0][0], &gRgbSplitTable[0][0] + sizeof gRgbSplitTable, 0);
  const int rDown = f.red.max == 63, gDown = f.green.max == 63, bDown = f.blue.max == 63;
  for (uint32_t r = 0; r <= f.red.max; ++r)
    for (uint32_t g = 0; g <= f.green.max; ++g)
      for (uint32_t b = 0; b <= f.blue.max; ++b) {
        uint8_t* e = gRgbSplitTable[((r << f.red.shift) + (g << f.green.shift) + b) & 0xFFFF];
        e[0] = static_cast<uint8_t>(r >> rDown);
        e[1] = static_cast<uint8_t>(g >> gDown);
        e[2] = static_cast<uint8_t>(b >> bDown);
      }
}

template <typename Rule>
void BuildLevelTable(uint16_t (&table)[3][32][32][32], Rule rule) {
  for (int c = 0; c < 3; ++c)
    for (int a = 0; a < 32; ++a)
      for (int s = 0; s < 32; ++s)
        for (int d = 0; d < 32; ++d)
          table[c][a][s][d] = static_cast<uint16_t>(rule(a, s, d) << Places(c));
}

// The per-pixel rule of a blend blit, given source and destination pixels.
template <typename PixelRule>
int BlendBlit(int x, int y, int object, int left, int top, int right, int bottom, PixelRule rule) {
  Surface* dst = gBackSurface.get();
  const Surface* src = ObjectSurface(object);
  if (!dst || !src) return 0;
  detail::Span s;
  if (!detail::ClipBlit(x, y, left, top, right, bottom, *src, *dst, s)) return 1;
  for (int j = 0; j < s.height; ++j) {
    const uint16_t* p = src->Row(s.top + j) + s.left;
    uint16_t* d = dst->Row(s.y + j) + s.x;
    for (int i = 0; i < s.width; ++i)
      if (p[i] != 0) d[i] = rule(p[i], d[i]);
  }
  return 1;
}

// Per channel min(31, max(0, source - a) + destination), through the tables.
int AddBlit(int x, int y, int a, int object, int left, int top, int right, int bottom) {
  return BlendBlit(x, y, object, left, top, right, bottom, [a](uint16_t s, uint16_t d) {
    const auto& add = gAdditiveTable;
    const uint8_t* ps = gRgbSplitTable[s];
    const uint8_t* pd = gRgbSplitTable[d];
    return static_cast<uint16_t>(add[0][a][ps[0]][pd[0]] | add[1][a][ps[1]][pd[1]] |
                                 add[2][a][ps[2]][pd[2]]);
  });
}

}  // namespace

void BuildSineTable() {
  const double pi = 3.14159265358979323846;
  for (int i = 0; i < 450; ++i)
    gSineTable[i] = static_cast<int32_t>(std::sin(i * pi * 2 / 360) * 360);
}

void BuildBlendTables() {
  BuildSplitTable();
  BuildLevelTable(gCrossfadeTable, [](int a, int s, int d) {
    return std::max(0, s - a) + std::max(0, d - (31 - a));
  });
  BuildLevelTable(gAdditiveTable,
                  [](int a, int s, int d) { return std::min(31, std::max(0, s - a) + d); });
  for (int c = 0; c < 3; ++c)
    for (int x = 0; x < 32; ++x)
      for (int y = 0; y < 32; ++y)
        gSubtractiveTable[c][x][y] = static_cast<uint16_t>(std::max(0, x - y) << Places(c));
  for (int n = 0; n < 94; ++n) gGreyTable[n] = static_cast<uint16_t>(n / 3);
  for (uint8_t& r : gMeltRandomTable) r = static_cast<uint8_t>(koSystem::Rand() % 3);
}

int BlitHalf(int x, int y, int object, int left, int top, int right, int bottom) {
  const uint16_t half = static_cast<uint16_t>(gPixelFormat.halfMask);
  return BlendBlit(x, y, object, left, top, right, bottom, [half](uint16_t s, uint16_t d) {
    return static_cast<uint16_t>(((s >> 1) & half) + ((d >> 1) & half));
  });
}

int BlitAdd(int x, int y, int object, int left, int top, int right, int bottom) {
  return AddBlit(x, y, 0, object, left, top, right, bottom);
}

int BlitAddLevel(int x, int y, float level, int object, int left, int top, int right, int bottom) {
  // Level 1 adds the whole source, level 0 nothing; outside 0..1 it is held at the ends.
  const float a = 31.0f - 31.0f * level;
  const int index = std::isnan(a) ? 31 : static_cast<int>(std::clamp(a, 0.0f, 31.0f));
  return AddBlit(x, y, index, object, left, top, right, bottom);
}

}  // namespace koDraw
