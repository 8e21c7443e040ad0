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
bool Tag(const std::vector<uint8_t>& b, size_t at, const char* id) {
  return at + 4 <= b.size() && std::equal(id, id + 4, b.begin() + at);
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

// Only what the generator writes: one fmt chunk, then the data chunk, sizes exact.
Wav ReadWav(const std::vector<uint8_t>& b) {
  Wav out;
  if (!Tag(b, 0, "RIFF") || !Tag(b, 8, "WAVE") || Le(b, 4, 4) + 8 != b.size() ||
      !Tag(b, 12, "fmt ") || Le(b, 16, 4) != 16 || !Tag(b, 36, "data") ||
      44 + Le(b, 40, 4) != b.size())
    return Fail<Wav>("not a canonical RIFF/WAVE file");
  out.format = Le(b, 20, 2);
  out.channels = Le(b, 22, 2);
  out.sample_rate = Le(b, 24, 4);
  out.bits = Le(b, 34, 2);
  for (size_t i = 44; i + 1 < b.size(); i += 2)
    out.samples.push_back(static_cast<int16_t>(Le(b, i, 2)));
  return out;
}

}  // namespace assettest
