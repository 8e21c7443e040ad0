// Lines, pixels, shapes, and the screenshot writer.
#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint32_t kRed = 0x0000FF;  // COLORREF: red in the low byte
constexpr uint16_t kRed565 = 0xF800;

class CanvasTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    koDraw::FillRect(0, 0, 640, 480, kBg);
  }
  static constexpr uint16_t kBg = 0x0841;
  static bool Set(int x, int y) { return Back(x, y) != kBg; }
};

TEST_F(CanvasTest, ThinLinesDrawTheStartButNotTheEnd) {
  for (int width : {0, 1}) {
    const int y = 10 + width;
    koDraw::DrawLine(10, y, 15, y, kRed, width);
    EXPECT_EQ(BackRow(y, 9, 16),
              (std::vector<uint16_t>{kBg, kRed565, kRed565, kRed565, kRed565, kRed565, kBg}));
  }
  koDraw::DrawLine(14, 20, 10, 20, kRed, 1);  // drawn backwards
  EXPECT_TRUE(Set(14, 20));
  EXPECT_TRUE(Set(11, 20));
  EXPECT_FALSE(Set(10, 20));
  koDraw::DrawLine(0, 30, 3, 33, kRed, 1);
  EXPECT_TRUE(Set(0, 30) && Set(1, 31) && Set(2, 32));
  EXPECT_FALSE(Set(3, 33));
  koDraw::DrawLine(0, 40, 3, 41, kRed, 1);  // a shallow slope
  EXPECT_TRUE(Set(0, 40) && Set(1, 40) && Set(2, 41));
  EXPECT_FALSE(Set(1, 41) || Set(2, 40) || Set(3, 41));
  koDraw::DrawLine(50, 50, 50, 50, kRed, 1);  // zero length: nothing
  EXPECT_FALSE(Set(50, 50));
}

TEST_F(CanvasTest, LinesAreCutAtTheSurfaceNotAtTheClip) {
  koDraw::SetClip(100, 100, 101, 101);
  koDraw::DrawLine(-5, 5, 5, 5, kRed, 1);
  EXPECT_TRUE(Set(0, 5) && Set(4, 5));
  koDraw::DrawLine(630, 6, 700, 6, kRed, 1);
  EXPECT_TRUE(Set(630, 6) && Set(639, 6));
  koDraw::DrawLine(-2000000000, 7, 2000000000, 7, kRed, 1);
  for (int x = 0; x < 640; ++x) ASSERT_TRUE(Set(x, 7)) << x;
  koDraw::DrawLine(-2000000000, -2000000000, 2000000000, 2000000000, kRed, 5);
  EXPECT_TRUE(Set(200, 200));
  EXPECT_FALSE(Set(200, 180));
}

TEST_F(CanvasTest, WideLinesAreDiscsAlongThePathWithBothEnds) {
  koDraw::DrawLine(10, 30, 20, 30, kRed, 3);
  EXPECT_TRUE(Set(9, 30) && Set(21, 30) && Set(10, 29) && Set(20, 31) && Set(9, 29));
  EXPECT_FALSE(Set(8, 30) || Set(22, 30) || Set(10, 28) || Set(10, 32));
  koDraw::DrawLine(50, 50, 50, 50, kRed, 4);  // a dot: 4 x 4 without its corners
  EXPECT_TRUE(Set(49, 48) && Set(50, 50) && Set(48, 49) && Set(51, 50));
  EXPECT_FALSE(Set(48, 48) || Set(51, 51) || Set(48, 51) || Set(51, 48) || Set(52, 50));
}

TEST_F(CanvasTest, WideDiagonalLinesKeepTheirWidthAndRoundCaps) {
  koDraw::DrawLine(100, 100, 110, 110, kRed, 3);  // within 1.5 of the segment
  EXPECT_TRUE(Set(105, 107) && Set(107, 105) && Set(105, 105) && Set(99, 99) && Set(111, 111));
  EXPECT_FALSE(Set(105, 108) || Set(108, 105) || Set(98, 99) || Set(112, 111) || Set(98, 98));
}

