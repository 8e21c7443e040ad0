// The screen-area effects: melts, blurs, noise, the round mosaic and the magnifiers.
#include <climits>

#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint16_t Pix(int r, int g6, int b) {
  return static_cast<uint16_t>(r << 11 | g6 << 5 | b);
}
using Row = std::vector<uint16_t>;

class AreaFxTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    gMeltRun = gMeltRandomPos = gMeltFadeRun = gMeltFadeRandomPos = 0;
    gNoiseRandomPos = gChannelNoiseRandomPos = 0;
    std::fill(std::begin(gMeltRandomTable), std::end(gMeltRandomTable), 0);
  }
  static void Fill(int x0, int y0, int w, int h, uint16_t p) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) Back(x, y) = p;
  }
  static Row Column(int x, int y0, int y1) {
    Row out;
    for (int y = y0; y < y1; ++y) out.push_back(Back(x, y));
    return out;
  }
  // Column 31 from row 30 down counts 1..5 in red, with two neighbours on row 33.
  static void MeltScene() {
    for (int i = 0; i < 5; ++i) Back(31, 30 + i) = Pix(i + 1, 0, 0);
    Back(30, 33) = Pix(8, 0, 0);
    Back(32, 33) = Pix(15, 0, 0);  // with the target's 3 the sum is 31, with S's 4 it is 32
  }
};

TEST_F(AreaFxTest, BlurAveragesFourNeighboursInPlace) {
  Back(10, 11) = Pix(4, 0, 0);
  Back(12, 11) = Pix(8, 0, 0);
  Back(11, 10) = Pix(0, 0, 12);
  Back(11, 12) = Pix(0, 2 * 8, 0);
  EXPECT_EQ(koDraw::Blur(10, 10, 3, 3), 1);
  EXPECT_EQ(Back(11, 11), Pix(3, 4, 3));
  // The second pixel reads the first one's new value as its left neighbour.
  Back(20, 21) = Pix(16, 0, 0);
  Back(23, 21) = Pix(0, 0, 16);
  koDraw::Blur(20, 20, 4, 3);
  EXPECT_EQ(BackRow(21, 20, 24), (Row{Pix(16, 0, 0), Pix(4, 0, 0), Pix(1, 0, 4), Pix(0, 0, 16)}));
  // One colour stays, save for green's lowest bit; the edges are not touched.
  Fill(40, 40, 5, 5, Pix(5, 15, 9));
  koDraw::Blur(40, 40, 5, 5);
  EXPECT_EQ(BackRow(41, 40, 45),
            (Row{Pix(5, 15, 9), Pix(5, 14, 9), Pix(5, 14, 9), Pix(5, 14, 9), Pix(5, 15, 9)}));
  EXPECT_EQ(BackRow(40, 40, 45), Row(5, Pix(5, 15, 9)));
  EXPECT_EQ(BackRow(44, 40, 45), Row(5, Pix(5, 15, 9)));
  koDraw::Blur(40, 40, 2, 5);
  koDraw::Blur(40, 40, 5, 2);
  EXPECT_EQ(Back(41, 41), Pix(5, 14, 9));
  koDraw::BlurFade(1, 0, 7, 40, 40, 3, 3);  // blue 9 down, red down, green kept
  EXPECT_EQ(Back(41, 41), Pix(4, 14, 8));
  Fill(50, 50, 3, 3, Pix(0, 2, 0));
  koDraw::BlurFade(1, 1, 1, 50, 50, 3, 3);
  EXPECT_EQ(Back(51, 51), Pix(0, 0, 0));  // channels at 0 stay 0
}

TEST_F(AreaFxTest, MeltMovesUpAndSoftensByTheTable) {
  gMeltRandomTable[1] = 2;  // entry 0 copies; entry 1 softens one pixel, then copies
  MeltScene();
  EXPECT_EQ(koDraw::Melt(30, 30, 3, 4), 1);
  // Row 31 copies the old row 32; row 32 averages round row 33, reading itself as it was.
  EXPECT_EQ(Column(31, 30, 35),
            (Row{Pix(1, 0, 0), Pix(3, 0, 0), Pix(7, 0, 0), Pix(4, 0, 0), Pix(5, 0, 0)}));
  EXPECT_EQ(gMeltRun, 1);
  EXPECT_EQ(gMeltRandomPos, 1);
  // MeltFade with no fade does the same on its own pair; the next pixel is a copy.
  MeltScene();
  koDraw::MeltFade(0, 0, 0, 30, 30, 3, 4);
  EXPECT_EQ(Column(31, 31, 33), (Row{Pix(3, 0, 0), Pix(7, 0, 0)}));
  EXPECT_EQ(gMeltFadeRandomPos, 1);
  MeltScene();
  koDraw::Melt(30, 30, 3, 4);
  EXPECT_EQ(Column(31, 31, 33), (Row{Pix(3, 0, 0), Pix(4, 0, 0)}));
  EXPECT_EQ(gMeltRun, 0);
  EXPECT_EQ(gMeltRandomPos, 3);
  // A fade darkens only the softened pixel.
  gMeltFadeRun = gMeltFadeRandomPos = 0;
  MeltScene();
  koDraw::MeltFade(1, 0, 0, 30, 30, 3, 4);
  EXPECT_EQ(Column(31, 31, 33), (Row{Pix(3, 0, 0), Pix(6, 0, 0)}));
}

