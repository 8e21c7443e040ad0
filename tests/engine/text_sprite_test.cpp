// The text sprite: wrapping with hanging punctuation, the character
// rectangles, the flags, the key-safe colours and the typewriter reveal.
#include <climits>
#include <set>
#include <utility>

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
  // The sprite's pixels of one colour.
  static Pixels SpritePixels(uint16_t colour) { return PixelsOf(kObjectFont, colour); }
  static Pixels Join(std::initializer_list<Pixels> sets) {
    Pixels out;
    for (const Pixels& s : sets) out.insert(s.begin(), s.end());
    return out;
  }
  int k_ = 0;  // a kanji's advance
};

TEST_F(TextSpriteTest, EachCharacterGetsItsRectangleAndTheBoxIsBlitted) {
  const int a = Advance("A"), b = Advance("b");
  koDraw::RenderTextSprite(10, 20, 400, 300, "Ab漢", 0);
  ASSERT_EQ(gCharRectCount, 4);
  EXPECT_EQ(gCharRects[1], (DrawRect{10, 20, 10 + a, 44}));
  EXPECT_EQ(gCharRects[2], (DrawRect{10 + a, 20, 10 + a + b, 44}));
  EXPECT_EQ(gCharRects[3], (DrawRect{10 + a + b, 20, 10 + a + b + k_, 44}));
  // The box reaches one character width past the last character.
  EXPECT_EQ(gCharRects[0], (DrawRect{10, 20, 10 + a + b + 2 * k_, 44}));
  const DrawRect ink = SpriteInk();
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 10 + a + b + k_);
  EXPECT_EQ(BackInk(), ink);  // the keyed blit put the sprite in place
  EXPECT_EQ(Count(*gBackSurface, ink, 0xFFFF), static_cast<int>(SpritePixels(0xFFFF).size()));
  EXPECT_EQ(gRevealCount, 0);
  EXPECT_EQ(gTextBlitNow, 1);
}

TEST_F(TextSpriteTest, TheFontComesBackInAFreshContextOfTheBackSurface) {
  koDraw::SetTextColors(0x00FF00, 0x0000FF, 1);
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢", 0x100);
  EXPECT_EQ(gTextDC.target, kTextToBack);
  EXPECT_STREQ(gTextDC.font.faceName, "標準ゴシック");
  EXPECT_EQ(gTextDC.font.height, 24);
  EXPECT_EQ(gTextDC.color, 0x000000u);
  EXPECT_EQ(gTextDC.background, 0xFFFFFFu);
  EXPECT_EQ(gTextDC.opaque, 1);
  EXPECT_EQ(gTextColor, 0x00FF00u);  // what the colours were set to stays
  EXPECT_EQ(gTextShadowColor, 0x0000FFu);
  // Text drawn next is black on opaque white, filling its cell.
  koDraw::FillRect(0, 0, 640, 480, kBg);
  koDraw::DrawTextAt(100, 200, "漢");
  const DrawRect cell{100, 200, 100 + k_, 224};
  EXPECT_EQ(BackInk(), cell);
  EXPECT_GT(Count(*gBackSurface, cell, 0x0000), 20);
  EXPECT_EQ(Count(*gBackSurface, cell, 0x0000) + Count(*gBackSurface, cell, 0xFFFF), k_ * 24);
}

TEST_F(TextSpriteTest, ClosingPunctuationHangsPastTheMargin) {
  const int left = 10, top = 20, right = left + 3 * k_;
  koDraw::RenderTextSprite(left, top, right, 300, "漢字漢。字", 0);
  ASSERT_EQ(gCharRectCount, 5);  // "。" hangs without a rectangle
  EXPECT_EQ(gCharRects[3].right, right);
  EXPECT_EQ(gCharRects[4], (DrawRect{left, top + 24, left + k_, top + 48}));
  EXPECT_FALSE(Empty(SpriteInk({right, top, right + k_, top + 24})));
  EXPECT_FALSE(Empty(BackInk({right, top, right + k_, top + 24})));  // inside the box
  // A kanji that does not fit starts the next line instead.
  koDraw::RenderTextSprite(left, top, right, 300, "漢字漢字", 0);
  ASSERT_EQ(gCharRectCount, 5);
  EXPECT_EQ(gCharRects[4], (DrawRect{left, top + 24, left + k_, top + 48}));
  EXPECT_TRUE(Empty(SpriteInk({right, top, 640, top + 24})));
  // A newline starts a line at the left margin and gets no rectangle.
  koDraw::RenderTextSprite(left, top, right, 300, "漢\n字", 0);
  ASSERT_EQ(gCharRectCount, 3);
  EXPECT_EQ(gCharRects[2], (DrawRect{left, top + 24, left + k_, top + 48}));
}

