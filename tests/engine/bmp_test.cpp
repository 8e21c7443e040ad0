// The BMP reader: every header kind, depth and row order, short palettes,
// run-length codes, and files that lie about their sizes.
#include "engine/draw/bmp.h"

#include <gtest/gtest.h>

#include "engine/draw/ko_draw.h"
#include "tests/engine/draw_fixture.h"
#include "tests/support/bmp_builder.h"

namespace {

using koDraw::Rgb565;
using Pixels = std::vector<uint16_t>;
constexpr uint16_t R = 0xF800, G = 0x07E0, B = 0x001F;

// A 5 x 3 picture (odd width: every depth needs row padding).
constexpr int kW = 5, kH = 3;
const uint32_t kRgb[kW * kH] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000,
                                0x123456, 0x876543, 0x0F0F0F, 0xF0F0F0, 0x808080,
                                0x070307, 0x080408, 0xFFFF00, 0x00FFFF, 0x7F7F7F};

uint16_t Expected(uint32_t rgb) { return Rgb565(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); }

// The decoded pixels, or {} when the file is refused.
Pixels Decode(const std::vector<uint8_t>& file) {
  koDraw::BmpPicture p;
  return koDraw::DecodeBmp(file.data(), file.size(), p) ? p.pixels : Pixels{};
}
bool Refused(const std::vector<uint8_t>& file) {  // an empty picture is not a refusal
  koDraw::BmpPicture p;
  return !koDraw::DecodeBmp(file.data(), file.size(), p);
}
// A one-row layout of w pixels.
bmpgen::BmpLayout Row(int w, int bpp, int compression, const std::vector<uint32_t>& values) {
  bmpgen::BmpLayout s;
  s.width = w;
  s.height = 1;
  s.bpp = bpp;
  s.compression = compression;
  s.data = bmpgen::PackRows(w, 1, bpp, values, false);
  return s;
}

// The picture as palette indexes (colour i of kRgb is palette entry i).
bmpgen::BmpLayout Palettised(int bpp, int headerSize, bool topDown) {
  bmpgen::BmpLayout s;
  s.headerSize = headerSize;
  s.width = kW;
  s.height = topDown ? -kH : kH;
  s.bpp = bpp;
  std::vector<uint32_t> index;
  for (int i = 0; i < kW * kH; ++i) index.push_back(static_cast<uint32_t>(i % (1 << bpp)));
  s.palette.assign(kRgb, kRgb + (1 << bpp < kW * kH ? 1 << bpp : kW * kH));
  if (headerSize != 12) s.colorsUsed = static_cast<uint32_t>(s.palette.size());
  s.data = bmpgen::PackRows(kW, kH, bpp, index, topDown);
  return s;
}

// Palettes of every depth in every header and row order; true colour
// truncates to 5-6-5. The core header has unsigned sizes and no 32 bits.
TEST(BmpDecode, EveryDepthHeaderAndRowOrder) {
  for (int bpp : {1, 4, 8, 24, 32})
    for (int header : {12, 40, 108, 124})
      for (bool topDown : {false, true}) {
        if (header == 12 && (topDown || bpp == 32)) continue;
        bmpgen::BmpLayout s = Palettised(bpp < 24 ? bpp : 8, header, topDown);
        Pixels want;
        for (uint32_t c : kRgb) want.push_back(Expected(c));
        if (bpp < 24)
          for (int i = 0; i < kW * kH; ++i) want[i] = Expected(kRgb[i % (1 << bpp)]);
        else {
          s.bpp = bpp;
          s.palette.clear();
          s.colorsUsed = 0;
          s.data = bmpgen::PackRows(kW, kH, bpp, {kRgb, kRgb + kW * kH}, topDown);
        }
        EXPECT_EQ(Decode(bmpgen::Build(s)), want) << bpp << " bits, header " << header << topDown;
      }
}

// 16 bits default to 5-5-5 (five-bit green 16 widens to 132 of 255, six-bit
// 33); bit fields are honoured in any order, in every header that has them.
TEST(BmpDecode, SixteenAndThirtyTwoBitFields) {
  EXPECT_EQ(Decode(bmpgen::Build(Row(4, 16, 0, {0x7FFF, 0x7C00, 16 << 5, 1}))),
            (Pixels{0xFFFF, R, 33 << 5, 1}));
  bmpgen::BmpLayout s = Row(4, 16, 3, {0xFFFF, 0xF800, 0x07E0, 0x1234});
  s.masks[0] = 0xF800;
  s.masks[1] = 0x07E0;
  s.masks[2] = 0x001F;
  for (int header : {40, 108, 124}) {
    s.headerSize = header;
    EXPECT_EQ(Decode(bmpgen::Build(s)), (Pixels{0xFFFF, R, G, 0x1234})) << header;
  }
  s = Row(2, 32, 3, {0x000000FF, 0x00FF8000});
  s.masks[0] = 0x000000FF;  // red in the low byte
  s.masks[1] = 0x0000FF00;
  s.masks[2] = 0x00FF0000;
  EXPECT_EQ(Decode(bmpgen::Build(s)), (Pixels{R, Rgb565(0, 0x80, 0xFF)}));
  // Bit fields whose masks lie past the end of the file.
  std::vector<uint8_t> cut = bmpgen::Build(s);
  cut.resize(14 + 40 + 6);
  EXPECT_TRUE(Refused(cut));
}

