// The screen's start-up, the picture object table and the colour-key rules.
#include <cstring>
#include <string>

#include "tests/engine/draw_fixture.h"
#include "tests/support/bmp_builder.h"

namespace {

const std::string kNoBitmap = "koDraw::LoadObject : BMPファイルを読み込めません";

// A 24-bit picture of w x h, every pixel `rgb` unless `pixel` says otherwise.
std::vector<uint8_t> Picture24(int w, int h, std::function<uint32_t(int, int)> pixel) {
  std::vector<uint32_t> v;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) v.push_back(pixel(x, y));
  bmpgen::BmpLayout s;
  s.width = w;
  s.height = h;
  s.bpp = 24;
  s.data = bmpgen::PackRows(w, h, 24, v, false);
  return bmpgen::Build(s);
}

std::vector<uint8_t> Plain24(uint32_t rgb) {
  return Picture24(2, 2, [rgb](int, int) { return rgb; });
}

// The pixel formats' analysis and the tables built for 5-6-5 and 5-5-5
// screens; the melt table took 10000 numbers of the generator seeded with 1.
TEST_F(DrawTest, PixelFormatsAndTables) {
  const auto fold = [this](const auto& table) {
    const auto* p = reinterpret_cast<const uint8_t*>(&table);
    for (size_t i = 0; i < sizeof table; ++i) Add(p[i]);
  };
  koSystem::SeedRand(1);
  for (int i = 0; i < 10000; ++i) ASSERT_EQ(gMeltRandomTable[i], koSystem::Rand() % 3) << i;
  for (int pass = 0; pass < 2; ++pass) {
    const PixelFormat& f = gPixelFormat;
    for (const auto* c : {&f.red, &f.green, &f.blue}) Add(c->shift, c->max, c->place);
    Add(f.halfMask, f.white);
    fold(gRgbSplitTable);
    fold(gCrossfadeTable);
    fold(gAdditiveTable);
    fold(gSubtractiveTable);
    fold(gGreyTable);
    ASSERT_EQ(koDraw::AnalysePixelFormat(0x7C00, 0x03E0, 0x001F), 1);
    koDraw::BuildBlendTables();
  }
  fold(gSineTable);
  // A palettised display has no masks to analyse.
  EXPECT_EQ(koDraw::AnalysePixelFormat(0, 0x03E0, 0x001F), 0);
  ExpectGolden();
}

TEST_F(DrawTest, ScreenLeavesInternalObjectsClearAndTheRestFree) {
  const char* names[4] = {"内部用１", "内部用２", "内部用３", "内部用４"};
  for (int n = 0; n < 4; ++n) {
    const koDrawObject& rec = gDrawObjects[n];
    EXPECT_STREQ(rec.name, names[n]);
    ASSERT_NE(rec.surface, nullptr);
    EXPECT_EQ(rec.width * 1000 + rec.height, 640480);
    EXPECT_EQ(rec.surface->pixels, std::vector<uint16_t>(640 * 480, 0));
  }
  for (int n = 4; n < kDrawObjectCount; ++n) ASSERT_EQ(gDrawObjects[n].surface, nullptr);
  EXPECT_EQ(gClipRect.right, 640);
  EXPECT_EQ(gPresentTarget.bottom, 480);
}

