#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "tests/assets/asset_readers.h"
#include "tests/assets/inventory.h"

namespace assettest {
namespace {

Bmp Load(const std::string& name) { return DecodeBmp(ReadBytes(kAssetDir / name)); }

// Visible pixels in a rectangle.
int Visible(const Bmp& b, int x0, int y0, int w, int h) {
  int n = 0;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) n += !IsBlack(b.at(x, y));
  return n;
}
bool AllBlack(const Bmp& b, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (!IsBlack(b.at(x, y))) return false;
  return true;
}

TEST(Pictures, EachHasItsSizeShowsSomethingAndNoVisiblePixelBecomesTheKeyIn565) {
  for (const PictureEntry& p : kPictures) {
    SCOPED_TRACE(p.name);
    const Bmp b = Load(p.name);
    ASSERT_EQ(b.error, "");
    EXPECT_EQ(b.width, p.width);
    EXPECT_EQ(b.height, p.height);
    int visible = 0, lost = 0;
    for (const Rgb& px : b.pixels) {
      visible += !IsBlack(px);
      lost += !IsBlack(px) && IsKeyIn565(px);
    }
    EXPECT_GT(visible, 0);
    EXPECT_EQ(lost, 0);
  }
}

TEST(Pictures, CroppedPicturesKeepWholeShapesInsideTheirCrops) {
  // Zak2B draws the 60 x 50 corner: the craft there must not run into the crop's edges.
  const Bmp zak2 = Load("ZAK2.BMP");
  EXPECT_GT(Visible(zak2, 0, 0, 60, 50), 600);
  EXPECT_TRUE(AllBlack(zak2, 59, 0, 60, 50));
  EXPECT_TRUE(AllBlack(zak2, 0, 49, 60, 50));
  // GunZak's 140-wide crop covers cell 0 and the first 40 columns of cell 1.
  const Bmp zak12 = Load("ZAK12.BMP");
  EXPECT_TRUE(AllBlack(zak12, 100, 0, 140, 100));
  for (int cell = 0; cell < 5; ++cell) EXPECT_GT(Visible(zak12, 100 * cell, 0, 100, 100), 500);
  // Boss bodies are drawn from the top-left 400 x 300 only.
  for (const char* name : {"BOSS1.BMP", "BOSS2.BMP", "BOSS3.BMP"}) {
    const Bmp boss = Load(name);
    EXPECT_TRUE(AllBlack(boss, 400, 0, boss.width, boss.height)) << name;
    EXPECT_TRUE(AllBlack(boss, 0, 300, 400, boss.height)) << name;
  }
  // The stage-2 hazards draw BSLZ2's top half alone.
  EXPECT_TRUE(AllBlack(Load("BSLZ2.BMP"), 0, 59, 60, 61));
  // The death animation never shows row 1, column 0 of its grid.
  EXPECT_TRUE(AllBlack(Load("GFBAK1.BMP"), 0, 60, 60, 120));
}

}  // namespace
}  // namespace assettest
