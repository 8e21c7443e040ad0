// The screen's start-up, the picture object table and the colour-key rules.
#include <string>
#include <vector>

#include "engine/draw/bmp.h"
#include "tests/engine/draw_fixture.h"

namespace {

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
    for (const auto* c : {&f.red, &f.green, &f.blue}) Add({c->shift, c->max, c->place});
    Add({f.halfMask, f.white});
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

// The screen opens at the first 16 among the stored depths, else fails with no surfaces.
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

// A width of -1 opens the screen at 640 x 480, height and all; a size no
// surface can have is refused with no back surface.
TEST_F(DrawTest, ScreenOfWidthMinusOneOpensTheDefaultSizeAndRefusesAnImpossibleOne) {
  koDraw::Release();
  EXPECT_EQ(koDraw::Screen(-1, 7, 1), 1);
  EXPECT_EQ(gScreenWidth, 640);
  EXPECT_EQ(gScreenHeight, 480);
  ASSERT_NE(gBackSurface, nullptr);
  EXPECT_EQ(gBackSurface->width * gBackSurface->height, 640 * 480);
  for (const auto& [w, h] : {std::pair{0, 480}, {640, -2}, {koDraw::kBmpMaxSide + 1, 480}}) {
    koDraw::Release();
    EXPECT_EQ(koDraw::Screen(w, h, 1), 0) << w << " x " << h;
    EXPECT_EQ(LastBoxText(), "koDraw::Screen : 裏画面が生成できません");
    EXPECT_EQ(gBackSurface, nullptr);
  }
  koDraw::Release();
  koSystem::InitProcessState();
  ASSERT_EQ(koDraw::Screen(640, 480, 1), 1);
}

// Without frame output the screen reports and stays shut, drawing nothing.
TEST_F(DrawTest, ScreenWithoutFrameOutputReportsAndShutsDown) {
  koDraw::Release();
  koSystem::InitProcessState();
  headless::FailFrameOutput(true);
  EXPECT_EQ(koDraw::Screen(640, 480, 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::Screen : 表画面が生成できません");
  EXPECT_EQ(gQuitDone, 1);
  EXPECT_EQ(gBackSurface, nullptr);
  koDraw::Blit(0, 0, 0, 0, 0, 10, 10);
  koDraw::Present();
  EXPECT_EQ(headless::ShownFrames(), 0);
}

// The display's shutdown empties the records and minimises the full-screen
// window; a second one finds nothing to release and only minimises again.
TEST_F(DrawTest, ReleaseMinimisesTheWindowEveryTime) {
  EXPECT_EQ(headless::MinimizeRequests(), 0);
  koDraw::Release();
  EXPECT_EQ(headless::MinimizeRequests(), 1);
  EXPECT_EQ(gBackSurface, nullptr);
  EXPECT_EQ(gDrawObjects[0].surface, nullptr);
  EXPECT_EQ(gDrawObjects[0].name[0], '\0');
  koDraw::Release();
  EXPECT_EQ(headless::MinimizeRequests(), 2);
  EXPECT_EQ(gBackSurface, nullptr);
}

class ObjectTableTest : public DrawTest {
 protected:
  int Load(const std::string& name) {
    const int n = koDraw::LoadObject(name.c_str(), 1);
    Add(n);
    AddText(LastBoxText());
    return n;
  }
};

// Numbers are taken lowest first and released ones reused; names match
// ignoring case; a failed load (also of a file the BMP reader refuses) keeps
// its record and number, even past a release; names of 31 characters are
// refused before taking a record, while thirty Japanese characters are
// thirty; a full table reports; drawing a failed or unknown number does nothing.
TEST_F(ObjectTableTest, NumbersNamesAndErrors) {
  WriteFile("a.bmp", Bmp24({0xFFFFFF}));
  const std::string thirty = std::string(26, 'n') + ".bmp";
  WriteFile(thirty, Bmp24({0x808080}));
  WriteFile("junk.bmp", std::vector<uint8_t>{'B', 'M', 0xEE, 0xEE, 0xEE, 0xEE});
  std::string kana;
  for (int i = 0; i < 30; ++i) kana += "あ";
  for (const std::string& name :
       {std::string("a.bmp"), std::string("a.bmp"), std::string("A.BMP"),
        std::string("missing.bmp"), std::string("junk.bmp"), thirty, "x" + thirty, kana})
    Load(name);
  koDraw::ReleaseObject(5);
  koDraw::ReleaseObject(7);
  Load("a.bmp");
  Load("a.bmp");
  Add(koDraw::CreateObject(8, 8, 2));
  AddRecords();
  koDraw::Blit(0, 0, 7, 0, 0, 2, 2);
  koDraw::BlitOpaque(0, 0, 4000, 0, 0, 2, 2);
  koDraw::BlitOpaque(0, 0, -1, 0, 0, 2, 2);
  Fold();
  while (koDraw::CreateObject(1, 1, 2) != 0) {
  }
  AddText(LastBoxText());
  Load("a.bmp");
  ExpectGolden();
}

// A surface of no pixels or beyond the largest side is refused, and the
// record it took stays taken, named "*", with the size asked and no surface.
TEST_F(ObjectTableTest, CreateObjectOfAnImpossibleSizeKeepsItsRecordWithoutASurface) {
  EXPECT_EQ(koDraw::CreateObject(0, 8, 2), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::CreateObject : スプライトを作成できません");
  EXPECT_EQ(koDraw::CreateObject(8, koDraw::kBmpMaxSide + 1, 2), 0);
  const int made = koDraw::CreateObject(8, 8, 2);
  EXPECT_EQ(made, 6);  // after the two refused records 4 and 5
  for (const int n : {4, 5}) {
    EXPECT_STREQ(gDrawObjects[n].name, "*");
    EXPECT_EQ(gDrawObjects[n].surface, nullptr);
  }
  EXPECT_EQ(gDrawObjects[4].width, 0);
  EXPECT_EQ(gDrawObjects[4].height, 8);
  EXPECT_EQ(gDrawObjects[5].height, static_cast<uint16_t>(koDraw::kBmpMaxSide + 1));
  ASSERT_NE(koDraw::ObjectSurface(made), nullptr);
}

// Black and near-black are transparent under the black key; the corner key
// takes each picture's top-left pixel; an object's own key and a copied key;
// Swap replaces the picture under its number (also onto its own name, or
// failing); Restore reloads file pictures with their keys, leaving made ones;
// Release empties every record with a surface and may run twice.
TEST_F(ObjectTableTest, KeysSwapRestoreAndRelease) {
  const uint32_t colours[5] = {0x000000, 0x000008, 0x070307, 0x080000, 0x000400};
  WriteFile("k.bmp", Bmp24(5, 1, [&](int x, int) { return colours[x]; }));
  WriteFile("w.bmp", Bmp24(3, 1, [](int x, int) { return x == 1 ? 0x00FF00u : 0xFFFFFFu; }));
  koDraw::FillRect(0, 0, 640, 480, 0x1234);
  koDraw::Blit(0, 0, Load("k.bmp"), 0, 0, 5, 1);
  koDraw::UseCornerColorKey();
  const int corner = Load("w.bmp");
  koDraw::Blit(0, 1, corner, 0, 0, 3, 1);
  koDraw::SetColorKey(0);
  const int m = Load("w.bmp");
  koDraw::Blit(0, 2, m, 0, 0, 3, 1);
  koDraw::SetObjectColorKey(m, 0x00FF00);  // COLORREF green
  koDraw::Blit(0, 3, m, 0, 0, 3, 1);
  koDraw::CopyColorKey(corner, m);
  koDraw::Blit(0, 4, corner, 0, 0, 3, 1);
  Fold();
  AddRecords();

  WriteFile("a.bmp", Bmp24({0xFF0000}));
  WriteFile("b.bmp", Bmp24({0x0000FF}));
  const int n = Load("a.bmp");
  Add({koDraw::SwapObject("b.bmp", n, 1), koDraw::SwapObject(gDrawObjects[n].name, n, 1)});
  AddRecords();
  Add(koDraw::SwapObject("gone.bmp", n, 1));
  AddText(LastBoxText());
  AddRecords();

  koDraw::UseCornerColorKey();
  Load("a.bmp");
  koDraw::SetColorKey(0x0000FF);
  Load("a.bmp");
  koDraw::ObjectSurface(koDraw::CreateObject(2, 2, 2))->pixels[0] = 0x1111;
  WriteFile("a.bmp", Bmp24({0x00FF00}));
  koDraw::Restore();
  AddRecords();
  Add({gColorKey, gUseCornerKey});  // the key of the last object reloaded
  koDraw::Release();
  EXPECT_EQ(gBackSurface, nullptr);
  AddRecords();
  koDraw::Release();
  koDraw::ClearScreen();
  koDraw::Blit(0, 0, 4, 0, 0, 1, 1);
  ExpectGolden();
}

// The loaders' bitmap copy stretches the rectangle it is given over the
// whole surface, nearest pixel and opaque (black is copied too); a width or
// height of 0 takes the picture's own; without surface or picture it fails
// and touches nothing.
TEST_F(ObjectTableTest, CopyBitmapStretchesItsRectangleOverTheWholeSurface) {
  koDraw::BmpPicture bmp;
  bmp.width = 4;
  bmp.height = 3;
  bmp.pixels = {0x0000, 0x0102, 0x0103, 0x0104,   // row 0 starts black
                0x0201, 0x0202, 0x0203, 0x0204,   //
                0x0301, 0x0302, 0x0303, 0x0304};  //
  auto copy = [&](int w, int h, int x, int y, int dx, int dy) {
    auto s = koDraw::MakeSurface(w, h);
    s->pixels.assign(s->pixels.size(), 0x7777);
    EXPECT_EQ(koDraw::CopyBitmap(s.get(), &bmp, x, y, dx, dy), koDraw::kCopyBitmapOk);
    return s->pixels;
  };
  using P = std::vector<uint16_t>;
  // Columns 1 and 2 of rows 0 and 1, each pixel doubled across and down.
  EXPECT_EQ(copy(4, 4, 1, 0, 2, 2), (P{0x0102, 0x0102, 0x0103, 0x0103,  //
                                       0x0102, 0x0102, 0x0103, 0x0103,  //
                                       0x0202, 0x0202, 0x0203, 0x0203,  //
                                       0x0202, 0x0202, 0x0203, 0x0203}));
  // The whole picture squeezed into 2 x 1: every other column of row 0.
  EXPECT_EQ(copy(2, 1, 0, 0, 0, 0), (P{0x0000, 0x0103}));
  // From row 1 on, 0 the picture's width, 1 row high.
  EXPECT_EQ(copy(4, 1, 0, 1, 0, 1), (P{0x0201, 0x0202, 0x0203, 0x0204}));
  // Column 0, 0 the picture's height, 3 rows into 2.
  EXPECT_EQ(copy(1, 2, 0, 0, 1, 0), (P{0x0000, 0x0201}));
  // Its own size: pixel for pixel, as every loader copies.
  EXPECT_EQ(copy(4, 3, 0, 0, 0, 0), bmp.pixels);

  auto s = koDraw::MakeSurface(2, 2);
  EXPECT_EQ(koDraw::CopyBitmap(nullptr, &bmp, 0, 0, 0, 0), koDraw::kCopyBitmapFailed);
  EXPECT_EQ(koDraw::CopyBitmap(s.get(), nullptr, 0, 0, 0, 0), koDraw::kCopyBitmapFailed);
  EXPECT_EQ(s->pixels, P(4, 0));
}

}  // namespace
