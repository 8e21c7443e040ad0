// Painting text into a surface: the glyph masks in one colour, an opaque
// background behind the character cells, and the underline. Turned fonts
// lay their cells along the escapement, so the background and the underline
// are filled as four-sided shapes.
#include <algorithm>
#include <cmath>

#include "engine/draw/draw_internal.h"
#include "engine/draw/text_internal.h"
#include "engine/draw/utf8.h"

namespace koDraw::text {
namespace {

struct Vec {
  double x, y;
};

// Fills the parallelogram with corner o and sides a and b: each pixel whose
// centre lies inside, within the clip.
void FillParallelogram(const Paint& p, Vec o, Vec a, Vec b, uint16_t colour) {
  const Vec c[4] = {
      o, {o.x + a.x, o.y + a.y}, {o.x + a.x + b.x, o.y + a.y + b.y}, {o.x + b.x, o.y + b.y}};
  double top = c[0].y, bottom = c[0].y;
  for (const Vec& v : c) top = std::min(top, v.y), bottom = std::max(bottom, v.y);
  const double clipTop = p.clip.top, clipBottom = p.clip.bottom;
  const double clipLeft = p.clip.left, clipRight = p.clip.right;
  const int y0 = static_cast<int>(std::clamp(std::floor(top), clipTop, clipBottom));
  const int y1 = static_cast<int>(std::clamp(std::ceil(bottom), clipTop, clipBottom));
  for (int y = y0; y < y1; ++y) {
    const double cy = y + 0.5;
    double lo = INFINITY, hi = -INFINITY;
    for (int k = 0; k < 4; ++k) {
      const Vec& e0 = c[k];
      const Vec& e1 = c[(k + 1) % 4];
      if ((e0.y <= cy) == (e1.y <= cy)) continue;
      const double x = e0.x + (cy - e0.y) * (e1.x - e0.x) / (e1.y - e0.y);
      lo = std::min(lo, x), hi = std::max(hi, x);
    }
    if (lo >= hi) continue;
    const double left = std::clamp(std::ceil(lo - 0.5), clipLeft, clipRight);
    const double right = std::clamp(std::ceil(hi - 0.5), clipLeft, clipRight);
    if (left < right)
      detail::FillRow(p.surface->Row(y) + static_cast<int>(left), static_cast<int>(right - left),
                      colour);
  }
}

// Sets the glyph's inked pixels with the mask's top-left corner at (x, y).
void Stamp(const Paint& p, const plat::GlyphImage& g, int64_t x, int64_t y) {
  const int64_t j0 = std::max<int64_t>(0, p.clip.top - y);
  const int64_t j1 = std::min<int64_t>(g.height, p.clip.bottom - y);
  const int64_t i0 = std::max<int64_t>(0, p.clip.left - x);
  const int64_t i1 = std::min<int64_t>(g.width, p.clip.right - x);
  for (int64_t j = j0; j < j1; ++j) {
    const uint8_t* m = g.mask + j * g.width;
    uint16_t* d = p.surface->Row(static_cast<int>(y + j));
    for (int64_t i = i0; i < i1; ++i)
      if (m[i]) d[x + i] = p.colour;
  }
}

}  // namespace

int64_t PaintText(const Paint& p, const OpenedFont& font, int64_t x, int64_t y, const char* text,
                  size_t length) {
  if (!p.surface || font.id == 0) return 0;
  const double c = font.cosine, s = font.sine;
  const Vec along{c, -s}, down{s, c};  // the baseline's direction and the cell's downward side
  const double cell = font.CellHeight();
  if (p.opaque) {
    const double w = static_cast<double>(TextWidth(font, text, length));
    FillParallelogram(p, {static_cast<double>(x), static_cast<double>(y)},
                      {w * along.x, w * along.y}, {cell * down.x, cell * down.y}, p.background);
  }
  const Vec origin{x + font.metrics.ascent * down.x, y + font.metrics.ascent * down.y};
  int64_t advance = 0;
  for (size_t i = 0; i < length;) {
    const utf8::Char ch = utf8::Decode(text + i, length - i);
    i += static_cast<size_t>(ch.length);
    const plat::GlyphImage* g = plat::GetGlyph(font.id, ch.code);
    if (!g) continue;
    const Vec pen{origin.x + advance * along.x, origin.y + advance * along.y};
    Stamp(p, *g, std::llround(pen.x) + g->left, std::llround(pen.y) - g->top);
    if (font.underline) {
      const double off = font.metrics.underlineOffset, thick = font.metrics.underlineThickness;
      FillParallelogram(p, {pen.x + off * down.x, pen.y + off * down.y},
                        {g->advance * along.x, g->advance * along.y},
                        {thick * down.x, thick * down.y}, p.colour);
    }
    advance += g->advance;
  }
  return advance;
}

}  // namespace koDraw::text
