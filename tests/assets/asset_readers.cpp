#include "tests/assets/asset_readers.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace assettest {
namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

// A result carrying only an error message.
template <typename T>
T Fail(std::string message) {
  T out;
  out.error = std::move(message);
  return out;
}

}  // namespace

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Only what the generator writes: a bottom-up 24-bit BI_RGB picture with a 40-byte header.
Bmp DecodeBmp(const std::vector<uint8_t>& b) {
  Bmp out;
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M' || Le(b, 14, 4) != 40 || Le(b, 28, 2) != 24 ||
      Le(b, 30, 4) != 0)
    return Fail<Bmp>("not a 24-bit BI_RGB BMP");
  out.width = static_cast<int32_t>(Le(b, 18, 4));
  out.height = static_cast<int32_t>(Le(b, 22, 4));
  const size_t offset = Le(b, 10, 4), stride = (out.width * 3 + 3) & ~3u;
  if (out.width <= 0 || out.height <= 0 || Le(b, 2, 4) != b.size() ||
      offset + stride * out.height != b.size())
    return Fail<Bmp>("sizes in the header do not match the file");
  for (int y = 0; y < out.height; ++y) {
    const size_t row = offset + stride * (out.height - 1 - y);
    for (int x = 0; x < out.width; ++x)
      out.pixels.push_back({b[row + 3 * x + 2], b[row + 3 * x + 1], b[row + 3 * x]});
  }
  return out;
}

}  // namespace assettest