// Missing entries are black, also when a palette claiming 256 entries is cut
// short by the pixel offset.
TEST(BmpDecode, ShortPaletteLeavesMissingEntriesBlack) {
  bmpgen::BmpLayout s = Row(4, 8, 0, {0, 1, 2, 255});
  s.palette = {0xFFFFFF, 0xFF0000};
  for (uint32_t used : {2u, 0u}) {
    s.colorsUsed = used;
    EXPECT_EQ(Decode(bmpgen::Build(s)), (Pixels{0xFFFF, R, 0, 0})) << used;
  }
}

TEST(BmpDecode, RunLengthCodes) {
  bmpgen::BmpLayout s;
  s.width = 6;
  s.height = 3;
  s.bpp = 8;
  s.compression = 1;
  s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  s.data = {3, 1,              // bottom row: three of colour 1
            0, 3, 2, 3, 2, 0,  // three given one by one, and a byte of padding
            0, 0,              // end of line
            0, 2, 2, 1,        // move two right and one up: to the top row, column 2
            9, 3,              // a run longer than the row is cut at the edge
            0, 1, 5, 1};       // end of picture; the rest is never read
  EXPECT_EQ(Decode(bmpgen::Build(s)),
            (Pixels{0, 0, B, B, B, B, 0, 0, 0, 0, 0, 0, R, R, R, G, B, G}));
  // Four bits alternate nibbles; absolute runs are padded to two bytes.
  s = Row(5, 4, 2, {0, 0, 0, 0, 0});
  s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  s.data = {3, 0x12, 0, 3, 0x32, 0x10, 0, 1};
  EXPECT_EQ(Decode(bmpgen::Build(s)), (Pixels{R, G, R, B, G}));
  s.data = {2, 0x33, 0, 5, 0x11};  // truncated codes keep what was decoded
  EXPECT_EQ(Decode(bmpgen::Build(s)), (Pixels{B, B, 0, 0, 0}));
  // 16384 x 16384 from a few bytes of codes: too many pixels to hold; and
  // run-length codes only go bottom-up.
  s.width = s.height = 16384;
  EXPECT_TRUE(Refused(bmpgen::Build(s)));
  s.width = 5;
  for (int height : {-2, 0}) {  // nor does a run-length picture of no rows decode
    s.height = height;
    EXPECT_TRUE(Refused(bmpgen::Build(s))) << height;
  }
}

TEST(BmpDecode, HostileFilesAreRefused) {
  bmpgen::BmpLayout good = Row(2, 24, 0, {1, 2});
  good.height = 2;
  good.data = bmpgen::PackRows(2, 2, 24, {1, 2, 3, 4}, false);
  const std::vector<uint8_t> file = bmpgen::Build(good);
  ASSERT_FALSE(Refused(file));
  EXPECT_TRUE(Refused({}));
  EXPECT_TRUE(Refused({file.begin(), file.begin() + 20}));  // cut inside the core header
  EXPECT_TRUE(Refused({file.begin(), file.begin() + 48}));  // and inside the info header
  EXPECT_TRUE(Refused({file.begin(), file.end() - 4}));     // rows cut short
  // Offset, value and size of one field: the signature, pixels past the end and
  // inside the header, a header past the end or of unknown size, widths and
  // heights of 0, negative, most negative or wider than any screen, 7 bits,
  // RLE8 at 24 bits, JPEG inside.
  const uint32_t edits[][3] = {
      {0, 'X', 1}, {10, 0xFFFFFFF0u, 4}, {10, 20, 4}, {14, 0x7FFFFFFF, 4},  {14, 39, 4},
      {18, 0, 4},  {18, 0xFFFFFFFE, 4},  {22, 0, 4},  {22, 0x80000000u, 4}, {18, 100000, 4},
      {28, 7, 2},  {30, 1, 4},           {30, 4, 4}};
  for (const auto& [at, v, bytes] : edits) {
    std::vector<uint8_t> f = file;
    for (uint32_t i = 0; i < bytes; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
    EXPECT_TRUE(Refused(f)) << at << " " << v;
  }
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
