#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {
namespace {
// Opacity below which a pixel is left as the transparent key.
constexpr float kKeyCutoff = 0.12f;
}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      color_(static_cast<size_t>(width) * height),
      alpha_(static_cast<size_t>(width) * height, 0.f) {}

void Canvas::Set(int x, int y, Color c, float a) {
  if (!Contains(x, y)) return;
  color_[Index(x, y)] = c;
  alpha_[Index(x, y)] = std::clamp(a, 0.f, 1.f);
}

void Canvas::Over(int x, int y, Color c, float a) {
  if (!Contains(x, y) || a <= 0) return;
  a = std::min(a, 1.f);
  const size_t i = Index(x, y);
  const float da = alpha_[i];
  const float out = a + da * (1 - a);
  color_[i] = (c * a + color_[i] * (da * (1 - a))) * (1 / out);
  alpha_[i] = out;
}

void Canvas::Cover(int x, int y, Color c, float coverage) {
  if (!Contains(x, y)) return;
  if (alpha_[Index(x, y)] >= 0.99f) {
    Over(x, y, c, coverage);
  } else if (coverage >= 0.5f) {
    Over(x, y, c, 1);
  }
}

void Canvas::Draw(const Canvas& src, int dx, int dy) {
  for (int y = 0; y < src.height(); ++y)
    for (int x = 0; x < src.width(); ++x)
      Over(dx + x, dy + y, src.ColorAt(x, y), src.AlphaAt(x, y));
}

void DrawClipped(Canvas& canvas, int x, int y, int w, int h,
                 const std::function<void(Canvas&)>& draw) {
  Canvas part(w, h);
  draw(part);
  canvas.Draw(part, x, y);
}

void DrawCells(Canvas& canvas, int w, int h, int count, bool vertical,
               const std::function<void(Canvas&, int)>& draw) {
  for (int i = 0; i < count; ++i)
    DrawClipped(canvas, vertical ? 0 : i * w, vertical ? i * h : 0, w, h,
                [&](Canvas& cell) { draw(cell, i); });
}

RgbImage Flatten(const Canvas& canvas) {
  RgbImage out{canvas.width(), canvas.height(), {}};
  out.rgb.reserve(static_cast<size_t>(out.width) * out.height * 3);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const float a = canvas.AlphaAt(x, y);
      Color c = Clamped(canvas.ColorAt(x, y) * a);
      if (a < kKeyCutoff) {
        c = {};
      } else {
        const float peak = std::max({c.r, c.g, c.b});
        if (peak < kMinVisibleChannel)
          c = peak > 0 ? c * (kMinVisibleChannel / peak) : Color{0, 0, kMinVisibleChannel};
      }
      for (float v : {c.r, c.g, c.b}) out.rgb.push_back(static_cast<uint8_t>(std::lround(v)));
    }
  }
  return out;
}

}  // namespace assetgen
