// Picture packs: the writer's records byte for byte, the readers' objects,
// the reload of pack pictures by Restore, and broken pack files.
#include <filesystem>
#include <string>

#include "engine/draw/pack.h"
#include "tests/engine/draw_fixture.h"

namespace {

using Bytes = std::vector<uint8_t>;

// One pack record as the format lays it out.
Bytes Record(uint16_t w, uint16_t h, const std::string& name, const std::vector<uint16_t>& pixels) {
  Bytes b;
  const auto put16 = [&b](uint16_t v) { b.insert(b.end(), {uint8_t(v), uint8_t(v >> 8)}); };
  put16(w);
  put16(h);
  b.insert(b.end(), name.c_str(), name.c_str() + name.size() + 1);
  for (uint16_t p : pixels) put16(p);
  return b;
}

Bytes operator+(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

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
  static bool NothingTakenFrom(int n) {
    for (int i = n; i < kDrawObjectCount; ++i)
      if (gDrawObjects[i].name[0] != '\0') return false;
    return true;
  }
};

// The writer appends records (names in capitals, pixels 5-5-5 with black
// alone at 0) and lets the pictures go again; an unopenable pack or a missing
// picture writes nothing. Folders give bare names, subfolders and the program
// directory included; the first copy of a name wins.
TEST_F(PackTest, WriterLaysOutRecordsAndAppends) {
  WriteFile("a.bmp", Bmp24({0xFF0000, 0x040404}));
  WriteFile("Grey.bmp", Bmp24({0x000000, 0x070707, 0xFFFFFF, 0x000008}));
  koDraw::ConvertOne("pics.pak", "a.bmp");
  koDraw::ConvertOne("pics.pak", "Grey.bmp");
  koDraw::ConvertOne("nowhere/pics.pak", "a.bmp");
  EXPECT_TRUE(NothingTakenFrom(4));
  koDraw::ConvertOne("pics.pak", "missing.bmp");
  std::filesystem::create_directories(dir_ + "sub/deep");
  WriteFile("sub/b.bmp", Bmp24({0x0000FF}));
  WriteFile("sub/A.Bmp", Bmp24({0xFF0000}));
  WriteFile("sub/notes.txt", {1, 2, 3});
  WriteFile("sub/deep/d.bmp", Bmp24({0x0000FF}));
  koDraw::pack::ConvertFolder("sub.pak", "sub");
  WriteFile("sub/A.Bmp", Bmp24({0x00FF00}));
  koDraw::pack::ConvertFolder("sub.pak", "sub");
  koDraw::pack::ConvertFolder("top.pak", "");
  koDraw::pack::ConvertFolder("none.pak", "nowhere");
  for (const char* pack : {"pics.pak", "sub.pak", "top.pak", "none.pak"})
    for (uint8_t b : ReadFile(pack)) Add(b);
  koDraw::SetPack("sub.pak");
  Add({koDraw::LoadPack("a.bmp", 1), koDraw::LoadPack("sub/a.bmp", 1)});
  AddRecords();
  ExpectGolden();
}

// Any case of letters finds a picture; each load takes the key in force, and
// under the black key a black pixel stays out while RGB(0, 0, 8) is drawn.
// A swap replaces the picture under the same number, or leaves it when the
// name is not in the pack; Restore reloads pack pictures from the pack.
TEST_F(PackTest, ReadersSwapAndRestore) {
  UsePack(Record(2, 1, "A.BMP", {0x7C00, 0x0001}) + Record(3, 1, "K.BMP", {0, 0x03E0, 1}) +
          Record(3, 2, "B.BMP", {1, 2, 3, 4, 5, 6}));
  koDraw::UseCornerColorKey();
  Add({koDraw::LoadPack("a.bmp", 1), koDraw::LoadPack("K.BMP", 2)});
  koDraw::SetColorKey(0x00FF00);
  Add(koDraw::LoadPack("k.bmp", 2));
  koDraw::SetColorKey(0);
  const int k = koDraw::LoadPack("k.bmp", 1);
  koDraw::FillRect(0, 0, 640, 480, 0x1234);
  koDraw::Blit(0, 0, k, 0, 0, 3, 1);
  Fold();
  const int n = koDraw::CreateObject(8, 8, 2);
  Add({koDraw::SwapPack("b.bmp", n, 1), koDraw::SwapPack("c.bmp", n, 1)});
  AddText(LastBoxText());
  AddRecords();
  koDraw::ReleaseObject(n);
  WriteFile("f.bmp", Bmp24({0x0000FF}));
  const int f = koDraw::LoadObject("f.bmp", 1);
  // The surfaces lose their contents; the pack now holds other pictures.
  for (int i = 4; i <= f; ++i)
    koDraw::ObjectSurface(i)->pixels.assign(koDraw::ObjectSurface(i)->pixels.size(), 7);
  UsePack(Record(2, 1, "A.BMP", {0x001F, 1}) + Record(3, 1, "K.BMP", {1, 2, 3}));
  const size_t boxes = headless::Boxes().size();
  koDraw::Restore();
  EXPECT_EQ(headless::Boxes().size(), boxes);
  AddRecords();
  ExpectGolden();
}

// Errors take no record; a broken pack ends the search without harm: a name
// cut short, a record claiming more pixels than the file holds, a name of 128
// bytes, sizes no surface can have or that a few bytes cannot back.
TEST_F(PackTest, ReaderErrorsAndBrokenPacksTakeNoRecord) {
  Add(koDraw::LoadPack("a.bmp", 1));
  AddText(LastBoxText());
  koDraw::SetPack("absent.pak");
  Add(koDraw::SwapPack("a.bmp", 4, 1));
  AddText(LastBoxText());
  UsePack(Record(1, 1, "A.BMP", {1}));
  Add(koDraw::LoadPack((std::string(27, 'n') + ".bmp").c_str(), 1));
  AddText(LastBoxText());
  const Bytes a = Record(2, 1, "A.BMP", {0x7C00, 0x7C00});
  for (const Bytes& pack :
       {Record(1, 1, "B.BMP", {1}) + Bytes{2, 0, 1, 0, 'A', '.'},
        Record(200, 200, "B.BMP", {1, 2, 3}) + a, Record(1, 1, std::string(128, 'X'), {1}) + a,
        Record(0, 3, "A.BMP", {1, 2}), Record(3, 0, "A.BMP", {1, 2}),
        Record(65535, 65535, "A.BMP", {1, 2}), Record(16385, 1, "A.BMP", {1, 2})}) {
    UsePack(pack);
    Add(koDraw::LoadPack("a.bmp", 1));
    AddText(LastBoxText());
  }
  EXPECT_TRUE(NothingTakenFrom(4));
  // Pixels the file does not hold come out black; the bytes it holds are read.
  UsePack(Record(1, 1, "B.BMP", {1}) +
          Bytes{3, 0, 2, 0, 'A', '.', 'B', 'M', 'P', 0, 0, 0x7C, 0x1F});
  ASSERT_EQ(koDraw::LoadPack("a.bmp", 1), 4);
  EXPECT_EQ(koDraw::ObjectSurface(4)->pixels, (std::vector<uint16_t>{0xF800, 0x001F, 0, 0, 0, 0}));
  ExpectGolden();
}

TEST_F(PackTest, ConvertRefusesTheSixteenBitDisplayAndLeavesThePack) {
  WriteFile("pics.pak", {9, 9});
  EXPECT_EQ(koDraw::Convert("pics.pak", "", 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::Convert : 画面をフルカラーにして下さい");
  EXPECT_EQ(ReadFile("pics.pak"), (Bytes{9, 9}));
}

}  // namespace
