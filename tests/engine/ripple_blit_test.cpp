// The ripple blit.
#include <cmath>
#include <limits>

#include "tests/engine/draw_fixture.h"

namespace {

class RippleBlitTest : public DrawTest {
 protected:
  // w x h pixels numbered 1 + x + 10y, with 0 at (0, 0).
  int Numbered(int w, int h) {
    return MakeObject(
        w, h, [](int x, int y) { return static_cast<uint16_t>(x + y == 0 ? 0 : 1 + x + 10 * y); });
  }
  static void FillBack(uint16_t v) {
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) Back(x, y) = v;
  }
  static constexpr uint16_t kBg = 0xABCD;
};

TEST_F(RippleBlitTest, FlatRippleCopiesTheRectangleWithItsZeros) {
  const int n = Numbered(4, 3);
  FillBack(kBg);
  EXPECT_EQ(koDraw::BlitRipple(5, 6, 0, 3, 1, 1.0f, 0.0f, n, 0, 0, 4, 3), 1);
  EXPECT_EQ(BackRow(6, 4, 10), (std::vector<uint16_t>{kBg, 0, 2, 3, 4, kBg}));
  EXPECT_EQ(BackRow(8, 4, 10), (std::vector<uint16_t>{kBg, 21, 22, 23, 24, kBg}));
  EXPECT_EQ(BackRow(9, 4, 10), std::vector<uint16_t>(6, kBg));
}

TEST_F(RippleBlitTest, StepThinsTheGridAndLeavesTheRestAsItWas) {
  const int n = Numbered(4, 3);
  FillBack(kBg);
  koDraw::BlitRipple(0, 0, 0, 0, 2, 1.0f, 0.0f, n, 0, 0, 4, 3);
  EXPECT_EQ(BackRow(0, 0, 4), (std::vector<uint16_t>{0, kBg, 3, kBg}));
  EXPECT_EQ(BackRow(1, 0, 4), std::vector<uint16_t>(4, kBg));
  EXPECT_EQ(BackRow(2, 0, 4), (std::vector<uint16_t>{21, kBg, 23, kBg}));
}

TEST_F(RippleBlitTest, OffsetFollowsTheSaddleShearAndScale) {
  // One row: ny = -1, nx = -1, -1/3, 1/3. Frequency 0 gives a cosine of 1, so
  // the offset is (e + 1) x 2 / 2 with e = 1, exp(8/9), exp(8/9).
  const int n = MakeObject(3, 1, [](int x, int) { return static_cast<uint16_t>(7 + x); });
  FillBack(kBg);
  koDraw::BlitRipple(0, 0, 2, 0, 1, 1.0f, 0.0f, n, 0, 0, 3, 1);
  EXPECT_EQ(Back(0, 2), 7);
  EXPECT_EQ(Back(1, 3), 8);
  EXPECT_EQ(Back(2, 3), 9);
  EXPECT_EQ(Back(1, 2), kBg);

  // Three rows of one column after a top cut: H' = 3, so ny = -1, -1/3, 1/3 and
  // the offsets are 10, 7.06 and 7.06 with amplitude 10.
  const int tall = MakeObject(1, 4, [](int, int y) { return static_cast<uint16_t>(5 + y); });
  FillBack(kBg);
  koDraw::BlitRipple(0, -1, 10, 0, 1, 1.0f, 0.0f, tall, 0, 0, 1, 4);
  EXPECT_EQ(BackRow(8, 0, 1), (std::vector<uint16_t>{7}));
  EXPECT_EQ(BackRow(9, 0, 1), (std::vector<uint16_t>{8}));
  EXPECT_EQ(BackRow(10, 0, 1), (std::vector<uint16_t>{6}));
  EXPECT_EQ(BackRow(0, 0, 1), (std::vector<uint16_t>{kBg}));
  // The same across after a left cut: W' = 3, nx = -1, -1/3, 1/3, offsets 10, 17.2, 17.2.
  const int wide = MakeObject(4, 1, [](int x, int) { return static_cast<uint16_t>(5 + x); });
  FillBack(kBg);
  koDraw::BlitRipple(-1, 0, 10, 0, 1, 1.0f, 0.0f, wide, 0, 0, 4, 1);
  EXPECT_EQ(Back(0, 10), 6);
  EXPECT_EQ(BackRow(17, 1, 3), (std::vector<uint16_t>{7, 8}));

  // Shear pushes row r right by r; scale 2 spreads the samples with gaps.
  const int m = Numbered(2, 2);
  FillBack(kBg);
  koDraw::BlitRipple(10, 10, 0, 0, 1, 2.0f, 1.0f, m, 0, 0, 2, 2);
  EXPECT_EQ(BackRow(10, 10, 14), (std::vector<uint16_t>{0, kBg, 2, kBg}));
  EXPECT_EQ(BackRow(12, 10, 16), (std::vector<uint16_t>{kBg, kBg, 11, kBg, 12, kBg}));
  // Scale 0.5 lands pairs of samples on one pixel: the later one wins.
  FillBack(kBg);
  koDraw::BlitRipple(0, 0, 0, 0, 1, 0.5f, 0.0f, m, 0, 0, 2, 2);
  EXPECT_EQ(Back(0, 0), 12);
  EXPECT_EQ(Back(1, 0), kBg);
}