TEST_F(TextSpriteTest, BoundsEndTheRendering) {
  // A character wider than the box is never drawn.
  koDraw::RenderTextSprite(10, 20, 10 + k_ - 1, INT_MAX, "漢字", 0);
  EXPECT_EQ(gCharRectCount, 1);
  EXPECT_TRUE(Empty(SpriteInk()));
  // The second line would end on the bottom bound: only the first is drawn.
  koDraw::RenderTextSprite(10, 20, 400, 20 + 2 * 24, "漢\n字\n漢", 0);
  EXPECT_EQ(gCharRectCount, 2);
  koDraw::RenderTextSprite(10, 20, 400, 20 + 2 * 24 + 1, "漢\n字\n漢", 0);
  EXPECT_EQ(gCharRectCount, 3);
  // Extra line spacing from the flags' low byte.
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢\n字", 5);
  EXPECT_EQ(gCharRects[2].top, 20 + 29);
}

TEST_F(TextSpriteTest, ACellTallerThanTheAskedHeightSetsTheLineHeight) {
  // The downward thickening makes cells of 25 rows: lines 25 apart.
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢\n字\n漢", 0x400);
  ASSERT_EQ(gCharRectCount, 4);
  EXPECT_EQ(gCharRects[2], (DrawRect{10, 45, 10 + k_, 70}));
  EXPECT_EQ(gCharRects[3], (DrawRect{10, 70, 10 + k_, 95}));
  // So does the bottom bound: a second line ending at 20 + 2 x 25 is one too many.
  koDraw::RenderTextSprite(10, 20, 400, 70, "漢\n字", 0x400);
  EXPECT_EQ(gCharRectCount, 2);
  // A height asked as an em (negative) is below the cell: the cell counts.
  koDraw::SelectTextFont(1, -24, 0, 0, 0, 0);
  const int cell = Cell();
  ASSERT_GT(cell, 24);
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢\n字", 0);
  EXPECT_EQ(gCharRects[2].top, 20 + cell);
}

TEST_F(TextSpriteTest, ColoursNearBlackAreLiftedOffTheKey) {
  koDraw::SetTextColors(0x000000, 0x0F0F0F, 1);
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢", 0x100);
  EXPECT_EQ(gTextColor, 0x101010u);
  EXPECT_EQ(gTextShadowColor, 0x101010u);
  const uint16_t lifted = koDraw::ColorRefTo565(0x101010);
  EXPECT_NE(lifted, 0);
  EXPECT_GT(Count(*gBackSurface, gCharRects[0], lifted), 20);  // visible after the keyed blit
  koDraw::SetTextColors(0x100000, 0x000000, 1);
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢", 0);
  EXPECT_EQ(gTextColor, 0x100000u);
  EXPECT_FALSE(SpritePixels(koDraw::ColorRefTo565(0x100000)).empty());
}

