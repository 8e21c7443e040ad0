// Our reader of BMP files: core, info, V4 and V5 headers; 1, 4, 8, 16, 24 and
// 32 bits; bottom-up and top-down rows; short palettes; RLE4 and RLE8.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace koDraw {

// Largest picture the reader accepts, so that a small hostile file cannot
// ask for a huge surface.
constexpr int kBmpMaxSide = 16384;
constexpr int64_t kBmpMaxPixels = int64_t{1} << 24;

struct BmpPicture {
  int width = 0, height = 0;
  std::vector<uint16_t> pixels;  // 5-6-5, top row first, width pixels a row
};

// Decodes a whole BMP file. False for anything that is not a readable BMP:
// every size and offset is checked against `size` before it is used.
bool DecodeBmp(const uint8_t* data, size_t size, BmpPicture& out);

}  // namespace koDraw