TEST_F(AreaFxTest, MeltPositionRestartsAtARandomPlace) {
  gMeltRandomPos = 9999;
  Fill(0, 0, 3, 4, Pix(1, 2, 3));
  koSystem::SeedRand(7);
  koDraw::Melt(0, 0, 3, 3);  // one copied pixel
  koSystem::SeedRand(7);
  const int expected = koSystem::Rand() % 1000;
  EXPECT_EQ(gMeltRandomPos, expected);
  EXPECT_EQ(gMeltRun, 0);
}

TEST_F(AreaFxTest, NoiseAddsTableValuesRowByRowWithinFiveBits) {
  gMeltRandomTable[1] = 1;
  gMeltRandomTable[2] = 2;
  gMeltRandomTable[6] = 1;
  gMeltRandomTable[7] = 2;
  Back(0, 0) = Pix(3, 6, 3);
  Back(1, 0) = Pix(31, 63, 31);
  Back(0, 1) = Pix(10, 21, 3);
  Back(1, 1) = Pix(1, 1, 1);
  EXPECT_EQ(koDraw::AddNoise(0, 0, 0, 2, 2), 1);
  EXPECT_EQ(BackRow(0, 0, 2), (Row{Pix(3, 6, 3), Pix(31, 62, 31)}));
  EXPECT_EQ(BackRow(1, 0, 2), (Row{Pix(12, 24, 5), Pix(1, 0, 1)}));  // entry 3 adds 0
  EXPECT_EQ(gNoiseRandomPos, 4);
  Back(5, 5) = Back(6, 5) = Back(7, 5) = Pix(1, 2, 3);
  koDraw::AddChannelNoise(1, 0, 0, 2, 5, 5, 3, 1);  // its own position: 0, 4, 8 on red
  EXPECT_EQ(BackRow(5, 5, 8), (Row{Pix(1, 2, 3), Pix(5, 2, 3), Pix(9, 2, 3)}));
  EXPECT_EQ(gChannelNoiseRandomPos, 3);
  koDraw::AddChannelNoise(0, 1, 1, 40, 5, 5, 3, 1);  // a shift past five bits fills the channel
  EXPECT_EQ(BackRow(5, 5, 8), (Row{Pix(1, 2, 3), Pix(5, 2, 3), Pix(9, 2, 3)}));
  koDraw::AddChannelNoise(0, 1, 1, 40, 5, 5, 3, 1);
  EXPECT_EQ(BackRow(5, 5, 8), (Row{Pix(1, 62, 31), Pix(5, 62, 31), Pix(9, 2, 3)}));
}

TEST_F(AreaFxTest, MosaicFillsBlocksInsideTheDisc) {
  for (int y = 90; y < 110; ++y)
    for (int x = 90; x < 110; ++x) Back(x, y) = static_cast<uint16_t>(x * 100 + y);
  auto old = [](int x, int y) { return static_cast<uint16_t>(x * 100 + y); };
  EXPECT_EQ(koDraw::MosaicCircle(100, 100, 3, 2), 1);
  EXPECT_EQ(Back(99, 100), old(99, 99));
  EXPECT_EQ(Back(100, 99), old(99, 99));
  EXPECT_EQ(Back(102, 102), old(101, 101));
  EXPECT_EQ(Back(98, 100), old(97, 99));
  EXPECT_EQ(Back(97, 100), old(97, 100));  // distance 3 is not inside
  EXPECT_EQ(Back(97, 97), old(97, 97));
  EXPECT_EQ(Back(103, 100), old(103, 100));
  EXPECT_EQ(koDraw::MosaicCircle(95, 95, 0, 2), 1);
  EXPECT_EQ(koDraw::MosaicCircle(95, 95, 4, 0), 1);  // no step: nothing
  EXPECT_EQ(Back(95, 96), old(95, 96));
}

TEST_F(AreaFxTest, MosaicInACornerFillsTheQuarterInside) {
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 5; ++x) Back(x, y) = static_cast<uint16_t>(1 + x + 5 * y);
  koDraw::MosaicCircle(0, 0, 3, 4);
  EXPECT_EQ(BackRow(0, 0, 5), (Row{1, 1, 1, 4, 5}));
  EXPECT_EQ(BackRow(2, 0, 5), (Row{1, 1, 1, 14, 15}));
  EXPECT_EQ(BackRow(3, 0, 5), (Row{16, 17, 18, 19, 20}));
  Back(636, 476) = 77;
  koDraw::MosaicCircle(639, 479, 3, 4);
  EXPECT_EQ(Back(639, 479), 77);
  EXPECT_EQ(Back(637, 478), 77);
  for (int r : {1, 5000, INT_MAX, INT_MIN})
    for (int c : {-1, 0, 639, 640, INT_MAX, INT_MIN}) {
      EXPECT_EQ(koDraw::MosaicCircle(c, c, r, 3), 1);
      EXPECT_EQ(koDraw::MosaicCircle(c, 200, r, INT_MAX), 1);
    }
}

