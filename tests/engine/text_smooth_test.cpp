// The smoothed text sprite: the shrink of a double-size line and the
// renderer that feeds it.
#include <climits>
#include <set>
#include <utility>

#include "tests/engine/text_fixture.h"

namespace {

constexpr uint16_t kMarker = 0x1234;

uint16_t Pixel(int r, int g, int b) { return static_cast<uint16_t>(r << 11 | g << 6 | b); }

class ShrinkTest : public TextTest {
 protected:
  void SetUp() override {
    TextTest::SetUp();
    koDraw::ClearObject(kObjectFontBuffer);
    koDraw::FillRect(0, 0, 640, 480, 0);
    Surface& font = *koDraw::ObjectSurface(kObjectFont);
    for (int y = 0; y < 480; ++y)
      for (int x = 0; x < 640; ++x) font.Row(y)[x] = kMarker;
  }
  static uint16_t& Buffer(int x, int y) {
    return koDraw::ObjectSurface(kObjectFontBuffer)->Row(y)[x];
  }
  static uint16_t Out(int x, int y) { return koDraw::ObjectSurface(kObjectFont)->Row(y)[x]; }
};

TEST_F(ShrinkTest, EachPixelMixesItsNeighbourhoodWithTheBackground) {
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) Buffer(x, y) = 0xFFFF;
  Back(51, 61) = Pixel(16, 0, 0);
  EXPECT_EQ(koDraw::ShrinkTextLine(50, 60, 0, 0, 4, 4), 1);
  // Four white neighbours: (4 x 31 + 31) / 8 per channel (green's top five bits).
  EXPECT_EQ(Out(50, 60), Pixel(19, 19, 19));
  EXPECT_EQ(Out(51, 60), Pixel(11, 11, 11));  // two neighbours
  EXPECT_EQ(Out(50, 61), Pixel(11, 11, 11));
  // One neighbour and seven parts of the background.
  EXPECT_EQ(Out(51, 61), Pixel((62 + 7 * 16) / 8, 7, 7));
  EXPECT_EQ(Out(52, 60), kMarker);  // outside the shrunk area
  // A full neighbourhood is limited to the brightest value.
  for (int y = 1; y < 4; ++y)
    for (int x = 1; x < 4; ++x) Buffer(x + 10, y) = 0xFFFF;
  koDraw::ShrinkTextLine(100, 100, 10, 0, 20, 10);
  EXPECT_EQ(Out(101, 101), Pixel(31, 31, 31));
  EXPECT_EQ(Out(104, 104), kMarker);  // no neighbour set: not written
  // The 31 goes in before the division: (1 + 31) / 8.
  Buffer(40, 0) = Pixel(1, 1, 1);
  koDraw::ShrinkTextLine(200, 60, 40, 0, 42, 2);
  EXPECT_EQ(Out(200, 60), Pixel(4, 4, 4));
}

TEST_F(ShrinkTest, TheClipMovesTheSourceTwicePerPixel) {
  Buffer(3, 0) = Buffer(3, 1) = 0xFFFF;
  koDraw::SetClip(51, 0, 640, 61);
  koDraw::ShrinkTextLine(50, 60, 0, 0, 4, 4);
  EXPECT_EQ(Out(50, 60), kMarker);
  // The pixel left in is what it would have been unclipped (centre (2, 0), two neighbours).
  EXPECT_EQ(Out(51, 60), Pixel(11, 11, 11));
  EXPECT_EQ(Out(51, 61), kMarker);
  koDraw::SetClip(0, 0, 2000, 2000);
  EXPECT_EQ(koDraw::ShrinkTextLine(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MAX, INT_MAX), 1);
  EXPECT_EQ(koDraw::ShrinkTextLine(630, 470, 0, 0, INT_MAX, INT_MAX), 1);
  EXPECT_EQ(koDraw::ShrinkTextLine(0, 0, 0, 0, -4, 4), 1);
  koDraw::Release();  // no surfaces to lock
  EXPECT_EQ(koDraw::ShrinkTextLine(0, 0, 0, 0, 4, 4), 0);
}

class SmoothTest : public TextTest {
 protected:
  void SetUp() override {
    TextTest::SetUp();
    koDraw::SelectBufferFont(1, 12);
    koDraw::SetTextColors(0xFFFFFF, 0, 1);
    k_ = Advance("漢");
    ASSERT_EQ(Cell(), 24);
  }
  // The pixels of one colour left in the buffer by the last stretch.
  static Pixels BufferPixels(uint16_t colour) { return PixelsOf(kObjectFontBuffer, colour); }
  int Half() const { return (k_ + (k_ & 1)) / 2; }  // a kanji's advance on screen
  int k_ = 0;                                       // a kanji's advance in the double-size font
};

