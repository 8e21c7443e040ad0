// The generator's drawing parts: keying and lifting of faint pixels, clipped cells and
// tiling noise.
#include <gtest/gtest.h>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/paint.h"
#include "tools/assetgen/shape.h"

namespace assetgen {
namespace {

const uint8_t* Pixel(const RgbImage& image, int x, int y) {
  return &image.rgb[(static_cast<size_t>(y) * image.width + x) * 3];
}

TEST(Raster, FlattenKeysFaintPixelsAndLiftsDimOnesKeepingTheirHue) {
  Canvas c(4, 1);
  c.Set(0, 0, {200, 100, 50}, 0.05f);  // too faint: becomes the key
  c.Set(1, 0, {20, 10, 5}, 1);         // visible but too dark for 5-6-5
  c.Set(2, 0, {100, 200, 60}, 1);      // already bright enough: untouched
  c.Set(3, 0, {0, 0, 0}, 1);           // opaque black must still show
  const RgbImage out = Flatten(c);
  EXPECT_EQ(Pixel(out, 0, 0)[0] | Pixel(out, 0, 0)[1] | Pixel(out, 0, 0)[2], 0);
  EXPECT_EQ(Pixel(out, 1, 0)[0], kMinVisibleChannel);
  EXPECT_EQ(Pixel(out, 1, 0)[1], kMinVisibleChannel / 2);
  EXPECT_EQ(Pixel(out, 2, 0)[1], 200);
  EXPECT_EQ(Pixel(out, 2, 0)[2], 60);
  EXPECT_EQ(Pixel(out, 3, 0)[2], kMinVisibleChannel);
}

TEST(Raster, CellsKeepTheirPaintToThemselves) {
  Canvas c(40, 10);
  DrawCells(c, 10, 10, 3, false, [](Canvas& cell, int i) {
    PaintGlow(cell, Circle({5, 5}, 2), {255, 255, 255}, 20, 1);  // far larger than the cell
    cell.Set(0, 0, {10.f * i, 0, 0});
  });
  for (int y = 0; y < 10; ++y) EXPECT_EQ(c.AlphaAt(35, y), 0) << y;
  EXPECT_GT(c.AlphaAt(29, 9), 0);
  EXPECT_EQ(c.ColorAt(20, 0).r, 20);  // cell 2 starts at x 20
}

TEST(Raster, WrappingNoiseRepeatsExactlyAlongItsPeriods) {
  for (float x : {0.3f, 2.7f, 5.5f})
    for (float y : {0.1f, 3.9f}) {
      EXPECT_FLOAT_EQ(Fbm(x, y, 0, 9, 4, 8), Fbm(x + 8, y, 0, 9, 4, 8));
      EXPECT_FLOAT_EQ(ValueNoise(x, y, 1.25f, 9, 0, 3), ValueNoise(x, y, 4.25f, 9, 0, 3));
    }
  EXPECT_NE(Fbm(0.3f, 0.1f, 0, 9, 4, 8), Fbm(4.3f, 0.1f, 0, 9, 4, 8));
}

}  // namespace
}  // namespace assetgen
