// Plain text: a string at a point, and word-wrapped text in a rectangle.
#include <climits>

#include "tests/engine/text_fixture.h"

namespace {

constexpr uint32_t kRed = 0x0000FF;  // COLORREF: red in the low byte
constexpr uint16_t kRed565 = 0xF800;
constexpr uint16_t kWhite565 = 0xFFFF;

class TextDrawTest : public TextTest {
 protected:
  void SetUp() override {
    TextTest::SetUp();
    koDraw::SelectTextFont(1, 24, 0, 0, 0, 0);
    koDraw::SetTextColors(0xFFFFFF, kRed, 1);
  }
};

TEST_F(TextDrawTest, TextLiesInItsCellsInTheTextColour) {
  koDraw::DrawTextAt(100, 50, "Ab漢字");
  const DrawRect ink = BackInk();
  const int width = Width("Ab漢字");
  EXPECT_EQ(width, 2 * Advance("A") + 2 * Advance("漢"));
  EXPECT_GE(ink.left, 100);
  EXPECT_LE(ink.left, 102);
  EXPECT_LE(ink.right, 100 + width);
  EXPECT_GT(ink.right, 100 + width - 4);
  EXPECT_GE(ink.top, 50);
  EXPECT_LE(ink.bottom, 50 + Cell());
  // Every pixel drawn is the text colour: transparent text sets no background.
  EXPECT_EQ(Count(*gBackSurface, ink, kWhite565) + Count(*gBackSurface, ink, kBg),
            (ink.right - ink.left) * (ink.bottom - ink.top));
}

TEST_F(TextDrawTest, OpaqueTextFillsExactlyItsCells) {
  koDraw::SetTextColors(kRed, 0x00FF00, 0);
  koDraw::DrawTextAt(100, 50, "Ab漢字");
  const DrawRect box{100, 50, 100 + Width("Ab漢字"), 50 + 24};
  EXPECT_EQ(BackInk(), box);
  EXPECT_EQ(Count(*gBackSurface, box, kRed565) + Count(*gBackSurface, box, 0x07E0),
            (box.right - box.left) * 24);
  EXPECT_GT(Count(*gBackSurface, box, kRed565), 50);
}

TEST_F(TextDrawTest, TextIsCutAtTheSurfaceNotAtTheClip) {
  koDraw::SetClip(0, 0, 1, 1);
  koDraw::SetTextColors(kRed, 0x00FF00, 0);
  koDraw::DrawTextAt(630, 470, "漢字");
  EXPECT_EQ(BackInk(), (DrawRect{630, 470, 640, 480}));
  koDraw::DrawTextAt(-5, -5, "漢");
  EXPECT_NE(Back(0, 0), kBg);
  koDraw::DrawTextAt(INT_MIN, INT_MAX, "far away");
  koDraw::DrawTextAt(INT_MAX - 3, INT_MIN, "far away");
  koDraw::DrawTextAt(10, 10, nullptr);
  koDraw::DrawTextAt(10, 10, "\xFF\xE3\x81 broken \xF0\x9F");  // stray bytes draw as characters
  EXPECT_GT(Count(*gBackSurface, {10, 10, 200, 34}, kRed565), 20);
}

TEST_F(TextDrawTest, NothingIsDrawnWithoutASelectedFont) {
  koDraw::RestoreTextFont();
  koDraw::DrawTextAt(10, 10, "text");
  EXPECT_EQ(koDraw::DrawTextInRect(10, 10, 300, 300, "text", 0), 0);
  EXPECT_EQ(koDraw::MeasureTextInRect(10, 10, 300, 300, "text"), 0);
  EXPECT_TRUE(Empty(BackInk()));
}

TEST_F(TextDrawTest, UnderlineRunsUnderEveryCell) {
  koDraw::SelectTextFont(1, 24, 0, 0, 0, 1);
  koDraw::SetTextColors(0xFFFFFF, 0, 1);
  koDraw::DrawTextAt(100, 50, "a b");
  const plat::FontMetrics m = koDraw::text::Open(gTextLogFont).metrics;
  const int y = 50 + m.ascent + m.underlineOffset;
  const int width = Width("a b");
  for (int x = 100; x < 100 + width; ++x) ASSERT_EQ(Back(x, y), kWhite565) << x;
  EXPECT_EQ(Back(99, y), kBg);
  EXPECT_EQ(Back(100 + width, y), kBg);
}

TEST_F(TextDrawTest, TurnedTextRisesAlongItsEscapement) {
  koDraw::SelectTextFont(1, 24, 90, 0, 0, 0);
  koDraw::SetTextColors(0xFFFFFF, 0, 1);
  koDraw::DrawTextAt(200, 300, "漢字漢字");
  const DrawRect ink = BackInk();
  const int width = Width("漢字漢字");
  EXPECT_GE(ink.left, 199);  // the cells' tops face left: they lie right of x
  EXPECT_LE(ink.right, 200 + 24);
  EXPECT_LE(ink.bottom, 301);
  EXPECT_GE(ink.top, 300 - width);
  EXPECT_GT(ink.bottom - ink.top, width - 6);
}

TEST_F(TextDrawTest, WrapsAtSpacesAndBesideWideCharacters) {
  const int w = Advance("a");
  EXPECT_EQ(Advance("漢"), 2 * w);
  // "aaa bbb" in six cells: "aaa" then "bbb"; the space is not drawn.
  const int h = koDraw::DrawTextInRect(10, 10, 10 + 6 * w, 200, "aaa bbb", 0);
  EXPECT_EQ(h, 2 * 24);
  EXPECT_EQ(koDraw::MeasureTextInRect(10, 10, 10 + 6 * w, 200, "aaa bbb"), h);
  EXPECT_EQ(koDraw::MeasureTextInRect(10, 10, 10 + 7 * w, 200, "aaa bbb"), 24);  // just fits
  const DrawRect second = BackInk({0, 34, 640, 58});
  EXPECT_LT(second.left, 10 + w / 2);
  EXPECT_LE(second.right, 10 + 3 * w);
  // Kanji break between any two of them.
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 5 * w, 0, "漢字漢字漢字"), 3 * 24);
  // A word wider than the rectangle keeps a line of its own.
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 3 * w, 0, "abcdefgh ij"), 2 * 24);
  // LF, CR and CR LF end lines; a final line break opens no new line.
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 600, 0, "a\n\nb\r\nc\rd\n"), 5 * 24);
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 600, 0, ""), 0);
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 600, 0, nullptr), 0);
  EXPECT_TRUE(Empty(BackInk({0, 60, 640, 480})));  // measuring draws nothing
}

