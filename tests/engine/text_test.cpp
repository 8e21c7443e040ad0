// Text: the font list and selection, the platform's fonts, plain and wrapped
// text, the text sprite with its rectangles, reveal and smoothed shrink. Each
// scenario folds pixels and returned values into its golden hash.
#include <climits>
#include <cstring>

#include "engine/draw/utf8.h"
#include "platform/fonts.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/text_fixture.h"

namespace {

class TextScene : public TextTest {
 protected:
  void AddRects() {
    Add(gCharRectCount);
    for (int i = 0; i < gCharRectCount; ++i)
      Add({gCharRects[i].left, gCharRects[i].top, gCharRects[i].right, gCharRects[i].bottom});
  }
  void FoldObject(int object) {
    for (uint16_t p : koDraw::ObjectSurface(object)->pixels) Add(p);
  }
  void Clear() { koDraw::FillRect(0, 0, 640, 480, kBg); }
};

TEST_F(TextScene, FontsAndSelection) {
  ASSERT_GT(gFontListCount, 2);
  bool gothic = false;
  for (int i = 0; i < gFontListCount; ++i) {
    const FontListEntry& e = gFontList[i];
    gothic |= std::strcmp(e.name, "IPAGothic") == 0 && e.kind == 1;
    if (i > 0) {
      EXPECT_LT(std::strcmp(gFontList[i - 1].name, e.name), 0) << i;  // sorted, once
    }
    EXPECT_EQ(e.charset, e.kind == 1 ? 128 : e.kind == 3 ? 2 : 0) << e.name;
  }
  EXPECT_TRUE(gothic) << "the IPA fonts are installed by tools/install-deps.sh";
  koDraw::SetTextColors(0x123456, 0x654321, 1);
  const auto addFont = [&] {
    AddText(gTextLogFont.faceName);
    Add({gTextLogFont.escapement, gTextLogFont.weight, gTextLogFont.charset, gTextHeight,
         gTextDC.color, gTextDC.opaque, gTextDC.target});
  };
  koDraw::SelectTextFont(1, 20, 370, 1, 1, 0);
  addFont();
  koDraw::SelectTextFont(7, 12, INT_MIN, 2, 0, 1);  // no such face: the name stays
  addFont();
  koDraw::SelectTextFontByName((std::string(20, 'x') + "あいうえおかきくけこさしすせそ").c_str(),
                               14, 0, 0, 0, 0);  // cut after 31 characters
  addFont();
  koDraw::SelectBufferFont(1, 12);  // twice the size, saturating
  addFont();
  koDraw::SelectBufferFont(1, INT_MAX);
  addFont();
  koDraw::RestoreBufferFont();
  addFont();
  koDraw::SelectTextFontByName("No Such Face", 24, 0, 0, 0, 0);  // a Japanese face instead
  addFont();
  koDraw::SetTextColors(0xFFFFFF, 0, 1);
  koDraw::DrawTextAt(10, 10, "漢");
  // The platform's fonts: kept per request, sized by cell or by em, the least
  // used one dropped beyond the number kept.
  plat::FontRequest r{};
  std::strcpy(r.family, "IPAGothic");
  r.height = 24;
  const plat::FontId a = plat::OpenFont(r);
  ASSERT_NE(a, 0);
  EXPECT_EQ(plat::OpenFont(r), a);
  Add({plat::GetFontMetrics(a).ascent, plat::GetFontMetrics(a).descent});
  for (const int h : {-plat::GetGlyph(a, U'漢')->advance, INT_MIN}) {
    r.height = h;
    const auto* g = plat::GetGlyph(plat::OpenFont(r), U'漢');
    Add({g->advance, g->height});
  }
  for (r.height = 30; r.height < 60; ++r.height) ASSERT_NE(plat::OpenFont(r), 0);
  EXPECT_EQ(plat::GetGlyph(a, U'A'), nullptr);
  Fold();
  ExpectGolden();
}

TEST_F(TextScene, PlainAndWrappedText) {
  koDraw::SelectTextFont(1, 24, 0, 0, 0, 0);
  for (const int transparent : {0, 1}) {
    koDraw::SetTextColors(0x0000FF, 0x00FF00, transparent);
    koDraw::DrawTextAt(100, 50 + 30 * transparent, "Ab漢字");
  }
  koDraw::SetClip(0, 0, 1, 1);  // text is cut at the surface, not at the clip
  koDraw::DrawTextAt(630, 470, "漢字");
  koDraw::DrawTextAt(INT_MIN, INT_MAX, "far away");
  koDraw::DrawTextAt(INT_MAX - 3, INT_MIN, "far away");
  koDraw::DrawTextAt(10, 10, nullptr);
  koDraw::DrawTextAt(10, 10, "\xFF\xE3\x81 broken \xF0\x9F");  // stray bytes draw as characters
  Fold();
  // Breaks beside wide characters, at spaces and line ends; closing
  // punctuation never starts a line, "（" may.
  const int w = Width("a");
  const std::pair<int, const char*> wraps[] = {
      {6, "aaa bbb"}, {7, "aaa bbb"}, {5, "漢字漢字漢字"}, {3, "abcdefgh ij"},       {3, "abc ,"},
      {3, "ｱｲｳｴｵ"},   {3, "ｱｲ ｳｴｵ"},  {5, "ＡＢＣＤＥ"},   {60, "a\n\nb\r\nc\rd\n"}, {60, ""}};
  for (const auto& [cells, text] : wraps) Add(koDraw::MeasureTextInRect(0, 0, cells * w, 0, text));
  Add(koDraw::MeasureTextInRect(0, 0, 600, 0, nullptr));
  const int k = 2 * w;
  for (const char* text : {"漢字漢。", "漢字漢（字"}) {
    Clear();
    Add(koDraw::DrawTextInRect(0, 0, 3 * k, 200, text, 0));
    Fold();
  }
  // Alignments by each line's own width, rounded down; lines below the
  // rectangle count but are not drawn; another alignment draws nothing.
  for (int align = 0; align < 4; ++align) {
    Clear();
    Add(koDraw::DrawTextInRect(100, 100, 101 + 6 * k, 124, "漢字", align));
    Add(koDraw::DrawTextInRect(100, 130, 100 + 3 * k, 300, "漢字漢 字", align));
    Add(koDraw::DrawTextInRect(300, 300, 400, 324, "abc\ndef\nghi", align));
    Fold();
  }
  ExpectGolden();
}

TEST_F(TextScene, Sprites) {
  koDraw::SelectTextFont(1, 24, 0, 0, 0, 0);
  koDraw::SetTextColors(0xFFFFFF, 0x0000FF, 1);
  const int k = Width("漢");
  struct Call {
    int right, bottom;
    const char* text;
    int flags;
  };
  // Shadow, hanging "。", bounds, a box too narrow, line spacing, a taller cell.
  for (const Call& c : {Call{400, 300, "Ab漢", 0}, Call{400, 300, "A", 0x100},
                        Call{10 + 3 * k, 300, "漢字漢。字", 0},
                        Call{10 + 3 * k, 300, "漢字漢字", 0}, Call{9 + k, INT_MAX, "漢字", 0},
                        Call{400, 68, "漢\n字\n漢", 0}, Call{400, 69, "漢\n字\n漢", 0},
                        Call{400, 300, "漢\n字", 5}, Call{400, 300, "漢\n字\n漢", 0x400}}) {
    koDraw::RenderTextSprite(10, 20, c.right, c.bottom, c.text, c.flags);
    AddRects();
    FoldObject(kObjectFont);
    Fold();
    Clear();
  }
  Add(gTextDC.color);                            // the font comes back in a fresh context
  koDraw::SetTextColors(0x000000, 0x0F0F0F, 1);  // near black is lifted off the key
  koDraw::RenderTextSprite(10, 20, 400, 300, "漢", 0x100);
  Add({gTextColor, gTextShadowColor});
  Fold();
  // The table of rectangles stops at its size; the box only grows.
  koDraw::RenderTextSprite(0, 0, INT_MAX, INT_MAX, std::string(4000, 'i').c_str(), 0);
  koDraw::RenderTextSprite(0, 0, 400, 300, "i", 0);
  AddRects();
  // The typewriter reveal, one character per interval, and all at once.
  koDraw::SetTextColors(0xFFFFFF, 0x0000FF, 1);
  gFrameScale = 0.1f;
  for (const float interval : {0.1f, 0.0f}) {
    Clear();
    koDraw::RenderTextSpriteDeferred(10, 20, 400, 300, "ABCD", 0);
    for (int call = 0; call < 7; ++call) {
      Add(koDraw::RevealText(interval));
      Fold();
    }
  }
  // The smoothed sprite at half its double size.
  Clear();
  koDraw::SelectBufferFont(1, 12);
  koDraw::RenderTextSpriteSmooth(100, 50, 100 + 3 * ((k + 1) / 2) + 1, 300, "漢字漢。字", 0);
  AddRects();
  Fold();
  ExpectGolden();
}

// The shrink mixes each pixel's 3 x 3 neighbourhood of the double-size line
// with the background, holds a full one to white, and follows the clip.
TEST_F(TextScene, ShrinkOfADoubleSizeLine) {
  Surface& buffer = *koDraw::ObjectSurface(kObjectFontBuffer);
  const auto white = [&](int x0, int y0, int n) {
    for (int y = y0; y < y0 + n; ++y) std::fill_n(buffer.Row(y) + x0, n, 0xFFFF);
  };
  for (const bool clipped : {false, true}) {
    koDraw::ClearObject(kObjectFontBuffer);
    Surface& font = *koDraw::ObjectSurface(kObjectFont);
    for (int y = 0; y < 480; ++y) std::fill_n(font.Row(y), 640, 0x1234);
    koDraw::FillRect(0, 0, 640, 480, 0);
    Back(51, 61) = 16 << 11;
    if (clipped) {  // the source moves two pixels per pixel cut
      buffer.Row(0)[3] = buffer.Row(1)[3] = 0xFFFF;
      koDraw::SetClip(51, 0, 640, 61);
    } else {
      white(0, 0, 2);
      white(11, 1, 3);
      buffer.Row(0)[40] = 1 << 11 | 1 << 6 | 1;  // the 31 goes in before the division
    }
    Add(koDraw::ShrinkTextLine(50, 60, 0, 0, 4, 4));
    koDraw::ShrinkTextLine(100, 100, 10, 0, 20, 10);
    koDraw::ShrinkTextLine(200, 60, 40, 0, 42, 2);
    FoldObject(kObjectFont);
  }
  ExpectGolden();
}

// An underlined font draws one unbroken line under the whole advance of
// every character; without it no row runs unbroken across two characters.
TEST_F(TextTest, AnUnderlineRunsUnderTheWholeAdvanceOfEveryCharacter) {
  const auto unbrokenRows = [](int underline) {
    koDraw::FillRect(0, 0, 640, 480, kBg);
    koDraw::SelectTextFont(1, 24, 0, 0, 0, static_cast<uint8_t>(underline));
    koDraw::SetTextColors(0xFFFFFF, 0, 1);
    koDraw::DrawTextAt(100, 100, "漢字");
    const int width = Width("漢字");
    koDraw::RestoreTextFont();
    int rows = 0;
    for (int y = 100; y < 140; ++y)
      rows += Count(*gBackSurface, {100, y, 100 + width, y + 1}, kBg) == 0;
    return rows;
  };
  EXPECT_EQ(unbrokenRows(0), 0);
  EXPECT_GE(unbrokenRows(1), 1);
}

// A double-size line cut at the clip's top starts two source rows down per
// row cut, and nothing is written above the clip.
TEST_F(TextTest, AShrunkLineCutAtTheClipsTopMovesItsSourceTwoRowsPerRow) {
  Surface& buffer = *koDraw::ObjectSurface(kObjectFontBuffer);
  Surface& font = *koDraw::ObjectSurface(kObjectFont);
  koDraw::ClearObject(kObjectFontBuffer);
  for (int y = 0; y < 480; ++y) std::fill_n(font.Row(y), 640, 0x1234);
  koDraw::FillRect(0, 0, 640, 480, 0);
  buffer.Row(3)[0] = 0xFFFF;  // only the centres of source rows 2 and 4 reach it
  koDraw::SetClip(0, 61, 640, 480);
  EXPECT_EQ(koDraw::ShrinkTextLine(50, 60, 0, 0, 4, 8), 1);
  const auto at = [&](int x, int y) { return font.Row(y)[x]; };
  EXPECT_EQ(at(50, 60), 0x1234);
  EXPECT_NE(at(50, 61), 0x1234);
  EXPECT_EQ(at(50, 62), at(50, 61));
  EXPECT_EQ(at(50, 63), 0x1234);
  EXPECT_EQ(at(51, 61), 0x1234);
}

// Without the screen's font objects the renderers draw nothing and leave
// the final blit switched on again.
TEST_F(TextTest, TextSpritesWithoutTheScreenDrawNothing) {
  koDraw::Release();
  for (const auto render :
       {koDraw::RenderTextSpriteDeferred, koDraw::RenderTextSpriteSmoothDeferred}) {
    gCharRectCount = 1;
    render(0, 0, 400, 300, "漢字", 0);
    EXPECT_EQ(gTextBlitNow, 1);
    EXPECT_EQ(gCharRectCount, 1);
  }
}

// Two-byte characters, malformed sequences each read as one replacement
// byte, and the cut tail of a string.
TEST(Utf8, DecodesWellFormedSequencesAndReplacesEachBadByte) {
  using koDraw::utf8::Decode;
  struct Case {
    const char* bytes;
    char32_t code;
    int length;
  };
  for (const Case& c : {Case{"\xC3\xA9", 0xE9, 2}, Case{"\xE6\xBC\xA2", 0x6F22, 3},
                        Case{"\xF0\x9F\x98\x80", 0x1F600, 4}, Case{"\xC0\x80", 0xFFFD, 1},
                        Case{"\xE0\x80\xAF", 0xFFFD, 1}, Case{"\xED\xA0\x80", 0xFFFD, 1},
                        Case{"\xF4\x90\x80\x80", 0xFFFD, 1}, Case{"\xC3(", 0xFFFD, 1}}) {
    const koDraw::utf8::Char ch = Decode(c.bytes, std::strlen(c.bytes));
    EXPECT_EQ(ch.code, c.code) << c.bytes;
    EXPECT_EQ(ch.length, c.length) << c.bytes;
  }
  using koDraw::utf8::WithoutCutTail;
  EXPECT_EQ(WithoutCutTail("ab\xE6\xBC", 4), 2u);
  EXPECT_EQ(WithoutCutTail("ab\xE6\xBC\xA2", 5), 5u);
  EXPECT_EQ(WithoutCutTail("\x80\x80\x80\x80\x80", 5), 5u);  // no lead within reach
  EXPECT_EQ(WithoutCutTail("", 0), 0u);
}

TEST_F(EngineTest, StartBuildsTheFontListAndShutdownFreesTheFonts) {
  testgame::onLoad = [] {
    gFontListCount = 0;
    koDraw::Screen(640, 480, 1);
    gScene = 1;
  };
  int listed = 0;
  testgame::onScene = [&](int) {
    listed = gFontListCount;
    koDraw::SelectTextFont(1, 12, 0, 0, 0, 0);
    koSystem::Quit();
  };
  EXPECT_EQ(Run(), 0);
  EXPECT_GT(listed, 0);
  EXPECT_EQ(gTextDC.target, kTextToNone);
  EXPECT_EQ(gTextLogFont.height, 0);
}

// The smoothed sprite with the buffer font at 12 points (a 24-pixel cell).
class SmoothTest : public TextTest {
 protected:
  void SetUp() override {
    TextTest::SetUp();
    koDraw::SelectBufferFont(1, 12);
    koDraw::SetTextColors(0xFFFFFF, 0, 1);
    k_ = Advance("漢");
    ASSERT_EQ(Cell(), 24);
  }
  static int Advance(const char* c) { return Width(c); }
  static int Cell() { return koDraw::text::Open(gTextLogFont).CellHeight(); }
  static DrawRect SpriteInk() {
    return Ink(*koDraw::ObjectSurface(kObjectFont), {0, 0, 640, 480}, 0);
  }
  int k_ = 0;  // a kanji's advance in the double-size font
};

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

}  // namespace
