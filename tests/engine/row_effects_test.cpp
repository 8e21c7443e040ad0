// The row effects: where each source row lands, and the phases they keep.
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "tests/engine/draw_fixture.h"

namespace {

// Pixel (x, r) of the test pictures: unique, never 0.
constexpr uint16_t Cell(int x, int r) { return static_cast<uint16_t>((r + 1) * 16 + x + 1); }

class RowEffectTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    gFrameScale = 1.0f;
    gWavePhase = gTileOffsetX = gTileOffsetY = 0.0f;
    gScrollWavePhase = gScrollWaveOffset = gBandWavePhase = gBandScroll = gRollPhase = 0.0f;
    gWaveSign = 1;
  }
  // A w x h picture of Cell pixels.
  int Picture(int w, int h) {
    return MakeObject(w, h, [](int x, int y) { return Cell(x, y); });
  }
  // The source row shown on back row y (-1 when the row is empty) and its x.
  static int RowAt(int y, int* x = nullptr) {
    for (int i = 0; i < gBackSurface->width; ++i)
      if (Back(i, y) != 0) {
        if (x) *x = i - (Back(i, y) % 16 - 1);
        return Back(i, y) / 16 - 1;
      }
    return -1;
  }
  static int Offset(int r, int divisor, int phase, int amplitude) {
    const int angle = (divisor ? r / divisor : r) + phase;
    return static_cast<int>(std::cos(angle * 2 * 3.14159265358979323846 / 360) * amplitude);
  }
};

TEST_F(RowEffectTest, WaveMovesRowsByTheCosineAndAdvancesItsPhase) {
  const int n = Picture(4, 20);
  koDraw::BlitWave(100, 50, 0, 0, 30.0f, n, 0, 2, 4, 6, 0);  // amplitude 0: a plain copy
  for (int r = 2; r < 6; ++r) {
    int x;
    EXPECT_EQ(RowAt(50 + r - 2, &x), r);
    EXPECT_EQ(x, 100);
  }
  EXPECT_EQ(RowAt(54), -1);
  EXPECT_FLOAT_EQ(gWavePhase, 30.0f);

  gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
  gWavePhase = 45.7f;
  gFrameScale = 0.5f;
  koDraw::BlitWave(100, 50, 20, 8, 4.0f, n, 0, 0, 4, 20, 0);
  for (int r = 0; r < 20; ++r) {
    int x;
    ASSERT_EQ(RowAt(50 + r, &x), r);
    EXPECT_EQ(x, 100 + Offset(r, 8, 45, 20)) << r;  // rows in groups of 8 share an angle
  }
  EXPECT_FLOAT_EQ(gWavePhase, 47.7f);
  // The angle is the source row's own number, not its place in the rectangle.
  gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
  gWavePhase = 0.0f;
  koDraw::BlitWave(100, 50, 20, 0, 0.0f, n, 0, 5, 4, 15, 0);
  for (int r = 5; r < 15; ++r) {
    int x;
    ASSERT_EQ(RowAt(50 + r - 5, &x), r);
    EXPECT_EQ(x, 100 + Offset(r, 0, 0, 20)) << r;
  }
  gWavePhase = 47.7f;
  gWavePhase = 359.5f;
  gFrameScale = 1.0f;
  koDraw::BlitWave(0, 0, 1, 0, 1.0f, n, 0, 0, 4, 1, 0);
  EXPECT_FLOAT_EQ(gWavePhase, 0.5f);
  gWavePhase = 359.0f;
  koDraw::BlitWave(0, 0, 1, 0, 1.0f, n, 0, 0, 4, 1, 0);
  EXPECT_FLOAT_EQ(gWavePhase, 0.0f);  // 360 itself wraps
}

TEST_F(RowEffectTest, AlternatingWaveCarriesItsSignFromCallToCall) {
  const int n = Picture(4, 3);
  for (int call = 0; call < 2; ++call) {
    gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
    koDraw::BlitWave(100, 10, 10, 0, 0.0f, n, 0, 0, 4, 3, 1);
    const int first = call == 0 ? 1 : -1;  // three rows: the next call starts on the other side
    for (int r = 0; r < 3; ++r) {
      int x;
      ASSERT_EQ(RowAt(10 + r, &x), r);
      EXPECT_EQ(x, 100 + Offset(r, 0, 0, 10) * (r % 2 ? -first : first)) << call << r;
    }
  }
  EXPECT_EQ(gWaveSign, 1);
}