TEST_F(DrawTest, ScreenWithoutFrameOutputReportsAndShutsDown) {
  koDraw::Release();
  koSystem::InitProcessState();
  headless::FailFrameOutput(true);
  EXPECT_EQ(koDraw::Screen(640, 480, 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::Screen : 表画面が生成できません");
  EXPECT_EQ(gErrorFlag, 1);
  EXPECT_EQ(gQuitDone, 1);
  EXPECT_EQ(gBackSurface, nullptr);
  // Drawing after the failure does nothing.
  koDraw::Blit(0, 0, 0, 0, 0, 10, 10);
  koDraw::Present();
  EXPECT_EQ(headless::ShownFrames(), 0);
}

TEST_F(DrawTest, ScreenTakesTheFirstSixteenOfTheStoredDepthsOrFailsWithoutSurfaces) {
  koDraw::Release();
  koDraw::SetDepth(32, 15, 16);
  EXPECT_EQ(koDraw::Screen(640, 480, 1), 1);
  EXPECT_EQ(gDisplayDepth, 16);
  koDraw::Release();
  koSystem::InitProcessState();
  koDraw::SetDepth(32, 0, 24);
  const int opened = koDraw::Screen(640, 480, 1);
  const int depth = gDisplayDepth;
  koDraw::SetDepth(16, 0, 0);
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(depth, 24);
  EXPECT_EQ(LastBoxText(), "koDraw::Screen : 解像度が変更できません");
  EXPECT_EQ(gBackSurface, nullptr);
}

TEST_F(DrawTest, LoadsNumberLowestFirstAndReuseReleasedNumbers) {
  WriteFile("a.bmp", Plain24(0xFFFFFF));
  EXPECT_EQ(koDraw::LoadObject("a.bmp", 1), 4);
  EXPECT_EQ(koDraw::LoadObject("a.bmp", 1), 5);
  EXPECT_EQ(koDraw::LoadObject("A.BMP", 1), 6);  // names match ignoring case
  koDraw::ReleaseObject(5);
  EXPECT_EQ(gDrawObjects[5].name[0], '\0');
  EXPECT_EQ(koDraw::LoadObject("a.bmp", 1), 5);
  EXPECT_EQ(koDraw::CreateObject(8, 8, 2), 7);
  EXPECT_STREQ(gDrawObjects[7].name, "*");
  EXPECT_TRUE(headless::Boxes().empty());
}

TEST_F(DrawTest, FailedLoadKeepsItsRecordAndNumber) {
  WriteFile("a.bmp", Plain24(0xFFFFFF));
  EXPECT_EQ(koDraw::LoadObject("missing.bmp", 1), 0);
  EXPECT_EQ(LastBoxText(), kNoBitmap);
  EXPECT_STREQ(gDrawObjects[4].name, "missing.bmp");
  EXPECT_EQ(gDrawObjects[4].surface, nullptr);
  EXPECT_EQ(koDraw::LoadObject("a.bmp", 1), 5);
  koDraw::ReleaseObject(4);  // a record without a surface stays taken
  EXPECT_STREQ(gDrawObjects[4].name, "missing.bmp");
  EXPECT_EQ(koDraw::LoadObject("a.bmp", 1), 6);
  // Drawing the failed number is a no-op.
  koDraw::Blit(0, 0, 4, 0, 0, 2, 2);
  koDraw::BlitOpaque(0, 0, 4000, 0, 0, 2, 2);
  koDraw::BlitOpaque(0, 0, -1, 0, 0, 2, 2);
  EXPECT_EQ(Back(0, 0), 0);
}

TEST_F(DrawTest, NamesOfThirtyOneCharactersAreRefusedBeforeTakingARecord) {
  const std::string thirty = std::string(26, 'n') + ".bmp";
  WriteFile(thirty, Plain24(0x808080));
  EXPECT_EQ(koDraw::LoadObject(thirty.c_str(), 1), 4);
  const std::string longer = "x" + thirty;
  EXPECT_EQ(koDraw::LoadObject(longer.c_str(), 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::LoadObject : ファイル名またはリソース名が長すぎます");
  EXPECT_EQ(gDrawObjects[5].name[0], '\0');
  // Thirty Japanese characters are thirty characters, not ninety bytes.
  std::string kana;
  for (int i = 0; i < 30; ++i) kana += "あ";
  EXPECT_EQ(koDraw::LoadObject(kana.c_str(), 1), 0);
  EXPECT_EQ(LastBoxText(), kNoBitmap);
  EXPECT_STREQ(gDrawObjects[5].name, kana.c_str());
}

TEST_F(DrawTest, FullTableReportsAndReturnsZero) {
  for (int n = 4; n < kDrawObjectCount; ++n) ASSERT_EQ(koDraw::CreateObject(1, 1, 2), n);
  EXPECT_EQ(koDraw::CreateObject(1, 1, 2), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::CreateObject : オブジェクト数が多過ぎます");
  WriteFile("a.bmp", Plain24(0xFFFFFF));
  EXPECT_EQ(koDraw::LoadObject("a.bmp", 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::LoadObject : オブジェクト数が多過ぎます");
}

TEST_F(DrawTest, BlackAndNearBlackAreTransparentUnderTheBlackKey) {
  // Columns: black, (0,0,8), near-black (7,3,7), (8,0,0), (0,4,0).
  const uint32_t colours[5] = {0x000000, 0x000008, 0x070307, 0x080000, 0x000400};
  WriteFile("k.bmp", Picture24(5, 1, [&](int x, int) { return colours[x]; }));
  const int n = koDraw::LoadObject("k.bmp", 1);
  ASSERT_EQ(n, 4);
  EXPECT_EQ(gDrawObjects[n].colorKey, 0u);
  koDraw::FillRect(0, 0, 640, 480, 0x1234);
  koDraw::Blit(0, 0, n, 0, 0, 5, 1);
  EXPECT_EQ(BackRow(0, 0, 5), (std::vector<uint16_t>{0x1234, 0x0001, 0x1234, 0x0800, 0x0020}));
}

TEST_F(DrawTest, CornerKeyTakesEachPicturesTopLeftPixel) {
  WriteFile("w.bmp", Picture24(3, 1, [](int x, int) { return x == 1 ? 0x00FF00u : 0xFFFFFFu; }));
  koDraw::UseCornerColorKey();
  const int n = koDraw::LoadObject("w.bmp", 1);
  EXPECT_EQ(gDrawObjects[n].colorKey, kCornerKey);
  koDraw::FillRect(0, 0, 640, 480, 0x1234);
  koDraw::Blit(0, 0, n, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(0, 0, 3), (std::vector<uint16_t>{0x1234, 0x07E0, 0x1234}));

  koDraw::SetColorKey(0);
  const int m = koDraw::LoadObject("w.bmp", 1);
  EXPECT_EQ(gDrawObjects[m].colorKey, 0u);
  koDraw::Blit(0, 1, m, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(1, 0, 3), (std::vector<uint16_t>{0xFFFF, 0x07E0, 0xFFFF}));

  koDraw::SetObjectColorKey(m, 0x00FF00);  // COLORREF green
  koDraw::Blit(0, 2, m, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(2, 0, 3), (std::vector<uint16_t>{0xFFFF, 0x1234, 0xFFFF}));
  koDraw::CopyColorKey(n, m);
  EXPECT_EQ(gDrawObjects[n].colorKey, kCornerKey);  // the record keeps its own value
  koDraw::Blit(0, 3, n, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(3, 0, 3), (std::vector<uint16_t>{0xFFFF, 0x1234, 0xFFFF}));
}

TEST_F(DrawTest, SwapObjectReplacesThePictureUnderItsNumber) {
  WriteFile("a.bmp", Plain24(0xFF0000));
  WriteFile("b.bmp", Plain24(0x0000FF));
  const int n = koDraw::LoadObject("a.bmp", 1);
  EXPECT_EQ(koDraw::SwapObject("b.bmp", n, 1), 1);
  EXPECT_EQ(koDraw::ObjectSurface(n)->pixels[0], 0x001F);
  // Swapping onto its own name reloads it.
  EXPECT_EQ(koDraw::SwapObject(gDrawObjects[n].name, n, 1), 1);
  EXPECT_STREQ(gDrawObjects[n].name, "b.bmp");
  EXPECT_EQ(koDraw::SwapObject("gone.bmp", n, 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::SwapObject : BMPファイルを読み込めません");
  EXPECT_STREQ(gDrawObjects[n].name, "gone.bmp");
  EXPECT_EQ(gDrawObjects[n].surface, nullptr);
}

TEST_F(DrawTest, RestoreReloadsFilePicturesWithTheirKeys) {
  WriteFile("a.bmp", Plain24(0xFF0000));
  koDraw::UseCornerColorKey();
  const int a = koDraw::LoadObject("a.bmp", 1);
  koDraw::SetColorKey(0x0000FF);
  const int b = koDraw::LoadObject("a.bmp", 1);
  const int made = koDraw::CreateObject(2, 2, 2);
  koDraw::ObjectSurface(made)->pixels[0] = 0x1111;
  koDraw::LoadObject("missing.bmp", 1);
  WriteFile("a.bmp", Plain24(0x00FF00));
  koDraw::Restore();
  EXPECT_EQ(koDraw::ObjectSurface(a)->pixels[0], 0x07E0);
  EXPECT_EQ(gDrawObjects[a].colorKey, kCornerKey);
  EXPECT_EQ(koDraw::ObjectSurface(a)->colorKey, 0x07E0);
  EXPECT_EQ(koDraw::ObjectSurface(b)->colorKey, 0xF800);
  EXPECT_EQ(koDraw::ObjectSurface(made)->pixels[0], 0x1111);
  EXPECT_EQ(gColorKey, 0x0000FFu);  // the key of the last object reloaded
  EXPECT_EQ(gUseCornerKey, 0);
}

TEST_F(DrawTest, ReleaseEmptiesEveryRecordWithASurfaceAndMayRunTwice) {
  WriteFile("a.bmp", Plain24(0xFF0000));
  koDraw::LoadObject("a.bmp", 1);
  koDraw::LoadObject("missing.bmp", 1);
  koDraw::Release();
  EXPECT_EQ(gBackSurface, nullptr);
  EXPECT_EQ(gDrawObjects[0].name[0], '\0');
  EXPECT_EQ(gDrawObjects[4].name[0], '\0');
  EXPECT_STREQ(gDrawObjects[5].name, "missing.bmp");
  koDraw::Release();
  koDraw::ClearScreen();
  koDraw::Blit(0, 0, 4, 0, 0, 1, 1);
}

}  // namespace
