// The BMP reader: every header kind, depth and row order, short palettes,
// run-length codes, and files that lie about their sizes.
#include "engine/draw/bmp.h"

#include <gtest/gtest.h>

#include "engine/draw/ko_draw.h"
#include "tests/engine/draw_fixture.h"
#include "tests/support/bmp_builder.h"

namespace {

using koDraw::Rgb565;

// A 5 x 3 picture (odd width: every depth needs row padding).
constexpr int kW = 5, kH = 3;
const uint32_t kRgb[kW * kH] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x000000,
                                0x123456, 0x876543, 0x0F0F0F, 0xF0F0F0, 0x808080,
                                0x070307, 0x080408, 0xFFFF00, 0x00FFFF, 0x7F7F7F};

uint16_t Expected(uint32_t rgb) { return Rgb565(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF); }

std::vector<uint16_t> Decode(const std::vector<uint8_t>& file, bool* ok = nullptr) {
  koDraw::BmpPicture p;
  const bool good = koDraw::DecodeBmp(file.data(), file.size(), p);
  if (ok) *ok = good;
  return good ? p.pixels : std::vector<uint16_t>{};
}

bool Refused(const std::vector<uint8_t>& file) {
  koDraw::BmpPicture p;
  return !koDraw::DecodeBmp(file.data(), file.size(), p);
}

