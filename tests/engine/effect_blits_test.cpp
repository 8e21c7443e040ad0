// The effect blits (blend, channel, table, neighbour, ripple, turned, edge,
// glow and row effects), each drawn on a patterned screen the same set of ways
// and compared with its golden hash, with the phases and places they keep.
#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <type_traits>

#include "tests/engine/draw_fixture.h"

namespace {

using Op = std::function<int(int x, int y, int n, int left, int top, int right, int bottom)>;
constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

// Every channel value, runs of the same colour, white, and transparent 0s.
uint16_t Pattern(int x, int y, uint32_t seed) {
  if ((x * 3 + y) % 11 == 0) return 0;
  if (x == y) return 0xFFFF;
  const uint32_t h = ((x / 2 * 73856093u) ^ (y * 19349663u) ^ seed) * 2654435761u;
  return static_cast<uint16_t>(h >> 16);
}

// v + d held inside the int range.
int Far(int v, int d) {
  return static_cast<int>(std::clamp<int64_t>(int64_t{v} + d, INT_MIN, INT_MAX));
}

// Draws f(x, y, extra..., n, l, t, r, b); 0 for a call without a result.
template <class F, class... E>
Op At(F f, E... extra) {
  return [=](int x, int y, int n, int l, int t, int r, int b) {
    if constexpr (std::is_void_v<decltype(f(x, y, extra..., n, l, t, r, b))>) {
      f(x, y, extra..., n, l, t, r, b);
      return 0;
    } else {
      return f(x, y, extra..., n, l, t, r, b);
    }
  };
}

// The same for calls given a destination box of 50 x 44 instead of a place.
template <class F, class... E>
Op Box(F f, E... extra) {
  return [=](int x, int y, int n, int l, int t, int r, int b) {
    return f(x, y, Far(x, 50), Far(y, 44), extra..., n, l, t, r, b);
  };
}

class EffectBlitTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    sprite_ = MakeObject(40, 36, [](int x, int y) { return Pattern(x, y, 1); });
    gFrameScale = 1.0f;
    gWavePhase = gTileOffsetX = gTileOffsetY = 0.0f;
    gScrollWavePhase = gScrollWaveOffset = gBandWavePhase = gBandScroll = gRollPhase = 0.0f;
    gWaveSign = 1;
    gGlowRandomPos = 0;
  }
  void AddPhases() {
    Add({gWavePhase, gWaveSign, gTileOffsetX, gTileOffsetY, gScrollWavePhase, gScrollWaveOffset});
    Add({gBandWavePhase, gBandScroll, gRollPhase, gGlowRandomPos, koSystem::Rand()});
  }
  // Draws the ops (each 60 rows below the one before) whole, in part, cut by the clip on every
  // edge, across the screen's edges, from a rectangle reaching past the picture, without a picture
  // (also wholly clipped away), with extreme and reversed rectangles; folds the screen and every
  // result.
  void Scene(std::initializer_list<Op> draws) {
    // Each call folds the phases it leaves: a wrap shows even where the
    // drawing looks the same.
    const auto op = [&](int x, int y, int n, int l, int t, int r, int b) {
      int result = 0, row = 0;
      for (const Op& draw : draws) result += draw(x, Far(y, 60 * row++), n, l, t, r, b);
      Add({result, gWavePhase, gScrollWavePhase, gScrollWaveOffset, gBandWavePhase, gBandScroll,
           gRollPhase, gGlowRandomPos});
      return result;
    };
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) Back(x, y) = Pattern(x, y, 7) | 1;
    const int n = sprite_;
    Add({op(10, 10, n, 0, 0, 40, 36), op(60, 10, n, 5, 3, 25, 30)});
    koDraw::SetClip(112, 14, 132, 30);
    Add(op(100, 10, n, 0, 0, 40, 36));
    koDraw::SetClip(0, 0, 640, 480);
    Add({op(-7, 460, n, 0, 0, 40, 36), op(620, -9, n, 0, 0, 40, 36)});
    Add({op(200, 10, n, -3, -3, 100, 100), op(300, 10, 9999, 0, 0, 40, 36)});
    Add({op(300, 10, -1, 0, 0, 40, 36), op(700, 10, 9999, 0, 0, 40, 36)});
    Add({op(INT_MIN, INT_MIN, n, INT_MIN, INT_MIN, INT_MAX, INT_MAX),
         op(INT_MAX, 0, n, 0, 0, 40, 36)});
    Add({op(400, 10, n, 30, 30, 10, 10), op(500, 10, n, INT_MIN, 0, 4, 4)});
    Fold();
    AddPhases();
  }
  int sprite_ = 0;
};

