// The turned blits.
#include <limits>

#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint16_t Pix(int r, int g6, int b) {
  return static_cast<uint16_t>(r << 11 | g6 << 5 | b);
}
constexpr uint16_t kBg = 0xABCD;

class TurnedBlitTest : public DrawTest {
 protected:
  // w x h pixels numbered 1 + x + 10y.
  int Numbered(int w, int h) {
    return MakeObject(w, h, [](int x, int y) { return static_cast<uint16_t>(1 + x + 10 * y); });
  }
  static void FillBack(uint16_t v) {
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) Back(x, y) = v;
  }
  static std::vector<uint16_t> Area(int x0, int y0, int x1, int y1) {
    std::vector<uint16_t> out;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) out.push_back(Back(x, y));
    return out;
  }
};

TEST_F(TurnedBlitTest, AngleZeroDrawsUnturnedAndCentred) {
  const int n = MakeObject(
      2, 2, [](int x, int y) { return static_cast<uint16_t>(x + y == 0 ? 0 : 5 + x + 2 * y); });
  FillBack(kBg);
  EXPECT_EQ(koDraw::BlitSpin(3, 3, 5, 5, 0, n, 0, 0, 2, 2), 1);
  EXPECT_EQ(Area(3, 3, 5, 5), (std::vector<uint16_t>{kBg, 6, 7, 8}));  // 0 is not drawn
  FillBack(kBg);
  koDraw::BlitSpin(10, 10, 14, 14, 0, n, 0, 0, 2, 2);
  EXPECT_EQ(Area(10, 10, 14, 14), (std::vector<uint16_t>{kBg, kBg, kBg, kBg,  //
                                                         kBg, kBg, 6, kBg,    //
                                                         kBg, 7, 8, kBg,      //
                                                         kBg, kBg, kBg, kBg}));
}

TEST_F(TurnedBlitTest, QuarterTurnsReadColumnsAsRows) {
  const int n = Numbered(3, 3);
  FillBack(kBg);
  koDraw::BlitSpin(0, 0, 3, 3, 90, n, 0, 0, 3, 3);
  // Destination (i, j) reads source (2 - j, i).
  EXPECT_EQ(Area(0, 0, 3, 3), (std::vector<uint16_t>{3, 13, 23, 2, 12, 22, 1, 11, 21}));
  koDraw::BlitSpin(5, 0, 8, 3, 180, n, 0, 0, 3, 3);
  EXPECT_EQ(Area(5, 0, 8, 3), (std::vector<uint16_t>{23, 22, 21, 13, 12, 11, 3, 2, 1}));
  // Angles outside 0 to 359 are taken round the circle.
  koDraw::BlitSpin(10, 0, 13, 3, 450, n, 0, 0, 3, 3);
  koDraw::BlitSpin(15, 0, 18, 3, -270, n, 0, 0, 3, 3);
  EXPECT_EQ(Area(10, 0, 13, 3), Area(0, 0, 3, 3));
  EXPECT_EQ(Area(15, 0, 18, 3), Area(0, 0, 3, 3));
}

TEST_F(TurnedBlitTest, TiledMembersCoverTheRectangleMirroredAtTheSourceEdges) {
  const int n =
      MakeObject(3, 1, [](int x, int) { return static_cast<uint16_t>(x == 1 ? 0 : 1 + x); });
  FillBack(kBg);
  koDraw::BlitSpin(0, 0, 7, 1, 0, n, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(0, 0, 7), (std::vector<uint16_t>{kBg, kBg, 1, kBg, 3, kBg, kBg}));
  koDraw::BlitSpinTiled(0, 1, 7, 2, 0, n, 0, 0, 3, 1);
  // Columns abs(i - 2) mod 3: 2 1 0 1 2 0 1, with the 0 pixel left out.
  EXPECT_EQ(BackRow(1, 0, 7), (std::vector<uint16_t>{3, kBg, 1, kBg, 3, 1, kBg}));
  koDraw::BlitSpinZoomTiled(0, 2, 7, 3, 0, 1.0f, n, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(2, 0, 7), BackRow(1, 0, 7));
}

TEST_F(TurnedBlitTest, ZoomEnlargesAboutTheCentre) {
  const int n = Numbered(2, 2);
  FillBack(kBg);
  koDraw::BlitSpinZoom(0, 0, 4, 4, 0, 2.0f, n, 0, 0, 2, 2);
  EXPECT_EQ(Area(0, 0, 4, 4), (std::vector<uint16_t>{1, 1, 2, 2, 1, 1, 2, 2,  //
                                                     11, 11, 12, 12, 11, 11, 12, 12}));
  // The tiled zoom centres by the unzoomed size: columns abs(trunc((i - 1) / 2)).
  koDraw::BlitSpinZoomTiled(10, 0, 14, 1, 0, 2.0f, n, 0, 0, 2, 2);
  EXPECT_EQ(BackRow(0, 10, 14), (std::vector<uint16_t>{1, 1, 1, 2}));
}