TEST_F(SmoothTest, CharactersTakeHalfTheirDoubleSize) {
  const int half = (k_ + (k_ & 1)) / 2;
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢字", 0);
  ASSERT_EQ(gCharRectCount, 3);
  EXPECT_EQ(gCharRects[1], (DrawRect{100, 50, 100 + half, 62}));
  EXPECT_EQ(gCharRects[2], (DrawRect{100 + half, 50, 100 + 2 * half, 62}));
  EXPECT_EQ(gCharRects[0], (DrawRect{100, 50, 100 + 2 * half, 62}));
  const DrawRect ink = SpriteInk();
  EXPECT_GE(ink.left, 100);
  EXPECT_LE(ink.right, 100 + 2 * half);
  EXPECT_GE(ink.top, 50);
  EXPECT_LE(ink.bottom, 62);
  EXPECT_EQ(BackInk(), ink);
  // The font goes back into a fresh context of the buffer.
  EXPECT_EQ(gTextDC.target, kObjectFontBuffer);
  EXPECT_EQ(gTextDC.font.height, 24);
  EXPECT_EQ(gTextDC.color, 0x000000u);
  EXPECT_EQ(gTextDC.background, 0xFFFFFFu);
  EXPECT_EQ(gTextDC.opaque, 1);
  // With the shadow flag the cells grow by two at double size.
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢", 0x100);
  EXPECT_EQ(gCharRects[1], (DrawRect{100, 50, 100 + half + 1, 63}));
}

TEST_F(SmoothTest, LinesWrapWithHangingPunctuation) {
  const int half = (k_ + (k_ & 1)) / 2;
  const int right = 100 + 3 * half + 1;
  koDraw::RenderTextSpriteSmooth(100, 50, right, 300, "漢字漢。字", 0);
  ASSERT_EQ(gCharRectCount, 5);
  EXPECT_EQ(gCharRects[4], (DrawRect{100, 62, 100 + half, 74}));
  EXPECT_FALSE(Empty(SpriteInk({right, 50, right + half, 62})));  // "。" past the margin
  // Reaching the right bound exactly is already too far.
  koDraw::RenderTextSpriteSmooth(100, 50, 100 + 3 * half, 300, "漢字漢", 0);
  EXPECT_EQ(gCharRects[3], (DrawRect{100, 62, 100 + half, 74}));
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢\n字", 0);
  EXPECT_EQ(gCharRectCount, 3);
  EXPECT_EQ(gCharRects[2].top, 62);
}

TEST_F(SmoothTest, ACharacterThatNeverFitsStillGrowsTheBoxLineByLine) {
  // Each try at "漢" is an empty stretch a line lower: the box reaches the
  // left bound and, cut there, the bottom bound.
  koDraw::RenderTextSpriteSmooth(100, 50, 105, 120, "漢字", 0);
  EXPECT_EQ(gCharRectCount, 1);
  EXPECT_EQ(gCharRects[0], (DrawRect{100, 50, 100, 120}));
  EXPECT_TRUE(Empty(SpriteInk()));
  // An odd line height: tries 12 apart, the last cut to the bound.
  gCharRects[0] = {0, 0, 0, 0};
  koDraw::RenderTextSpriteSmooth(100, 50, 105, 121, "漢", 1);
  EXPECT_EQ(gCharRects[0], (DrawRect{100, 50, 100, 121}));
  // After a character that fits, the box keeps its right edge.
  const int i = (Advance("i") + 1) / 2, half = (k_ + 1) / 2;
  ASSERT_LE(i + 1, half);
  gCharRects[0] = {0, 0, 0, 0};
  koDraw::RenderTextSpriteSmooth(100, 50, 100 + i + 1, 90, "i漢", 0);
  EXPECT_EQ(gCharRectCount, 2);
  EXPECT_EQ(gCharRects[0], (DrawRect{100, 50, 100 + i, 90}));
  // A character that alone overfills the buffer stays on its spot: one try.
  koDraw::SelectBufferFont(1, 400);
  const int cell = Cell();
  gCharRects[0] = {0, 0, 0, 0};
  koDraw::RenderTextSpriteSmooth(10, 20, INT_MAX, INT_MAX, "漢", 0);
  EXPECT_EQ(gCharRects[0], (DrawRect{10, 20, 10, 20 + cell / 2}));
  // With the right bound close, it goes down to the bottom bound instead.
  gCharRects[0] = {0, 0, 0, 0};
  koDraw::RenderTextSpriteSmooth(10, 20, 30, 20 + cell + 7, "漢", 0);
  EXPECT_EQ(gCharRects[0], (DrawRect{10, 20, 10, 20 + cell + 7}));
}