TEST_F(TextDrawTest, ClosingPunctuationNeverStartsALine) {
  const int k = Advance("漢");
  // Three kanji fill the width; "。" takes the third one along to the next line.
  EXPECT_EQ(koDraw::DrawTextInRect(0, 0, 3 * k, 200, "漢字漢。", 0), 2 * 24);
  EXPECT_FALSE(Empty(BackInk({0, 24, k, 48})));
  EXPECT_FALSE(Empty(BackInk({k, 24, 2 * k, 48})));
  EXPECT_TRUE(Empty(BackInk({2 * k, 0, 3 * k, 24})));
  // Nor after a space.
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 3 * Advance("a"), 0, "abc ,"), 24);
  // The opening bracket may start a line: the third kanji stays where it is.
  koDraw::FillRect(0, 0, 640, 480, kBg);
  EXPECT_EQ(koDraw::DrawTextInRect(0, 0, 3 * k, 200, "漢字漢（字", 0), 2 * 24);
  EXPECT_FALSE(Empty(BackInk({2 * k, 0, 3 * k, 24})));
  EXPECT_FALSE(Empty(BackInk({0, 24, k, 48})));      // "（"
  EXPECT_FALSE(Empty(BackInk({k, 24, 2 * k, 48})));  // "字"
  EXPECT_TRUE(Empty(BackInk({2 * k, 24, 640, 48})));
}