// Value 0 is transparent whatever the object's key (here white).
TEST_F(EffectBlitTest, Blend) {
  koDraw::SetObjectColorKey(sprite_, 0xFFFFFF);
  Scene({koDraw::BlitAdd, koDraw::BlitHalf});
  for (float level : {0.0f, 0.5f, 1.0f, 7.0f, -3.0f, kNan})
    Scene({At(koDraw::BlitAddLevel, level)});
  ExpectGolden();
}

TEST_F(EffectBlitTest, Channels) {
  for (float a : {0.0f, 0.5f, 1.0f, 1e30f, kNan})
    Scene({At(koDraw::BlitAlpha, a), At(koDraw::BlitBrightness, a)});
  Scene({At(koDraw::BlitAlphaRGB, 1.0f, 0.0f, 0.25f),
         At(koDraw::BlitBrightnessRGB, 0.5f, 1.0f, 0.1f)});
  for (int mask = 0; mask < 8; ++mask)
    Scene({At(koDraw::BlitMaskChannels, mask & 1, mask >> 1 & 1, mask >> 2)});
  // The gradient counts from the first drawn column (row), each channel from its own alpha.
  const int steps[][3] = {{0, 10, 2}, {1, 0, 1}, {0, 0, 1}, {1, 65535, INT_MIN}};
  for (const auto& [vertical, start, every] : steps)
    Scene({At(koDraw::BlitAlphaGradient, 0.0f, 0.5f, 1.0f, vertical, start, every)});
  ExpectGolden();
}

// Levels outside 0..31 are held at the ends.
TEST_F(EffectBlitTest, Tables) {
  for (int level : {0, 16, 31, INT_MAX, INT_MIN})
    Scene({At(koDraw::BlitFade, level), At(koDraw::BlitDarken, level)});
  const int rgb[][3] = {{16, 31, 0}, {21, 31, 0}, {INT_MIN, -1, 99}};
  for (const auto& [red, green, blue] : rgb)
    Scene({At(koDraw::BlitFadeRGB, red, green, blue), At(koDraw::BlitDarkenRGB, red, green, blue)});
  const int steps[][3] = {{0, 0, 1}, {1, 2, 3}, {1, 65535, INT_MIN}};
  for (const auto& [vertical, start, every] : steps)
    Scene({At(koDraw::BlitFadeGradient, 10, 0, 40, vertical, start, every)});
  Scene({koDraw::BlitShadow, koDraw::BlitGrey});
  ExpectGolden();
}

// The soft edge looks no further than the rectangle and the clip; the blur's
// blocks move inside the rectangle at its right and bottom.
TEST_F(EffectBlitTest, Neighbours) {
  Scene({koDraw::BlitSoftEdge});
  for (int size : {1, 2, 3, 4, 0, -1, 46, INT_MAX}) Scene({At(koDraw::BlitBlur, size)});
  ExpectGolden();
}

// The ripple copies every step-th sample with its 0s to where the saddle,
// shear and scale move it, dropping targets outside the clip one by one.
TEST_F(EffectBlitTest, Ripple) {
  struct Case {
    int amplitude, frequency, step;
    float scale, shear;
  };
  const Case cases[] = {
      {0, 3, 1, 1.0f, 0.0f},      {0, 0, 2, 1.0f, 0.0f},       {10, 0, 1, 1.0f, 0.0f},
      {6, 20, 1, 1.0f, 1.0f},     {3, 7, 1, 2.0f, 0.5f},       {0, 0, 1, 0.5f, 0.0f},
      {0, 0, 0, 1.0f, 0.0f},      {0, 0, INT_MIN, 1.0f, 0.0f}, {INT_MAX, INT_MAX, 1, 1e30f, -1e30f},
      {INT_MIN, 7, 1, kNan, kInf}};
  for (const Case& c : cases)
    Scene({At(koDraw::BlitRipple, c.amplitude, c.frequency, c.step, c.scale, c.shear)});
  ExpectGolden();
}