TEST_F(RippleBlitTest, TargetsOutsideTheClipAreDroppedOneByOne) {
  const int n = Numbered(4, 4);
  FillBack(kBg);
  koDraw::SetClip(2, 2, 4, 4);
  // The frame's cut starts the source at (1, 1) on the clip corner; shear then
  // moves the lower row right, and only the samples landing in the clip stay.
  koDraw::BlitRipple(1, 1, 0, 0, 1, 1.0f, 1.0f, n, 0, 0, 4, 4);
  EXPECT_EQ(BackRow(1, 0, 6), std::vector<uint16_t>(6, kBg));
  EXPECT_EQ(BackRow(2, 0, 6), (std::vector<uint16_t>{kBg, kBg, 12, 13, kBg, kBg}));
  EXPECT_EQ(BackRow(3, 0, 6), (std::vector<uint16_t>{kBg, kBg, kBg, 22, kBg, kBg}));
  EXPECT_EQ(BackRow(4, 0, 6), std::vector<uint16_t>(6, kBg));
  // A left cut moves the source origin as a keyed blit does.
  koDraw::SetClip(0, 0, 640, 480);
  FillBack(kBg);
  koDraw::BlitRipple(-2, 0, 0, 0, 1, 1.0f, 0.0f, n, 0, 0, 4, 1);
  EXPECT_EQ(BackRow(0, 0, 3), (std::vector<uint16_t>{3, 4, kBg}));
}

TEST_F(RippleBlitTest, HostileArgumentsAreSafe) {
  const int n = Numbered(4, 4);
  FillBack(kBg);
  const float inf = std::numeric_limits<float>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (int step : {0, -3, INT32_MIN})
    EXPECT_EQ(koDraw::BlitRipple(0, 0, 0, 0, step, 1.0f, 0.0f, n, 0, 0, 4, 4), 1);
  EXPECT_EQ(koDraw::BlitRipple(0, 0, INT32_MAX, INT32_MAX, 1, 1e30f, -1e30f, n, 0, 0, 4, 4), 1);
  EXPECT_EQ(koDraw::BlitRipple(0, 0, INT32_MIN, 7, 1, nan, inf, n, 0, 0, 4, 4), 1);
  EXPECT_EQ(koDraw::BlitRipple(0, 0, 0, 0, 1, inf, 0.0f, n, 0, 0, 4, 4), 1);
  EXPECT_EQ(BackRow(0, 0, 8), std::vector<uint16_t>(8, kBg));
  EXPECT_EQ(koDraw::BlitRipple(0, 0, 0, 0, 1, 1.0f, 0.0f, 4000, 0, 0, 4, 4), 0);
  // A source rectangle reaching past the picture samples only the picture.
  EXPECT_EQ(koDraw::BlitRipple(0, 0, 0, 0, 1, 1.0f, 0.0f, n, -2, -2, INT32_MAX, INT32_MAX), 1);
  EXPECT_EQ(BackRow(2, 0, 7), (std::vector<uint16_t>{kBg, kBg, 0, 2, 3, 4, kBg}));
  EXPECT_EQ(koDraw::BlitRipple(0, 0, 0, 0, 1, 1.0f, 0.0f, n, INT32_MIN, 0, 4, 4), 1);
}

}  // namespace
