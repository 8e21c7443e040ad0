#include "tools/assetgen/bmp_writer.h"

namespace assetgen {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const RgbImage& image) {
  const uint32_t stride = (image.width * 3 + 3) & ~3u;
  const uint32_t pixel_bytes = stride * image.height;
  const uint32_t offset = 14 + 40;
  std::vector<uint8_t> out;
  out.reserve(offset + pixel_bytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + pixel_bytes);
  Put32(out, 0);  // reserved
  Put32(out, offset);
  Put32(out, 40);  // BITMAPINFOHEADER
  Put32(out, image.width);
  Put32(out, image.height);  // positive: bottom-up rows
  Put16(out, 1);             // planes
  Put16(out, 24);            // bits per pixel
  Put32(out, 0);             // BI_RGB
  Put32(out, pixel_bytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, 0);  // palette colours
  Put32(out, 0);  // important colours
  for (int y = image.height - 1; y >= 0; --y) {
    const uint8_t* row = &image.rgb[static_cast<size_t>(y) * image.width * 3];
    for (int x = 0; x < image.width; ++x) {
      out.push_back(row[x * 3 + 2]);
      out.push_back(row[x * 3 + 1]);
      out.push_back(row[x * 3]);
    }
    for (uint32_t pad = image.width * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace assetgen
