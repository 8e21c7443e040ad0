// The row effects: where each source row lands, and the phases they keep.
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "tests/engine/draw_fixture.h"

namespace {

class RowEffectTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    gFrameScale = 1.0f;
    gWavePhase = gTileOffsetX = gTileOffsetY = 0.0f;
    gScrollWavePhase = gScrollWaveOffset = gBandWavePhase = gBandScroll = gRollPhase = 0.0f;
    gWaveSign = 1;
  }
  // A w x h picture whose pixels are unique and never 0.
  int Picture(int w, int h) {
    return MakeObject(w, h,
                      [](int x, int y) { return static_cast<uint16_t>((y + 1) * 16 + x + 1); });
  }
  // Folds the screen and the phases, then clears the screen.
  void Check() {
    Fold();
    Add(gWavePhase, gWaveSign, gTileOffsetX, gTileOffsetY, gScrollWavePhase, gScrollWaveOffset);
    Add(gBandWavePhase, gBandScroll, gRollPhase, koSystem::Rand());
    gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
  }
};

TEST_F(RowEffectTest, WavesShiftRowsByTheCosineAndWrapTheirPhases) {
  const int n = Picture(4, 20);
  koDraw::BlitWave(100, 50, 0, 0, 30.0f, n, 0, 2, 4, 6, 0);  // amplitude 0: a plain copy
  Check();
  gWavePhase = 45.7f;
  gFrameScale = 0.5f;
  koDraw::BlitWave(100, 50, 20, 8, 4.0f, n, 0, 0, 4, 20, 0);  // rows in groups of 8
  Check();
  gWavePhase = 0.0f;
  koDraw::BlitWave(100, 50, 20, 0, 0.0f, n, 0, 5, 4, 15, 0);  // angle of the source row
  Check();
  gFrameScale = 1.0f;
  for (float phase : {359.5f, 359.0f}) {  // 360 itself wraps
    gWavePhase = phase;
    koDraw::BlitWave(0, 0, 1, 0, 1.0f, n, 0, 0, 4, 1, 0);
    Check();
  }
  // The alternating wave carries its sign from call to call.
  const int three = Picture(4, 3);
  for (int call = 0; call < 2; ++call, Check())
    koDraw::BlitWave(100, 10, 10, 0, 0.0f, three, 0, 0, 4, 3, 1);
  ExpectGolden();
}

TEST_F(RowEffectTest, TiledBackgroundCoversTheScreenAndWrapsItsOffsets) {
  const int n = Picture(64, 64);
  gTileOffsetX = -69.0f;
  gTileOffsetY = 2.0f;
  koDraw::DrawTiledBackground(-1.0f, 1.0f, n, 0, 0, 64, 64);
  Check();
  koDraw::DrawTiledBackground(0.0f, 0.0f, n, 0, 0, 64, 64);
  Check();
  gTileOffsetX = -63.0f;  // the ends of the range stay: -64 and 0
  gTileOffsetY = -1.0f;
  koDraw::DrawTiledBackground(-1.0f, 1.0f, n, 0, 0, 64, 64);
  Check();
  ExpectGolden();
}

// Every source row once, scrolling down; the wave follows the destination row;
// an offset left by a taller rectangle wraps once by this call's height.
TEST_F(RowEffectTest, WaveScrollAndWaveBand) {
  const int n = Picture(4, 100);
  gScrollWaveOffset = 1.0f;
  koDraw::BlitWaveScroll(10, 0, 0, 0, 0.0f, 2.0f, n, 0, 0, 4, 100);
  Check();
  gScrollWavePhase = 30.0f;
  koDraw::BlitWaveScroll(100, 0, 40, 0, 0.0f, -1.0f, n, 0, 0, 4, 100);
  Check();
  gScrollWaveOffset = 0.0f;
  koDraw::BlitWaveScroll(10, 5, 0, 0, 0.0f, 0.0f, n, 0, 20, 4, 30);
  Check();
  gScrollWaveOffset = 150.0f;
  koDraw::BlitWaveScroll(10, 100, 0, 0, 0.0f, 0.0f, Picture(4, 300), 0, 0, 4, 100);
  Check();
  // The band tiles full-width rows, and advances even when it draws nothing.
  const int band = Picture(8, 4);
  koDraw::BlitWaveBand(100, 100, 5, 0, 10.0f, 1.0f, band, 0, 0, 8, 4);
  Check();
  gBandWavePhase = 0.0f;
  koDraw::BlitWaveBand(100, 110, 5, 0, 0.0f, 0.0f, band, 0, 0, 8, 4);
  Check();
  ExpectGolden();
}

