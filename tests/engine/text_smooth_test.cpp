// The smoothed text sprite: the shrink of a double-size line and the
// renderer that feeds it.
#include <climits>

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
  int k_ = 0;  // a kanji's advance in the double-size font
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
  EXPECT_EQ(gTextDC.target, kObjectFontBuffer);  // the font stays in the buffer
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