TEST_F(RowEffectTest, TiledBackgroundCoversTheScreenAndWrapsItsOffsets) {
  const int n = Picture(64, 64);
  gTileOffsetX = -69.0f;
  gTileOffsetY = 2.0f;
  koDraw::DrawTiledBackground(-1.0f, 1.0f, n, 0, 0, 64, 64);
  // Drawn at the offsets before the advance: (-69, 2), so x 0 shows tile column 5.
  EXPECT_EQ(Back(0, 2), Cell(5, 0));
  EXPECT_EQ(Back(639, 479), Cell((639 + 69) % 64, (479 - 2) % 64));
  EXPECT_EQ(Back(0, 1), 0);  // above the first tile row
  EXPECT_FLOAT_EQ(gTileOffsetX, -6.0f);
  EXPECT_FLOAT_EQ(gTileOffsetY, -61.0f);
  koDraw::DrawTiledBackground(0.0f, 0.0f, n, 0, 0, 64, 64);
  EXPECT_EQ(Back(0, 0), Cell(6, 61));
  // The ends of the range stay: -64 and 0.
  gTileOffsetX = -63.0f;
  gTileOffsetY = -1.0f;
  koDraw::DrawTiledBackground(-1.0f, 1.0f, n, 0, 0, 64, 64);
  EXPECT_FLOAT_EQ(gTileOffsetX, -64.0f);
  EXPECT_FLOAT_EQ(gTileOffsetY, 0.0f);
}

TEST_F(RowEffectTest, WaveScrollShowsEverySourceRowOnceAndScrollsDown) {
  const int n = Picture(4, 100);
  gScrollWaveOffset = 1.0f;
  koDraw::BlitWaveScroll(10, 0, 0, 0, 0.0f, 2.0f, n, 0, 0, 4, 100);
  for (int r = 0; r < 99; ++r) EXPECT_EQ(RowAt(r), r + 1) << r;
  EXPECT_EQ(RowAt(99), 0);
  // Positive scroll speed subtracts: 1 - 2 wraps to 99.
  EXPECT_FLOAT_EQ(gScrollWaveOffset, 99.0f);
  // The wave follows the destination row, whichever source row it shows.
  gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
  gScrollWavePhase = 30.0f;
  koDraw::BlitWaveScroll(100, 0, 40, 0, 0.0f, -1.0f, n, 0, 0, 4, 100);
  for (int r = 0; r < 100; ++r) {
    int x;
    ASSERT_EQ(RowAt(r, &x), (r + 99) % 100);
    EXPECT_EQ(x, 100 + Offset(r, 0, 30, 40)) << r;
  }
  EXPECT_FLOAT_EQ(gScrollWaveOffset, 0.0f);  // 100 wraps to 0

  gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
  gScrollWaveOffset = 0.0f;
  koDraw::BlitWaveScroll(10, 5, 0, 0, 0.0f, 0.0f, n, 0, 20, 4, 30);
  EXPECT_EQ(RowAt(24), -1);  // the band starts at y + top
  EXPECT_EQ(RowAt(25), 20);
  EXPECT_EQ(RowAt(34), 29);
  EXPECT_EQ(RowAt(35), -1);

  // An offset left by a taller rectangle wraps once by this call's height:
  // rows past the rectangle are shown, and only the band's rows are drawn.
  gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
  const int tall = Picture(4, 300);
  gScrollWaveOffset = 150.0f;
  koDraw::BlitWaveScroll(10, 100, 0, 0, 0.0f, 0.0f, tall, 0, 0, 4, 100);
  for (int r = 0; r < 100; ++r) EXPECT_EQ(RowAt(100 + r), r + 50) << r;
  EXPECT_EQ(RowAt(99), -1);
  EXPECT_EQ(RowAt(200), -1);
}