TEST_F(RowEffectTest, RowRepeatSkipJitterAndRoll) {
  const int n = Picture(4, 10);
  koDraw::BlitRowRepeat(0, 0, 3, n, 0, 0, 4, 10);
  for (int skip : {1, 3, 0})
    koDraw::BlitRowSkip(0, 20 * skip + 20, skip, n, 0, skip == 1 ? 2 : 0, 4, 10);
  Check();
  koSystem::SeedRand(3);
  koDraw::BlitRowSkip(0, 100, -3, Picture(4, 200), 0, 0, 4, 200);  // random gaps of 1 to 3
  Check();
  // Jitter 0 is a keyed blit; otherwise rows move by -range to range - 1.
  const int keyed =
      MakeObject(4, 50, [](int x, int y) { return uint16_t(x == 1 ? 0 : y * 16 + x + 1); });
  for (int y = 0; y < 50; ++y) Back(101, y) = 0xFFFF;
  koDraw::BlitRowJitter(100, 0, 0, keyed, 0, 0, 4, 50);
  for (int call = 0; call < 4; ++call)
    koDraw::BlitRowJitter(100 + call * 20, 100, 3, keyed, 0, 0, 4, 50);
  Check();
  // The roll is opaque and wraps its phase at the height, one way each.
  const int roll =
      MakeObject(4, 8, [](int x, int y) { return uint16_t(x == 0 ? 0 : y * 16 + x + 17); });
  for (int d = 0; d < 10; ++d) Back(0, 10 + d) = 0xFFFF;
  koDraw::BlitRoll(0, 10, 1, 3.0f, roll, 0, 0, 4, 8);
  Check();
  const std::pair<int, float> rolls[] = {{1, 5.0f}, {1, 1.0f}, {0, 2.0f}, {0, 7.0f}};
  for (const auto& [down, speed] : rolls) {
    koDraw::BlitRoll(0, 30, down, speed, roll, 0, 0, 4, 8);
    Check();
  }
  for (float phase : {3.5f, 2.5f}) {
    gRollPhase = phase;
    koDraw::BlitRoll(0, 30, 1, 0.0f, roll, 0, 0, 4, 8);
    Check();
  }
  ExpectGolden();
}

TEST_F(RowEffectTest, RandomRowsDrawTheirNumbersForCutRowsToo) {
  // Cutting rows at the top and bottom of the clip leaves the rows between as
  // an uncut call draws them, and takes as many random numbers.
  const int n = Picture(4, 60);
  std::vector<uint16_t> whole[2];
  int after[2];
  for (int cut = 0; cut < 2; ++cut) {
    gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
    if (cut) koDraw::SetClip(0, 120, 640, 140);
    koSystem::SeedRand(7);
    koDraw::BlitRowJitter(100, 100, 5, n, 0, 0, 4, 60);
    koDraw::BlitRowSkip(300, 100, -4, n, 0, 0, 4, 60);
    after[cut] = koSystem::Rand();
    whole[cut] = {gBackSurface->Row(120), gBackSurface->Row(140)};
  }
  EXPECT_EQ(whole[1], whole[0]);
  EXPECT_EQ(after[1], after[0]);
}

TEST_F(RowEffectTest, ClipAndHostileArguments) {
  const int n = Picture(4, 10);
  koDraw::SetClip(102, 13, 104, 17);
  koDraw::BlitWave(100, 10, 0, 0, 0.0f, n, 0, 0, 4, 10, 0);
  koDraw::BlitRowRepeat(100, 10, 2, n, 0, 0, 4, 10);
  koDraw::BlitRoll(100, 10, 1, 0.0f, n, 0, 0, 4, 10);
  Check();
  koDraw::SetClip(0, 0, 640, 480);
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  koDraw::BlitWave(INT_MAX, INT_MIN, INT_MIN, -1, 1e30f, n, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1);
  koDraw::BlitWave(0, 0, 5, 0, nan, 9999, 0, 0, 4, 10, 1);
  koDraw::DrawTiledBackground(inf, -1e30f, n, 0, 0, 4, 10);
  koDraw::DrawTiledBackground(1.0f, 1.0f, n, 0, 0, 0, 10);  // no tile
  koDraw::BlitWaveScroll(0, 0, 3, 0, 1e30f, -1e30f, n, 0, INT_MIN, 4, INT_MAX);
  koDraw::BlitWaveBand(INT_MIN, INT_MAX, INT_MAX, 0, 1.0f, 1e20f, n, INT_MIN, 0, INT_MAX, 10);
  koDraw::BlitWaveBand(0, 10, 1, 0, 1.0f, 1.0f, n, 0, 0, 4, 0);
  koDraw::BlitRowRepeat(0, 0, 0, n, 0, 0, 4, 10);
  koDraw::BlitRowRepeat(0, 0, INT_MAX, n, 0, INT_MIN, 4, INT_MAX);
  koDraw::BlitRowSkip(0, 0, INT_MIN, n, 0, INT_MIN, 4, INT_MAX);
  koDraw::BlitRowJitter(0, 0, INT_MAX, n, 0, 0, 4, 10);
  koDraw::BlitRoll(0, 0, 0, 1e38f, n, 0, INT_MIN, 4, INT_MAX);
  koDraw::BlitRoll(0, 0, 0, 1.0f, n, 0, 0, 4, 1);  // one row: no drum
  koDraw::BlitRoll(0, 0, 1, 1.0f, -5, 0, 0, 4, 10);
  for (float v : {gWavePhase, gScrollWavePhase, gBandWavePhase}) EXPECT_LT(std::fabs(v), 360.0f);
  EXPECT_TRUE(std::isfinite(gRollPhase));
  EXPECT_GE(gTileOffsetY, -10.0f);
  EXPECT_GE(gScrollWaveOffset, 0.0f);
  EXPECT_LE(gTileOffsetX, 0.0f);
  ExpectGolden();
}

}  // namespace
