// The BMP reader: every header kind, depth and row order, bit fields, short
// palettes, run-length codes, and files that lie about their sizes. Each
// file's result (refused, or the picture) folds into the golden hash.
#include "engine/draw/bmp.h"

#include <algorithm>
#include <array>

#include "tests/engine/draw_fixture.h"

namespace {

using Layout = bmpgen::BmpLayout;

// A 5 x 3 picture (odd width: every depth needs row padding).
constexpr int kW = 5, kH = 3;
const uint32_t kRgb[kW * kH] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000,
                                0x123456, 0x876543, 0x0F0F0F, 0xF0F0F0, 0x808080,
                                0x070307, 0x080408, 0xFFFF00, 0x00FFFF, 0x7F7F7F};
const std::vector<uint32_t> kFour = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

// w x h of `values` (palette indexes below 16 bits), optionally with bit fields.
Layout Rows(int w, int h, int bpp, int compression, const std::vector<uint32_t>& values,
            std::vector<uint32_t> palette = {}, std::array<uint32_t, 3> masks = {},
            int headerSize = 40) {
  Layout s;
  s.headerSize = headerSize;
  s.width = w;
  s.height = h;
  s.bpp = bpp;
  s.compression = static_cast<uint32_t>(compression);
  s.palette = std::move(palette);
  std::copy(masks.begin(), masks.end(), s.masks);
  if (!values.empty()) s.data = bmpgen::PackRows(w, h < 0 ? -h : h, bpp, values, h < 0);
  return s;
}

class BmpTest : public DrawTest {
 protected:
  void Decode(const std::vector<uint8_t>& file) {
    koDraw::BmpPicture p;
    const bool read = koDraw::DecodeBmp(file.data(), file.size(), p);
    Add({read, read ? p.width : 0, read ? p.height : 0});
    for (uint16_t v : read ? p.pixels : std::vector<uint16_t>{}) Add(v);
  }
};

// Palettes of every depth in every header and row order; true colour
// truncates to 5-6-5. The core header has unsigned sizes and no 32 bits.
// 16 bits default to 5-5-5; bit fields are honoured in any order, in every
// header that has them, and refused past the end of the file. Missing
// palette entries are black, also when a palette claiming 256 entries is cut
// short by the pixel offset.
TEST_F(BmpTest, EveryDepthHeaderAndRowOrder) {
  for (int bpp : {1, 4, 8, 24, 32})
    for (int header : {12, 40, 108, 124})
      for (int h : {kH, -kH}) {
        if (header == 12 && (h < 0 || bpp == 32)) continue;
        std::vector<uint32_t> v(kRgb, kRgb + kW * kH), palette;
        if (bpp < 24) {
          for (int i = 0; i < kW * kH; ++i) v[i] = static_cast<uint32_t>(i % (1 << bpp));
          palette.assign(kRgb, kRgb + std::min(1 << bpp, kW * kH));
        }
        Layout s = Rows(kW, h, bpp, 0, v, palette, {}, header);
        if (header != 12) s.colorsUsed = static_cast<uint32_t>(palette.size());
        Decode(bmpgen::Build(s));
      }
  Decode(bmpgen::Build(Rows(4, 1, 16, 0, {0x7FFF, 0x7C00, 16 << 5, 1})));
  for (int header : {40, 108, 124})
    Decode(bmpgen::Build(
        Rows(4, 1, 16, 3, {0xFFFF, 0xF800, 0x07E0, 0x1234}, {}, {0xF800, 0x07E0, 0x1F}, header)));
  std::vector<uint8_t> fields =
      bmpgen::Build(Rows(2, 1, 32, 3, {0xFF, 0xFF8000}, {}, {0xFF, 0xFF00, 0xFF0000}));
  Decode(fields);
  fields.resize(14 + 40 + 6);
  Decode(fields);
  Layout s = Rows(4, 1, 8, 0, {0, 1, 2, 255}, {0xFFFFFF, 0xFF0000});
  for (uint32_t used : {2u, 0u}) {
    s.colorsUsed = used;
    Decode(bmpgen::Build(s));
  }
  ExpectGolden();
}

// Runs, absolute runs (padded to two bytes), ends of line and picture and
// moves; runs past the row are cut, truncated codes keep what was decoded.
// Pictures too big to hold, top-down or of no rows are refused.
TEST_F(BmpTest, RunLengthCodes) {
  Layout s = Rows(6, 3, 8, 1, {}, kFour);
  s.data = {3, 1,              // bottom row: three of colour 1
            0, 3, 2, 3, 2, 0,  // three given one by one, and a byte of padding
            0, 0,              // end of line
            0, 2, 2, 1,        // move two right and one up: to the top row, column 2
            9, 3,              // a run longer than the row is cut at the edge
            0, 1, 5, 1};       // end of picture; the rest is never read
  Decode(bmpgen::Build(s));
  s = Rows(5, 1, 4, 2, {}, kFour);
  for (const std::vector<uint8_t>& codes : {std::vector<uint8_t>{3, 0x12, 0, 3, 0x32, 0x10, 0, 1},
                                            std::vector<uint8_t>{2, 0x33, 0, 5, 0x11}}) {
    s.data = codes;
    Decode(bmpgen::Build(s));
  }
  for (const auto& [w, h] : {std::pair{16384, 16384}, {5, -2}, {5, 0}}) {
    s.width = w;
    s.height = h;
    Decode(bmpgen::Build(s));
  }
  ExpectGolden();
}

// Cut files, and the offset, value and size of one field: the signature,
// pixels past the end and inside the header, a header past the end or of
// unknown size, widths and heights of 0, negative, most negative or wider
// than any screen, 7 bits, RLE8 at 24 bits, JPEG inside.
TEST_F(BmpTest, HostileFilesAreRefused) {
  const std::vector<uint8_t> file = bmpgen::Build(Rows(2, 2, 24, 0, {1, 2, 3, 4}));
  Decode(file);
  for (size_t size : {size_t{0}, size_t{20}, size_t{48}, file.size() - 4})
    Decode({file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size)});
  const uint32_t edits[][3] = {
      {0, 'X', 1}, {10, 0xFFFFFFF0u, 4}, {10, 20, 4}, {14, 0x7FFFFFFF, 4},  {14, 39, 4},
      {18, 0, 4},  {18, 0xFFFFFFFE, 4},  {22, 0, 4},  {22, 0x80000000u, 4}, {18, 100000, 4},
      {28, 7, 2},  {30, 1, 4},           {30, 4, 4}};
  for (const auto& [at, v, bytes] : edits) {
    std::vector<uint8_t> f = file;
    for (uint32_t i = 0; i < bytes; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
    Decode(f);
  }
  ExpectGolden();
}

TEST_F(DrawTest, ALoadOfAHostileFileShowsTheErrorAndDrawsNothing) {
  std::vector<uint8_t> junk(64, 0xEE);
  junk[0] = 'B';
  junk[1] = 'M';
  WriteFile("junk.bmp", junk);
  EXPECT_EQ(koDraw::LoadObject("junk.bmp", 1), 0);
  EXPECT_EQ(LastBoxText(), "koDraw::LoadObject : BMPファイルを読み込めません");
  EXPECT_EQ(gErrorFlag, 1);
  koDraw::Blit(0, 0, 4, 0, 0, 10, 10);
  EXPECT_EQ(Back(0, 0), 0);
}

}  // namespace