std::vector<uint16_t> ExpectedPicture() {
  std::vector<uint16_t> v;
  for (uint32_t c : kRgb) v.push_back(Expected(c));
  return v;
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

TEST(BmpDecode, PalettisedDepthsInEveryHeaderAndRowOrder) {
  for (int bpp : {1, 4, 8})
    for (int header : {12, 40, 108, 124})
      for (bool topDown : {false, true}) {
        if (header == 12 && topDown) continue;  // the core header has unsigned sizes
        std::vector<uint16_t> want;
        for (int i = 0; i < kW * kH; ++i) want.push_back(Expected(kRgb[i % (1 << bpp)]));
        EXPECT_EQ(Decode(bmpgen::Build(Palettised(bpp, header, topDown))), want)
            << bpp << " bits, header " << header << (topDown ? " top-down" : "");
      }
}

TEST(BmpDecode, TrueColourDepthsTruncateToFiveSixFive) {
  for (int bpp : {24, 32})
    for (int header : {12, 40, 124})
      for (bool topDown : {false, true}) {
        if (header == 12 && (topDown || bpp == 32)) continue;
        bmpgen::BmpLayout s;
        s.headerSize = header;
        s.width = kW;
        s.height = topDown ? -kH : kH;
        s.bpp = bpp;
        s.data = bmpgen::PackRows(kW, kH, bpp, {kRgb, kRgb + kW * kH}, topDown);
        EXPECT_EQ(Decode(bmpgen::Build(s)), ExpectedPicture()) << bpp << " " << header;
      }
}

TEST(BmpDecode, SixteenBitsDefaultToFiveFiveFiveAndHonourBitFields) {
  bmpgen::BmpLayout s;
  s.width = 4;
  s.height = 1;
  s.bpp = 16;
  // 5-5-5: white, red, green 16 of 31, blue 1 of 31.
  s.data = bmpgen::PackRows(4, 1, 16, {0x7FFF, 0x7C00, 16 << 5, 1}, false);
  // Five-bit green 16 widens to 132 of 255 and truncates to six-bit 33.
  EXPECT_EQ(Decode(bmpgen::Build(s)), (std::vector<uint16_t>{0xFFFF, 0xF800, 33 << 5, 1}));

  const std::vector<uint32_t> raw = {0xFFFF, 0xF800, 0x07E0, 0x1234};
  s.compression = 3;
  s.masks[0] = 0xF800;
  s.masks[1] = 0x07E0;
  s.masks[2] = 0x001F;
  s.data = bmpgen::PackRows(4, 1, 16, raw, false);
  for (int header : {40, 108, 124}) {
    s.headerSize = header;
    EXPECT_EQ(Decode(bmpgen::Build(s)), (std::vector<uint16_t>{0xFFFF, 0xF800, 0x07E0, 0x1234}))
        << header;
  }
}

TEST(BmpDecode, ThirtyTwoBitFieldsInAnyOrder) {
  bmpgen::BmpLayout s;
  s.width = 2;
  s.height = 1;
  s.bpp = 32;
  s.compression = 3;
  s.masks[0] = 0x000000FF;  // red in the low byte
  s.masks[1] = 0x0000FF00;
  s.masks[2] = 0x00FF0000;
  s.data = bmpgen::PackRows(2, 1, 32, {0x000000FF, 0x00FF8000}, false);
  EXPECT_EQ(Decode(bmpgen::Build(s)), (std::vector<uint16_t>{0xF800, Rgb565(0, 0x80, 0xFF)}));
}

TEST(BmpDecode, ShortPaletteLeavesMissingEntriesBlack) {
  bmpgen::BmpLayout s;
  s.width = 4;
  s.height = 1;
  s.bpp = 8;
  s.palette = {0xFFFFFF, 0xFF0000};
  s.colorsUsed = 2;
  s.data = bmpgen::PackRows(4, 1, 8, {0, 1, 2, 255}, false);
  EXPECT_EQ(Decode(bmpgen::Build(s)), (std::vector<uint16_t>{0xFFFF, 0xF800, 0, 0}));
  // A palette that claims 256 entries but is cut short by the pixel offset.
  s.colorsUsed = 0;
  EXPECT_EQ(Decode(bmpgen::Build(s)), (std::vector<uint16_t>{0xFFFF, 0xF800, 0, 0}));
}

TEST(BmpDecode, RunLengthEightAllCodes) {
  bmpgen::BmpLayout s;
  s.width = 6;
  s.height = 3;
  s.bpp = 8;
  s.compression = 1;
  s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  s.data = {3, 1,           // bottom row: three of colour 1
            0, 3, 2, 3, 2,  // then three given one by one (odd: one byte of padding)
            0,              // the padding
            0, 0,           // end of line
            0, 2, 2, 1,     // move two right and one up: to the top row, column 2
            9, 3,           // a run longer than the row is cut at the edge
            0, 1,           // end of picture
            5, 1};          // never read
  const uint16_t R = 0xF800, G = 0x07E0, B = 0x001F;
  EXPECT_EQ(Decode(bmpgen::Build(s)), (std::vector<uint16_t>{0, 0, B, B, B, B,  //
                                                             0, 0, 0, 0, 0, 0,  //
                                                             R, R, R, G, B, G}));
}

TEST(BmpDecode, RunLengthFourAlternatesNibbles) {
  bmpgen::BmpLayout s;
  s.width = 5;
  s.height = 1;
  s.bpp = 4;
  s.compression = 2;
  s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  s.data = {3, 0x12,              // 1 2 1
            0, 3,    0x32, 0x10,  // absolute 3 2 1 (two bytes, already even)
            0, 1};
  const uint16_t R = 0xF800, G = 0x07E0, B = 0x001F;
  EXPECT_EQ(Decode(bmpgen::Build(s)), (std::vector<uint16_t>{R, G, R, B, G}));
  // Truncated codes keep what was decoded.
  s.data = {2, 0x33, 0, 5, 0x11};
  EXPECT_EQ(Decode(bmpgen::Build(s)), (std::vector<uint16_t>{B, B, 0, 0, 0}));
}

TEST(BmpDecode, HostileFilesAreRefused) {
  bmpgen::BmpLayout good;
  good.width = 2;
  good.height = 2;
  good.bpp = 24;
  good.data = bmpgen::PackRows(2, 2, 24, {1, 2, 3, 4}, false);
  const std::vector<uint8_t> file = bmpgen::Build(good);
  ASSERT_FALSE(Refused(file));

  auto with = [&](size_t at, uint32_t v, int bytes) {
    std::vector<uint8_t> f = file;
    for (int i = 0; i < bytes; ++i) f[at + i] = static_cast<uint8_t>(v >> (8 * i));
    return f;
  };
  EXPECT_TRUE(Refused({}));
  EXPECT_TRUE(Refused({file.begin(), file.begin() + 20}));  // cut inside the header
  EXPECT_TRUE(Refused({file.begin(), file.end() - 4}));     // rows cut short
  EXPECT_TRUE(Refused(with(0, 'X', 1)));                    // signature
  EXPECT_TRUE(Refused(with(10, 0xFFFFFFF0u, 4)));           // pixels past the end
  EXPECT_TRUE(Refused(with(10, 20, 4)));                    // pixels inside the header
  EXPECT_TRUE(Refused(with(14, 0x7FFFFFFF, 4)));            // header past the end
  EXPECT_TRUE(Refused(with(14, 39, 4)));                    // unknown header size
  EXPECT_TRUE(Refused(with(18, 0, 4)));                     // width 0
  EXPECT_TRUE(Refused(with(18, 0xFFFFFFFE, 4)));            // negative width
  EXPECT_TRUE(Refused(with(22, 0, 4)));                     // height 0
  EXPECT_TRUE(Refused(with(22, 0x80000000u, 4)));           // most negative height
  EXPECT_TRUE(Refused(with(18, 100000, 4)));                // wider than any screen
  EXPECT_TRUE(Refused(with(28, 7, 2)));                     // 7 bits
  EXPECT_TRUE(Refused(with(30, 1, 4)));                     // RLE8 at 24 bits
  EXPECT_TRUE(Refused(with(30, 4, 4)));                     // JPEG inside
  // 16384 x 16384 with a few bytes of RLE codes: too many pixels to hold.
  bmpgen::BmpLayout rle;
  rle.width = rle.height = 16384;
  rle.bpp = 8;
  rle.compression = 1;
  rle.data = {0, 1};
  EXPECT_TRUE(Refused(bmpgen::Build(rle)));
  rle.height = -2;  // run-length codes only go bottom-up
  EXPECT_TRUE(Refused(bmpgen::Build(rle)));
  // Bit fields whose masks lie past the end of the file.
  bmpgen::BmpLayout fields;
  fields.bpp = 16;
  fields.compression = 3;
  std::vector<uint8_t> cut = bmpgen::Build(fields);
  cut.resize(14 + 40 + 6);
  EXPECT_TRUE(Refused(cut));
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

namespace {

// The seed corpus of the BMP fuzz target: one small file for each kind of
// picture the reader takes. Set VORENDALITE_REWRITE_CORPUS=1 to write them.
std::vector<std::pair<std::string, std::vector<uint8_t>>> SeedFiles() {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> seeds;
  seeds.push_back({"pal1-info.bmp", bmpgen::Build(Palettised(1, 40, false))});
  seeds.push_back({"pal4-core.bmp", bmpgen::Build(Palettised(4, 12, false))});
  seeds.push_back({"pal8-v5-top-down.bmp", bmpgen::Build(Palettised(8, 124, true))});
  bmpgen::BmpLayout s;
  s.width = kW;
  s.height = kH;
  for (int bpp : {16, 24, 32}) {
    std::vector<uint32_t> v;
    for (uint32_t c : kRgb)
      v.push_back(bpp == 16 ? (c >> 9 & 0x7C00) | (c >> 6 & 0x3E0) | (c >> 3 & 31) : c);
    s.bpp = bpp;
    s.data = bmpgen::PackRows(kW, kH, bpp, v, false);
    seeds.push_back({"rgb" + std::to_string(bpp) + ".bmp", bmpgen::Build(s)});
  }
  s.headerSize = 108;
  s.compression = 3;
  s.bpp = 16;
  s.masks[0] = 0xF800;
  s.masks[1] = 0x07E0;
  s.masks[2] = 0x001F;
  s.data = bmpgen::PackRows(kW, kH, 16, {kRgb, kRgb + kW * kH}, false);
  seeds.push_back({"fields16-v4.bmp", bmpgen::Build(s)});
  s.headerSize = 40;
  s.bpp = 32;
  s.masks[0] = 0xFF;
  s.masks[1] = 0xFF00;
  s.masks[2] = 0xFF0000;
  s.data = bmpgen::PackRows(kW, kH, 32, {kRgb, kRgb + kW * kH}, false);
  seeds.push_back({"fields32-info.bmp", bmpgen::Build(s)});
  bmpgen::BmpLayout rle;
  rle.width = 6;
  rle.height = 3;
  rle.bpp = 8;
  rle.compression = 1;
  rle.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  rle.data = {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 2, 1, 9, 3, 0, 1};
  seeds.push_back({"rle8.bmp", bmpgen::Build(rle)});
  rle.bpp = 4;
  rle.compression = 2;
  rle.data = {3, 0x12, 0, 3, 0x32, 0x10, 0, 0, 4, 0x31, 0, 1};
  seeds.push_back({"rle4.bmp", bmpgen::Build(rle)});
  return seeds;
}

TEST(BmpCorpus, SeedFilesAreCurrentAndReadable) {
  const std::string dir = std::string(VORENDALITE_SOURCE_DIR) + "/fuzz/corpus/bmp/";
  const bool rewrite = std::getenv("VORENDALITE_REWRITE_CORPUS") != nullptr;
  for (const auto& [name, bytes] : SeedFiles()) {
    koDraw::BmpPicture p;
    EXPECT_TRUE(koDraw::DecodeBmp(bytes.data(), bytes.size(), p)) << name;
    if (rewrite)
      std::ofstream(dir + name, std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()),
                 static_cast<std::streamsize>(bytes.size()));
    std::ifstream in(dir + name, std::ios::binary);
    const std::vector<uint8_t> stored{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
    EXPECT_EQ(stored, bytes) << name << " differs from its generator; rewrite the corpus";
  }
}

}  // namespace
