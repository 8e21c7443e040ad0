// The edge-stretch, refraction and glow blits.
#include <cmath>

#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint16_t Pix(int r, int g6, int b) {
  return static_cast<uint16_t>(r << 11 | g6 << 5 | b);
}
using Row = std::vector<uint16_t>;

class EdgeGlowTest : public DrawTest {
 protected:
  int Picture(int w, int h, Row pixels) {
    return MakeObject(w, h, [=](int x, int y) { return pixels[static_cast<size_t>(y * w + x)]; });
  }
  static Row BackColumn(int x, int y0, int y1) {
    Row out;
    for (int y = y0; y < y1; ++y) out.push_back(Back(x, y));
    return out;
  }
  static constexpr uint16_t A = Pix(1, 0, 0), B = Pix(2, 0, 0), C = Pix(3, 0, 0), D = Pix(4, 0, 0),
                            E = Pix(5, 0, 0);
};

TEST_F(EdgeGlowTest, StretchRightRepeatsTheEdgeColumnToTheScreenEdge) {
  const int n = Picture(4, 2, {A, B, C, D, A, 0, C, D});
  EXPECT_EQ(koDraw::BlitEdgeStretch(630, 7, 0, 1, n, 0, 0, 4, 2), 1);
  EXPECT_EQ(BackRow(7, 629, 640), (Row{0, A, B, B, B, B, B, B, B, B, B}));
  EXPECT_EQ(BackRow(8, 629, 640), (Row{0, A, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // 0 stays clear
  // An edge past the picture repeats the picture's last column.
  koDraw::BlitEdgeStretch(630, 20, 0, 65535, n, 1, 0, 4, 1);
  EXPECT_EQ(BackRow(20, 630, 640), (Row{B, C, D, D, D, D, D, D, D, D}));
  // Columns count from the clipped origin: here the picture starts at its column 2.
  koDraw::BlitEdgeStretch(-2, 30, 0, 0, n, 0, 0, 4, 1);
  EXPECT_EQ(BackRow(30, 0, 4), (Row{C, C, C, C}));
  EXPECT_EQ(BackRow(30, 636, 640), (Row{C, C, 0, 0}));  // width: the screen less twice left
}

TEST_F(EdgeGlowTest, StretchLeftFillsTheMarginWhateverTheClip) {
  const int n = Picture(4, 2, {A, B, C, D, 0, B, C, D});
  koDraw::SetClip(3, 0, 640, 480);
  koDraw::BlitEdgeStretch(3, 5, 1, 1, n, 0, 0, 4, 2);
  EXPECT_EQ(BackRow(5, 0, 8), (Row{B, B, B, B, B, C, D, 0}));
  for (int x = 0; x < 8; ++x) Back(x, 9) = E;
  koDraw::BlitEdgeStretch(3, 8, 1, 0, n, 0, 0, 4, 2);  // sample 0 is transparent, not in the margin
  EXPECT_EQ(BackRow(9, 0, 8), (Row{0, 0, 0, E, B, C, D, E}));
  // The clip moves the origin to column 3; the edge, read as 65535, is held there.
  koDraw::BlitEdgeStretch(0, 12, 1, -1, n, 0, 0, 4, 1);
  EXPECT_EQ(BackRow(12, 0, 5), (Row{D, D, D, D, 0}));
  koDraw::BlitEdgeStretch(3, 12, 1, -1, n, 0, 0, 4, 1);
  EXPECT_EQ(BackRow(12, 0, 8), (Row{D, D, D, D, D, D, D, 0}));
}

TEST_F(EdgeGlowTest, StretchDownAndUpWorkOnRows) {
  const int n = Picture(1, 3, {A, B, C});
  koDraw::SetClip(0, 0, 640, 10);
  koDraw::BlitEdgeStretch(4, 5, 2, 1, n, 0, 0, 1, 3);
  EXPECT_EQ(BackColumn(4, 4, 11), (Row{0, A, B, B, B, B, 0}));
  koDraw::BlitEdgeStretch(6, 2, 3, 1, n, 0, 0, 1, 3);
  EXPECT_EQ(BackColumn(6, 0, 6), (Row{B, B, B, B, C, 0}));
  koDraw::BlitEdgeStretch(8, 0, 3, 1, n, 0, 0, 1, 3);  // y 0: no margin
  EXPECT_EQ(BackColumn(8, 0, 4), (Row{B, B, C, 0}));
}

TEST_F(EdgeGlowTest, StretchIgnoresUnknownDirectionsAndHostileArguments) {
  const int n = Picture(2, 2, {A, B, C, D});
  EXPECT_EQ(koDraw::BlitEdgeStretch(5, 5, 4, 0, n, 0, 0, 2, 2), 1);
  EXPECT_EQ(koDraw::BlitEdgeStretch(5, 5, -1, 0, n, 0, 0, 2, 2), 1);
  EXPECT_EQ(koDraw::BlitEdgeStretch(5, 5, 0, 0, 5000, 0, 0, 2, 2), 0);
  for (int dir = 0; dir < 4; ++dir) {
    EXPECT_EQ(koDraw::BlitEdgeStretch(INT32_MAX, INT32_MIN, dir, 7, n, 0, 0, 2, 2), 1);
    EXPECT_EQ(koDraw::BlitEdgeStretch(0, 0, dir, 7, n, INT32_MIN, 0, INT32_MAX, 2), 1);
    EXPECT_EQ(koDraw::BlitEdgeStretch(0, 0, dir, 7, n, 5, 5, 9, 9), 1);  // past the picture
  }
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) ASSERT_EQ(Back(x, y), 0) << x << "," << y;
}

TEST_F(EdgeGlowTest, RefractPullsPixelsUpByRedAndLevel) {
  // The back surface's column 5 holds its row numbers.
  for (int y = 0; y < 40; ++y) Back(5, y) = static_cast<uint16_t>(y + 1);
  const int n = Picture(1, 4, {Pix(2, 0, 0), 0, Pix(1, 63, 0), Pix(1, 0, 0)});
  EXPECT_EQ(koDraw::BlitRefract(5, 0, 0.0f, n, 0, 0, 1, 4), 1);
  EXPECT_EQ(BackColumn(5, 0, 4), (Row{1, 2, 3, 4}));
  koDraw::BlitRefract(5, 0, 1.0f, n, 0, 0, 1, 4);
  // Row 3 would read past the rectangle's bottom and stays.
  EXPECT_EQ(BackColumn(5, 0, 5), (Row{3, 2, 4, 4, 5}));
  // Level 0.5 lifts by 15: red 16 moves one row; levels past the ends are held there.
  const int m = Picture(1, 3, {Pix(16, 0, 0), Pix(16, 0, 0), Pix(31, 0, 0)});
  koDraw::BlitRefract(5, 10, 0.5f, m, 0, 0, 1, 3);
  EXPECT_EQ(BackColumn(5, 10, 13), (Row{12, 13, 13}));
  koDraw::BlitRefract(5, 10, NAN, m, 0, 0, 1, 3);
  koDraw::BlitRefract(5, 10, -1e30f, m, 0, 0, 1, 3);
  EXPECT_EQ(BackColumn(5, 10, 13), (Row{12, 13, 13}));
  const int tall = Picture(1, 1, {Pix(31, 0, 0)});
  koDraw::BlitRefract(5, 0, 1e30f, tall, 0, 0, 1, 40);  // cut to the picture: one row, stays
  EXPECT_EQ(Back(5, 0), 3);
}

TEST_F(EdgeGlowTest, RefractClipsToTheClipRectangle) {
  for (int y = 0; y < 40; ++y) Back(5, y) = static_cast<uint16_t>(y + 1);
  const int n = Picture(1, 4, {Pix(1, 0, 0), Pix(1, 0, 0), Pix(1, 0, 0), Pix(1, 0, 0)});
  koDraw::SetClip(0, 10, 640, 12);
  koDraw::BlitRefract(5, 8, 1.0f, n, 0, 0, 1, 4);  // rows 10 and 11 only; 11 is the last
  EXPECT_EQ(BackColumn(5, 8, 13), (Row{9, 10, 12, 12, 13}));
  EXPECT_EQ(koDraw::BlitRefract(5, 8, 1.0f, -3, 0, 0, 1, 4), 0);
}

class GlowTest : public EdgeGlowTest {
 protected:
  void SetUp() override {
    EdgeGlowTest::SetUp();
    gGlowRandomPos = 0;
    std::fill(std::begin(gMeltRandomTable), std::end(gMeltRandomTable), 0);
  }
  int Dot(uint16_t p) { return Picture(1, 1, {p}); }
};

TEST_F(GlowTest, RaysFadeByOneEachStep) {
  const int n = Dot(Pix(3, 2 * 4, 1));
  koDraw::BlitGlow(20, 20, 0, 0, 0, 0x10, 0, n, 0, 0, 1, 1);
  EXPECT_EQ(BackRow(20, 19, 24), (Row{0, Pix(2, 2 * 3, 0), Pix(1, 2 * 2, 0), Pix(0, 2, 0), 0}));
  koDraw::BlitGlow(20, 40, 0, 0, 0, 0x18, 0, n, 0, 0, 1, 1);  // left and right both reach it
  EXPECT_EQ(BackRow(40, 18, 23),
            (Row{Pix(0, 2, 0), Pix(1, 4, 0), Pix(4, 12, 0), Pix(1, 4, 0), Pix(0, 2, 0)}));
  const int red = Dot(Pix(3, 0, 0));
  koDraw::BlitGlow(60, 60, 0, 0, 0, 0x40 | 0x01, 0, red, 0, 0, 1, 1);
  EXPECT_EQ(BackColumn(60, 57, 62), (Row{0, Pix(1, 0, 0), Pix(2, 0, 0), 0, Pix(2, 0, 0)}));
  EXPECT_EQ(Back(59, 62), Pix(1, 0, 0));  // the diagonal's column lags its row by one
  EXPECT_EQ(Back(60, 60), 0);             // no copy
}

TEST_F(GlowTest, EachDirectionBitLightsItsRay) {
  // Red 3 lights two steps: level 2 at step 0, level 1 at step 1.
  const int n = Dot(Pix(3, 0, 0));
  struct Case {
    int bit, x0, y0, x1, y1;  // the targets of steps 0 and 1
  };
  const Case cases[] = {{0x40, 50, 49, 50, 48}, {0x20, 50, 49, 49, 48}, {0x80, 50, 49, 51, 48},
                        {0x02, 50, 51, 50, 52}, {0x01, 50, 51, 49, 52}, {0x04, 50, 51, 51, 52},
                        {0x08, 50, 50, 49, 50}, {0x10, 50, 50, 51, 50}};
  for (const Case& k : cases) {
    for (int y = 45; y < 56; ++y)
      for (int x = 45; x < 56; ++x) Back(x, y) = 0;
    koDraw::BlitGlow(50, 50, 0, 0, 0, k.bit, 0, n, 0, 0, 1, 1);
    int lit = 0;
    for (int y = 45; y < 56; ++y)
      for (int x = 45; x < 56; ++x) lit += Back(x, y) != 0;
    EXPECT_EQ(lit, 2) << k.bit;
    EXPECT_EQ(Back(k.x0, k.y0), Pix(2, 0, 0)) << k.bit;
    EXPECT_EQ(Back(k.x1, k.y1), Pix(1, 0, 0)) << k.bit;
  }
}

TEST_F(GlowTest, ShiftsRandomTableAndSaturation) {
  const int n = Dot(Pix(8, 0, 0));
  Back(100, 10) = Pix(30, 0, 31);
  koDraw::BlitGlow(100, 10, 1, 0, 0, 0x08, 0, n, 0, 0, 1, 1);  // red 4 starts, 3 on the pixel
  EXPECT_EQ(BackRow(10, 97, 101), (Row{0, Pix(1, 0, 0), Pix(2, 0, 0), Pix(31, 0, 31)}));
  gMeltRandomTable[1] = 2;  // the next pixel starts two lower
  koDraw::BlitGlow(100, 20, 0, 0, 0, 0x10, 0, n, 0, 0, 1, 1);
  EXPECT_EQ(BackRow(20, 100, 107),
            (Row{Pix(5, 0, 0), Pix(4, 0, 0), Pix(3, 0, 0), Pix(2, 0, 0), Pix(1, 0, 0), 0, 0}));
  koDraw::BlitGlow(100, 30, 40, -1, 5, 0xFF, 0, n, 0, 0, 1, 1);  // shifts past 5 bits: no light
  EXPECT_EQ(BackRow(30, 90, 110), Row(20, 0));
  EXPECT_EQ(gGlowRandomPos, 3);
  gGlowRandomPos = 9999;
  koDraw::BlitGlow(100, 40, 0, 0, 0, 0, 1, n, 0, 0, 1, 1);
  EXPECT_EQ(gGlowRandomPos, 0);  // back to the start, not a random place
}

TEST_F(GlowTest, CopyIsKeyedAndLaterPixelsOverwriteEarlierLight) {
  const int n = Picture(3, 1, {Pix(2, 0, 0), 0, Pix(0, 0, 3)});
  for (int x = 0; x < 5; ++x) Back(x, 3) = E;
  koDraw::BlitGlow(1, 3, 0, 0, 0, 0, 1, n, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(3, 0, 5), (Row{E, Pix(2, 0, 0), E, Pix(0, 0, 3), E}));
  EXPECT_EQ(gGlowRandomPos, 2);  // one step per lit pixel
  const int pair = Picture(2, 1, {Pix(3, 0, 0), Pix(0, 0, 2)});
  koDraw::BlitGlow(1, 5, 0, 0, 0, 0x10, 1, pair, 0, 0, 2, 1);
  EXPECT_EQ(BackRow(5, 1, 4), (Row{Pix(5, 0, 0), Pix(0, 0, 3), 0}));
}

TEST_F(GlowTest, LightStaysInsideTheClipRectangle) {
  const int n = Dot(Pix(4, 0, 0));
  koDraw::SetClip(10, 10, 20, 20);
  koDraw::BlitGlow(10, 10, 0, 0, 0, 0xFF, 0, n, 0, 0, 1, 1);
  EXPECT_EQ(Back(10, 9), 0);              // nothing above the top row
  EXPECT_EQ(Back(9, 10), 0);              // left only onto itself
  EXPECT_EQ(Back(10, 10), Pix(6, 0, 0));  // left and right at step 0
  // At step 0 down, down-left and down-right all land below the pixel.
  EXPECT_EQ(BackRow(11, 9, 12), (Row{0, Pix(9, 0, 0), 0}));
  EXPECT_EQ(BackRow(12, 9, 12), (Row{0, Pix(2, 0, 0), Pix(2, 0, 0)}));
  koDraw::BlitGlow(19, 19, 0, 0, 0, 0xFF, 0, n, 0, 0, 1, 1);
  EXPECT_EQ(Back(20, 19), 0);
  EXPECT_EQ(Back(19, 20), 0);
  koDraw::SetClip(-100, -100, 5000, 5000);  // a clip wider than the screen still ends at its edge
  EXPECT_EQ(koDraw::BlitGlow(639, 479, 0, 0, 0, 0xFF, 0, n, 0, 0, 1, 1), 1);
  EXPECT_EQ(Back(639, 479), Pix(6, 0, 0));
  EXPECT_EQ(koDraw::BlitGlow(0, 0, 0, 0, 0, 0xFF, 0, 77777, 0, 0, 1, 1), 0);
}

}  // namespace
