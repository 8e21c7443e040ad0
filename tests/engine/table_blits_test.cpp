// The table blits: fades, shadow, darkened and grey copies through the blend tables.
#include <climits>

#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint16_t Pix(int r, int g6, int b) {
  return static_cast<uint16_t>(r << 11 | g6 << 5 | b);
}

class TableBlitTest : public DrawTest {
 protected:
  int Row(std::vector<uint16_t> pixels) {
    return MakeObject(static_cast<int>(pixels.size()), 1,
                      [pixels](int x, int) { return pixels[static_cast<size_t>(x)]; });
  }
};

TEST_F(TableBlitTest, FadeMixesSourceAndBackgroundInFiveBits) {
  const int n = Row({Pix(31, 63, 31), Pix(20, 20, 3), 0});
  auto fade = [&](int r, int g, int b) {
    Back(0, 0) = Pix(1, 63, 1);
    Back(1, 0) = Back(2, 0) = Pix(10, 40, 31);
    EXPECT_EQ(koDraw::BlitFadeRGB(0, 0, r, g, b, n, 0, 0, 3, 1), 1);
    EXPECT_EQ(Back(2, 0), Pix(10, 40, 31));  // value 0 stays transparent
  };
  koDraw::BlitFade(0, 0, 31, n, 0, 0, 1, 1);
  fade(31, 31, 31);
  EXPECT_EQ(Back(0, 0), Pix(31, 62, 31));  // the source, green's low bit dropped
  fade(0, 0, 0);
  EXPECT_EQ(Back(0, 0), Pix(1, 62, 1));  // the background in the same reduced form
  fade(16, 31, 0);
  // Table level 15: max(0, s - 15) + max(0, d - 16).
  EXPECT_EQ(Back(1, 0), Pix(5 + 0, 2 * 10, 31));
  EXPECT_EQ(Back(0, 0), Pix(16, 62, 1));
  Back(0, 0) = Pix(1, 63, 1);
  koDraw::BlitFade(0, 0, 16, n, 0, 0, 1, 1);  // green: 16 + (31 - 16)
  EXPECT_EQ(Back(0, 0), Pix(16, 62, 16));
}

TEST_F(TableBlitTest, FadeGradientStepsOneTableLevelAtATime) {
  const int n = MakeObject(40, 40, [](int, int) { return Pix(31, 0, 0); });
  koDraw::BlitFadeGradient(0, 0, 0, 0, 0, 0, 0, 1, n, 0, 0, 40, 2);
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(Back(0, y), 0);
    EXPECT_EQ(Back(1, y), Pix(1, 0, 0));  // table level 30
    EXPECT_EQ(Back(30, y), Pix(30, 0, 0));
    EXPECT_EQ(Back(31, y), Pix(31, 0, 0));
    EXPECT_EQ(Back(39, y), Pix(31, 0, 0));
  }
  koDraw::BlitFadeGradient(100, 0, 10, 0, 0, 1, 2, 3, n, 0, 0, 1, 40);
  EXPECT_EQ(Back(100, 4), Pix(10, 0, 0));  // rows 0 to start + every - 1 at the level given
  EXPECT_EQ(Back(100, 5), Pix(11, 0, 0));  // table level 20
  EXPECT_EQ(Back(100, 8), Pix(12, 0, 0));
  EXPECT_EQ(Back(100, 39), Pix(22, 0, 0));  // (39 - 2) / 3 = 12 steps
}

TEST_F(TableBlitTest, ShadowDarkenAndGrey) {
  const int n = Row({Pix(31, 0, 0), Pix(0, 0, 1), Pix(10, 63, 31), Pix(20, 40, 5)});
  for (int x = 0; x < 4; ++x) Back(x, 0) = x < 2 ? Pix(3, 63, 3) : Pix(20, 40, 5);
  koDraw::BlitShadow(0, 0, n, 0, 0, 4, 1);
  EXPECT_EQ(Back(0, 0), 0);               // red 31 takes everything
  EXPECT_EQ(Back(1, 0), Pix(3, 62, 3));   // red 0 only drops green's low bit
  EXPECT_EQ(Back(2, 0), Pix(10, 20, 0));  // 20 - 10, 20 - 10, 5 - 10 floored
  koDraw::BlitDarken(0, 1, 0, n, 0, 0, 4, 1);
  for (int x = 0; x < 4; ++x) EXPECT_EQ(Back(x, 1), 0) << x;
  koDraw::BlitDarken(0, 1, 31, n, 0, 0, 4, 1);
  EXPECT_EQ(Back(2, 1), Pix(10, 62, 31));
  koDraw::BlitDarkenRGB(0, 1, 21, 31, 0, n, 0, 0, 4, 1);
  EXPECT_EQ(Back(3, 1), Pix(10, 40, 0));  // red lowered by 10, green kept, blue by 31
  koDraw::BlitGrey(0, 2, n, 0, 0, 4, 1);
  EXPECT_EQ(Back(0, 2), Pix(10, 20, 10));
  EXPECT_EQ(Back(2, 2), Pix(24, 48, 24));  // (10 + 31 + 31) / 3
}

TEST_F(TableBlitTest, ClipOnEveryEdgeAndHostileArguments) {
  const int n = MakeObject(6, 6, [](int, int) { return 0xFFFF; });
  koDraw::SetClip(12, 12, 14, 15);
  EXPECT_EQ(koDraw::BlitGrey(10, 10, n, 0, 0, 6, 6), 1);
  for (int y = 8; y < 20; ++y)
    for (int x = 8; x < 20; ++x)
      EXPECT_EQ(Back(x, y) != 0, x >= 12 && x < 14 && y >= 12 && y < 15) << x << "," << y;
  koDraw::SetClip(0, 0, 640, 480);
  EXPECT_EQ(koDraw::BlitShadow(0, 0, 4096, 0, 0, 6, 6), 0);
  EXPECT_EQ(koDraw::BlitShadow(700, 0, 4096, 0, 0, 6, 6), 1);  // clipped away first
  // Levels outside 0..31 are held at the ends, never index past the tables.
  koDraw::BlitFade(0, 0, INT_MAX, n, 0, 0, 1, 1);
  EXPECT_EQ(Back(0, 0), 0xFFDF);
  koDraw::BlitDarkenRGB(0, 0, INT_MIN, -1, 99, n, 0, 0, 1, 1);
  EXPECT_EQ(Back(0, 0), Pix(0, 0, 31));
  EXPECT_EQ(koDraw::BlitFadeGradient(0, 0, -9, 40, 5, 1, 65535, INT_MIN, n, INT_MIN, INT_MIN,
                                     INT_MAX, INT_MAX),
            1);
}

}  // namespace
