// The float channel blits: exact channel values, the gradient's steps, the clip.
#include <climits>
#include <limits>

#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint16_t Pix(int r, int g6, int b) {
  return static_cast<uint16_t>(r << 11 | g6 << 5 | b);
}

using ChannelBlitTest = DrawTest;

TEST_F(ChannelBlitTest, AlphaTruncatesEachChannelAndSkipsValueZero) {
  const int n = MakeObject(3, 1, [](int x, int) { return x == 2 ? 0 : Pix(31, 63, 31); });
  for (int x = 0; x < 3; ++x) Back(x, 0) = x == 0 ? 0 : Pix(1, 2, 3);
  EXPECT_EQ(koDraw::BlitAlpha(0, 0, 0.5f, n, 0, 0, 3, 1), 1);
  EXPECT_EQ(Back(0, 0), Pix(15, 31, 15));
  EXPECT_EQ(Back(1, 0), Pix(16, 32, 17));  // 0.5 + 15.5, 1 + 31.5, 1.5 + 15.5
  EXPECT_EQ(Back(2, 0), Pix(1, 2, 3));     // value 0: untouched
  Back(0, 0) = Pix(10, 20, 30);
  koDraw::BlitAlphaRGB(0, 0, 1.0f, 0.0f, 0.25f, n, 0, 0, 1, 1);
  EXPECT_EQ(Back(0, 0), Pix(31, 20, 30));  // 30 x 0.75 + 31 x 0.25 = 30.25
  Back(0, 0) = Pix(10, 20, 30);
  koDraw::BlitAlpha(0, 0, 1e30f, n, 0, 0, 1, 1);  // held at 1: the source
  EXPECT_EQ(Back(0, 0), Pix(31, 63, 31));
  koDraw::BlitAlpha(0, 0, std::numeric_limits<float>::quiet_NaN(), n, 0, 0, 1, 1);
  EXPECT_EQ(Back(0, 0), Pix(31, 63, 31));
}

TEST_F(ChannelBlitTest, GradientStepsAcrossColumnsAndRestartsEachRow) {
  const int n = MakeObject(80, 2, [](int, int) { return Pix(0, 63, 0); });
  koDraw::BlitAlphaGradient(0, 0, 0.0f, 0.0f, 0.0f, 0, 10, 2, n, 0, 0, 80, 2);
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(Back(11, y), 0) << y;
    EXPECT_EQ(Back(12, y), Pix(0, 1, 0)) << y;  // 63 / 32
    EXPECT_EQ(Back(13, y), Pix(0, 1, 0)) << y;
    EXPECT_EQ(Back(14, y), Pix(0, 3, 0)) << y;  // 63 / 16
    EXPECT_EQ(Back(73, y), Pix(0, 61, 0)) << y;
    EXPECT_EQ(Back(74, y), Pix(0, 63, 0)) << y;
    EXPECT_EQ(Back(79, y), Pix(0, 63, 0)) << y;
  }
  // Cut at the left edge: the count starts at the first drawn column.
  koDraw::SetClip(100, 0, 640, 480);
  koDraw::BlitAlphaGradient(90, 10, 0.0f, 0.0f, 0.0f, 0, 10, 2, n, 0, 0, 80, 1);
  EXPECT_EQ(Back(111, 10), 0);
  EXPECT_EQ(Back(112, 10), Pix(0, 1, 0));
  // Each channel starts from its own alpha.
  const int white = MakeObject(1, 1, [](int, int) { return Pix(31, 63, 31); });
  koDraw::BlitAlphaGradient(100, 20, 0.0f, 0.5f, 1.0f, 0, 0, 1, white, 0, 0, 1, 1);
  EXPECT_EQ(Back(100, 20), Pix(0, 31, 31));
}

