// Plain text: a string at a point, and word-wrapped text in a rectangle.
#include <climits>

#include "tests/engine/text_fixture.h"

namespace {

constexpr uint16_t kRed565 = 0xF800, kGreen565 = 0x07E0;

class TextDrawTest : public TextTest {
 protected:
  void SetUp() override {
    TextTest::SetUp();
    koDraw::SelectTextFont(1, 24, 0, 0, 0, 0);
    koDraw::SetTextColors(0x0000FF, 0x00FF00, 0);  // opaque: the ink is exactly the cells
  }
  void Clear() { koDraw::FillRect(0, 0, 640, 480, kBg); }
};

TEST_F(TextDrawTest, OpaqueTextFillsItsCellsTransparentTextOnlyItsInk) {
  koDraw::DrawTextAt(100, 50, "Ab漢字");
  const DrawRect box{100, 50, 100 + Width("Ab漢字"), 74};
  EXPECT_EQ(BackInk(), box);
  EXPECT_GT(Count(*gBackSurface, box, kRed565), 50);
  EXPECT_EQ(Count(*gBackSurface, box, kRed565) + Count(*gBackSurface, box, kGreen565),
            (box.right - box.left) * 24);
  Clear();
  koDraw::SetTextColors(0x0000FF, 0x00FF00, 1);
  koDraw::DrawTextAt(100, 50, "Ab漢字");
  EXPECT_GT(Count(*gBackSurface, box, kRed565), 50);
  EXPECT_EQ(Count(*gBackSurface, box, kRed565) + Count(*gBackSurface, box, kBg),
            (box.right - box.left) * 24);
}

TEST_F(TextDrawTest, TextIsCutAtTheSurfaceNotAtTheClip) {
  koDraw::SetClip(0, 0, 1, 1);
  koDraw::DrawTextAt(630, 470, "漢字");
  EXPECT_EQ(BackInk(), (DrawRect{630, 470, 640, 480}));
  koDraw::DrawTextAt(INT_MIN, INT_MAX, "far away");
  koDraw::DrawTextAt(INT_MAX - 3, INT_MIN, "far away");
  koDraw::DrawTextAt(10, 10, nullptr);
  koDraw::DrawTextAt(10, 10, "\xFF\xE3\x81 broken \xF0\x9F");  // stray bytes draw as characters
  EXPECT_GT(Count(*gBackSurface, {10, 10, 200, 34}, kRed565), 20);
}

TEST_F(TextDrawTest, LinesBreakAtSpacesBesideWideCharactersAndAtLineEnds) {
  const int w = Advance("a");
  ASSERT_EQ(Advance("漢"), 2 * w);
  ASSERT_EQ(Advance("ｱ"), w);
  struct Case {
    int cells;  // the rectangle's width in advances of "a"
    const char* text;
    int lines;
  };
  for (const Case& c : {Case{6, "aaa bbb", 2}, Case{7, "aaa bbb", 1}, Case{5, "漢字漢字漢字", 3},
                        Case{3, "abcdefgh ij", 2},  // an overlong word keeps a line of its own
                        Case{3, "abc ,", 1},        // closing punctuation never starts a line
                        Case{3, "ｱｲｳｴｵ", 1}, Case{3, "ｱｲ ｳｴｵ", 2}, Case{5, "ＡＢＣＤＥ", 3},
                        Case{60, "a\n\nb\r\nc\rd\n", 5}, Case{60, "", 0}})
    EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, c.cells * w, 0, c.text), c.lines * 24) << c.text;
  EXPECT_EQ(koDraw::MeasureTextInRect(0, 0, 600, 0, nullptr), 0);
  EXPECT_TRUE(Empty(BackInk()));  // measuring draws nothing
  // "。" takes the third kanji along to the next line; "（" may start one.
  const int k = 2 * w;
  EXPECT_EQ(koDraw::DrawTextInRect(0, 0, 3 * k, 200, "漢字漢。", 0), 2 * 24);
  EXPECT_TRUE(Empty(BackInk({2 * k, 0, 3 * k, 24})));
  EXPECT_FALSE(Empty(BackInk({k, 24, 2 * k, 48})));
  Clear();
  EXPECT_EQ(koDraw::DrawTextInRect(0, 0, 3 * k, 200, "漢字漢（字", 0), 2 * 24);
  EXPECT_FALSE(Empty(BackInk({2 * k, 0, 3 * k, 24})));
  EXPECT_TRUE(Empty(BackInk({2 * k, 24, 640, 48})));
}

TEST_F(TextDrawTest, LinesAlignAndAreCutToTheRectangle) {
  const int k = Advance("漢");
  const DrawRect r{100, 100, 100 + 6 * k + 1, 124};  // one pixel more: centring rounds down
  const int lefts[] = {100, 100 + 2 * k, r.right - 2 * k};
  for (int align = 0; align < 3; ++align) {
    const int left = lefts[align];
    Clear();
    EXPECT_EQ(koDraw::DrawTextInRect(r.left, r.top, r.right, r.bottom, "漢字", align), 24);
    EXPECT_EQ(BackInk(), (DrawRect{left, 100, left + 2 * k, 124})) << align;
  }
  // Each line aligns by its own width, spaces at its end left out.
  Clear();
  koDraw::DrawTextInRect(r.left, r.top, r.left + 3 * k, 200, "漢字漢 字", 2);
  EXPECT_EQ(BackInk({0, 124, 640, 148}), (DrawRect{r.left + 2 * k, 124, r.left + 3 * k, 148}));
  // Lines below the rectangle count in the height but are not drawn; another
  // alignment is returned and draws nothing.
  Clear();
  EXPECT_EQ(koDraw::DrawTextInRect(r.left, r.top, r.right, r.bottom, "abc\ndef\nghi", 0), 3 * 24);
  EXPECT_TRUE(Empty(BackInk({0, 124, 640, 480})));
  Clear();
  EXPECT_EQ(koDraw::DrawTextInRect(r.left, r.top, r.right, r.bottom, "abc", 3), 3);
  EXPECT_TRUE(Empty(BackInk()));
}

}  // namespace
