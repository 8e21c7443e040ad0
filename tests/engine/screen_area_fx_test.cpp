// The screen-area effects: melts, blurs, noise, the round mosaic and the
// magnifiers, each run over the same areas of a patterned screen and
// compared with its golden hash, with the places and runs they keep.
#include <climits>

#include "tests/engine/draw_fixture.h"

namespace {

using AreaOp = std::function<int(int x, int y, int width, int height)>;

class AreaFxTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    gMeltRun = gMeltRandomPos = gMeltFadeRun = gMeltFadeRandomPos = 0;
    gNoiseRandomPos = gChannelNoiseRandomPos = 0;
  }
  // Runs op on a screen where neighbours differ, with runs of one colour:
  // inside, cut by the screen's edges (the melts read the row below the area,
  // which ends a row above the bottom), twice over one place, and over
  // extreme areas; folds the screen, the results and the effects' places.
  void Scene(const AreaOp& op) {
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x)
        Back(x, y) = x / 4 % 3 ? static_cast<uint16_t>((x * 7919 + y * 104729) >> 3) : 0x7BCF;
    Add({op(30, 30, 20, 10), op(100, 100, 31, 23), op(100, 100, 31, 23), op(620, 470, 40, 20)});
    Add({op(-5, -7, 20, 20), op(0, 476, 640, 4), op(1, 1, 2, 2), op(200, 200, 0, 5)});
    for (int v : {-100000, -1, 640, INT_MAX, INT_MIN})
      Add({op(v, v, INT_MAX, INT_MAX), op(630, v, 100, 100), op(v, 470, INT_MAX, 100)});
    Fold();
    Add({gMeltRun, gMeltRandomPos, gMeltFadeRun, gMeltFadeRandomPos, gNoiseRandomPos,
         gChannelNoiseRandomPos, koSystem::Rand()});
  }
};

// Melts move rows up, softening where the random table says, each with its
// own run and place; a place past the table restarts at a random one.
TEST_F(AreaFxTest, MeltsAndBlurs) {
  Scene(koDraw::Melt);
  gMeltRandomPos = gMeltFadeRandomPos = 9999;
  Scene(koDraw::Melt);
  const int fades[][3] = {{0, 0, 0}, {1, 0, 0}, {1, 2, 3}, {40, -1, 7}};
  for (const auto& [red, green, blue] : fades) {
    Scene(
        [&](int x, int y, int w, int h) { return koDraw::MeltFade(red, green, blue, x, y, w, h); });
    Scene(
        [&](int x, int y, int w, int h) { return koDraw::BlurFade(red, green, blue, x, y, w, h); });
  }
  Scene(koDraw::Blur);  // four neighbours in place: the next pixel reads the new one
  ExpectGolden();
}

// Noise adds table values row by row within five bits, the channel noise
// from its own place and only on the channels it names.
TEST_F(AreaFxTest, Noise) {
  for (int shift : {0, 2, 40, -1})
    Scene([&](int x, int y, int w, int h) { return koDraw::AddNoise(shift, x, y, w, h); });
  const int channels[][4] = {{1, 0, 0, 2}, {0, 1, 1, 40}, {1, 1, 1, INT_MIN}, {0, 0, 1, 0}};
  for (const auto& [red, green, blue, shift] : channels)
    Scene([&](int x, int y, int w, int h) {
      return koDraw::AddChannelNoise(red, green, blue, shift, x, y, w, h);
    });
  ExpectGolden();
}

// The mosaic fills blocks whose corner lies inside the disc, also in a
// corner of the screen; the magnifiers enlarge through the buffer, which
// keeps the copy, then draw back unkeyed and clipped.
TEST_F(AreaFxTest, MosaicAndMagnifiers) {
  for (int step : {2, 4, 5, 0, INT_MAX, 3})
    Scene([&](int x, int y, int w, int) { return koDraw::MosaicCircle(x, y, w / 2, step); });
  Surface* buffer = koDraw::ObjectSurface(kObjectBuffer);
  for (int mode : {0, 1})
    for (uint16_t fill : {0x4A49, 0}) {
      std::fill(buffer->pixels.begin(), buffer->pixels.end(), fill);
      Scene([&](int x, int y, int w, int h) { return koDraw::Magnify2(x, y, w, h, mode); });
      for (int i = 0; i < 60; ++i) Add(buffer->pixels[i * 641]);
      koDraw::SetClip(0, 0, 112, 480);
      Scene([&](int x, int y, int w, int h) { return koDraw::Magnify4(x, y, w, h, mode); });
      koDraw::SetClip(0, 0, 640, 480);
    }
  ExpectGolden();
}

TEST_F(AreaFxTest, MissingSurfacesFail) {
  koDraw::Release();
  EXPECT_EQ(koDraw::Melt(0, 0, 10, 10) + koDraw::Blur(0, 0, 10, 10) +
                koDraw::AddNoise(0, 0, 0, 10, 10) + koDraw::MosaicCircle(5, 5, 3, 1) +
                koDraw::Magnify2(0, 0, 10, 10, 0),
            0);
}

}  // namespace
