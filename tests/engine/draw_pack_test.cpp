// Picture packs: the writer's records byte for byte, the readers' objects,
// the reload of pack pictures by Restore, and broken pack files.
#include <filesystem>
#include <string>

#include "engine/draw/pack.h"
#include "tests/engine/draw_fixture.h"
#include "tests/support/bmp_builder.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A 24-bit BMP of w x 1 with the given colours (0xRRGGBB).
Bytes Row24(const std::vector<uint32_t>& colours) {
  bmpgen::BmpLayout s;
  s.width = static_cast<int>(colours.size());
  s.height = 1;
  s.bpp = 24;
  s.data = bmpgen::PackRows(s.width, 1, 24, colours, false);
  return bmpgen::Build(s);
}

// One pack record as the format lays it out.
Bytes Record(uint16_t w, uint16_t h, const std::string& name, const std::vector<uint16_t>& pixels) {
  Bytes b;
  const auto put16 = [&b](uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
  };
  put16(w);
  put16(h);
  for (char c : name) b.push_back(static_cast<uint8_t>(c));
  b.push_back(0);
  for (uint16_t p : pixels) put16(p);
  return b;
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

const std::string kLoadNoBitmap = "koDraw::LoadPack : BMPファイルを読み込めません";

class PackTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    gPackPath.clear();  // as at program start: no pack named
  }
  // Writes `bytes` as the pack and names it for the readers.
  void UsePack(const Bytes& bytes) {
    WriteFile("pics.pak", bytes);
    koDraw::SetPack("pics.pak");
  }
  static std::vector<uint16_t> Pixels(int n) { return koDraw::ObjectSurface(n)->pixels; }
  static bool NothingTakenFrom(int n) {
    for (int i = n; i < kDrawObjectCount; ++i)
      if (gDrawObjects[i].name[0] != '\0') return false;
    return true;
  }
};

TEST_F(PackTest, WriterLaysOutRecordsAndAppends) {
  // Pure red, RGB(4, 4, 4); then black, RGB(7, 7, 7), white, RGB(0, 0, 8).
  WriteFile("a.bmp", Row24({0xFF0000, 0x040404}));
  WriteFile("Grey.bmp", Row24({0x000000, 0x070707, 0xFFFFFF, 0x000008}));
  koDraw::ConvertOne("pics.pak", "a.bmp");
  EXPECT_EQ(ReadFile("pics.pak"), Record(2, 1, "A.BMP", {0x7C00, 0x0001}));
  koDraw::ConvertOne("pics.pak", "Grey.bmp");
  EXPECT_EQ(ReadFile("pics.pak"),
            Record(2, 1, "A.BMP", {0x7C00, 0x0001}) + Record(4, 1, "GREY.BMP", {0, 1, 0x7FFF, 1}));
  // The pictures were loaded only for the writing: their records are free again.
  EXPECT_TRUE(NothingTakenFrom(4));
  // A pack that cannot be opened gets nothing, and the picture is let go all the same.
  koDraw::ConvertOne("nowhere/pics.pak", "a.bmp");
  EXPECT_TRUE(NothingTakenFrom(4));
  // A picture that does not load writes nothing.
  koDraw::ConvertOne("pics.pak", "missing.bmp");
  EXPECT_EQ(ReadFile("pics.pak").size(), 14u + 21u);
  EXPECT_EQ(LastBoxText(), "koDraw::LoadObject : BMPファイルを読み込めません");
}

TEST_F(PackTest, PackPixelKeepsEveryColourButBlackAwayFromZero) {
  for (uint32_t p = 0; p < 0x10000; ++p) {
    const uint16_t v = koDraw::pack::PackPixel(static_cast<uint16_t>(p));
    ASSERT_EQ(v == 0, p == 0) << p;
    ASSERT_EQ(v & 0x8000, 0) << p;
  }
  EXPECT_EQ(koDraw::pack::PackPixel(0xFFFF), 0x7FFF);
  EXPECT_EQ(koDraw::pack::PackPixel((21 << 11) | (40 << 5) | 9), (21 << 10) | (20 << 5) | 9);
}

