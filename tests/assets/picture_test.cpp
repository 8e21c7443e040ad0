#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>

#include "tests/assets/asset_readers.h"
#include "tests/assets/inventory.h"

namespace assettest {
namespace {

Bmp Load(const std::string& name) { return DecodeBmp(ReadBytes(kAssetDir / name)); }

int Distance(const Rgb& a, const Rgb& b) {
  return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}
double Luminance(const Rgb& p) { return 0.3 * p.r + 0.59 * p.g + 0.11 * p.b; }

// Visible-pixel mask of a rectangle.
std::vector<bool> Mask(const Bmp& b, int x0, int y0, int w, int h) {
  std::vector<bool> m;
  for (int y = y0; y < y0 + h; ++y)
    for (int x = x0; x < x0 + w; ++x) m.push_back(!IsBlack(b.at(x, y)));
  return m;
}
int Count(const std::vector<bool>& m) {
  return static_cast<int>(std::count(m.begin(), m.end(), true));
}
int Differences(const std::vector<bool>& a, const std::vector<bool>& b) {
  int n = 0;
  for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
  return n;
}
bool AllBlack(const Bmp& b, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (!IsBlack(b.at(x, y))) return false;
  return true;
}

TEST(Pictures, EveryInventoryPictureExistsUnderItsExactNameWithItsSize) {
  std::set<std::string> present;
  for (const auto& e : std::filesystem::directory_iterator(kAssetDir))
    present.insert(e.path().filename().string());
  for (const PictureEntry& p : kPictures) {
    SCOPED_TRACE(p.name);
    ASSERT_TRUE(present.count(p.name));
    const Bmp b = Load(p.name);
    ASSERT_EQ(b.error, "");
    EXPECT_EQ(b.width, p.width);
    EXPECT_EQ(b.height, p.height);
  }
}

TEST(Pictures, EveryPictureShowsSomethingAndNoVisiblePixelBecomesTheKeyIn565) {
  for (const PictureEntry& p : kPictures) {
    SCOPED_TRACE(p.name);
    const Bmp b = Load(p.name);
    int visible = 0, lost = 0;
    for (const Rgb& px : b.pixels) {
      visible += !IsBlack(px);
      lost += !IsBlack(px) && IsKeyIn565(px);
    }
    EXPECT_GT(visible, 0);
    EXPECT_EQ(lost, 0);
  }
}

TEST(Pictures, BackgroundLayersTileLeftToRight) {
  for (const char* name : {"BACK1U.BMP", "BACK1.BMP"}) {
    SCOPED_TRACE(name);
    const Bmp b = Load(name);
    // Column 639 must meet column 0 the way neighbouring columns meet each other.
    double seam = 0, inner = 0;
    for (int y = 0; y < b.height; ++y) {
      seam += Distance(b.at(b.width - 1, y), b.at(0, y));
      for (int x = 0; x + 1 < b.width; ++x) inner += Distance(b.at(x, y), b.at(x + 1, y));
    }
    seam /= b.height;
    inner /= b.height * (b.width - 1.0);
    EXPECT_LE(seam, 2 * inner + 1) << "inner " << inner;
  }
}

TEST(Pictures, BackgroundsStayDarkAndTheNearLayerMostlyEmpty) {
  auto percentile95 = [](const Bmp& b, bool visible_only) {
    std::vector<double> l;
    for (const Rgb& p : b.pixels)
      if (!visible_only || !IsBlack(p)) l.push_back(Luminance(p));
    std::sort(l.begin(), l.end());
    return l[l.size() * 95 / 100];
  };
  const Bmp far = Load("BACK1U.BMP"), near = Load("BACK1.BMP");
  EXPECT_LT(percentile95(far, false), 80);
  EXPECT_LT(percentile95(near, true), 110);
  const auto empty = std::count_if(near.pixels.begin(), near.pixels.end(), IsBlack);
  EXPECT_GT(empty, static_cast<long>(near.pixels.size() * 6 / 10));
}

TEST(Pictures, DigitsAreDistinctGlyphsInTheirCells) {
  const Bmp large = Load("SUJI09.BMP");
  const Bmp small = Load("MYMY.BMP");
  std::vector<std::vector<bool>> big, hud;
  for (int d = 0; d < 10; ++d) {
    big.push_back(Mask(large, 20 * d, 0, 20, 25));
    hud.push_back(Mask(small, 8 + 7 * d, 70, 7, 10));
    EXPECT_GT(Count(big.back()), 30) << d;
    EXPECT_GT(Count(hud.back()), 8) << d;
  }
  for (int a = 0; a < 10; ++a)
    for (int b = a + 1; b < 10; ++b) {
      EXPECT_GE(Differences(big[a], big[b]), 20) << a << " vs " << b;
      EXPECT_GE(Differences(hud[a], hud[b]), 3) << a << " vs " << b;
    }
}

TEST(Pictures, HudSheetHoldsCaptionLabelsAndSevenParticleDashes) {
  const Bmp b = Load("MYMY.BMP");
  EXPECT_GT(Count(Mask(b, 81, 70, 55, 10)), 60);   // game-over caption
  EXPECT_GT(Count(Mask(b, 170, 70, 24, 10)), 30);  // bombs label
  EXPECT_GT(Count(Mask(b, 200, 70, 24, 10)), 30);  // lives label
  std::set<std::tuple<int, int, int>> colours;
  for (int t = 0; t < 7; ++t) {
    const Rgb first = b.at(139 + 3 * t, 70);
    for (int y = 70; y < 80; ++y)
      for (int x = 139 + 3 * t; x < 142 + 3 * t; ++x) EXPECT_EQ(b.at(x, y), first) << t;
    EXPECT_GT(Luminance(first), 100) << t;
    colours.insert({first.r, first.g, first.b});
  }
  EXPECT_EQ(colours.size(), 7u);
}

TEST(Pictures, CroppedPicturesKeepWholeShapesInsideTheirCrops) {
  // Zak2B draws the 60 x 50 corner: the craft there must not run into the crop's edges.
  const Bmp zak2 = Load("ZAK2.BMP");
  EXPECT_GT(Count(Mask(zak2, 0, 0, 60, 50)), 600);
  EXPECT_TRUE(AllBlack(zak2, 59, 0, 60, 50));
  EXPECT_TRUE(AllBlack(zak2, 0, 49, 60, 50));
  // GunZak's 140-wide crop covers cell 0 and the first 40 columns of cell 1.
  const Bmp zak12 = Load("ZAK12.BMP");
  EXPECT_TRUE(AllBlack(zak12, 100, 0, 140, 100));
  for (int cell = 0; cell < 5; ++cell) EXPECT_GT(Count(Mask(zak12, 100 * cell, 0, 100, 100)), 500);
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

TEST(Pictures, SevenFrameBulletRepeatsItsFirstCellsPastTheEnd) {
  const Bmp b = Load("VAL201.BMP");
  for (int cell = 7; cell < 10; ++cell)
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) ASSERT_EQ(b.at(20 * cell + x, y), b.at(20 * (cell - 7) + x, y));
  EXPECT_GT(Differences(Mask(b, 0, 0, 20, 20), Mask(b, 60, 0, 20, 20)), 0);  // it does animate
}

TEST(Pictures, ExplosionsSwellAndThenFade) {
  struct Strip {
    const char* name;
    int cell, frames;
  };
  for (const Strip& s :
       {Strip{"ZBAK1B.BMP", 60, 10}, Strip{"ZBAK2B.BMP", 80, 8}, Strip{"ZBAK3B.BMP", 80, 10}}) {
    SCOPED_TRACE(s.name);
    const Bmp b = Load(s.name);
    std::vector<int> size;
    std::vector<double> light;
    for (int f = 0; f < s.frames; ++f) {
      size.push_back(Count(Mask(b, f * s.cell, 0, s.cell, s.cell)));
      double sum = 0;
      for (int y = 0; y < s.cell; ++y)
        for (int x = f * s.cell; x < (f + 1) * s.cell; ++x) sum += Luminance(b.at(x, y));
      light.push_back(sum / std::max(1, size.back()));
    }
    const int peak = static_cast<int>(std::max_element(size.begin(), size.end()) - size.begin());
    EXPECT_GT(peak, 0);
    EXPECT_LT(size[0] * 2, size[peak]);
    EXPECT_LT(light.back(), light.front() * 0.7);  // cooled from white-hot to dull red
  }
}

}  // namespace
}  // namespace assettest