TEST_F(SmoothTest, ShadowAndThickeningAreDrawnAtDoubleSize) {
  koDraw::SetTextColors(0xFFFFFF, 0x0000FF, 1);
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢", 0);
  const Pixels glyph = BufferPixels(0xFFFF);
  ASSERT_GT(glyph.size(), 20u);
  const uint16_t red = koDraw::ColorRefTo565(0x0000FF);
  // The shadow lies two buffer pixels (one on screen) right and down, under the glyph.
  const auto shadowOf = [&](int dx, int dy, const Pixels& ink) {
    Pixels p = Shift(glyph, dx, dy);
    for (const auto& q : ink) p.erase(q);
    return p;
  };
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢", 0x100);
  EXPECT_EQ(BufferPixels(0xFFFF), glyph);
  EXPECT_EQ(BufferPixels(red), shadowOf(2, 2, glyph));
  Pixels across = glyph;
  across.merge(Shift(glyph, 1, 0));
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢", 0x300);
  EXPECT_EQ(BufferPixels(0xFFFF), across);
  EXPECT_EQ(BufferPixels(red), shadowOf(3, 2, across));
  // Thickening across widens each cell by one buffer pixel: every second
  // character starts half a pixel later, which rounds to a whole one.
  const int h = Half();
  gCharRects[0] = {0, 0, 0, 0};
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢字漢", 0x200);
  ASSERT_EQ(gCharRectCount, 4);
  EXPECT_EQ(gCharRects[2], (DrawRect{100 + h, 50, 100 + 2 * h, 62}));
  EXPECT_EQ(gCharRects[3], (DrawRect{100 + 2 * h + 1, 50, 100 + 3 * h + 1, 62}));
  EXPECT_EQ(gCharRects[0], (DrawRect{100, 50, 100 + 3 * h + 1, 62}));
  // Thickening down makes lines of 25 buffer rows: 12 screen rows apart.
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, "漢\n字", 0x400);
  EXPECT_EQ(gCharRects[2], (DrawRect{100, 62, 100 + h, 74}));
}

TEST_F(SmoothTest, AFullBufferEndsAStretchButNotTheLine) {
  const int h = Half(), perBuffer = 2 * h;
  const int width = koDraw::ObjectSurface(kObjectFontBuffer)->width;
  const int fit = (width - 1) / perBuffer;  // the kanji one stretch holds
  std::string text;
  for (int i = 0; i < fit + 5; ++i) text += "漢";
  ASSERT_LT(100 + (fit + 5) * h, 640);
  koDraw::RenderTextSpriteSmooth(100, 50, 640, 300, text.c_str(), 0);
  ASSERT_EQ(gCharRectCount, fit + 6);
  for (int k = fit; k <= fit + 2; ++k)
    EXPECT_EQ(gCharRects[k], (DrawRect{100 + (k - 1) * h, 50, 100 + k * h, 62})) << k;
  EXPECT_EQ(gCharRects[0], (DrawRect{100, 50, 100 + (fit + 5) * h, 62}));
  // Both stretches are on screen, and nothing below them.
  EXPECT_FALSE(Empty(SpriteInk({100, 50, 100 + fit * h, 62})));
  EXPECT_FALSE(Empty(SpriteInk({100 + fit * h, 50, 640, 62})));
  EXPECT_TRUE(Empty(SpriteInk({0, 62, 640, 480})));
}

TEST_F(SmoothTest, TheLastLineIsCutAtTheBottomBound) {
  // The second line would reach 74; the bound at 68 cuts its stretch to 12 buffer rows.
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 68, "漢\n字", 0);
  ASSERT_EQ(gCharRectCount, 3);
  EXPECT_EQ(gCharRects[2], (DrawRect{100, 62, 100 + Half(), 74}));
  EXPECT_EQ(gCharRects[0], (DrawRect{100, 50, 100 + Half(), 68}));
  const DrawRect ink = SpriteInk({0, 62, 640, 480});
  EXPECT_FALSE(Empty(ink));
  EXPECT_EQ(ink.bottom, 68);
}

TEST_F(SmoothTest, DeferredRenderingWaitsForTheReveal) {
  koDraw::RenderTextSpriteSmoothDeferred(100, 50, 400, 300, "漢字", 0);
  EXPECT_TRUE(Empty(BackInk()));
  EXPECT_FALSE(Empty(SpriteInk()));
  EXPECT_EQ(gTextBlitNow, 1);
  EXPECT_EQ(koDraw::RevealText(0), 1);
  EXPECT_EQ(BackInk(), SpriteInk());
}

TEST_F(SmoothTest, HostileArgumentsEndQuickly) {
  koDraw::RenderTextSpriteSmooth(100, 50, 400, 300, nullptr, 0);
  EXPECT_EQ(gCharRectCount, 1);
  koDraw::RenderTextSpriteSmooth(100, 50, 100 + k_ / 2 - 1, INT_MAX, "漢字", 0);
  EXPECT_EQ(gCharRectCount, 1);  // wider than the box: never drawn
  koDraw::RenderTextSpriteSmooth(INT_MIN, INT_MIN, INT_MAX, INT_MAX, "漢字\n\n\xE3", -1);
  koDraw::SelectBufferFont(1, 400);  // one kanji overfills the buffer
  koDraw::RenderTextSpriteSmooth(0, 0, INT_MAX, INT_MAX, "漢字", 0);
  EXPECT_EQ(gCharRectCount, 1);
  const std::string many(4000, 'i');
  koDraw::SelectBufferFont(1, 2);
  koDraw::RenderTextSpriteSmooth(0, 0, INT_MAX, INT_MAX, many.c_str(), 0);
  EXPECT_EQ(gCharRectCount, kCharRectCount);
}

}  // namespace
