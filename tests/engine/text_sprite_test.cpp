// The text sprite and its smoothed form: wrapping with hanging punctuation,
// the character rectangles, the flags, the key-safe colours, the shrink of a
// double-size line and the typewriter reveal.
#include <climits>

#include "tests/engine/text_fixture.h"

namespace {

class TextSpriteTest : public TextTest {
 protected:
  void SetUp() override {
    TextTest::SetUp();
    koDraw::SelectTextFont(1, 24, 0, 0, 0, 0);
    koDraw::SetTextColors(0xFFFFFF, 0x0000FF, 1);
    k_ = Advance("漢");
  }
  static Pixels SpritePixels(uint16_t colour) { return PixelsOf(kObjectFont, colour); }
  int k_ = 0;  // a kanji's advance
};

TEST_F(TextSpriteTest, EachCharacterGetsItsRectangleAndTheBoxIsBlitted) {
  const int a = Advance("A"), b = Advance("b");
  koDraw::RenderTextSprite(10, 20, 400, 300, "A", 0);
  const Pixels glyph = SpritePixels(0xFFFF);
  koDraw::RenderTextSprite(10, 20, 400, 300, "Ab漢", 0);
  ASSERT_EQ(gCharRectCount, 4);
  EXPECT_EQ(gCharRects[1], (DrawRect{10, 20, 10 + a, 44}));
  EXPECT_EQ(gCharRects[3], (DrawRect{10 + a + b, 20, 10 + a + b + k_, 44}));
  // The box reaches one character width past the last character.
  EXPECT_EQ(gCharRects[0], (DrawRect{10, 20, 10 + a + b + 2 * k_, 44}));
  EXPECT_EQ(BackInk(), SpriteInk());  // the keyed blit put the sprite in place
  EXPECT_EQ(Count(*gBackSurface, BackInk(), 0xFFFF), static_cast<int>(SpritePixels(0xFFFF).size()));
  EXPECT_EQ(gTextDC.color, 0x000000u);  // the font comes back in a fresh context
  // The shadow is the glyph again, one pixel right and down, under it.
  koDraw::RenderTextSprite(10, 20, 400, 300, "A", 0x100);
  Pixels shade = Shift(glyph, 1, 1);
  for (const auto& p : glyph) shade.erase(p);
  EXPECT_EQ(SpritePixels(0xFFFF), glyph);
  EXPECT_EQ(SpritePixels(koDraw::ColorRefTo565(0x0000FF)), shade);
  EXPECT_EQ(gCharRects[1], (DrawRect{10, 20, 10 + a + 1, 45}));
}

TEST_F(TextSpriteTest, ClosingPunctuationHangsAndBoundsEndTheRendering) {
  const int right = 10 + 3 * k_;
  koDraw::RenderTextSprite(10, 20, right, 300, "漢字漢。字", 0);
  ASSERT_EQ(gCharRectCount, 5);  // "。" hangs without a rectangle
  EXPECT_EQ(gCharRects[4], (DrawRect{10, 44, 10 + k_, 68}));
  EXPECT_FALSE(Empty(SpriteInk({right, 20, right + k_, 44})));
  koDraw::RenderTextSprite(10, 20, right, 300, "漢字漢字", 0);
  EXPECT_EQ(gCharRects[4], (DrawRect{10, 44, 10 + k_, 68}));
  EXPECT_TRUE(Empty(SpriteInk({right, 20, 640, 44})));
  // A character wider than the box is never drawn.
  koDraw::RenderTextSprite(10, 20, 10 + k_ - 1, INT_MAX, "漢字", 0);
  EXPECT_EQ(gCharRectCount, 1);
  // A second line ending on the bottom bound is one too many.
  koDraw::RenderTextSprite(10, 20, 400, 20 + 2 * 24, "漢\n字\n漢", 0);
  EXPECT_EQ(gCharRectCount, 2);
  koDraw::RenderTextSprite(10, 20, 400, 20 + 2 * 24 + 1, "漢\n字\n漢", 0);
  EXPECT_EQ(gCharRectCount, 3);
  // The flags' low byte adds line spacing; a taller cell sets the line height.
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢\n字", 5);
  EXPECT_EQ(gCharRects[2].top, 20 + 29);
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢\n字\n漢", 0x400);
  EXPECT_EQ(gCharRects[3], (DrawRect{10, 70, 10 + k_, 95}));
}

TEST_F(TextSpriteTest, ColoursNearBlackAreLiftedOffTheKey) {
  koDraw::SetTextColors(0x000000, 0x0F0F0F, 1);
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢", 0x100);
  EXPECT_EQ(gTextColor, 0x101010u);
  EXPECT_EQ(gTextShadowColor, 0x101010u);
  EXPECT_GT(Count(*gBackSurface, gCharRects[0], koDraw::ColorRefTo565(0x101010)), 20);
}

TEST_F(TextSpriteTest, RevealShowsOneMoreCharacterPerInterval) {
  koDraw::RenderTextSpriteDeferred(10, 20, 400, 300, "ABCD", 0);
  EXPECT_TRUE(Empty(BackInk()));  // deferred: nothing blitted yet
  ASSERT_EQ(gCharRectCount, 5);
  gFrameScale = 0.1f;
  const auto shown = [] {
    int n = 0;
    for (int k = 1; k < 5; ++k) n += !Empty(BackInk(gCharRects[k]));
    return n;
  };
  const int expectShown[] = {0, 0, 1, 2, 3, 4, 4};
  for (int call = 0; call < 7; ++call) {
    koDraw::FillRect(0, 0, 640, 480, kBg);
    EXPECT_EQ(koDraw::RevealText(0.1f), call == 6 ? 1 : 0) << call;
    EXPECT_EQ(shown(), expectShown[call]) << call;
  }
  // Interval 0 shows the whole box at once.
  koDraw::RenderTextSpriteDeferred(10, 20, 400, 300, "ABCD", 0);
  koDraw::FillRect(0, 0, 640, 480, kBg);
  EXPECT_EQ(koDraw::RevealText(0), 1);
  EXPECT_EQ(shown(), 4);
}

TEST_F(TextSpriteTest, RectanglesStopAtTheTableSizeAndTheBoxOnlyGrows) {
  koDraw::RenderTextSprite(0, 0, INT_MAX, INT_MAX, std::string(4000, 'i').c_str(), 0);
  EXPECT_EQ(gCharRectCount, kCharRectCount);
  EXPECT_EQ(gCharRects[kCharRectCount - 1].left, (kCharRectCount - 2) * Advance("i"));
  const DrawRect wide = gCharRects[0];
  koDraw::RenderTextSprite(0, 0, 400, 300, "i", 0);
  EXPECT_EQ(gCharRects[0].right, wide.right);
}

// The smoothed sprite's shrink mixes each pixel's 3 x 3 neighbourhood of the
// double-size line with the background.
class SmoothTest : public TextTest {
 protected:
  static uint16_t Pixel(int r, int g, int b) { return static_cast<uint16_t>(r << 11 | g << 6 | b); }
  static uint16_t& Buffer(int x, int y) {
    return koDraw::ObjectSurface(kObjectFontBuffer)->Row(y)[x];
  }
  static uint16_t Out(int x, int y) { return koDraw::ObjectSurface(kObjectFont)->Row(y)[x]; }
  static void Prepare() {
    koDraw::ClearObject(kObjectFontBuffer);
    koDraw::FillRect(0, 0, 640, 480, 0);
    Surface& font = *koDraw::ObjectSurface(kObjectFont);
    for (int y = 0; y < 480; ++y) std::fill_n(font.Row(y), 640, kMarker);
  }
  static constexpr uint16_t kMarker = 0x1234;
};

TEST_F(SmoothTest, ShrinkMixesTheNeighbourhoodWithTheBackgroundAndFollowsTheClip) {
  Prepare();
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) Buffer(x, y) = 0xFFFF;
  Back(51, 61) = Pixel(16, 0, 0);
  EXPECT_EQ(koDraw::ShrinkTextLine(50, 60, 0, 0, 4, 4), 1);
  EXPECT_EQ(Out(50, 60), Pixel(19, 19, 19));  // four white neighbours: (4 x 31 + 31) / 8
  EXPECT_EQ(Out(51, 60), Pixel(11, 11, 11));  // two
  EXPECT_EQ(Out(51, 61), Pixel((62 + 7 * 16) / 8, 7, 7));  // one, and 7/8 background
  EXPECT_EQ(Out(52, 60), kMarker);                         // outside the shrunk area
  for (int y = 1; y < 4; ++y)
    for (int x = 1; x < 4; ++x) Buffer(x + 10, y) = 0xFFFF;
  koDraw::ShrinkTextLine(100, 100, 10, 0, 20, 10);
  EXPECT_EQ(Out(101, 101), Pixel(31, 31, 31));  // a full neighbourhood is held to white
  EXPECT_EQ(Out(104, 104), kMarker);            // no neighbour set: not written
  Buffer(40, 0) = Pixel(1, 1, 1);
  koDraw::ShrinkTextLine(200, 60, 40, 0, 42, 2);
  EXPECT_EQ(Out(200, 60), Pixel(4, 4, 4));  // the 31 goes in before the division
  // A clip moves the source two pixels per pixel cut.
  Prepare();
  Buffer(3, 0) = Buffer(3, 1) = 0xFFFF;
  koDraw::SetClip(51, 0, 640, 61);
  koDraw::ShrinkTextLine(50, 60, 0, 0, 4, 4);
  EXPECT_EQ(Out(50, 60), kMarker);
  EXPECT_EQ(Out(51, 60), Pixel(11, 11, 11));
  EXPECT_EQ(Out(51, 61), kMarker);
}

TEST_F(SmoothTest, CharactersTakeHalfTheirDoubleSize) {
  koDraw::SelectBufferFont(1, 12);
  koDraw::SetTextColors(0xFFFFFF, 0, 1);
  const int h = (Advance("漢") + 1) / 2;  // a kanji's advance on screen
  koDraw::RenderTextSpriteSmooth(100, 50, 100 + 3 * h + 1, 300, "漢字漢。字", 0);
  ASSERT_EQ(gCharRectCount, 5);
  EXPECT_EQ(gCharRects[2], (DrawRect{100 + h, 50, 100 + 2 * h, 62}));
  EXPECT_EQ(gCharRects[4], (DrawRect{100, 62, 100 + h, 74}));  // "。" hangs
  EXPECT_EQ(BackInk(), SpriteInk());
}

}  // namespace
