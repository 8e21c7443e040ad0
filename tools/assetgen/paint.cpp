#include "tools/assetgen/paint.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/noise.h"

namespace assetgen {
namespace {

// Direction towards the light, normalised (up and a little to the left).
constexpr Vec2 kLight{-0.5f, -0.866f};

// Visits the pixels of a box (in shape space) clipped to the canvas; f gets the pixel and the
// shape-space point at its centre.
template <typename F>
void ForPixels(const Canvas& canvas, Box2 box, F f) {
  const float k = canvas.view_scale(), ox = canvas.view_x(), oy = canvas.view_y();
  const int x0 = std::max(0, static_cast<int>(std::floor(box.x0 * k + ox)) - 1);
  const int y0 = std::max(0, static_cast<int>(std::floor(box.y0 * k + oy)) - 1);
  const int x1 = std::min(canvas.width() - 1, static_cast<int>(std::ceil(box.x1 * k + ox)) + 1);
  const int y1 = std::min(canvas.height() - 1, static_cast<int>(std::ceil(box.y1 * k + oy)) + 1);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) f(x, y, Vec2{(x + 0.5f - ox) / k, (y + 0.5f - oy) / k});
}

Box2 Grow(Box2 b, float r) { return {b.x0 - r, b.y0 - r, b.x1 + r, b.y1 + r}; }

}  // namespace

Material Metal(Color base, float bevel, float shine) {
  return {base, base * 0.42f, bevel, shine, 0};
}

void PaintSolid(Canvas& canvas, const Shape& shape, const Material& m) {
  const float top = shape.bounds.y0, height = std::max(1.f, shape.bounds.y1 - shape.bounds.y0);
  const float k = canvas.view_scale();
  ForPixels(canvas, shape.bounds, [&](int x, int y, Vec2 p) {
    const float d = shape(p) * k;  // in pixels
    if (d >= 0.5f) return;
    const float coverage = std::clamp(0.5f - d, 0.f, 1.f);
    Color c = m.rim;
    const float rim = std::max(1.f, 0.8f * k);
    if (d < -rim) {
      const float h = 0.75f / k;
      float gx = shape({p.x + h, p.y}) - shape({p.x - h, p.y});
      float gy = shape({p.x, p.y + h}) - shape({p.x, p.y - h});
      const float len = std::hypot(gx, gy);
      if (len > 1e-4f) gx /= len, gy /= len;
      const float edge = 1 - std::clamp((-d - rim) / (m.bevel * k), 0.f, 1.f);
      const float facing = gx * kLight.x + gy * kLight.y;
      const float vertical = 0.12f - 0.24f * (p.y - top) / height;
      float light = 1 + 0.55f * edge * facing + vertical;
      if (m.grain > 0) light += m.grain * (Fbm(p.x / 9, p.y / 9, 0, 7u, 3) - 0.5f);
      c = m.base * light;
      const float highlight = std::pow(std::max(0.f, facing), 6.f) * edge * m.shine;
      c = Mix(c, kWhite, std::min(highlight, 0.8f));
    }
    canvas.Cover(x, y, Clamped(c), coverage);
  });
}

void PaintFlat(Canvas& canvas, const Shape& shape, Color c, float opacity) {
  const float k = canvas.view_scale();
  ForPixels(canvas, shape.bounds, [&](int x, int y, Vec2 p) {
    const float coverage = std::clamp(0.5f - shape(p) * k, 0.f, 1.f);
    if (coverage <= 0) return;
    if (opacity >= 1) {
      canvas.Cover(x, y, c, coverage);
    } else {
      canvas.Over(x, y, c, coverage * opacity);
    }
  });
}

void PaintGlow(Canvas& canvas, const Shape& shape, Color c, float radius, float strength) {
  ForPixels(canvas, Grow(shape.bounds, radius * 3), [&](int x, int y, Vec2 p) {
    const float d = shape(p);
    const float a = strength * (d <= 0 ? 1 : std::exp(-d / radius));
    if (a > 0.02f) canvas.Over(x, y, c, a);
  });
}

void PaintField(Canvas& canvas, Box2 box, const std::function<Paint(Vec2)>& field) {
  ForPixels(canvas, box, [&](int x, int y, Vec2 p) {
    const Paint paint = field(p);
    if (paint.alpha > 0) canvas.Over(x, y, Clamped(paint.color), paint.alpha);
  });
}

}  // namespace assetgen
