// The font list, font selection, the platform's fonts, and their place in
// the engine's start and shutdown.
#include <climits>
#include <cstring>

#include "platform/fonts.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/text_fixture.h"

namespace {

TEST_F(TextTest, FontListHoldsEveryFamilyOnceSortedWithItsKind) {
  ASSERT_GT(gFontListCount, 2);
  bool gothic = false;
  for (int i = 0; i < gFontListCount; ++i) {
    const FontListEntry& e = gFontList[i];
    gothic |= std::strcmp(e.name, "IPAGothic") == 0 && e.kind == 1;
    if (i > 0) {
      EXPECT_LT(std::strcmp(gFontList[i - 1].name, e.name), 0) << i;
    }
    EXPECT_EQ(e.charset, e.kind == 1 ? 128 : e.kind == 3 ? 2 : 0) << e.name;
  }
  EXPECT_TRUE(gothic) << "the IPA fonts are installed by tools/install-deps.sh";
  for (int i = gFontListCount; i < kFontListSize; ++i) EXPECT_EQ(gFontList[i].kind, -1);
}

TEST_F(TextTest, SelectionDescribesTheFontAndTakesAFreshContext) {
  koDraw::SetTextColors(0x123456, 0x654321, 1);
  koDraw::SelectTextFont(1, 20, 370, 1, 1, 0);
  EXPECT_STREQ(gTextLogFont.faceName, "標準ゴシック");
  EXPECT_EQ(gTextLogFont.escapement, 100);
  EXPECT_EQ(gTextLogFont.weight, 700);
  EXPECT_EQ(gTextDC.color, 0u);  // a new context draws black on opaque white
  EXPECT_EQ(gTextDC.opaque, 1);
  koDraw::SelectTextFont(7, 12, INT_MIN, 2, 0, 1);  // no such face: the name stays
  EXPECT_STREQ(gTextLogFont.faceName, "標準ゴシック");
  EXPECT_EQ(gTextLogFont.escapement, INT_MIN % 360 * 10);
  // A name longer than a face name holds is cut after 31 characters.
  const std::string longName = std::string(20, 'x') + "あいうえおかきくけこさしすせそ";
  koDraw::SelectTextFontByName(longName.c_str(), 14, 0, 0, 0, 0);
  EXPECT_EQ(std::string(gTextLogFont.faceName), std::string(20, 'x') + "あいうえおかきくけこさ");
  koDraw::SelectBufferFont(1, 12);  // at twice the size, saturating
  EXPECT_EQ(gTextHeight, 24);
  EXPECT_EQ(gTextDC.target, kObjectFontBuffer);
  koDraw::SelectBufferFont(1, INT_MAX);
  EXPECT_EQ(gTextHeight, INT_MAX);
  koDraw::RestoreBufferFont();
  EXPECT_EQ(gTextDC.target, kTextToNone);
  // A face that is not installed: a face with Japanese takes its place.
  koDraw::SelectTextFontByName("No Such Face", 24, 0, 0, 0, 0);
  EXPECT_EQ(gTextLogFont.charset, kJapaneseCharset);
  koDraw::SetTextColors(0xFFFFFF, 0, 1);
  koDraw::DrawTextAt(10, 10, "漢");
  EXPECT_GT(Count(*gBackSurface, {10, 10, 40, 34}, 0xFFFF), 20);
}

TEST_F(TextTest, PlatformKeepsFontsAndSizesThemByCellOrEm) {
  plat::FontRequest r{};
  std::strcpy(r.family, "IPAGothic");
  r.height = 24;
  const plat::FontId a = plat::OpenFont(r);
  ASSERT_NE(a, 0);
  EXPECT_EQ(plat::OpenFont(r), a);  // the same request, the same font
  EXPECT_EQ(plat::GetFontMetrics(a).ascent + plat::GetFontMetrics(a).descent, 24);
  const int fullWidth = plat::GetGlyph(a, U'漢')->advance;
  r.height = -fullWidth;  // an em as tall as a kanji is wide
  EXPECT_EQ(plat::GetGlyph(plat::OpenFont(r), U'漢')->advance, fullWidth);
  r.height = INT_MIN;  // held to the largest font
  EXPECT_LE(plat::GetGlyph(plat::OpenFont(r), U'漢')->height, plat::kMaxFontPixels + 2);
  // Beyond the number of fonts kept, the least used one goes.
  for (int h = 30; h < 60; ++h) {
    r.height = h;
    ASSERT_NE(plat::OpenFont(r), 0);
  }
  EXPECT_EQ(plat::GetGlyph(a, U'A'), nullptr);
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

}  // namespace