TEST_F(AreaFxTest, MagnifyEnlargesThroughTheBufferAndDrawsBackOpaque) {
  const uint16_t A = Pix(1, 0, 0), B = Pix(2, 0, 0), C = Pix(3, 0, 0), D = Pix(4, 0, 0), E = 0;
  auto scene = [&] {
    Fill(10, 10, 4, 4, 0);
    Back(10, 10) = A, Back(11, 10) = B, Back(10, 11) = C, Back(11, 11) = D;
  };
  Surface* buffer = koDraw::ObjectSurface(kObjectBuffer);
  std::fill(buffer->pixels.begin(), buffer->pixels.end(), Pix(9, 9, 9));
  scene();
  EXPECT_EQ(koDraw::Magnify2(10, 10, 2, 2, 0), 1);
  EXPECT_EQ(BackRow(10, 10, 14), (Row{A, A, B, B}));
  EXPECT_EQ(BackRow(13, 10, 14), (Row{C, C, D, D}));
  EXPECT_EQ(buffer->Row(3)[3], D);  // the buffer keeps the enlarged copy
  std::fill(buffer->pixels.begin(), buffer->pixels.end(), E);
  scene();
  koDraw::Magnify2(10, 10, 2, 2, 1);  // the buffer's 0 is drawn too: no key
  EXPECT_EQ(BackRow(10, 10, 14), (Row{A, E, B, E}));
  EXPECT_EQ(BackRow(11, 10, 14), (Row{E, E, E, E}));
  EXPECT_EQ(BackRow(12, 10, 14), (Row{C, E, D, E}));
  std::fill(buffer->pixels.begin(), buffer->pixels.end(), E);
  scene();
  koDraw::Magnify4(10, 10, 1, 1, 1);
  EXPECT_EQ(BackRow(11, 10, 14), (Row{A, A, E, E}));
  EXPECT_EQ(BackRow(12, 10, 14), (Row{E, E, E, E}));
  scene();
  koDraw::SetClip(0, 0, 12, 480);  // the blit back is clipped
  koDraw::Magnify4(10, 10, 1, 1, 0);
  EXPECT_EQ(BackRow(13, 10, 14), (Row{A, A, 0, 0}));
}

TEST_F(AreaFxTest, AreasOffTheScreenAreCutAndMissingSurfacesFail) {
  for (int v : {-100000, -1, 600, INT_MAX, INT_MIN}) {
    EXPECT_EQ(koDraw::Melt(v, v, INT_MAX, INT_MAX), 1);
    EXPECT_EQ(koDraw::MeltFade(1, 1, 1, 630, v, 100, 100), 1);
    EXPECT_EQ(koDraw::Blur(v, 470, INT_MAX, 100), 1);
    EXPECT_EQ(koDraw::BlurFade(1, 1, 1, v, v, 700, 700), 1);
    EXPECT_EQ(koDraw::AddNoise(INT_MAX, v, v, 640, 480), 1);
    EXPECT_EQ(koDraw::AddChannelNoise(1, 1, 1, INT_MIN, 0, v, v, 480), 1);
    EXPECT_EQ(koDraw::Magnify2(v, v, 640, 480, 0), 1);
    EXPECT_EQ(koDraw::Magnify4(600, 400, v, INT_MAX, 1), 1);
  }
  // The melts read the row below the area, so the area ends a row above the screen's
  // bottom: row 477 is the only target left, and row 478 stays.
  Fill(0, 476, 640, 4, Pix(1, 0, 0));
  Back(5, 478) = Pix(9, 0, 0);
  Back(5, 479) = Pix(7, 0, 0);
  koDraw::Melt(0, 476, 640, 4);
  EXPECT_EQ(Column(5, 476, 480), (Row{Pix(1, 0, 0), Pix(9, 0, 0), Pix(9, 0, 0), Pix(7, 0, 0)}));
  koDraw::Release();
  EXPECT_EQ(koDraw::Melt(0, 0, 10, 10), 0);
  EXPECT_EQ(koDraw::Blur(0, 0, 10, 10), 0);
  EXPECT_EQ(koDraw::AddNoise(0, 0, 0, 10, 10), 0);
  EXPECT_EQ(koDraw::MosaicCircle(5, 5, 3, 1), 0);
  EXPECT_EQ(koDraw::Magnify2(0, 0, 10, 10, 0), 0);
}

}  // namespace
