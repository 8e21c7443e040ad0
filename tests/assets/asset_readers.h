// The tests' reader of the generated pictures: a 24-bit BMP decoder that keeps the colours
// before the game's 5-6-5 conversion.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace assettest {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

struct Rgb {
  uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

struct Bmp {
  std::string error;  // empty when the file decoded
  int width = 0, height = 0;
  std::vector<Rgb> pixels;  // rows top-down
  const Rgb& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Bmp DecodeBmp(const std::vector<uint8_t>& bytes);

// True when the pixel is the key after the game's 5-6-5 conversion.
inline bool IsKeyIn565(const Rgb& p) {
  return (p.r >> 3) == 0 && (p.g >> 2) == 0 && (p.b >> 3) == 0;
}
inline bool IsBlack(const Rgb& p) { return p.r == 0 && p.g == 0 && p.b == 0; }

}  // namespace assettest