// Turned about the destination's centre, angles taken round the circle; the
// tiled members mirror at the source edges; the ramp steps zoom and tint per row.
TEST_F(EffectBlitTest, Turned) {
  for (int angle : {0, 90, 180, 450, -270, 37, INT_MIN})
    Scene({Box(koDraw::BlitSpin, angle), Box(koDraw::BlitSpinTiled, angle)});
  for (float zoom : {2.0f, 0.5f, 0.0f, kNan, kInf, 1e-30f})
    Scene({Box(koDraw::BlitSpinZoom, 10, zoom), Box(koDraw::BlitSpinZoomTiled, 0, zoom)});
  const float ramps[][7] = {{1, 0, 1, 0, 1, 1, 1},
                            {1, 1, 1, 0, 0.5f, 1, 2},
                            {1, 0, 1, -0.125f, 1, 1, 1},
                            {1, 1e-9f, 1, 1e-9f, 1, 1, 1},
                            {kNan, kNan, kNan, kNan, kNan, kNan, kNan}};
  for (const auto& z : ramps)
    Scene({Box(koDraw::BlitSpinRampTint, 33, z[0], z[1], z[2], z[3], z[4], z[5], z[6])});
  // Huge destination rectangles only walk the clipped pixels.
  Add(koDraw::BlitSpinTiled(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 45, sprite_, 0, 0, 4, 4));
  Fold();
  ExpectGolden();
}

// Edge stretches repeat the edge column or row (held to the picture) to the
// screen's edge, also past a clip; refraction lifts rows by red and level,
// never reading past the rectangle or the clip; glow rays fade a step at a
// time in each direction, shifted, from the random table, saturating.
TEST_F(EffectBlitTest, EdgeRefractAndGlow) {
  for (int direction : {0, 1, 2, 3, 4, -1})
    for (int edge : {1, 0, 65535, -1}) Scene({At(koDraw::BlitEdgeStretch, direction, edge)});
  for (float level : {0.0f, 0.5f, 1.0f, 1e30f, -1e30f, kNan})
    Scene({At(koDraw::BlitRefract, level)});
  const int glows[][5] = {{0, 0, 0, 0x10, 0}, {0, 0, 0, 0x18, 0}, {0, 0, 0, 0x41, 0},
                          {1, 0, 0, 0xFF, 1}, {0, 2, 3, 0x2A, 1}, {40, -1, 5, 0xFF, 0}};
  for (const auto& [red, green, blue, directions, copy] : glows)
    Scene({At(koDraw::BlitGlow, red, green, blue, directions, copy)});
  gGlowRandomPos = 9999;  // back to the start, not a random place
  Add({koDraw::BlitGlow(100, 40, 0, 0, 0, 0, 1, sprite_, 1, 0, 2, 1), gGlowRandomPos});
  ExpectGolden();
}

// Waves shift rows by the cosine of the source row (in groups), alternating
// sides from call to call; phases wrap once at 360 going up.
TEST_F(EffectBlitTest, Waves) {
  const int waves[][3] = {{0, 0, 0}, {20, 8, 0}, {20, 0, 0}, {10, 0, 1}, {INT_MIN, -1, 1}};
  for (const auto& [amplitude, divisor, alternate] : waves)
    for (float phase : {45.7f, 359.5f, 359.0f}) {
      gWavePhase = gScrollWavePhase = gBandWavePhase = phase;
      gScrollWaveOffset = phase / 2;
      Scene({[&](int x, int y, int n, int l, int t, int r, int b) {
               koDraw::BlitWave(x, y, amplitude, divisor, 1.0f, n, l, t, r, b, alternate);
               return 0;
             },
             At(koDraw::BlitWaveScroll, amplitude, divisor, 1.0f, -7.0f),
             [&](int, int y, int n, int l, int t, int r, int b) {
               koDraw::BlitWaveBand(y, Far(y, 40), amplitude, divisor, 1.0f, 3.0f, n, l, t, r, b);
               return 0;
             }});
    }
  // An offset left by a taller rectangle wraps once by this call's height.
  gScrollWaveOffset = 150.0f;
  koDraw::BlitWaveScroll(10, 100, 0, 0, 0.0f, 0.0f, sprite_, 0, 0, 40, 36);
  // The tiled background covers the screen at its offsets, then advances
  // them, holding the ends of its range.
  gTileOffsetX = -69.0f;
  gTileOffsetY = 2.0f;
  koDraw::DrawTiledBackground(-1.0f, 1.0f, sprite_, 0, 0, 40, 36);
  Fold();
  AddPhases();
  gTileOffsetX = -39.0f;
  gTileOffsetY = -1.0f;
  koDraw::DrawTiledBackground(-1.0f, 1.0f, sprite_, 0, 0, 40, 36);
  koDraw::DrawTiledBackground(kInf, -1e30f, sprite_, 0, 0, 40, 36);
  koDraw::DrawTiledBackground(1.0f, 1.0f, sprite_, 0, 0, 0, 10);  // no tile
  Fold();
  AddPhases();
  ExpectGolden();
}

