#include "tools/assetgen/kit.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/rng.h"

namespace assetgen {

Shape SymmetricPolygon(const std::vector<Vec2>& upper, float axis) {
  std::vector<Vec2> points = upper;
  for (auto it = upper.rbegin(); it != upper.rend(); ++it)
    points.push_back({it->x, 2 * axis - it->y});
  return Polygon(points);
}

void PaintFlame(Canvas& canvas, Vec2 nozzle, float length, float radius, Color hot, Color cool,
                float dir_x) {
  const Box2 box{std::min(nozzle.x, nozzle.x + dir_x * length) - radius, nozzle.y - radius * 1.6f,
                 std::max(nozzle.x, nozzle.x + dir_x * length) + radius, nozzle.y + radius * 1.6f};
  PaintField(canvas, box, [&](Vec2 p) {
    const float along = (p.x - nozzle.x) * dir_x / length;  // 0 at the nozzle, 1 at the tip
    if (along < -0.15f || along > 1) return Paint{};
    const float width = radius * (1 - 0.75f * std::max(along, 0.f));
    const float across = std::fabs(p.y - nozzle.y) / width;
    if (across > 1.3f) return Paint{};
    const float heat = std::clamp((1 - along) * (1.25f - across), 0.f, 1.f);
    const Color c = heat > 0.6f ? Mix(cool, hot, (heat - 0.6f) / 0.4f) : cool;
    return Paint{c, std::clamp(heat * 1.8f, 0.f, 1.f)};
  });
}

void PaintEye(Canvas& canvas, Vec2 c, float r, Color lens) {
  PaintFlat(canvas, Circle(c, r + 1.2f), lens * 0.3f);
  PaintGlow(canvas, Circle(c, r * 0.6f), lens, r * 0.5f, 0.9f);
  PaintFlat(canvas, Circle(c, r * 0.75f), lens);
  PaintFlat(canvas, Circle(c, r * 0.4f), Mix(lens, kWhite, 0.6f));
  PaintFlat(canvas, Circle({c.x - r * 0.3f, c.y - r * 0.35f}, std::max(0.8f, r * 0.2f)), kWhite);
}

void PaintCanopy(Canvas& canvas, const Shape& glass, Color tint) {
  const Box2 b = glass.bounds;
  PaintSolid(canvas, glass, {tint, tint * 0.35f, 3, 0.9f, 0});
  const float h = b.y1 - b.y0;
  const Shape streak = Intersect(
      glass, Capsule({b.x0 + (b.x1 - b.x0) * 0.3f, b.y0 + h * 0.3f},
                     {b.x0 + (b.x1 - b.x0) * 0.75f, b.y0 + h * 0.3f}, std::max(0.7f, h * 0.1f)));
  PaintFlat(canvas, streak, Mix(tint, kWhite, 0.75f));
}

void PaintPanelLine(Canvas& canvas, Vec2 a, Vec2 b, Color c) {
  PaintFlat(canvas, Capsule(a, b, 0.45f), c, 0.8f);
}

void PaintLight(Canvas& canvas, Vec2 c, float r, Color color) {
  PaintGlow(canvas, Circle(c, r), color, r, 0.7f);
  PaintFlat(canvas, Circle(c, r * 0.6f), Mix(color, kWhite, 0.5f));
}

void PaintGun(Canvas& canvas, Vec2 base, Vec2 tip, float radius, const Material& m) {
  PaintSolid(canvas, Capsule(base, tip, radius), m);
  const float len = std::hypot(tip.x - base.x, tip.y - base.y);
  const Vec2 dir{(tip.x - base.x) / len, (tip.y - base.y) / len};
  const Vec2 ring{tip.x - dir.x * radius * 1.5f, tip.y - dir.y * radius * 1.5f};
  PaintSolid(canvas, Capsule(ring, tip, radius * 1.35f), m);
  PaintFlat(canvas, Circle(tip, radius * 0.6f), m.rim);
}

void PaintEngines(Canvas& canvas, float x, float y0, float y1, int count, float radius,
                  const Material& m) {
  for (int i = 0; i < count; ++i) {
    const float y = count == 1 ? (y0 + y1) / 2 : y0 + (y1 - y0) * i / (count - 1);
    PaintFlame(canvas, {x + radius * 0.8f, y}, radius * 3.2f, radius * 0.85f, {255, 250, 215},
               {255, 130, 40}, 1);
    PaintSolid(canvas, Rect({x, y}, {radius * 0.9f, radius}, radius * 0.3f), m);
    PaintFlat(canvas, Rect({x + radius * 0.5f, y}, {radius * 0.4f, radius * 0.65f}),
              {255, 190, 90});
  }
}

void PaintPanels(Canvas& canvas, const Shape& area, Color base, Vec2 cell, uint32_t seed) {
  Rng rng(seed);
  const Box2 b = area.bounds;
  const Shape inner = Inflate(area, -3);
  for (float y = b.y0; y < b.y1;) {
    // Rows and plates of varying size, so the seams never line up like a grid.
    const float h = cell.y * rng.Range(0.8f, 1.5f);
    for (float x = b.x0 - rng.Range(0, cell.x); x < b.x1;) {
      const float w = cell.x * static_cast<float>(rng.Int(1, 3));
      const Vec2 center{x + w / 2, y + h / 2};
      const float shade = rng.Range(0.93f, 1.05f);
      const bool vent = rng.Chance(0.12f);
      x += w;
      if (area(center) > -h / 3) continue;
      const Shape plate = Intersect(Rect(center, {w / 2 - 0.7f, h / 2 - 0.7f}, 1.5f), inner);
      PaintSolid(canvas, plate, {base * shade, base * 0.78f, 1.2f, 0.15f, 0});
      if (vent)
        for (float k = -h / 5; k <= h / 5; k += 3)
          PaintPanelLine(canvas, {center.x - w / 5, center.y + k}, {center.x + w / 5, center.y + k},
                         base * 0.6f);
    }
    y += h;
  }
}

}  // namespace assetgen
