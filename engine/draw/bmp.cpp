// BMP decoding into 5-6-5 pixels. Colours are truncated to 5-6-5 exactly as
// COLORREF values are; channels of other widths (5-5-5, bit fields) are first
// widened to 8 bits.
#include "engine/draw/bmp.h"

#include <algorithm>
#include <array>

#include "engine/draw/ko_draw.h"

namespace koDraw {
namespace {

enum Compression : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

uint32_t U16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t U32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// One channel of a bit-field pixel, widened to 8 bits.
struct FieldChannel {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t max = 0;

  explicit FieldChannel(uint32_t m) : mask(m) {
    if (m == 0) return;
    while (!((m >> shift) & 1)) ++shift;
    max = m >> shift;
  }
  uint32_t Get(uint32_t pixel) const {
    if (max == 0) return 0;
    const uint64_t v = (pixel & mask) >> shift;
    return static_cast<uint32_t>((v * 255 + max / 2) / max);
  }
};

struct Fields {
  FieldChannel r, g, b;
  uint16_t Convert(uint32_t p) const { return Rgb565(r.Get(p), g.Get(p), b.Get(p)); }
};

struct Header {
  int64_t width = 0, height = 0;
  bool topDown = false;
  uint32_t bpp = 0, compression = kRgb, sizeImage = 0, colorsUsed = 0;
  uint32_t masks[3] = {0, 0, 0};
  bool haveMasks = false;
  size_t paletteStart = 0, paletteEntry = 4;
};

bool ReadHeader(const uint8_t* d, size_t n, Header& h) {
  if (n < 14 + 12 || d[0] != 'B' || d[1] != 'M') return false;
  const uint32_t headerSize = U32(d + 14);
  if (headerSize == 12) {  // core header: 16-bit sizes, 3-byte palette entries
    h.width = U16(d + 18);
    h.height = U16(d + 20);
    h.bpp = U16(d + 24);
    h.paletteEntry = 3;
  } else {
    if (headerSize < 40 || headerSize > n - 14) return false;
    h.width = static_cast<int32_t>(U32(d + 18));
    h.height = static_cast<int32_t>(U32(d + 22));
    h.bpp = U16(d + 28);
    h.compression = U32(d + 30);
    h.sizeImage = U32(d + 34);
    h.colorsUsed = U32(d + 46);
    if (headerSize >= 52) {  // V2 and later carry the masks inside the header
      for (int c = 0; c < 3; ++c) h.masks[c] = U32(d + 54 + 4 * c);
      h.haveMasks = true;
    }
  }
  h.paletteStart = 14 + headerSize;
  if (h.height < 0) {
    h.topDown = true;
    h.height = -h.height;
  }
  return true;
}

bool Valid(const Header& h) {
  if (h.width <= 0 || h.height <= 0 || h.width > kBmpMaxSide || h.height > kBmpMaxSide)
    return false;
  if (h.width * h.height > kBmpMaxPixels) return false;
  switch (h.compression) {
    case kRgb:
      return h.bpp == 1 || h.bpp == 4 || h.bpp == 8 || h.bpp == 16 || h.bpp == 24 || h.bpp == 32;
    case kRle8:
      return h.bpp == 8 && !h.topDown;
    case kRle4:
      return h.bpp == 4 && !h.topDown;
    case kBitFields:
    case kAlphaBitFields:
      return h.bpp == 16 || h.bpp == 32;
    default:
      return false;
  }
}

// Walks the run-length codes of an RLE8 or RLE4 picture. Pixels the codes
// skip stay black; codes that reach past the picture are cut off.
void DecodeRle(const uint8_t* d, size_t start, size_t end, bool four,
               const std::array<uint16_t, 256>& palette, BmpPicture& out) {
  const int64_t w = out.width, h = out.height;
  int64_t x = 0, line = 0;  // line 0 is the bottom row
  auto put = [&](int64_t px, uint32_t index) {
    if (px < w) out.pixels[static_cast<size_t>((h - 1 - line) * w + px)] = palette[index];
  };
  size_t p = start;
  while (p + 2 <= end && line < h) {
    const uint32_t a = d[p], b = d[p + 1];
    p += 2;
    if (a != 0) {  // a pixels of b (RLE4: its two nibbles in turn)
      for (uint32_t k = 0; k < a && x + k < w; ++k)
        put(x + k, four ? ((k & 1) ? (b & 15) : (b >> 4)) : b);
      x += a;
    } else if (b == 0) {  // end of line
      x = 0;
      ++line;
    } else if (b == 1) {  // end of picture
      break;
    } else if (b == 2) {  // move right and up
      if (p + 2 > end) break;
      x += d[p];
      line += d[p + 1];
      p += 2;
    } else {  // b pixels given one by one, padded to a 16-bit boundary
      const size_t bytes = four ? (b + 1) / 2 : b;
      if (p + bytes > end) break;
      for (uint32_t k = 0; k < b && x + k < w; ++k) {
        const uint32_t v = four ? d[p + k / 2] : d[p + k];
        put(x + k, four ? ((k & 1) ? (v & 15) : (v >> 4)) : v);
      }
      x += b;
      p += bytes + (bytes & 1);
    }
  }
}

void DecodeRows(const uint8_t* d, size_t offset, size_t stride, const Header& h,
                const std::array<uint16_t, 256>& palette, const Fields& fields, BmpPicture& out) {
  const int w = out.width;
  const bool plain565 =
      h.bpp == 16 && fields.r.mask == 0xF800 && fields.g.mask == 0x07E0 && fields.b.mask == 0x001F;
  const bool plain888 =
      h.bpp == 32 && fields.r.mask == 0xFF0000 && fields.g.mask == 0xFF00 && fields.b.mask == 0xFF;
  for (int y = 0; y < out.height; ++y) {
    const int64_t fileRow = h.topDown ? y : out.height - 1 - y;
    const uint8_t* s = d + offset + static_cast<size_t>(fileRow) * stride;
    uint16_t* o = out.pixels.data() + static_cast<size_t>(y) * w;
    switch (h.bpp) {
      case 1:
        for (int x = 0; x < w; ++x) o[x] = palette[(s[x >> 3] >> (7 - (x & 7))) & 1];
        break;
      case 4:
        for (int x = 0; x < w; ++x) o[x] = palette[(s[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
        break;
      case 8:
        for (int x = 0; x < w; ++x) o[x] = palette[s[x]];
        break;
      case 16:
        if (plain565)
          for (int x = 0; x < w; ++x) o[x] = static_cast<uint16_t>(U16(s + 2 * x));
        else
          for (int x = 0; x < w; ++x) o[x] = fields.Convert(U16(s + 2 * x));
        break;
      case 24:
        for (int x = 0; x < w; ++x) o[x] = Rgb565(s[3 * x + 2], s[3 * x + 1], s[3 * x]);
        break;
      default:  // 32
        if (plain888)
          for (int x = 0; x < w; ++x) o[x] = Rgb565(s[4 * x + 2], s[4 * x + 1], s[4 * x]);
        else
          for (int x = 0; x < w; ++x) o[x] = fields.Convert(U32(s + 4 * x));
        break;
    }
  }
}

}  // namespace

bool DecodeBmp(const uint8_t* d, size_t n, BmpPicture& out) {
  Header h;
  if (!d || !ReadHeader(d, n, h) || !Valid(h)) return false;

  size_t pos = h.paletteStart;
  if (!h.haveMasks && (h.compression == kBitFields || h.compression == kAlphaBitFields)) {
    const size_t bytes = h.compression == kBitFields ? 12 : 16;
    if (pos + bytes > n) return false;
    for (int c = 0; c < 3; ++c) h.masks[c] = U32(d + pos + 4 * c);
    pos += bytes;
  }
  const uint32_t offset = U32(d + 10);
  if (offset < pos || offset > n) return false;

  Fields fields{FieldChannel(0x7C00), FieldChannel(0x03E0), FieldChannel(0x001F)};
  if (h.bpp == 32) fields = {FieldChannel(0xFF0000), FieldChannel(0xFF00), FieldChannel(0xFF)};
  if (h.compression == kBitFields || h.compression == kAlphaBitFields)
    fields = {FieldChannel(h.masks[0]), FieldChannel(h.masks[1]), FieldChannel(h.masks[2])};

  // Palette: as many entries as the header asks for and the bytes before the
  // pixels hold; indexes beyond it are black.
  std::array<uint16_t, 256> palette{};
  if (h.bpp <= 8) {
    size_t count = size_t{1} << h.bpp;
    if (h.colorsUsed != 0 && h.colorsUsed < count) count = h.colorsUsed;
    count = std::min(count, (offset - pos) / h.paletteEntry);
    for (size_t i = 0; i < count; ++i) {
      const uint8_t* e = d + pos + i * h.paletteEntry;
      palette[i] = Rgb565(e[2], e[1], e[0]);
    }
  }

  out.width = static_cast<int>(h.width);
  out.height = static_cast<int>(h.height);
  if (h.compression == kRle8 || h.compression == kRle4) {
    size_t end = n;
    if (h.sizeImage != 0 && h.sizeImage < n - offset) end = offset + h.sizeImage;
    out.pixels.assign(static_cast<size_t>(h.width * h.height), 0);
    DecodeRle(d, offset, end, h.compression == kRle4, palette, out);
    return true;
  }
  // Every row must lie in the file; the last row may lack its padding.
  const uint64_t rowBits = static_cast<uint64_t>(h.width) * h.bpp;
  const uint64_t stride = (rowBits + 31) / 32 * 4;
  const uint64_t need = stride * static_cast<uint64_t>(h.height - 1) + (rowBits + 7) / 8;
  if (need > n - offset) return false;
  out.pixels.resize(static_cast<size_t>(h.width * h.height));
  DecodeRows(d, offset, static_cast<size_t>(stride), h, palette, fields, out);
  return true;
}

}  // namespace koDraw