TEST_F(RowEffectTest, WaveBandTilesFullWidthRowsAndAdvancesWhenEmpty) {
  const int n = Picture(8, 4);
  koDraw::BlitWaveBand(100, 100, 5, 0, 10.0f, 1.0f, n, 0, 0, 8, 4);
  EXPECT_EQ(RowAt(100), -1);
  EXPECT_FLOAT_EQ(gBandWavePhase, 10.0f);
  EXPECT_FLOAT_EQ(gBandScroll, 3.0f);

  gBandWavePhase = 0.0f;
  koDraw::BlitWaveBand(100, 110, 5, 0, 0.0f, 0.0f, n, 0, 0, 8, 4);
  for (int i = 0; i < 10; ++i) {
    const int s = (i % 4 + 3) % 4;  // scroll 3 wraps past the last row
    const int x0 = Offset(i, 0, 0, 5) - 5;
    EXPECT_EQ(RowAt(100 + i), s) << i;
    EXPECT_EQ(Back(639, 100 + i), Cell(((639 - x0) % 8), s)) << i;  // reaches the right edge
  }
  EXPECT_EQ(RowAt(110), -1);
}

TEST_F(RowEffectTest, RowRepeatAndRowSkipPickTheirRows) {
  const int n = Picture(4, 10);
  koDraw::BlitRowRepeat(0, 0, 3, n, 0, 0, 4, 10);
  for (int d = 0; d < 12; ++d) EXPECT_EQ(RowAt(d), d / 3 * 3) << d;
  EXPECT_EQ(RowAt(12), -1);

  koDraw::BlitRowSkip(0, 20, 1, n, 0, 2, 4, 10);
  EXPECT_EQ(RowAt(20), -1);  // row top is never drawn
  for (int r = 3; r < 10; ++r) EXPECT_EQ(RowAt(20 + r - 2), r);
  koDraw::BlitRowSkip(0, 40, 3, n, 0, 0, 4, 10);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(RowAt(40 + r), r % 3 == 0 && r > 0 ? r : -1) << r;
  koDraw::BlitRowSkip(0, 60, 0, n, 0, 0, 4, 10);
  for (int r = 0; r < 10; ++r) EXPECT_EQ(RowAt(60 + r), -1);

  // Random gaps of 1 to 3 rows.
  const int tall = Picture(4, 200);
  koDraw::BlitRowSkip(0, 100, -3, tall, 0, 0, 4, 200);
  int last = 0, drawn = 0;
  for (int r = 1; r < 200; ++r)
    if (RowAt(100 + r) == r) {
      EXPECT_LE(r - last, 3);
      last = r;
      ++drawn;
    } else {
      EXPECT_EQ(RowAt(100 + r), -1);
    }
  EXPECT_EQ(RowAt(100), -1);
  EXPECT_GT(200 - last, 0);
  EXPECT_LE(200 - last, 3);
  EXPECT_GT(drawn, 200 / 3 - 1);
  EXPECT_LT(drawn, 199);
}

TEST_F(RowEffectTest, JitterKeepsItsRangeAndZeroIsAKeyedBlit) {
  const int n = MakeObject(4, 50, [](int x, int y) { return x == 1 ? 0 : Cell(x, y); });
  for (int y = 0; y < 50; ++y) Back(101, y) = 0xFFFF;
  koDraw::BlitRowJitter(100, 0, 0, n, 0, 0, 4, 50);
  for (int y = 0; y < 50; ++y) {
    EXPECT_EQ(Back(100, y), Cell(0, y));
    EXPECT_EQ(Back(101, y), 0xFFFF);  // the key leaves it
  }
  int lo = 99, hi = -99;
  for (int call = 0; call < 4; ++call) {
    for (int y = 100; y < 150; ++y) std::fill_n(gBackSurface->Row(y), 640, 0);
    koDraw::BlitRowJitter(100, 100, 3, n, 0, 0, 4, 50);
    for (int y = 0; y < 50; ++y) {
      int x = 0;
      ASSERT_EQ(RowAt(100 + y, &x), y);
      lo = std::min(lo, x - 100);
      hi = std::max(hi, x - 100);
    }
  }
  EXPECT_EQ(lo, -3);
  EXPECT_EQ(hi, 2);
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
    for (int y = 120; y < 140; ++y)
      whole[cut].insert(whole[cut].end(), gBackSurface->Row(y), gBackSurface->Row(y) + 640);
  }
  EXPECT_EQ(whole[1], whole[0]);
  EXPECT_EQ(after[1], after[0]);
}