// Any case of letters finds a picture; each load takes the key in force.
TEST_F(PackTest, ReadersMakeObjectsWithNamesKeysAndNumbers) {
  WriteFile("a.bmp", Row24({0xFF0000, 0x040404}));
  WriteFile("k.bmp", Row24({0x000000, 0x00FF00, 0x000008}));
  koDraw::ConvertOne("pics.pak", "a.bmp");
  koDraw::ConvertOne("pics.pak", "k.bmp");
  koDraw::SetPack("pics.pak");
  EXPECT_EQ(gPackPath, dir_ + "pics.pak");
  EXPECT_EQ(koDraw::LoadPack("a.bmp", 1), 4);
  const koDrawObject& a = gDrawObjects[4];
  EXPECT_STREQ(a.name, "A.BMP");
  EXPECT_EQ(a.fromPack * 100 + a.width * 10 + a.height, 121u);
  EXPECT_EQ(Pixels(4), (std::vector<uint16_t>{0xF800, 0x0001}));
  koDraw::UseCornerColorKey();
  EXPECT_EQ(koDraw::LoadPack("K.BMP", 2), 5);
  EXPECT_EQ(gDrawObjects[5].colorKey, kCornerKey);
  EXPECT_EQ(koDraw::ObjectSurface(5)->colorKey, 0);
  koDraw::SetColorKey(0x00FF00);
  EXPECT_EQ(koDraw::LoadPack("k.bmp", 2), 6);
  EXPECT_EQ(koDraw::ObjectSurface(6)->colorKey, 0x07E0);
  EXPECT_EQ(koDraw::CreateObject(1, 1, 2), 7);  // nothing else was left taken
  // Under the black key a black pixel stays out and RGB(0, 0, 8) is drawn.
  koDraw::SetColorKey(0);
  const int k = koDraw::LoadPack("k.bmp", 1);
  koDraw::FillRect(0, 0, 640, 480, 0x1234);
  koDraw::Blit(0, 0, k, 0, 0, 3, 1);
  EXPECT_EQ(BackRow(0, 0, 3), (std::vector<uint16_t>{0x1234, 0x07C0, 0x0001}));
  EXPECT_TRUE(headless::Boxes().empty());
}

// Pictures are found by bare name in a folder, its subfolders or the program
// directory itself; the first copy of a name wins.
TEST_F(PackTest, FolderConversionFindsPicturesByBareNameAndFirstCopyWins) {
  std::filesystem::create_directories(dir_ + "sub/deep");
  WriteFile("sub/b.bmp", Row24({0x0000FF}));
  WriteFile("sub/A.Bmp", Row24({0xFF0000}));
  WriteFile("sub/notes.txt", {1, 2, 3});
  koDraw::pack::ConvertFolder("pics.pak", "sub");
  EXPECT_EQ(ReadFile("pics.pak"), Record(1, 1, "A.BMP", {0x7C00}) + Record(1, 1, "B.BMP", {0x1F}));
  WriteFile("sub/A.Bmp", Row24({0x00FF00}));
  koDraw::pack::ConvertFolder("pics.pak", "sub");
  koDraw::SetPack("pics.pak");
  EXPECT_EQ(Pixels(koDraw::LoadPack("a.bmp", 1)), std::vector<uint16_t>{0xF800});
  EXPECT_EQ(koDraw::LoadPack("sub/a.bmp", 1), 0);
  WriteFile("c.BMP", Row24({0xFFFFFF}));
  koDraw::pack::ConvertFolder("top.pak", "");
  EXPECT_EQ(ReadFile("top.pak"), Record(1, 1, "C.BMP", {0x7FFF}));
  WriteFile("sub/deep/d.bmp", Row24({0x0000FF}));
  koDraw::pack::ConvertFolder("deep.pak", "sub/deep");
  EXPECT_EQ(ReadFile("deep.pak"), Record(1, 1, "D.BMP", {0x1F}));
  koDraw::pack::ConvertFolder("none.pak", "nowhere");
  EXPECT_FALSE(std::filesystem::exists(dir_ + "none.pak"));
}

