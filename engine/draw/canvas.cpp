// Lines and shapes drawn in software on the back surface, as the desktop's
// drawing layer would: COLORREF colours, cut to the surface (not to the clip
// rectangle). Thin lines leave out their end pixel; wide lines are a round
// pen of their width swept from end to end.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "engine/draw/draw_internal.h"
#include "engine/draw/ko_draw.h"

Surface* gBackDC;

namespace koDraw {
namespace {

struct Pen {
  uint16_t colour;
  int width;
};

void Plot(Surface& s, int64_t x, int64_t y, uint16_t c) {
  if (x >= 0 && y >= 0 && x < s.width && y < s.height) s.Row(static_cast<int>(y))[x] = c;
}

// Narrows [lo, hi] to the u with k * u in [p, q].
void Within(double k, double p, double q, double& lo, double& hi) {
  if (k == 0) {
    if (p > 0 || q < 0) hi = -INFINITY;
    return;
  }
  const double a = p / k, b = q / k;
  lo = std::max(lo, std::min(a, b));
  hi = std::min(hi, std::max(a, b));
}

// Widens [lo, hi] to take in a row's cut through a disc of radius r centred
// on column cx, ey rows away.
void AddDisc(double cx, double ey, double r, double& lo, double& hi) {
  if (ey * ey > r * r) return;
  const double half = std::sqrt(r * r - ey * ey);
  lo = std::min(lo, cx - half);
  hi = std::max(hi, cx + half);
}

// A wide line: the pixels whose centres lie within w / 2 of the segment, so
// a round pen swept along it with round caps. The segment runs between pixel
// centres for odd w and pixel corners for even w. Each row of the surface is
// one span (the shape is convex), so the cost is bounded by the surface
// whatever the width and the end points.
void WideLine(Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, int w, uint16_t c) {
  const double o = (w % 2) ? 0.0 : -0.5, r = w * 0.5;
  const double ax = x1 + o, ay = y1 + o;
  const double dx = static_cast<double>(x2 - x1), dy = static_cast<double>(y2 - y1);
  const double length2 = dx * dx + dy * dy, reach = r * std::sqrt(length2);
  const double top = std::max(0.0, std::ceil(std::min(ay, ay + dy) - r));
  const double bottom = std::min(s.height - 1.0, std::floor(std::max(ay, ay + dy) + r));
  for (int y = static_cast<int>(top); y <= bottom; ++y) {
    const double ey = y - ay;
    double lo = INFINITY, hi = -INFINITY;
    AddDisc(ax, ey, r, lo, hi);
    AddDisc(ax + dx, ey - dy, r, lo, hi);
    if (length2 > 0) {  // the band whose points project onto the segment, within r of it
      double u0 = -INFINITY, u1 = INFINITY;
      Within(dy, dx * ey - reach, dx * ey + reach, u0, u1);
      Within(dx, -dy * ey, length2 - dy * ey, u0, u1);
      if (u0 <= u1) {
        lo = std::min(lo, ax + u0);
        hi = std::max(hi, ax + u1);
      }
    }
    if (!(lo <= hi)) continue;
    const double w1 = s.width;
    const int a = static_cast<int>(std::clamp(std::ceil(lo), 0.0, w1));
    const int b = static_cast<int>(std::clamp(std::floor(hi) + 1, 0.0, w1));
    if (a < b) detail::FillRow(s.Row(y) + a, b - a, c);
  }
}

// A thin line: step i of the longer axis moves the shorter one by i * d / n,
// rounded; the end pixel (step n) is left out. Only steps whose longer-axis
// coordinate lies on the surface are visited, so far-away end points cost
// nothing.
void ThinLine(Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, uint16_t c) {
  const int64_t dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1);
  const int64_t sx = x2 < x1 ? -1 : 1, sy = y2 < y1 ? -1 : 1;
  const bool xMajor = dx >= dy;
  const int64_t n = xMajor ? dx : dy, d = xMajor ? dy : dx;
  const int64_t start = xMajor ? x1 : y1, dir = xMajor ? sx : sy;
  const int64_t size = xMajor ? s.width : s.height;
  // Steps i with start + dir * i in [0, size).
  const int64_t i0 = std::max<int64_t>(0, dir > 0 ? -start : start - (size - 1));
  const int64_t i1 = std::min(n - 1, dir > 0 ? size - 1 - start : start);
  for (int64_t i = i0; i <= i1; ++i) {
    const int64_t minor = static_cast<int64_t>((__int128{2} * i * d + n) / (__int128{2} * n));
    if (xMajor)
      Plot(s, x1 + sx * i, y1 + sy * minor, c);
    else
      Plot(s, x1 + sx * minor, y1 + sy * i, c);
  }
}

void Line(Surface& s, int64_t x1, int64_t y1, int64_t x2, int64_t y2, const Pen& pen) {
  if (pen.width <= 1)
    ThinLine(s, x1, y1, x2, y2, pen.colour);
  else
    WideLine(s, x1, y1, x2, y2, pen.width, pen.colour);
}

// A chain of lines through the points, back to the first when closed.
void Polyline(Surface& s, const std::vector<DrawPoint>& p, bool closed, const Pen& pen) {
  const size_t n = p.size();
  for (size_t i = 0; i + 1 < n; ++i) Line(s, p[i].x, p[i].y, p[i + 1].x, p[i + 1].y, pen);
  if (closed && n > 1) Line(s, p[n - 1].x, p[n - 1].y, p[0].x, p[0].y, pen);
}

// HS_DIAGCROSS: both diagonals of an 8 x 8 cell anchored at the surface origin.
bool Hatched(int x, int y) { return (x & 7) == (y & 7) || (x & 7) == 7 - (y & 7); }

// Fills the polygon by the even-odd rule: a pixel is inside when a ray from
// its centre crosses the outline an odd number of times.
template <typename Fill>
void FillPolygon(const Surface& s, const DrawPoint* p, int count, Fill fill) {
  std::vector<double> xs;
  for (int y = 0; y < s.height; ++y) {
    const double cy = y + 0.5;
    xs.clear();
    for (int i = 0; i < count; ++i) {
      const DrawPoint a = p[i], b = p[(i + 1) % count];
      if ((a.y <= cy) == (b.y <= cy)) continue;
      xs.push_back(a.x + (cy - a.y) * (static_cast<double>(b.x) - a.x) /
                             (static_cast<double>(b.y) - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t k = 0; k + 1 < xs.size(); k += 2) {
      const double w = s.width;
      const int x0 = static_cast<int>(std::clamp(std::ceil(xs[k] - 0.5), 0.0, w));
      const int x1 = static_cast<int>(std::clamp(std::ceil(xs[k + 1] - 0.5), 0.0, w));
      for (int x = x0; x < x1; ++x) fill(x, y);
    }
  }
}

// A point of the curve, rounded and held inside the int range its control
// points span.
DrawPoint BezierPoint(const DrawPoint* c, double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
  auto held = [](double v) {
    return static_cast<int32_t>(std::clamp(std::round(v), double{INT32_MIN}, double{INT32_MAX}));
  };
  return {held(a * c[0].x + b * c[1].x + d * c[2].x + e * c[3].x),
          held(a * c[0].y + b * c[1].y + d * c[2].y + e * c[3].y)};
}

}  // namespace

void GetBackDC() { gBackDC = gBackSurface.get(); }
void ReleaseBackDC() { gBackDC = nullptr; }

void DrawLine(int x1, int y1, int x2, int y2, uint32_t colour, int width) {
  if (gBackSurface) Line(*gBackSurface, x1, y1, x2, y2, {ColorRefTo565(colour), width});
}

void SetPixel(int x, int y, uint32_t colour) {
  if (gBackSurface) Plot(*gBackSurface, x, y, ColorRefTo565(colour));
}

void GetPixelRGB(int x, int y, int* red, int* green, int* blue) {
  int r = 255, g = 255, b = 255;
  const Surface* s = gBackSurface.get();
  if (s && x >= 0 && y >= 0 && x < s->width && y < s->height) {
    const uint16_t p = s->Row(y)[x];
    r = (p >> 11) << 3;
    g = ((p >> 5) & 63) << 2;
    b = (p & 31) << 3;
  }
  if (red) *red = r;
  if (green) *green = g;
  if (blue) *blue = b;
}

void DrawRectangle(int left, int top, int right, int bottom, uint32_t fill, uint32_t pen,
                   int penWidth) {
  Surface* s = gBackSurface.get();
  if (!s) return;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (int64_t{right} - left < 1 || int64_t{bottom} - top < 1) return;
  detail::FillSurface(*s, left, top, right, bottom, ColorRefTo565(fill));
  const uint16_t c = ColorRefTo565(pen);
  if (penWidth <= 1) {  // the outline covers left..right-1 and top..bottom-1
    detail::FillSurface(*s, left, top, right, top + 1, c);
    detail::FillSurface(*s, left, bottom - 1, right, bottom, c);
    detail::FillSurface(*s, left, top, left + 1, bottom, c);
    detail::FillSurface(*s, right - 1, top, right, bottom, c);
  } else {
    Polyline(*s, {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}}, true,
             {c, penWidth});
  }
}

void DrawBezier(const DrawPoint* points, int count, uint32_t colour, int width) {
  Surface* s = gBackSurface.get();
  if (!s || !points || count < 4 || (count - 1) % 3 != 0) return;
  std::vector<DrawPoint> path{points[0]};
  for (int i = 0; i + 3 < count; i += 3) {
    const DrawPoint* c = points + i;
    // Enough steps that each flat piece is a few pixels long.
    double length = 0;
    for (int k = 0; k < 3; ++k)
      length += std::hypot(static_cast<double>(c[k + 1].x) - c[k].x,
                           static_cast<double>(c[k + 1].y) - c[k].y);
    const int steps = static_cast<int>(std::clamp(length / 4, 1.0, 1000.0));
    for (int k = 1; k <= steps; ++k) path.push_back(BezierPoint(c, static_cast<double>(k) / steps));
  }
  Polyline(*s, path, false, {ColorRefTo565(colour), width});
}

void DrawPolygon(const DrawPoint* points, int count, uint32_t colour, uint32_t background,
                 int penWidth, int mode) {
  Surface* s = gBackSurface.get();
  if (!s || !points || count < 2) return;
  const uint16_t c = ColorRefTo565(colour), bg = ColorRefTo565(background);
  if (mode != 0) {
    FillPolygon(*s, points, count, [&](int x, int y) {
      if (Hatched(x, y))
        s->Row(y)[x] = c;
      else if (mode != 2)
        s->Row(y)[x] = bg;
    });
  }
  Polyline(*s, {points, points + count}, true, {c, penWidth});
}

void InvertRectangle(int left, int top, int right, int bottom) {
  Surface* s = gBackSurface.get();
  if (!s) return;
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, s->width);
  bottom = std::min(bottom, s->height);
  for (int y = top; y < bottom; ++y) {
    uint16_t* d = s->Row(y);
    for (int x = left; x < right; ++x) d[x] = static_cast<uint16_t>(~d[x]);
  }
}

}  // namespace koDraw