TEST_F(TextSpriteTest, ShadowAndThickeningDrawTheGlyphAgainShifted) {
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢", 0);
  const Pixels glyph = SpritePixels(0xFFFF);
  ASSERT_GT(glyph.size(), 20u);
  const uint16_t red = koDraw::ColorRefTo565(0x0000FF);
  const auto check = [&](int flags, const Pixels& ink, const Pixels& shade, int cx, int cy) {
    koDraw::RenderTextSprite(10, 20, 400, 300, "漢", flags);
    EXPECT_EQ(SpritePixels(0xFFFF), ink) << flags;
    EXPECT_EQ(SpritePixels(red).size(), shade.size()) << flags;
    for (const auto& p : SpritePixels(red)) EXPECT_TRUE(shade.count(p)) << flags;
    EXPECT_EQ(gCharRects[1], (DrawRect{10, 20, 10 + cx, 20 + cy})) << flags;
  };
  const auto without = [](Pixels a, const Pixels& b) {
    for (const auto& p : b) a.erase(p);
    return a;
  };
  check(0x100, glyph, without(Shift(glyph, 1, 1), glyph), k_ + 1, 25);
  const Pixels across = Join({glyph, Shift(glyph, 1, 0)});
  check(0x200, across, {}, k_ + 1, 24);
  check(0x300, across, without(Shift(glyph, 2, 1), across), k_ + 2, 25);
  check(0x400, Join({glyph, Shift(glyph, 0, 1)}), {}, k_, 25);
  const Pixels both = Join({glyph, Shift(glyph, 1, 0), Shift(glyph, 1, 1), Shift(glyph, 0, 1)});
  check(0x700, both, without(Shift(glyph, 2, 2), both), k_ + 2, 26);
}

TEST_F(TextSpriteTest, RevealShowsOneMoreCharacterPerInterval) {
  koDraw::RenderTextSpriteDeferred(10, 20, 400, 300, "ABCD", 0);
  EXPECT_TRUE(Empty(BackInk()));  // deferred: nothing blitted yet
  EXPECT_EQ(gTextBlitNow, 1);
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
    const int done = koDraw::RevealText(0.1f);
    EXPECT_EQ(shown(), expectShown[call]) << call;
    EXPECT_EQ(done, call == 6 ? 1 : 0) << call;
  }
  EXPECT_EQ(koDraw::RevealText(0.1f), 1);  // stays done
  // Shorter frames take several calls per character.
  koDraw::RenderTextSpriteDeferred(10, 20, 400, 300, "ABCD", 0);
  gFrameScale = 0.04f;
  for (int call = 0; call < 3; ++call) koDraw::RevealText(0.1f);
  EXPECT_EQ(gRevealCount, 1);
  // Interval 0 shows the whole box at once.
  koDraw::FillRect(0, 0, 640, 480, kBg);
  EXPECT_EQ(koDraw::RevealText(0), 1);
  EXPECT_EQ(gRevealCount, gCharRectCount + 1);
  EXPECT_EQ(shown(), 4);
}

TEST_F(TextSpriteTest, RectanglesStopAtTheTableSizeAndTheBoxOnlyGrows) {
  const std::string many(4000, 'i');
  koDraw::RenderTextSprite(0, 0, INT_MAX, INT_MAX, many.c_str(), 0);
  EXPECT_EQ(gCharRectCount, kCharRectCount);
  EXPECT_EQ(gCharRects[kCharRectCount - 1].left, (kCharRectCount - 2) * Advance("i"));
  const DrawRect wide = gCharRects[0];
  koDraw::RenderTextSprite(0, 0, 400, 300, "i", 0);
  EXPECT_EQ(gCharRects[0].right, wide.right);
}

TEST_F(TextSpriteTest, HostileArgumentsEndQuickly) {
  koDraw::RenderTextSprite(10, 20, 400, 300, nullptr, 0);
  EXPECT_EQ(gCharRectCount, 1);
  koDraw::RenderTextSprite(INT_MIN, INT_MIN, INT_MAX, INT_MAX, "漢字\n\n\xFF", -1);
  koDraw::RenderTextSprite(INT_MAX, INT_MAX, INT_MIN, INT_MIN, "漢字", 0x7FF);
  koDraw::SelectTextFont(1, -INT_MAX, 0, 0, 0, 0);  // a negative line height
  koDraw::RenderTextSprite(0, 0, INT_MAX, 100, std::string(5000, '\n').append("漢字").c_str(), 0);
  EXPECT_EQ(gCharRectCount, 3);
  koDraw::SelectTextFont(1, INT_MAX, 0, 0, 0, 0);
  koDraw::RenderTextSprite(0, 0, 2000, INT_MAX, "漢字漢字", 0);
  EXPECT_EQ(gCharRectCount, 3);  // a kanji of the largest font fits twice
  // Before the screen exists there is nothing to render into.
  koDraw::Release();
  koDraw::RenderTextSprite(0, 0, 100, 100, "漢", 0);
  EXPECT_EQ(koDraw::RevealText(0), 1);
}

}  // namespace
