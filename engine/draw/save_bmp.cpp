// The back surface to a 24-bit BMP file (a screenshot).
#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"

namespace koDraw {
namespace {

void Put(std::vector<uint8_t>& b, size_t at, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

int SaveSurfaceBmp(const char* name, int width, int height) {
  const Surface* back = gBackSurface.get();
  if (!back) return 0;
  if (!name || koSystem::GetScreenDepth() != 16) return 1;
  // Never more than the surface holds.
  const int w = std::clamp(width, 0, back->width), h = std::clamp(height, 0, back->height);
  const size_t stride = (static_cast<size_t>(w) * 3 + 3) / 4 * 4;
  const size_t image = stride * h;
  std::vector<uint8_t> file(58 + image, 0);
  file[0] = 'B';
  file[1] = 'M';
  Put(file, 2, static_cast<uint32_t>(58 + image), 4);
  Put(file, 10, 58, 4);
  Put(file, 14, 40, 4);
  Put(file, 18, static_cast<uint32_t>(w), 4);
  Put(file, 22, static_cast<uint32_t>(h), 4);
  Put(file, 26, 1, 2);
  Put(file, 28, 24, 2);
  Put(file, 34, static_cast<uint32_t>(image), 4);
  Put(file, 38, 2834, 4);
  Put(file, 42, 2834, 4);
  // Bottom row first; each channel's five-bit value times 8, blue first.
  for (int y = 0; y < h; ++y) {
    const uint16_t* src = back->Row(h - 1 - y);
    uint8_t* row = file.data() + 58 + stride * y;
    for (int x = 0; x < w; ++x) {
      const uint8_t* rgb = gRgbSplitTable[src[x]];
      row[3 * x] = static_cast<uint8_t>(rgb[2] * 8);
      row[3 * x + 1] = static_cast<uint8_t>(rgb[1] * 8);
      row[3 * x + 2] = static_cast<uint8_t>(rgb[0] * 8);
    }
  }
  FILE* f = std::fopen((koSystem::GetProgramDir(0) + name).c_str(), "wb");
  if (!f) return 1;
  std::fwrite(file.data(), 1, file.size(), f);
  std::fclose(f);
  return 1;
}

}  // namespace koDraw