TEST_F(CanvasTest, HugePensDrawOnlyWhatReachesTheSurface) {
  // A pen 2000010 wide a million rows above: its edge reaches row 4.
  koDraw::DrawLine(0, -1000000, 640, -1000000, kRed, 2000010);
  for (int x = 0; x < 640; ++x) {
    for (int y = 0; y < 5; ++y) ASSERT_TRUE(Set(x, y)) << x << "," << y;
    ASSERT_FALSE(Set(x, 5)) << x;
  }
  koDraw::DrawLine(0, 0, 640, 0, 0x00FF00, 10000000);  // covers everything
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) ASSERT_EQ(Back(x, y), 0x07E0) << x << "," << y;
}

TEST_F(CanvasTest, PixelsReadBackAsTruncatedBytes) {
  koDraw::SetPixel(5, 5, 0xFFFFFF);
  koDraw::SetPixel(6, 5, 0x123456);
  koDraw::SetPixel(-1, 5, 0xFFFFFF);
  koDraw::SetPixel(640, 5, 0xFFFFFF);
  int r = 0, g = 0, b = 0;
  koDraw::GetPixelRGB(5, 5, &r, &g, &b);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{248, 252, 248}));
  koDraw::GetPixelRGB(6, 5, &r, &g, &b);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0x50, 0x34, 0x10}));
  koDraw::GetPixelRGB(640, 0, &r, &g, &b);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{255, 255, 255}));
  koDraw::GetPixelRGB(0, -1, &r, nullptr, nullptr);
  EXPECT_EQ(r, 255);
}

TEST_F(CanvasTest, RectangleFillsAndOutlinesLeftToRightMinusOne) {
  koDraw::DrawRectangle(10, 10, 15, 13, 0x00FF00, kRed, 1);
  for (int y = 9; y <= 13; ++y)
    for (int x = 9; x <= 15; ++x) {
      const bool inside = x >= 10 && x <= 14 && y >= 10 && y <= 12;
      const bool border = inside && (x == 10 || x == 14 || y == 10 || y == 12);
      EXPECT_EQ(Back(x, y), border ? kRed565 : inside ? 0x07E0 : kBg) << x << "," << y;
    }
  koDraw::DrawRectangle(40, 40, 50, 50, 0x00FF00, kRed, 3);  // a wide pen on the frame
  EXPECT_EQ(Back(39, 45), kRed565);
  EXPECT_EQ(Back(41, 45), kRed565);
  EXPECT_EQ(Back(45, 45), 0x07E0);
}

TEST_F(CanvasTest, PolygonModesOutlineHatchAndFillTheGaps) {
  const DrawPoint square[4] = {{0, 100}, {16, 100}, {16, 116}, {0, 116}};
  const uint16_t bg565 = 0x001F;
  koDraw::DrawPolygon(square, 4, kRed, 0xFF0000, 1, 0);
  EXPECT_TRUE(Set(0, 100) && Set(16, 108) && Set(8, 116));
  EXPECT_FALSE(Set(3, 103) || Set(4, 103));

  koDraw::DrawPolygon(square, 4, kRed, 0xFF0000, 1, 2);
  EXPECT_EQ(Back(7, 103), kRed565);  // on the diagonal x = y (mod 8)
  EXPECT_EQ(Back(8, 104), kRed565);
  EXPECT_EQ(Back(3, 108), kRed565);  // on the other diagonal x = 7 - y (mod 8)
  EXPECT_EQ(Back(4, 103), kBg);      // mode 2 leaves the gaps
  koDraw::DrawPolygon(square, 4, kRed, 0xFF0000, 1, 1);
  EXPECT_EQ(Back(4, 103), bg565);  // mode 1 fills them with the background
  EXPECT_EQ(Back(17, 103), kBg);

  // A five-pointed star: by the even-odd rule its middle is not inside.
  const DrawPoint star[5] = {{350, 200}, {379, 290}, {302, 235}, {398, 235}, {321, 290}};
  koDraw::DrawPolygon(star, 5, kRed, 0xFF0000, 1, 1);
  EXPECT_EQ(Back(350, 250), kBg);
  EXPECT_NE(Back(350, 215), kBg);
  koDraw::DrawPolygon(star, 1, kRed, 0xFF0000, 1, 1);  // fewer than two points
}

TEST_F(CanvasTest, BezierNeedsThreeNPlusOnePoints) {
  const DrawPoint line[7] = {{0, 40}, {10, 40}, {20, 40}, {30, 40}, {30, 50}, {30, 60}, {30, 70}};
  for (int count : {0, 2, 3, 5, 6}) koDraw::DrawBezier(line, count, kRed, 1);
  EXPECT_FALSE(Set(0, 40));
  koDraw::DrawBezier(line, 4, kRed, 1);
  for (int x = 0; x < 30; ++x) ASSERT_TRUE(Set(x, 40)) << x;
  EXPECT_FALSE(Set(30, 40));
  koDraw::DrawBezier(line, 7, kRed, 1);
  EXPECT_TRUE(Set(30, 40) && Set(30, 69));
  EXPECT_FALSE(Set(30, 70));
}

