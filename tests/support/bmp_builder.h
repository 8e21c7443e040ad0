// Builds BMP files byte by byte for the tests and the fuzz seed corpus.
#pragma once
#include <cstdint>
#include <vector>

namespace bmpgen {

struct BmpLayout {
  int headerSize = 40;  // 12 (core), 40 (info), 108 (V4), 124 (V5)
  int width = 1;
  int height = 1;  // negative: rows stored top first
  int bpp = 24;
  uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> palette;  // 0x00RRGGBB
  uint32_t masks[3] = {0, 0, 0};  // bit fields: after an info header, inside a V4/V5 one
  std::vector<uint8_t> data;      // pixel rows as stored, or the RLE codes
};

inline void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
inline void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

inline std::vector<uint8_t> Build(const BmpLayout& s) {
  const bool core = s.headerSize == 12;
  const bool fieldsAfter = s.headerSize == 40 && s.compression == 3;
  const size_t entry = core ? 3 : 4;
  const size_t paletteAt = 14 + s.headerSize + (fieldsAfter ? 12 : 0);
  const size_t dataAt = paletteAt + entry * s.palette.size();
  std::vector<uint8_t> b(dataAt + s.data.size(), 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, 10, static_cast<uint32_t>(dataAt));
  Put32(b, 14, static_cast<uint32_t>(s.headerSize));
  if (core) {
    Put16(b, 18, static_cast<uint32_t>(s.width));
    Put16(b, 20, static_cast<uint32_t>(s.height));
    Put16(b, 22, 1);
    Put16(b, 24, static_cast<uint32_t>(s.bpp));
  } else {
    Put32(b, 18, static_cast<uint32_t>(s.width));
    Put32(b, 22, static_cast<uint32_t>(s.height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<uint32_t>(s.bpp));
    Put32(b, 30, s.compression);
    Put32(b, 34, static_cast<uint32_t>(s.data.size()));
    Put32(b, 38, 2834);
    Put32(b, 42, 2834);
    Put32(b, 46, s.colorsUsed);
    const size_t masksAt = fieldsAfter ? 54 : (s.headerSize >= 52 ? 54 : 0);
    if (masksAt)
      for (int c = 0; c < 3; ++c) Put32(b, masksAt + 4 * c, s.masks[c]);
  }
  for (size_t i = 0; i < s.palette.size(); ++i) {
    const uint32_t c = s.palette[i];
    b[paletteAt + i * entry] = static_cast<uint8_t>(c);            // blue
    b[paletteAt + i * entry + 1] = static_cast<uint8_t>(c >> 8);   // green
    b[paletteAt + i * entry + 2] = static_cast<uint8_t>(c >> 16);  // red
  }
  for (size_t i = 0; i < s.data.size(); ++i) b[dataAt + i] = s.data[i];
  return b;
}

// Packs pixel values (top row first) into stored rows of `bpp` bits, padded
// to four bytes, bottom row first unless topDown.
inline std::vector<uint8_t> PackRows(int width, int height, int bpp,
                                     const std::vector<uint32_t>& values, bool topDown) {
  const size_t stride = (static_cast<size_t>(width) * bpp + 31) / 32 * 4;
  std::vector<uint8_t> out(stride * height, 0);
  for (int y = 0; y < height; ++y) {
    uint8_t* row = out.data() + stride * (topDown ? y : height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const uint32_t v = values[static_cast<size_t>(y) * width + x];
      if (bpp < 8) {
        const int bit = x * bpp;
        row[bit / 8] |= static_cast<uint8_t>(v << (8 - bpp - bit % 8));
      } else {
        for (int k = 0; k < bpp / 8; ++k)
          row[x * (bpp / 8) + k] = static_cast<uint8_t>(v >> (8 * k));
      }
    }
  }
  return out;
}

}  // namespace bmpgen