TEST_F(TurnedBlitTest, RampTintScalesChannelsAndStepsTheZoomPerRow) {
  const int n = MakeObject(4, 2, [](int x, int y) {
    return static_cast<uint16_t>(x == 3 ? 0 : Pix(10 + x, 21 + 20 * y, 3 + x));
  });
  FillBack(kBg);
  koDraw::BlitSpinTiled(0, 0, 9, 5, 33, n, 0, 0, 4, 2);
  koDraw::BlitSpinRampTint(10, 0, 19, 5, 33, 1, 0, 1, 0, 1, 1, 1, n, 0, 0, 4, 2);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 9; ++x) {
      const uint16_t t = Back(x, y);
      EXPECT_EQ(Back(10 + x, y), t == kBg ? kBg : static_cast<uint16_t>(t & ~0x20)) << x << y;
    }

  const int white = MakeObject(4, 1, [](int x, int) { return static_cast<uint16_t>(1 + x); });
  FillBack(kBg);
  // Zoom x 1 on row 0, 2 on row 1; red halved, green kept, blue doubled and held at 31.
  koDraw::BlitSpinRampTint(0, 0, 4, 2, 0, 1, 1, 1, 0, 0.5f, 1, 2, white, 0, 0, 4, 1);
  auto tint = [](uint16_t p) {
    return Pix(((p >> 11) & 31) / 2, 2 * (((p >> 5) & 63) >> 1), std::min(31, 2 * (p & 31)));
  };
  EXPECT_EQ(BackRow(0, 0, 4), (std::vector<uint16_t>{tint(1), tint(2), tint(3), tint(4)}));
  EXPECT_EQ(BackRow(1, 0, 4), (std::vector<uint16_t>{tint(1), tint(1), tint(2), tint(2)}));

  // The y zoom steps by its own step, also on rows above the clip: row j reads
  // source row trunc(j / (1 - j / 8)) mod 6.
  const int column = MakeObject(1, 6, [](int, int y) { return Pix(1 + y, 0, 0); });
  auto rows = [] {
    std::vector<uint16_t> out;
    for (int y = 0; y < 6; ++y) out.push_back(Back(30, y));
    return out;
  };
  koDraw::BlitSpinRampTint(30, 0, 31, 6, 0, 1, 0, 1, -0.125f, 1, 1, 1, column, 0, 0, 1, 6);
  EXPECT_EQ(rows(), (std::vector<uint16_t>{Pix(1, 0, 0), Pix(2, 0, 0), Pix(3, 0, 0), Pix(5, 0, 0),
                                           Pix(3, 0, 0), Pix(2, 0, 0)}));
  FillBack(kBg);
  koDraw::SetClip(0, 2, 640, 480);
  koDraw::BlitSpinRampTint(30, 0, 31, 6, 0, 1, 0, 1, -0.125f, 1, 1, 1, column, 0, 0, 1, 6);
  EXPECT_EQ(rows(), (std::vector<uint16_t>{kBg, kBg, Pix(3, 0, 0), Pix(5, 0, 0), Pix(3, 0, 0),
                                           Pix(2, 0, 0)}));
}

TEST_F(TurnedBlitTest, ClipCutsPixelsButKeepsTheTurn) {
  const int n = Numbered(6, 6);
  FillBack(kBg);
  koDraw::BlitSpinTiled(2, 2, 10, 10, 37, n, 0, 0, 6, 6);
  const auto whole = Area(0, 0, 12, 12);
  FillBack(kBg);
  koDraw::SetClip(5, 4, 8, 9);
  koDraw::BlitSpinTiled(2, 2, 10, 10, 37, n, 0, 0, 6, 6);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) {
      const bool in = x >= 5 && x < 8 && y >= 4 && y < 9;
      EXPECT_EQ(Back(x, y), in ? whole[static_cast<size_t>(y * 12 + x)] : kBg) << x << "," << y;
    }
  // Wholly left of the clip: nothing is looked at, not even the object.
  EXPECT_EQ(koDraw::BlitSpin(0, 0, 4, 4, 0, 9999, 0, 0, 6, 6), 1);
  EXPECT_EQ(koDraw::BlitSpin(5, 4, 8, 9, 0, 9999, 0, 0, 6, 6), 0);
}

TEST_F(TurnedBlitTest, HostileArgumentsAreSafe) {
  const int n = Numbered(4, 4);
  FillBack(kBg);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  for (float z : {0.0f, nan, inf, -inf, 1e-30f}) {
    EXPECT_EQ(koDraw::BlitSpinZoom(0, 0, 8, 8, 10, z, n, 0, 0, 4, 4), 1) << z;
    EXPECT_EQ(koDraw::BlitSpinZoomTiled(0, 0, 8, 8, 10, z, n, 0, 0, 4, 4), 1) << z;
    EXPECT_EQ(koDraw::BlitSpinRampTint(0, 0, 8, 8, 10, z, z, z, z, z, z, z, n, 0, 0, 4, 4), 1);
  }
  // Empty or reversed source rectangles and ones beyond the picture.
  EXPECT_EQ(koDraw::BlitSpinTiled(0, 0, 8, 8, 0, n, 2, 2, 2, 2), 1);
  EXPECT_EQ(koDraw::BlitSpinTiled(0, 0, 8, 8, 0, n, 3, 3, 1, 1), 1);
  EXPECT_EQ(koDraw::BlitSpinTiled(0, 0, 8, 8, 0, n, -50, -50, 50, 50), 1);
  EXPECT_EQ(koDraw::BlitSpin(0, 0, 8, 8, INT32_MIN, n, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX),
            1);
  // Huge destination rectangles only walk the clipped pixels.
  EXPECT_EQ(koDraw::BlitSpinTiled(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, 45, n, 0, 0, 4, 4),
            1);
  EXPECT_EQ(koDraw::BlitSpinRampTint(INT32_MIN, INT32_MIN, INT32_MAX, 100, 45, 1, 1e-9f, 1, 1e-9f,
                                     1, 1, 1, n, 0, 0, 4, 4),
            1);
  EXPECT_EQ(koDraw::BlitSpin(0, 0, 8, 8, 0, -7, 0, 0, 4, 4), 0);
}

}  // namespace