TEST_F(CanvasTest, InvertRectangleFlipsEveryBit) {
  koDraw::InvertRectangle(-5, 0, 2, 1);
  EXPECT_EQ(Back(0, 0), static_cast<uint16_t>(~kBg));
  EXPECT_EQ(Back(1, 0), static_cast<uint16_t>(~kBg));
  EXPECT_EQ(Back(2, 0), kBg);
}

uint32_t U32(const std::vector<uint8_t>& f, size_t at) {
  return f[at] | f[at + 1] << 8 | f[at + 2] << 16 | static_cast<uint32_t>(f[at + 3]) << 24;
}

TEST_F(CanvasTest, ScreenshotHeaderAndRows) {
  Back(0, 479) = 0xFFFF;
  Back(1, 479) = 0xF800;
  Back(2, 479) = 0x07E0;
  ASSERT_EQ(koDraw::SaveSurfaceBmp("shot.bmp", 640, 480), 1);
  const std::vector<uint8_t> f = ReadFile("shot.bmp");
  ASSERT_EQ(f.size(), 921658u);
  const std::vector<uint8_t> header(f.begin(), f.begin() + 58);
  const std::vector<uint8_t> want = {
      'B',  'M', 0x3A, 0x10, 0x0E, 0, 0,    0,    0,    0, 58, 0, 0, 0,  // file header
      40,   0,   0,    0,    0x80, 2, 0,    0,    0xE0, 1, 0,  0, 1, 0, 24, 0, 0, 0, 0, 0, 0, 0x10,
      0x0E, 0,   0x12, 0x0B, 0,    0, 0x12, 0x0B, 0,    0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(header, want);
  EXPECT_EQ(U32(f, 2), 921658u);
  EXPECT_EQ(U32(f, 34), 921600u);
  // The bottom row comes first: white, red, six-bit green 63 as 248.
  EXPECT_EQ(std::vector<uint8_t>(f.begin() + 58, f.begin() + 67),
            (std::vector<uint8_t>{248, 248, 248, 0, 0, 248, 0, 248, 0}));
  const size_t top = 58 + 1920 * 479;
  EXPECT_EQ(f[top], (kBg & 31) * 8);
}

TEST_F(CanvasTest, ScreenshotPadsRowsAndIsHeldToTheScreen) {
  Back(0, 0) = 0x001F;
  Back(0, 1) = 0xFFFF;
  ASSERT_EQ(koDraw::SaveSurfaceBmp("one.bmp", 1, 2), 1);
  const std::vector<uint8_t> f = ReadFile("one.bmp");
  ASSERT_EQ(f.size(), 58u + 8);
  EXPECT_EQ(U32(f, 18), 1u);
  EXPECT_EQ(std::vector<uint8_t>(f.begin() + 58, f.end()),
            (std::vector<uint8_t>{248, 248, 248, 0, 248, 0, 0, 0}));
  ASSERT_EQ(koDraw::SaveSurfaceBmp("big.bmp", 5000, 5000), 1);
  EXPECT_EQ(ReadFile("big.bmp").size(), 921658u);
  EXPECT_EQ(koDraw::SaveSurfaceBmp("no/such/dir.bmp", 4, 4), 1);
  koDraw::Release();
  EXPECT_EQ(koDraw::SaveSurfaceBmp("none.bmp", 4, 4), 0);
}

}  // namespace

TEST_F(CanvasTest, TheBackDCIsHeldFromGetToReleaseAndTheFontListGivesItBack) {
  koDraw::GetBackDC();
  EXPECT_EQ(gBackDC, gBackSurface.get());
  koDraw::ReleaseBackDC();
  EXPECT_EQ(gBackDC, nullptr);
  koDraw::GetBackDC();
  koDraw::EnumFontList();  // takes the context for its listing and releases it
  EXPECT_EQ(gBackDC, nullptr);
  koDraw::GetBackDC();
  koDraw::Release();  // no context outlives its surface
  EXPECT_EQ(gBackDC, nullptr);
}