TEST_F(PackTest, ConvertRefusesTheSixteenBitDisplayAndLeavesThePack) {
  WriteFile("pics.pak", {9, 9});
  EXPECT_EQ(koDraw::Convert("pics.pak", "", 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::Convert : 画面をフルカラーにして下さい");
  EXPECT_EQ(ReadFile("pics.pak"), (Bytes{9, 9}));
}

// Errors take no record; a broken pack ends the search without harm: a name
// cut short, a record claiming more pixels than the file holds, a name of 128
// bytes, sizes no surface can have or that a few bytes cannot back.
TEST_F(PackTest, ReaderErrorsAndBrokenPacksTakeNoRecord) {
  EXPECT_EQ(koDraw::LoadPack("a.bmp", 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::LoadPack : パックファイル名が指定されていません");
  koDraw::SetPack("absent.pak");
  EXPECT_EQ(koDraw::SwapPack("a.bmp", 4, 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::SwapPack : パックファイル名が指定されていません");
  UsePack(Record(1, 1, "A.BMP", {1}));
  EXPECT_EQ(koDraw::LoadPack((std::string(27, 'n') + ".bmp").c_str(), 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::LoadPack : ファイル名またはリソース名が長すぎます");
  const Bytes a = Record(2, 1, "A.BMP", {0x7C00, 0x7C00});
  for (const Bytes& pack :
       {Record(1, 1, "B.BMP", {1}) + Bytes{2, 0, 1, 0, 'A', '.'},
        Record(200, 200, "B.BMP", {1, 2, 3}) + a, Record(1, 1, std::string(128, 'X'), {1}) + a}) {
    UsePack(pack);
    EXPECT_EQ(koDraw::LoadPack("a.bmp", 1), 0);
    EXPECT_EQ(LastBoxText(), kLoadNoBitmap);
  }
  const int sizes[][2] = {{0, 3}, {3, 0}, {65535, 65535}, {16385, 1}};
  for (const auto& [w, h] : sizes) {
    UsePack(Record(static_cast<uint16_t>(w), static_cast<uint16_t>(h), "A.BMP", {1, 2}));
    EXPECT_EQ(koDraw::LoadPack("a.bmp", 1), 0) << w << "x" << h;
    EXPECT_EQ(LastBoxText(), "koDraw::LoadPack : スプライトを作成できません");
  }
  EXPECT_TRUE(NothingTakenFrom(4));
  // Pixels the file does not hold come out black; the bytes it holds are read.
  UsePack(Record(1, 1, "B.BMP", {1}) +
          Bytes{3, 0, 2, 0, 'A', '.', 'B', 'M', 'P', 0, 0, 0x7C, 0x1F});
  ASSERT_EQ(koDraw::LoadPack("a.bmp", 1), 4);
  EXPECT_EQ(Pixels(4), (std::vector<uint16_t>{0xF800, 0x001F, 0, 0, 0, 0}));
}

// A swap replaces the picture under the same number, or leaves it when the
// name is not in the pack; Restore reloads pack pictures from the pack.
TEST_F(PackTest, SwapAndRestore) {
  UsePack(Record(1, 1, "A.BMP", {0x7C00}) + Record(3, 2, "B.BMP", {1, 2, 3, 4, 5, 6}));
  const int n = koDraw::CreateObject(8, 8, 2);
  EXPECT_EQ(koDraw::SwapPack("b.bmp", n, 1), n);
  EXPECT_STREQ(gDrawObjects[n].name, "B.BMP");
  EXPECT_EQ(gDrawObjects[n].fromPack * 10 + gDrawObjects[n].width, 13u);
  EXPECT_EQ(Pixels(n), (std::vector<uint16_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(koDraw::SwapPack("c.bmp", n, 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::SwapPack : BMPファイルを読み込めません");
  EXPECT_STREQ(gDrawObjects[n].name, "B.BMP");
  EXPECT_EQ(Pixels(n).size(), 6u);
  const size_t boxes = headless::Boxes().size();
  koDraw::ReleaseObject(n);

  WriteFile("f.bmp", Row24({0x0000FF}));
  koDraw::UseCornerColorKey();
  const int a = koDraw::LoadPack("a.bmp", 1);
  koDraw::SetColorKey(0);
  const int f = koDraw::LoadObject("f.bmp", 1);
  // The surfaces lose their contents; the pack now holds another A.BMP.
  koDraw::ObjectSurface(a)->pixels[0] = 7;
  koDraw::ObjectSurface(f)->pixels[0] = 7;
  UsePack(Record(1, 1, "A.BMP", {0x001F}));
  koDraw::Restore();
  EXPECT_EQ(Pixels(a), std::vector<uint16_t>{0x001F});
  EXPECT_EQ(gDrawObjects[a].colorKey, kCornerKey);
  EXPECT_EQ(koDraw::ObjectSurface(a)->colorKey, 0x001F);
  EXPECT_EQ(Pixels(f), std::vector<uint16_t>{0x001F});
  EXPECT_EQ(headless::Boxes().size(), boxes);
}

}  // namespace