TEST_F(ChannelBlitTest, VerticalGradientStepsDownTheRows) {
  const int n = MakeObject(2, 40, [](int, int) { return Pix(31, 0, 0); });
  koDraw::BlitAlphaGradient(0, 0, 0.5f, 0.0f, 0.0f, 1, 0, 1, n, 0, 0, 2, 40);
  EXPECT_EQ(Back(1, 0), Pix(15, 0, 0));  // row 0: the given alpha
  EXPECT_EQ(Back(1, 1), Pix(16, 0, 0));  // 31 x (1 - (0.5 - 1/32))
  EXPECT_EQ(Back(1, 16), Pix(31, 0, 0));
  EXPECT_EQ(Back(1, 39), Pix(31, 0, 0));
}

TEST_F(ChannelBlitTest, BrightnessScalesTheSourceAndMaskKeepsChannels) {
  const int n = MakeObject(2, 1, [](int x, int) { return x ? Pix(31, 63, 31) : 0; });
  Back(0, 0) = Back(1, 0) = Pix(5, 5, 5);
  koDraw::BlitBrightness(0, 0, 0.0f, n, 0, 0, 2, 1);
  EXPECT_EQ(Back(0, 0), Pix(5, 5, 5));
  EXPECT_EQ(Back(1, 0), 0);  // the shape in black
  koDraw::BlitBrightnessRGB(0, 0, 0.5f, 1.0f, 0.1f, n, 0, 0, 2, 1);
  EXPECT_EQ(Back(1, 0), Pix(15, 63, 3));
  koDraw::BlitMaskChannels(0, 0, 1, 0, 0, n, 0, 0, 2, 1);
  EXPECT_EQ(Back(1, 0), Pix(31, 0, 0));
  koDraw::BlitMaskChannels(0, 0, 0, 1, 1, n, 0, 0, 2, 1);
  EXPECT_EQ(Back(1, 0), Pix(0, 63, 31));
  koDraw::BlitMaskChannels(0, 0, 0, 0, 0, n, 0, 0, 2, 1);
  EXPECT_EQ(Back(1, 0), 0);
  EXPECT_EQ(Back(0, 0), Pix(5, 5, 5));
}

TEST_F(ChannelBlitTest, ClipOnEveryEdgeAndHostileArguments) {
  const int n = MakeObject(6, 6, [](int, int) { return 0xFFFF; });
  koDraw::SetClip(12, 12, 14, 15);
  EXPECT_EQ(koDraw::BlitBrightness(10, 10, 1.0f, n, 0, 0, 6, 6), 1);
  for (int y = 8; y < 20; ++y)
    for (int x = 8; x < 20; ++x)
      EXPECT_EQ(Back(x, y) != 0, x >= 12 && x < 14 && y >= 12 && y < 15) << x << "," << y;
  koDraw::SetClip(0, 0, 640, 480);
  EXPECT_EQ(koDraw::BlitAlpha(-10, 0, 1.0f, 9999, 0, 0, 6, 6), 1);  // clipped away first
  EXPECT_EQ(koDraw::BlitAlpha(0, 0, 1.0f, 9999, 0, 0, 6, 6), 0);    // no such picture
  EXPECT_EQ(koDraw::BlitAlpha(0, 0, 1.0f, -1, 0, 0, 6, 6), 0);
  // A source rectangle far beyond the picture reads only the picture.
  EXPECT_EQ(koDraw::BlitAlphaGradient(INT_MIN, INT_MIN, 1, 1, 1, 0, 65535, INT_MIN, n, INT_MIN,
                                      INT_MIN, INT_MAX, INT_MAX),
            1);
  EXPECT_EQ(Back(5, 5), 0xFFFF);  // its origin moved with the clip
  EXPECT_EQ(Back(6, 6), 0);
  EXPECT_EQ(koDraw::BlitMaskChannels(100, 100, 1, 1, 1, n, -3, -3, 100, 100), 1);
  EXPECT_EQ(Back(102, 102), 0);
  EXPECT_EQ(Back(103, 103), 0xFFFF);
  EXPECT_EQ(Back(109, 109), 0);
}

}  // namespace
