// The soft outline and the block blur.
#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint16_t Pix(int r, int g6, int b) {
  return static_cast<uint16_t>(r << 11 | g6 << 5 | b);
}
constexpr uint16_t kWhite = 0xFFFF;

class NeighbourBlitTest : public DrawTest {
 protected:
  int Grid(int w, std::vector<uint16_t> pixels) {
    const int h = static_cast<int>(pixels.size()) / w;
    return MakeObject(w, h, [=](int x, int y) { return pixels[static_cast<size_t>(y * w + x)]; });
  }
  static void FillBack(int x0, int y0, int x1, int y1, uint16_t v) {
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) Back(x, y) = v;
  }
};

TEST_F(NeighbourBlitTest, SoftEdgeKeepsInnerPixelsAndAveragesOutlinesWithTheBackground) {
  const uint16_t a = Pix(10, 40, 20);
  // Wholly opaque: no pixel has a transparent neighbour inside the rectangle.
  const int full = Grid(2, {a, Pix(1, 2, 3), Pix(4, 5, 6), a});
  FillBack(0, 0, 2, 2, kWhite);
  EXPECT_EQ(koDraw::BlitSoftEdge(0, 0, full, 0, 0, 2, 2), 1);
  EXPECT_EQ(BackRow(0, 0, 2), (std::vector<uint16_t>{a, Pix(1, 2, 3)}));
  EXPECT_EQ(BackRow(1, 0, 2), (std::vector<uint16_t>{Pix(4, 5, 6), a}));

  // A lone pixel over black: itself and four black neighbours.
  const int dot = Grid(3, {0, 0, 0, 0, Pix(20, 40, 10), 0, 0, 0, 0});
  FillBack(10, 10, 13, 13, 0);
  koDraw::BlitSoftEdge(10, 10, dot, 0, 0, 3, 3);
  EXPECT_EQ(Back(11, 11), Pix(4, 8, 2));
  EXPECT_EQ(Back(10, 11), 0);  // transparent places are not written

  // Left neighbour transparent over white: (own + 31) / 2; the right column
  // lies on the rectangle's edge and stays hard.
  const uint16_t b = Pix(11, 6, 0);
  const int side = Grid(3, {0, b, b, 0, b, b, 0, b, b});
  FillBack(20, 20, 23, 23, kWhite);
  koDraw::BlitSoftEdge(20, 20, side, 0, 0, 3, 3);
  for (int y = 20; y < 23; ++y) {
    EXPECT_EQ(Back(21, y), Pix(21, 2 * 17, 15)) << y;
    EXPECT_EQ(Back(22, y), b) << y;
    EXPECT_EQ(Back(20, y), kWhite) << y;
  }
}

TEST_F(NeighbourBlitTest, SoftEdgeLooksNoFurtherThanTheClip) {
  const uint16_t a = Pix(30, 0, 0);
  const int n = Grid(3, {0, a, 0, 0, a, 0});
  FillBack(0, 0, 8, 8, kWhite);
  koDraw::SetClip(1, 0, 640, 480);
  koDraw::BlitSoftEdge(0, 0, n, 0, 0, 3, 2);
  // The left neighbour was cut away; only the right one is averaged in.
  EXPECT_EQ(Back(1, 0), Pix((30 + 31) / 2, 2 * (31 / 2), 31 / 2));
  koDraw::SetClip(0, 0, 640, 1);  // now the cut is below: the lower row is not drawn
  FillBack(0, 4, 8, 6, kWhite);
  koDraw::BlitSoftEdge(4, 4, n, 1, 0, 2, 2);
  EXPECT_EQ(Back(4, 4), kWhite);
  koDraw::SetClip(0, 0, 640, 480);
  koDraw::BlitSoftEdge(4, 4, n, 1, 0, 2, 2);  // a one-column rectangle has no side to soften
  EXPECT_EQ(Back(4, 4), a);
  EXPECT_EQ(Back(4, 5), a);
}

TEST_F(NeighbourBlitTest, BlurSizeOneReducesToFiveBitsAndSkipsTransparentPixels) {
  const int n = Grid(3, {Pix(3, 5, 7), 0, Pix(31, 63, 31)});
  FillBack(0, 0, 3, 1, Pix(1, 1, 1));
  EXPECT_EQ(koDraw::BlitBlur(0, 0, 1, n, 0, 0, 3, 1), 1);
  EXPECT_EQ(BackRow(0, 0, 3), (std::vector<uint16_t>{Pix(3, 4, 7), Pix(1, 1, 1), Pix(31, 62, 31)}));
}

TEST_F(NeighbourBlitTest, BlurBlocksMoveInsideTheRectangleAtTheRightAndBottom) {
  // Red carries the values; transparent pixels count as black.
  const int n = Grid(3, {Pix(4, 0, 1), Pix(8, 0, 2), Pix(12, 0, 3),  //
                         Pix(16, 0, 4), 0, Pix(20, 0, 5)});
  FillBack(0, 0, 3, 2, kWhite);
  koDraw::BlitBlur(0, 0, 2, n, 0, 0, 3, 2);
  const uint16_t first = Pix((4 + 8 + 16) >> 2, 0, (1 + 2 + 4) >> 2);
  const uint16_t second = Pix((8 + 12 + 20) >> 2, 0, (2 + 3 + 5) >> 2);
  EXPECT_EQ(BackRow(0, 0, 3), (std::vector<uint16_t>{first, second, second}));
  EXPECT_EQ(BackRow(1, 0, 3), (std::vector<uint16_t>{first, kWhite, second}));

  const int nine = Grid(3, {0, Pix(10, 20, 10), Pix(10, 20, 10), Pix(10, 20, 10), Pix(10, 20, 10),
                            Pix(10, 20, 10), Pix(10, 20, 10), Pix(10, 20, 10), Pix(10, 20, 10)});
  koDraw::BlitBlur(10, 10, 3, nine, 0, 0, 3, 3);
  EXPECT_EQ(Back(12, 12), Pix(80 / 9, 2 * (80 / 9), 80 / 9));
}

TEST_F(NeighbourBlitTest, HostileArgumentsDrawNothing) {
  const int n = Grid(2, {Pix(1, 2, 3), Pix(1, 2, 3), Pix(1, 2, 3), Pix(1, 2, 3)});
  FillBack(0, 0, 4, 4, kWhite);
  for (int size : {0, -1, 3, 46, INT32_MAX, INT32_MIN})
    EXPECT_EQ(koDraw::BlitBlur(0, 0, size, n, 0, 0, 2, 2), 1) << size;
  EXPECT_EQ(koDraw::BlitSoftEdge(INT32_MAX, INT32_MIN, n, 0, 0, 2, 2), 1);
  EXPECT_EQ(koDraw::BlitBlur(-5, -5, 1, n, INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX), 1);
  EXPECT_EQ(koDraw::BlitSoftEdge(0, 0, n, 2, 2, 0, 0), 1);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(BackRow(y, 0, 4), std::vector<uint16_t>(4, kWhite)) << y;
  EXPECT_EQ(koDraw::BlitSoftEdge(0, 0, 5000, 0, 0, 2, 2), 0);
  EXPECT_EQ(koDraw::BlitBlur(0, 0, 1, -1, 0, 0, 2, 2), 0);
  // The source rectangle reaching past the picture is cut to it.
  EXPECT_EQ(koDraw::BlitBlur(0, 0, 2, n, -1, -1, 9, 9), 1);
  EXPECT_EQ(Back(1, 1), Pix(1, 2, 3));
  EXPECT_EQ(Back(3, 3), kWhite);
}

}  // namespace
