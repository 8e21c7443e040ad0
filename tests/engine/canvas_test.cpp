// Lines, pixels, shapes, and the screenshot writer.
#include "tests/engine/draw_fixture.h"

namespace {

constexpr uint32_t kRed = 0x0000FF;  // COLORREF: red in the low byte
constexpr int kFar = 2000000000;

class CanvasTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    koDraw::FillRect(0, 0, 640, 480, 0x0841);
  }
  void AddFile(const char* name) {
    for (uint8_t b : ReadFile(name)) Add(b);
  }
};

// Thin lines draw their start but not their end, cut at the surface, not the
// clip; wide lines are discs along the path with both ends.
TEST_F(CanvasTest, Lines) {
  koDraw::SetClip(100, 100, 101, 101);
  // Thin at widths 0 and 1, backwards, steep, shallow, of zero length (nothing),
  // off the surface, across the int range; wide; a dot of width 4 (4 x 4
  // without its corners); within 1.5 of the segment.
  const int lines[][5] = {{10, 10, 15, 10, 0},    {10, 11, 15, 11, 1},
                          {14, 20, 10, 20, 1},    {0, 30, 3, 33, 1},
                          {0, 40, 3, 41, 1},      {50, 50, 50, 50, 1},
                          {-5, 5, 5, 5, 1},       {630, 6, 700, 6, 1},
                          {-kFar, 7, kFar, 7, 1}, {-kFar, -kFar, kFar, kFar, 5},
                          {10, 60, 20, 60, 3},    {50, 80, 50, 80, 4},
                          {100, 300, 110, 310, 3}};
  for (const auto& [x1, y1, x2, y2, width] : lines) koDraw::DrawLine(x1, y1, x2, y2, kRed, width);
  // A pen 2000010 wide a million rows above: its edge reaches row 4.
  koDraw::DrawLine(0, -1000000, 640, -1000000, 0x00FF00, 2000010);
  Fold();
  koDraw::DrawLine(0, 0, 640, 0, 0x00FF00, 10000000);  // covers everything
  EXPECT_EQ(gBackSurface->pixels, std::vector<uint16_t>(640 * 480, 0x07E0));
  ExpectGolden();
}

// Rectangles fill and outline to right and bottom minus one; polygons outline,
// hatch, or hatch and fill the gaps, by the even-odd rule; Béziers need 3n + 1
// points; the inversion flips every bit; pixels read back as truncated bytes,
// and as white off the screen.
TEST_F(CanvasTest, Shapes) {
  for (int x : {5, 6, -1, 640}) koDraw::SetPixel(x, 5, x == 6 ? 0x123456 : 0xFFFFFF);
  for (int x : {5, 6, 640, -1}) {  // the last asks for red alone
    int r = 0, g = 0, b = 0;
    koDraw::GetPixelRGB(x, x < 0 ? -1 : 5, &r, x < 0 ? nullptr : &g, x < 0 ? nullptr : &b);
    Add({r, g, b});
  }
  koDraw::DrawRectangle(10, 10, 15, 13, 0x00FF00, kRed, 1);
  koDraw::DrawRectangle(40, 40, 50, 50, 0x00FF00, kRed, 3);
  for (int mode = 0; mode < 3; ++mode) {
    const DrawPoint square[4] = {
        {0, 100 + 20 * mode}, {16, 100 + 20 * mode}, {16, 116 + 20 * mode}, {0, 116 + 20 * mode}};
    koDraw::DrawPolygon(square, 4, kRed, 0xFF0000, 1, mode);
  }
  const DrawPoint star[5] = {{350, 200}, {379, 290}, {302, 235}, {398, 235}, {321, 290}};
  koDraw::DrawPolygon(star, 5, kRed, 0xFF0000, 1, 1);
  koDraw::DrawPolygon(star, 1, kRed, 0xFF0000, 1, 1);  // fewer than two points
  const DrawPoint line[7] = {{0, 400},  {10, 400}, {20, 400}, {30, 400},
                             {30, 410}, {30, 420}, {30, 430}};
  for (int count : {0, 2, 3, 5, 6, 4}) koDraw::DrawBezier(line, count, kRed, 1);
  koDraw::DrawBezier(line, 7, kRed, 1);
  koDraw::InvertRectangle(-5, 0, 2, 1);
  Fold();
  ExpectGolden();
}

// Bottom row first, 24 bits, rows padded to four bytes, held to the screen.
TEST_F(CanvasTest, Screenshots) {
  Back(0, 479) = 0xFFFF;
  Back(1, 479) = 0xF800;
  Back(2, 479) = 0x07E0;
  Back(0, 0) = 0x001F;
  Back(0, 1) = 0xFFFF;
  ASSERT_EQ(koDraw::SaveSurfaceBmp("shot.bmp", 640, 480), 1);
  ASSERT_EQ(koDraw::SaveSurfaceBmp("one.bmp", 1, 2), 1);
  ASSERT_EQ(koDraw::SaveSurfaceBmp("big.bmp", 5000, 5000), 1);
  AddFile("shot.bmp");
  AddFile("one.bmp");
  EXPECT_EQ(ReadFile("big.bmp"), ReadFile("shot.bmp"));
  EXPECT_EQ(koDraw::SaveSurfaceBmp("no/such/dir.bmp", 4, 4), 1);
  koDraw::Release();
  EXPECT_EQ(koDraw::SaveSurfaceBmp("none.bmp", 4, 4), 0);
  ExpectGolden();
}

}  // namespace

// The font list and the screen's release give the context back too.
TEST_F(CanvasTest, TheBackDCIsHeldFromGetToRelease) {
  for (void (*release)() : {koDraw::ReleaseBackDC, koDraw::EnumFontList, koDraw::Release}) {
    koDraw::GetBackDC();
    EXPECT_EQ(gBackDC, gBackSurface.get());
    release();
    EXPECT_EQ(gBackDC, nullptr);
  }
}
