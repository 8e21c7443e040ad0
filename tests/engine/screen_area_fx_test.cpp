// The screen-area effects: melts, blurs, noise, the round mosaic and the magnifiers.
#include <climits>

#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint16_t Pix(int r, int g6, int b) {
  return static_cast<uint16_t>(r << 11 | g6 << 5 | b);
}

class AreaFxTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    gMeltRun = gMeltRandomPos = gMeltFadeRun = gMeltFadeRandomPos = 0;
    gNoiseRandomPos = gChannelNoiseRandomPos = 0;
    std::fill(std::begin(gMeltRandomTable), std::end(gMeltRandomTable), 0);
    for (int y = 0; y < 480; ++y)  // a picture where every pixel differs from its neighbours
      for (int x = 0; x < 640; ++x)
        Back(x, y) = static_cast<uint16_t>((x * 7919 + y * 104729) >> 3);
  }
  static void Fill(int x0, int y0, int w, int h, uint16_t p) {
    for (int y = y0; y < y0 + h; ++y)
      for (int x = x0; x < x0 + w; ++x) Back(x, y) = p;
  }
  void Check() {
    Fold();
    Add({gMeltRun, gMeltRandomPos, gMeltFadeRun, gMeltFadeRandomPos, gNoiseRandomPos,
         gChannelNoiseRandomPos});
  }
};

// The blur averages four neighbours in place (the next pixel reads the new
// one); one colour stays but for green's lowest bit; fades keep 0 at 0.
TEST_F(AreaFxTest, BlurAndBlurFade) {
  Add(koDraw::Blur(10, 10, 30, 20));
  Fill(40, 40, 5, 5, Pix(5, 15, 9));
  koDraw::Blur(40, 40, 5, 5);
  koDraw::Blur(40, 40, 2, 5);
  koDraw::Blur(40, 40, 5, 2);
  koDraw::BlurFade(1, 0, 7, 40, 40, 3, 3);
  Fill(50, 50, 3, 3, Pix(0, 2, 0));
  koDraw::BlurFade(1, 1, 1, 50, 50, 3, 3);
  koDraw::BlurFade(2, 3, 1, 100, 100, 20, 10);
  Check();
  ExpectGolden();
}

// Melts move rows up, softening where the table says, each with its own run
// and table position; a position past the table restarts at a random place.
TEST_F(AreaFxTest, Melts) {
  gMeltRandomTable[1] = 2;
  gMeltRandomTable[5] = 1;
  for (int i = 0; i < 3; ++i, Check()) Add(koDraw::Melt(30, 30, 20, 10));
  for (int i = 0; i < 2; ++i, Check()) koDraw::MeltFade(i, 0, 0, 60, 30, 20, 10);
  koDraw::MeltFade(1, 2, 3, 60, 30, 20, 10);
  Check();
  gMeltRandomPos = 9999;
  koSystem::SeedRand(7);
  koDraw::Melt(0, 0, 3, 3);
  Check();
  // The melts read the row below the area, which ends a row above the screen's bottom.
  koDraw::Melt(0, 476, 640, 4);
  koDraw::MeltFade(1, 1, 1, 0, 470, 640, 10);
  Check();
  ExpectGolden();
}

TEST_F(AreaFxTest, NoiseAddsTableValuesRowByRowWithinFiveBits) {
  for (int i = 0; i < 1000; ++i) gMeltRandomTable[i] = i % 5;
  Add(koDraw::AddNoise(0, 0, 0, 20, 20));
  koDraw::AddNoise(2, 20, 20, 20, 20);
  Back(5, 45) = Back(6, 45) = Back(7, 45) = Pix(1, 2, 3);
  koDraw::AddChannelNoise(1, 0, 0, 2, 5, 45, 3, 1);   // its own position
  koDraw::AddChannelNoise(0, 1, 1, 40, 5, 45, 3, 1);  // a shift past five bits fills the channel
  koDraw::AddChannelNoise(0, 1, 1, 40, 5, 45, 3, 1);
  Check();
  ExpectGolden();
}

// The mosaic fills blocks whose corner is inside the disc, also in a corner
// of the screen; the magnifiers enlarge through the buffer, then draw back
// unkeyed and clipped.
TEST_F(AreaFxTest, MosaicAndMagnifiers) {
  Add({koDraw::MosaicCircle(100, 100, 3, 2), koDraw::MosaicCircle(95, 95, 0, 2)});
  Add(koDraw::MosaicCircle(200, 200, 4, 0));  // no step: nothing
  koDraw::MosaicCircle(300, 100, 20, 5);
  koDraw::MosaicCircle(0, 0, 3, 4);
  koDraw::MosaicCircle(639, 479, 3, 4);
  for (int r : {1, 5000, INT_MAX, INT_MIN})
    for (int c : {-1, 0, 639, 640, INT_MAX, INT_MIN}) {
      EXPECT_EQ(koDraw::MosaicCircle(c, c, r, 3), 1);
      EXPECT_EQ(koDraw::MosaicCircle(c, 200, r, INT_MAX), 1);
    }
  Surface* buffer = koDraw::ObjectSurface(kObjectBuffer);
  std::fill(buffer->pixels.begin(), buffer->pixels.end(), Pix(9, 9, 9));
  Add(koDraw::Magnify2(400, 10, 20, 10, 0));
  std::fill(buffer->pixels.begin(), buffer->pixels.end(), 0);
  koDraw::Magnify2(400, 100, 20, 10, 1);  // the buffer's 0 is drawn too: no key
  std::fill(buffer->pixels.begin(), buffer->pixels.end(), 0);
  koDraw::Magnify4(400, 200, 10, 10, 1);
  koDraw::SetClip(0, 0, 412, 480);
  koDraw::Magnify4(400, 300, 10, 10, 0);
  Fold();
  for (int i = 0; i < 60; ++i) Add(buffer->pixels[i * 641]);
  ExpectGolden();
}

TEST_F(AreaFxTest, AreasOffTheScreenAreCutAndMissingSurfacesFail) {
  const std::vector<uint16_t> before = gBackSurface->pixels;
  for (int v : {-100000, -1, 640, INT_MAX, INT_MIN}) {
    EXPECT_EQ(koDraw::Melt(v, v, INT_MAX, INT_MAX), 1);
    EXPECT_EQ(koDraw::MeltFade(1, 1, 1, 630, v, 100, 100), 1);
    EXPECT_EQ(koDraw::Blur(v, 480, INT_MAX, 100), 1);
    EXPECT_EQ(koDraw::BlurFade(1, 1, 1, v, v, 700, 700), 1);
    EXPECT_EQ(koDraw::AddNoise(INT_MAX, v, v, 640, 480), 1);
    EXPECT_EQ(koDraw::AddChannelNoise(1, 1, 1, INT_MIN, 0, v, v, 480), 1);
    EXPECT_EQ(koDraw::Magnify2(v, v, 640, 480, 0), 1);
    EXPECT_EQ(koDraw::Magnify4(600, 400, v, INT_MAX, 1), 1);
  }
  koDraw::Release();
  EXPECT_EQ(koDraw::Melt(0, 0, 10, 10), 0);
  EXPECT_EQ(koDraw::Blur(0, 0, 10, 10), 0);
  EXPECT_EQ(koDraw::AddNoise(0, 0, 0, 10, 10), 0);
  EXPECT_EQ(koDraw::MosaicCircle(5, 5, 3, 1), 0);
  EXPECT_EQ(koDraw::Magnify2(0, 0, 10, 10, 0), 0);
}

}  // namespace
