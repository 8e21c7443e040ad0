#include "tools/assetgen/shape.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace assetgen {
namespace {

float Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
Vec2 Sub(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
float Length(Vec2 a) { return std::sqrt(Dot(a, a)); }

Box2 Merge(Box2 a, Box2 b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}
Box2 Grow(Box2 b, float r) { return {b.x0 - r, b.y0 - r, b.x1 + r, b.y1 + r}; }

}  // namespace

Shape Circle(Vec2 c, float r) {
  return {[=](Vec2 p) { return Length(Sub(p, c)) - r; }, {c.x - r, c.y - r, c.x + r, c.y + r}};
}

Shape Ellipse(Vec2 c, float rx, float ry) {
  // Distance estimate that stays exact on the axes and close elsewhere.
  return {[=](Vec2 p) {
            const Vec2 q = Sub(p, c);
            const float k0 = std::hypot(q.x / rx, q.y / ry);
            const float k1 = std::hypot(q.x / (rx * rx), q.y / (ry * ry));
            return k1 > 0 ? k0 * (k0 - 1) / k1 : -std::min(rx, ry);
          },
          {c.x - rx, c.y - ry, c.x + rx, c.y + ry}};
}

Shape Rect(Vec2 c, Vec2 h, float round) {
  return {[=](Vec2 p) {
            const float qx = std::fabs(p.x - c.x) - h.x + round;
            const float qy = std::fabs(p.y - c.y) - h.y + round;
            const float outside = std::hypot(std::max(qx, 0.f), std::max(qy, 0.f));
            return outside + std::min(std::max(qx, qy), 0.f) - round;
          },
          {c.x - h.x, c.y - h.y, c.x + h.x, c.y + h.y}};
}

Shape Capsule(Vec2 a, Vec2 b, float r) {
  return {
      [=](Vec2 p) {
        const Vec2 pa = Sub(p, a), ba = Sub(b, a);
        const float len2 = Dot(ba, ba);
        const float t = len2 > 0 ? std::clamp(Dot(pa, ba) / len2, 0.f, 1.f) : 0.f;
        return Length(Sub(pa, {ba.x * t, ba.y * t})) - r;
      },
      Grow({std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}, r)};
}

Shape Polygon(std::vector<Vec2> v) {
  Box2 box{v[0].x, v[0].y, v[0].x, v[0].y};
  for (Vec2 p : v) box = Merge(box, {p.x, p.y, p.x, p.y});
  return {[v = std::move(v)](Vec2 p) {
            float d = std::numeric_limits<float>::max();
            bool inside = false;
            for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
              const Vec2 e = Sub(v[j], v[i]), w = Sub(p, v[i]);
              const float len2 = Dot(e, e);
              const float t = len2 > 0 ? std::clamp(Dot(w, e) / len2, 0.f, 1.f) : 0.f;
              d = std::min(d, Length(Sub(w, {e.x * t, e.y * t})));
              // Even-odd crossing test for the sign.
              if ((v[i].y > p.y) != (v[j].y > p.y) &&
                  p.x < (v[j].x - v[i].x) * (p.y - v[i].y) / (v[j].y - v[i].y) + v[i].x)
                inside = !inside;
            }
            return inside ? -d : d;
          },
          box};
}

Shape Union(const std::vector<Shape>& parts) {
  if (parts.empty()) return {[](Vec2) { return std::numeric_limits<float>::max(); }, {}};
  Box2 box = parts[0].bounds;
  for (const Shape& s : parts) box = Merge(box, s.bounds);
  return {[parts](Vec2 p) {
            float d = std::numeric_limits<float>::max();
            for (const Shape& s : parts) {
              // A part's box is never farther than the part itself: skip parts that cannot win.
              const float bx = std::max({s.bounds.x0 - p.x, p.x - s.bounds.x1, 0.f});
              const float by = std::max({s.bounds.y0 - p.y, p.y - s.bounds.y1, 0.f});
              const bool in_box = bx == 0 && by == 0;
              if (in_box || (d > 0 && bx * bx + by * by < d * d)) d = std::min(d, s(p));
            }
            return d;
          },
          box};
}

Shape Intersect(const Shape& a, const Shape& b) {
  const Box2 box{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
                 std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
  return {[a, b](Vec2 p) { return std::max(a(p), b(p)); }, box};
}

Shape Subtract(const Shape& a, const Shape& cut) {
  return {[a, cut](Vec2 p) { return std::max(a(p), -cut(p)); }, a.bounds};
}

Shape Inflate(const Shape& s, float r) {
  return {[s, r](Vec2 p) { return s(p) - r; }, Grow(s.bounds, std::max(r, 0.f))};
}

Shape Outline(const Shape& s, float half_thickness) {
  return {[s, half_thickness](Vec2 p) { return std::fabs(s(p)) - half_thickness; },
          Grow(s.bounds, half_thickness)};
}

Shape Rotate(const Shape& s, Vec2 pivot, float radians) {
  const float c = std::cos(radians), sn = std::sin(radians);
  Box2 box{1e9f, 1e9f, -1e9f, -1e9f};
  for (Vec2 corner : {Vec2{s.bounds.x0, s.bounds.y0}, Vec2{s.bounds.x1, s.bounds.y0},
                      Vec2{s.bounds.x0, s.bounds.y1}, Vec2{s.bounds.x1, s.bounds.y1}}) {
    const Vec2 q = Sub(corner, pivot);
    const Vec2 r{pivot.x + q.x * c - q.y * sn, pivot.y + q.x * sn + q.y * c};
    box = Merge(box, {r.x, r.y, r.x, r.y});
  }
  return {[s, pivot, c, sn](Vec2 p) {
            const Vec2 q = Sub(p, pivot);
            return s({pivot.x + q.x * c + q.y * sn, pivot.y - q.x * sn + q.y * c});
          },
          box};
}

Shape MirrorY(const Shape& s, float axis) {
  const Box2 flipped{s.bounds.x0, 2 * axis - s.bounds.y1, s.bounds.x1, 2 * axis - s.bounds.y0};
  return {[s, axis](Vec2 p) {
            return std::min(s(p), s({p.x, 2 * axis - p.y}));
          },
          Merge(s.bounds, flipped)};
}

}  // namespace assetgen