// Rows repeated, skipped (randomly for negative steps), jittered from -range
// to range - 1 (0: a keyed blit), and rolled opaque over a drum whose phase
// wraps at the height one way each.
TEST_F(EffectBlitTest, RowPicks) {
  for (int step : {3, 1, 0, -3, INT_MIN, INT_MAX})
    Scene({At(koDraw::BlitRowRepeat, step), At(koDraw::BlitRowSkip, step),
           At(koDraw::BlitRowJitter, step)});
  const std::pair<int, float> rolls[] = {{1, 3.0f}, {1, 5.0f}, {0, 2.0f}, {0, 7.0f}, {1, 1e38f}};
  for (const auto& [down, speed] : rolls)
    for (float phase : {0.0f, 3.5f, 2.5f, 33.0f}) {  // 33 + 3 reaches the height, 36
      gRollPhase = phase;
      Scene({At(koDraw::BlitRoll, down, speed)});
    }
  ExpectGolden();
}

// Each source row of the drum fills from the row after the previous row's
// target down to its own, so rows whose targets rise again after the fill
// reached the bottom are drawn over it. Phase 0 with an even height sends the
// first row over every row y to y + h.
TEST_F(EffectBlitTest, RollFillsFromThePreviousRowsTarget) {
  constexpr uint16_t kBg = 0x0841;
  auto row = [](int, int y) { return static_cast<uint16_t>(0x1000 + y); };
  const int eight = MakeObject(4, 8, row), five = MakeObject(4, 5, row);
  // The source row shown on destination rows y to y + 9 (-1: left as it was)
  // when rows top to top + 7 are rolled.
  auto roll = [&](float phase, int object, int top = 0) {
    koDraw::FillRect(0, 0, 640, 480, kBg);
    gRollPhase = phase;
    koDraw::BlitRoll(100, 100, 1, 0.0f, object, 0, top, 4, top + 8);
    std::vector<int> shown;
    for (int d = 0; d < 10; ++d) {
      const uint16_t v = Back(101, 100 + d);
      shown.push_back(v == kBg ? -1 : v - 0x1000);
    }
    return shown;
  };
  using R = std::vector<int>;
  EXPECT_EQ(roll(2.0f, eight), (R{0, 3, 3, 3, 4, 4, 4, 5, 5, -1}));
  EXPECT_EQ(roll(0.0f, eight), (R{0, 5, 5, 5, 6, 6, 6, 7, 7, -1}));
  // Rows 5 to 7 lie below the picture and draw nothing: row 0 stays everywhere.
  EXPECT_EQ(roll(0.0f, five), (R{0, 0, 0, 0, 0, 0, 0, 0, 0, -1}));
  // From 3 rows above the picture: those draw nothing, but the last of them
  // still says where picture row 0 starts.
  EXPECT_EQ(roll(2.0f, eight, -3), (R{-1, 0, 0, 0, 1, 1, 1, 2, 2, -1}));
}

TEST_F(EffectBlitTest, RandomRowsDrawTheirNumbersForCutRowsToo) {
  // Cutting rows at the top and bottom of the clip leaves the rows between as
  // an uncut call draws them, and takes as many random numbers.
  std::vector<uint16_t> whole[2];
  int after[2];
  for (int cut = 0; cut < 2; ++cut) {
    gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
    if (cut) koDraw::SetClip(0, 120, 640, 140);
    koSystem::SeedRand(7);
    koDraw::BlitRowJitter(100, 100, 5, sprite_, 0, 0, 40, 36);
    koDraw::BlitRowSkip(300, 100, -4, sprite_, 0, 0, 40, 36);
    after[cut] = koSystem::Rand();
    whole[cut] = {gBackSurface->Row(120), gBackSurface->Row(136)};
  }
  EXPECT_EQ(whole[1], whole[0]);
  EXPECT_EQ(after[1], after[0]);
}

}  // namespace