TEST_F(TextDrawTest, HalfWidthKatakanaMakeWordsFullWidthFormsBreak) {
  const int w = Advance("a");
  ASSERT_EQ(Advance("ｱ"), w);
  ASSERT_EQ(Advance("Ａ"), 2 * w);
  // No break between half-width katakana: the word keeps one line, overlong.
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 3 * w, 0, "ｱｲｳｴｵ"), 24);
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 3 * w, 0, "ｱｲ ｳｴｵ"), 2 * 24);
  // Full-width letters break between any two of them.
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 5 * w, 0, "ＡＢＣＤＥ"), 3 * 24);
}

TEST_F(TextDrawTest, LinesAlignAndAreCutToTheRectangle) {
  const int k = Advance("漢");
  koDraw::SetTextColors(kRed, 0x00FF00, 0);  // opaque: the ink is exactly the cells
  // One pixel more than six kanji: centring rounds down.
  const DrawRect r{100, 100, 100 + 6 * k + 1, 100 + 24};
  EXPECT_EQ(koDraw::DrawTextInRect(r.left, r.top, r.right, r.bottom, "漢字", 2), 24);
  EXPECT_EQ(BackInk(), (DrawRect{r.right - 2 * k, 100, r.right, 124}));
  koDraw::FillRect(0, 0, 640, 480, kBg);
  koDraw::DrawTextInRect(r.left, r.top, r.right, r.bottom, "漢字", 1);
  EXPECT_EQ(BackInk(), (DrawRect{100 + 2 * k, 100, 100 + 4 * k, 124}));
  koDraw::FillRect(0, 0, 640, 480, kBg);
  koDraw::DrawTextInRect(r.left, r.top, r.right, r.bottom, "漢字", 0);
  EXPECT_EQ(BackInk(), (DrawRect{100, 100, 100 + 2 * k, 124}));
  // Each line aligns by its own width, spaces at its end left out.
  koDraw::FillRect(0, 0, 640, 480, kBg);
  koDraw::DrawTextInRect(r.left, r.top, r.left + 3 * k, 200, "漢字漢 字", 2);
  EXPECT_EQ(BackInk({0, 124, 640, 148}), (DrawRect{r.left + 2 * k, 124, r.left + 3 * k, 148}));
  // Lines below the rectangle count in the height but are not drawn.
  koDraw::FillRect(0, 0, 640, 480, kBg);
  EXPECT_EQ(koDraw::DrawTextInRect(r.left, r.top, r.right, r.bottom, "abc\ndef\nghi", 0), 3 * 24);
  EXPECT_TRUE(Empty(BackInk({0, 124, 640, 480})));
  // An alignment other than left, centre and right is returned, and draws nothing.
  koDraw::FillRect(0, 0, 640, 480, kBg);
  EXPECT_EQ(koDraw::DrawTextInRect(r.left, r.top, r.right, r.bottom, "abc", 3), 3);
  EXPECT_EQ(koDraw::DrawTextInRect(r.left, r.top, r.right, r.bottom, "abc", -1), -1);
  EXPECT_TRUE(Empty(BackInk()));
}

TEST_F(TextDrawTest, HostileRectanglesAndLongTextsStayInBounds) {
  const std::string many(100000, 'x');
  EXPECT_EQ(koDraw::DrawTextInRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, many.c_str(), 1), 24);
  EXPECT_EQ(koDraw::DrawTextInRect(INT_MAX, 0, INT_MIN, 480, "a b c", 2), 3 * 24);
  std::string lines;
  for (int i = 0; i < 20000; ++i) lines += "line\n";
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 640, 480, lines.c_str()), 20000 * 24);
  koDraw::SelectTextFont(1, INT_MAX, 0, 0, 0, 0);  // made at the largest size
  EXPECT_EQ(Cell(), plat::kMaxFontPixels);
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 640, 480, std::string(2200000, '\n').c_str()), INT_MAX);
}

}  // namespace