TEST_F(RowEffectTest, RollStretchesRowsOverTheDrumAndWrapsOneWay) {
  const int n = MakeObject(4, 8, [](int x, int y) { return x == 0 ? 0 : Cell(x, y); });
  for (int d = 0; d < 10; ++d) Back(0, 10 + d) = 0xFFFF;
  koDraw::BlitRoll(0, 10, 1, 3.0f, n, 0, 0, 4, 8);
  for (int d = 0; d <= 8; ++d) {
    EXPECT_EQ(Back(0, 10 + d), 0) << d;  // opaque: the 0 is written too
    EXPECT_EQ(Back(1, 10 + d), Cell(1, 0)) << d;
  }
  EXPECT_EQ(Back(0, 10 + 9), 0xFFFF);
  EXPECT_EQ(Back(1, 10 + 9), 0);
  EXPECT_FLOAT_EQ(gRollPhase, 3.0f);
  koDraw::BlitRoll(0, 30, 1, 5.0f, n, 0, 0, 4, 8);
  EXPECT_FLOAT_EQ(gRollPhase, 0.0f);  // 8 wraps at the height
  koDraw::BlitRoll(0, 30, 1, 1.0f, n, 0, 0, 4, 8);
  koDraw::BlitRoll(0, 30, 0, 2.0f, n, 0, 0, 4, 8);
  EXPECT_FLOAT_EQ(gRollPhase, 7.0f);  // -1 wraps up
  koDraw::BlitRoll(0, 30, 0, 7.0f, n, 0, 0, 4, 8);
  EXPECT_FLOAT_EQ(gRollPhase, 0.0f);  // 0 itself stays
  // Phase 3.5 of 8 rows: targets trunc(4 cos((i + 3.5) x 2 pi / 7) + 4) are
  // 0, 1, 4, 7 for rows 0 to 3; the later rows do not pass row 7.
  gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
  gRollPhase = 3.5f;
  koDraw::BlitRoll(0, 30, 1, 0.0f, n, 0, 0, 4, 8);
  const int rolled[9] = {0, 1, 2, 2, 2, 3, 3, 3, -1};
  for (int d = 0; d < 9; ++d) EXPECT_EQ(RowAt(30 + d), rolled[d]) << d;
  // Every destination row from the first down is filled, in source order.
  gBackSurface->pixels.assign(gBackSurface->pixels.size(), 0);
  gRollPhase = 2.5f;
  koDraw::BlitRoll(0, 30, 1, 0.0f, n, 0, 0, 4, 8);
  int prev = -1, first = -1;
  for (int d = 0; d <= 8 && Back(1, 30 + d) != 0; ++d) {
    const int r = Back(1, 30 + d) / 16 - 1;
    if (first < 0) first = r;
    EXPECT_GE(r, prev < 0 ? 0 : prev);
    prev = r;
  }
  EXPECT_GE(first, 0);
}

TEST_F(RowEffectTest, RowsAreCutToTheClipRectangleOnEveryEdge) {
  const int n = Picture(4, 10);
  koDraw::SetClip(102, 13, 104, 17);
  koDraw::BlitWave(100, 10, 0, 0, 0.0f, n, 0, 0, 4, 10, 0);
  koDraw::BlitRowRepeat(100, 10, 2, n, 0, 0, 4, 10);
  koDraw::BlitRoll(100, 10, 1, 0.0f, n, 0, 0, 4, 10);
  for (int y = 8; y < 22; ++y)
    for (int x = 98; x < 108; ++x) {
      const bool inside = x >= 102 && x < 104 && y >= 13 && y < 17;
      EXPECT_EQ(Back(x, y) != 0, inside) << x << "," << y;
    }
  EXPECT_EQ(Back(102, 13), Cell(2, 0));  // the roll drew last: row 0 stretched
}

TEST_F(RowEffectTest, HostileArgumentsDrawNothingAndKeepThePhasesUsable) {
  const int n = Picture(4, 10);
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
}

}  // namespace
