// The font list, font selection, the platform's fonts, and their place in
// the engine's start and shutdown.
#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/fonts.h"
#include "platform/sdl/font_match.h"
#include "tests/engine/engine_fixture.h"
#include "tests/engine/text_fixture.h"

namespace {

const FontListEntry* Listed(const char* name) {
  for (int i = 0; i < gFontListCount; ++i)
    if (std::strcmp(gFontList[i].name, name) == 0) return &gFontList[i];
  return nullptr;
}

TEST_F(TextTest, FontListHoldsEveryFamilyOnceWithItsKind) {
  ASSERT_GT(gFontListCount, 2);
  ASSERT_LE(gFontListCount, kFontListSize);
  const FontListEntry* gothic = Listed("IPAGothic");
  const FontListEntry* mincho = Listed("IPAMincho");
  ASSERT_TRUE(gothic && mincho) << "the IPA fonts are installed by tools/install-deps.sh";
  EXPECT_EQ(gothic->kind, 1);
  EXPECT_EQ(gothic->charset, kJapaneseCharset);
  EXPECT_EQ(mincho->kind, 1);
  for (int i = 1; i < gFontListCount; ++i)
    EXPECT_LT(std::strcmp(gFontList[i - 1].name, gFontList[i].name), 0) << i;
  for (int i = 0; i < gFontListCount; ++i) {
    const FontListEntry& e = gFontList[i];
    EXPECT_TRUE(e.kind >= 1 && e.kind <= 3) << e.name;
    EXPECT_EQ(e.charset, e.kind == 1 ? 128 : e.kind == 3 ? 2 : 0) << e.name;
  }
  for (int i = gFontListCount; i < kFontListSize; ++i) {
    EXPECT_STREQ(gFontList[i].name, "");
    EXPECT_EQ(gFontList[i].kind, -1);
  }
  // A second enumeration starts from an empty list and an empty font.
  gTextLogFont.height = 99;
  const int count = gFontListCount;
  koDraw::EnumFontList();
  EXPECT_EQ(gFontListCount, count);
  EXPECT_EQ(gTextLogFont.height, 0);
  EXPECT_EQ(gTextBlitNow, 1);
}

TEST_F(TextTest, SelectionDescribesTheFontAndTakesAFreshContext) {
  koDraw::SetTextColors(0x123456, 0x654321, 1);
  koDraw::SelectTextFont(1, 20, 370, 1, 1, 0);
  EXPECT_STREQ(gTextLogFont.faceName, "標準ゴシック");
  EXPECT_EQ(gTextHeight, 20);
  EXPECT_EQ(gTextLogFont.height, 20);
  EXPECT_EQ(gTextLogFont.escapement, 100);
  EXPECT_EQ(gTextLogFont.weight, 700);
  EXPECT_EQ(gTextLogFont.italic, 1);
  EXPECT_EQ(gTextLogFont.charset, kJapaneseCharset);
  EXPECT_EQ(gTextDC.target, kTextToBack);
  EXPECT_EQ(gTextDC.color, 0u);  // a new context draws black on opaque white
  EXPECT_EQ(gTextDC.background, 0xFFFFFFu);
  EXPECT_EQ(gTextDC.opaque, 1);
  koDraw::SelectTextFont(7, 12, INT_MIN, 2, 0, 1);  // no such face: the name stays
  EXPECT_STREQ(gTextLogFont.faceName, "標準ゴシック");
  EXPECT_EQ(gTextLogFont.weight, 0);
  EXPECT_EQ(gTextLogFont.escapement, INT_MIN % 360 * 10);
  koDraw::SelectTextFont(0, 12, 0, 0, 0, 0);
  EXPECT_STREQ(gTextLogFont.faceName, "標準明朝");
  EXPECT_EQ(gTextLogFont.weight, 400);
  koDraw::RestoreTextFont();
  EXPECT_EQ(gTextDC.target, kTextToNone);

  const FontListEntry* latin =
      std::find_if(gFontList, gFontList + gFontListCount, [](auto& e) { return e.kind == 2; });
  ASSERT_NE(latin, gFontList + gFontListCount) << "no face without Japanese is installed";
  koDraw::SelectTextFontByName(latin->name, 14, 0, 0, 0, 0);
  EXPECT_EQ(gTextLogFont.charset, kOtherCharset);  // the list's character set
  koDraw::SelectTextFontByName("No Such Face", 14, 0, 0, 0, 0);
  EXPECT_EQ(gTextLogFont.charset, kJapaneseCharset);
  koDraw::SelectTextFontByName(nullptr, 14, 0, 0, 0, 0);
  EXPECT_STREQ(gTextLogFont.faceName, "");
  koDraw::SelectTextFontByName("\xFF\xFE\xE3 broken", 14, 0, 0, 0, 0);
  koDraw::SetTextColors(0xFFFFFF, 0, 1);
  koDraw::DrawTextAt(0, 0, "漢");  // some face stands in for a name that is not even text
  EXPECT_FALSE(Empty(BackInk()));
  // A name longer than a face name holds is cut after 31 characters.
  const std::string longName = std::string(20, 'x') + "あいうえおかきくけこさしすせそ";
  koDraw::SelectTextFontByName(longName.c_str(), 14, 0, 0, 0, 0);
  EXPECT_EQ(std::string(gTextLogFont.faceName), std::string(20, 'x') + "あいうえおかきくけこさ");

  koDraw::SelectBufferFont(1, 12);
  EXPECT_EQ(gTextHeight, 24);
  EXPECT_EQ(gTextLogFont.weight, 400);
  EXPECT_EQ(gTextLogFont.escapement, 0);
  EXPECT_EQ(gTextLogFont.italic, 0);
  EXPECT_EQ(gTextDC.target, kObjectFontBuffer);
  koDraw::SelectBufferFont(1, INT_MAX);  // twice the size saturates
  EXPECT_EQ(gTextHeight, INT_MAX);
  koDraw::SelectBufferFontByName("IPAMincho", 8);
  EXPECT_EQ(gTextLogFont.charset, kJapaneseCharset);
  koDraw::RestoreBufferFont();
  EXPECT_EQ(gTextDC.target, kTextToNone);
}

TEST_F(TextTest, PlatformKeepsFontsAndSizesThemByCellOrEm) {
  plat::FontRequest r{};
  std::strcpy(r.family, "IPAGothic");
  r.height = 24;
  const plat::FontId a = plat::OpenFont(r);
  ASSERT_NE(a, 0);
  EXPECT_EQ(plat::OpenFont(r), a);  // the same request, the same font
  const plat::FontMetrics m = plat::GetFontMetrics(a);
  EXPECT_EQ(m.ascent + m.descent, 24);
  EXPECT_GE(m.underlineThickness, 1);
  const int fullWidth = plat::GetGlyph(a, U'漢')->advance;
  r.height = -fullWidth;  // an em as tall as a kanji is wide
  const plat::FontId b = plat::OpenFont(r);
  EXPECT_NE(b, a);
  EXPECT_EQ(plat::GetGlyph(b, U'漢')->advance, fullWidth);
  EXPECT_GT(plat::GetFontMetrics(b).ascent + plat::GetFontMetrics(b).descent, fullWidth);

  r.height = INT_MIN;  // held to the largest font
  const plat::FontId huge = plat::OpenFont(r);
  const plat::GlyphImage* g = plat::GetGlyph(huge, U'漢');
  ASSERT_NE(g, nullptr);
  EXPECT_LE(g->height, plat::kMaxFontPixels + 2);
  EXPECT_GT(g->height, plat::kMaxFontPixels / 2);

  EXPECT_EQ(plat::GetGlyph(0, U'A'), nullptr);
  const plat::FontMetrics none = plat::GetFontMetrics(0);
  EXPECT_EQ(none.ascent + none.descent, 0);

  // Beyond the number of fonts kept, the least used one goes.
  r.height = 24;
  const plat::FontId first = plat::OpenFont(r);
  for (int h = 30; h < 60; ++h) {
    r.height = h;
    ASSERT_NE(plat::OpenFont(r), 0);
  }
  EXPECT_EQ(plat::GetGlyph(first, U'A'), nullptr);

  plat::ReleaseFonts();  // fonts open again afterwards
  r.height = 24;
  EXPECT_NE(plat::GetGlyph(plat::OpenFont(r), U'A'), nullptr);
}

TEST_F(TextTest, BoldItalicAndMissingFacesAreMadeFromWhatIsInstalled) {
  koDraw::SelectTextFont(1, 24, 0, 0, 0, 0);
  const int regular = Advance("漢");
  koDraw::SelectTextFont(1, 24, 0, 1, 0, 0);
  EXPECT_EQ(Advance("漢"), regular + 1);  // IPA Gothic has no bold: it is emboldened
  // A face that is not installed: a face with Japanese takes its place.
  koDraw::SelectTextFontByName("No Such Face", 24, 0, 0, 0, 0);
  EXPECT_EQ(Cell(), 24);
  koDraw::SetTextColors(0xFFFFFF, 0, 1);
  koDraw::DrawTextAt(10, 10, "漢");
  EXPECT_GT(Count(*gBackSurface, {10, 10, 40, 34}, 0xFFFF), 20);
}

TEST(FontCoverageTest, SymbolFacesAreThoseWithASymbolCharacterMap) {
  FcPattern* face = FcPatternCreate();
  EXPECT_EQ(plat::fonts::CoverageOf(face), plat::FontCoverage::kOther);
  // Without a single Latin letter a face is still an ordinary one.
  FcCharSet* greek = FcCharSetCreate();
  for (FcChar32 c = 0x3B1; c <= 0x3C9; ++c) FcCharSetAddChar(greek, c);
  FcPatternAddCharSet(face, FC_CHARSET, greek);
  EXPECT_EQ(plat::fonts::CoverageOf(face), plat::FontCoverage::kOther);
  FcPatternAddBool(face, FC_SYMBOL, FcTrue);
  EXPECT_EQ(plat::fonts::CoverageOf(face), plat::FontCoverage::kSymbol);
  FcPatternDel(face, FC_SYMBOL);
  FcPatternAddBool(face, FC_SYMBOL, FcFalse);
  EXPECT_EQ(plat::fonts::CoverageOf(face), plat::FontCoverage::kOther);
  FcLangSet* japanese = FcLangSetCreate();
  FcLangSetAdd(japanese, reinterpret_cast<const FcChar8*>("ja"));
  FcPatternAddLangSet(face, FC_LANG, japanese);
  EXPECT_EQ(plat::fonts::CoverageOf(face), plat::FontCoverage::kJapanese);
  FcLangSetDestroy(japanese);
  FcCharSetDestroy(greek);
  FcPatternDestroy(face);
}

// The engine's start builds the font list and its shutdown lets go of the fonts.
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
