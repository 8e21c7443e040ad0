// The player's ship (cool white and blue, facing right), its shots, the bomb shot and the
// power-up item.
#include <cmath>
#include <numbers>

#include "tools/assetgen/art.h"
#include "tools/assetgen/kit.h"
#include "tools/assetgen/stroke_font.h"

namespace assetgen {
namespace {

constexpr float kAxis = 30;  // the ship's middle row; its shots leave along it

struct ShipLook {
  Color hull, accent, glass, flame;
  // Upper wing: leading edge from root_front to tip_front, trailing edge from tip_back to
  // root_back.
  Vec2 root_front, tip_front, tip_back, root_back;
};

constexpr ShipLook kShipType1{{222, 230, 242}, {50, 130, 255}, {80, 225, 255}, {70, 150, 255},
                              {46, 24},        {24, 5},        {14, 7},        {18, 25}};
constexpr ShipLook kShipType2{{214, 236, 226}, {30, 190, 140}, {255, 215, 90}, {90, 255, 200},
                              {42, 24},        {40, 6},        {30, 5},        {16, 25}};

void DrawShip(Canvas& c, const ShipLook& s) {
  const Material hull = Metal(s.hull, 3, 0.7f);
  const Material accent = Metal(s.accent, 2.5f, 0.8f);
  // Engine flames first, so the nozzles sit on top of them.
  PaintFlame(c, {9, kAxis}, 10, 4.5f, kWhite, s.flame, -1);
  for (float y : {kAxis - 9, kAxis + 9}) PaintFlame(c, {12, y}, 8, 2.6f, kWhite, s.flame, -1);

  const Shape wing = Polygon({s.root_front, s.tip_front, s.tip_back, s.root_back});
  PaintSolid(c, MirrorY(wing, kAxis), hull);
  const Shape stripe =
      Intersect(MirrorY(wing, kAxis), Union({Rect({40, 10}, {30, 3}), Rect({40, 50}, {30, 3})}));
  PaintSolid(c, stripe, accent);
  PaintSolid(c, MirrorY(Capsule({12, kAxis - 9}, {30, kAxis - 9}, 3.2f), kAxis), hull);
  PaintSolid(c, MirrorY(Polygon({{62, 27}, {55, 19}, {50, 19.5f}, {52, 27}}), kAxis), accent);

  const Shape body =
      SymmetricPolygon({{7, 26}, {16, 24}, {34, 22.5f}, {52, 24}, {66, 27}, {77, kAxis}}, kAxis);
  PaintSolid(c, body, hull);
  PaintSolid(c, SymmetricPolygon({{56, 26.5f}, {66, 27.5f}, {76, kAxis}}, kAxis), accent);
  PaintSolid(c, Rect({8.5f, kAxis}, {3.5f, 4.5f}, 1.5f), Metal(s.hull * 0.6f, 2));
  PaintPanelLine(c, {20, kAxis - 4}, {32, kAxis - 4}, s.hull * 0.55f);
  PaintPanelLine(c, {20, kAxis + 4}, {32, kAxis + 4}, s.hull * 0.55f);
  PaintCanopy(c, Ellipse({42, kAxis}, 9.5f, 4.2f), s.glass);
  const Vec2 tip{(s.tip_front.x + s.tip_back.x) / 2, (s.tip_front.y + s.tip_back.y) / 2 + 2.5f};
  PaintLight(c, tip, 1.6f, s.accent);
  PaintLight(c, {tip.x, 2 * kAxis - tip.y}, 1.6f, s.accent);
}

// A plasma bolt along the ship's axis, head to the right, turned by `angle` (radians).
void DrawBolt(Canvas& c, float angle) {
  const Vec2 pivot{30, kAxis};
  const Shape body = Rotate(
      SymmetricPolygon({{6, kAxis}, {36, kAxis - 2.6f}, {52, kAxis - 3}, {57, kAxis}}, kAxis),
      pivot, angle);
  const Shape core = Rotate(Capsule({22, kAxis}, {52, kAxis}, 1.4f), pivot, angle);
  PaintGlow(c, body, {40, 140, 255}, 2.5f, 0.8f);
  PaintFlat(c, body, {90, 200, 255});
  PaintFlat(c, core, {235, 250, 255});
}

}  // namespace

void DrawMy(Canvas& c) { DrawShip(c, kShipType1); }
void DrawMyme1(Canvas& c) { DrawShip(c, kShipType1); }
void DrawMyme2(Canvas& c) { DrawShip(c, kShipType2); }

// Side shots climb or fall 4 px for every 20 px they fly.
void DrawMylz1(Canvas& c) { DrawBolt(c, 0); }
void DrawMylz2(Canvas& c) { DrawBolt(c, -std::atan2(4.f, 20.f)); }
void DrawMylz3(Canvas& c) { DrawBolt(c, std::atan2(4.f, 20.f)); }

void DrawFbom1(Canvas& c) {
  const Vec2 center{40, 40};
  PaintGlow(c, Circle(center, 10), {120, 90, 255}, 7, 0.9f);
  for (int i = 0; i < 4; ++i) {
    const float a = i * std::numbers::pi_v<float> / 4;
    const Vec2 d{std::cos(a) * 30, std::sin(a) * 30};
    const Shape ray = Capsule({center.x - d.x, center.y - d.y}, {center.x + d.x, center.y + d.y},
                              i % 2 ? 1.2f : 2);
    PaintGlow(c, ray, {160, 140, 255}, 2, 0.7f);
    PaintFlat(c, ray, {200, 190, 255});
  }
  PaintFlat(c, Outline(Circle(center, 17), 1.3f), {170, 160, 255});
  PaintFlat(c, Circle(center, 11), {170, 150, 255});
  PaintFlat(c, Circle(center, 7.5f), {230, 225, 255});
  PaintFlat(c, Circle(center, 4), kWhite);
}

void DrawPower(Canvas& c) {
  const Vec2 center{30, 30};
  std::vector<Vec2> hexagon;
  for (int i = 0; i < 6; ++i) {
    const float a = (i + 0.5f) * std::numbers::pi_v<float> / 3;
    hexagon.push_back({center.x + 19 * std::cos(a), center.y + 19 * std::sin(a)});
  }
  const Shape gem = Polygon(hexagon);
  PaintGlow(c, gem, {120, 255, 120}, 4, 0.6f);
  PaintSolid(c, gem, Metal({90, 220, 90}, 5, 0.9f));
  PaintSolid(c, Inflate(gem, -5), Metal({40, 150, 60}, 3, 0.5f));
  const StrokeStyle letter{3.2f, 2.1f, 0, 6};
  const Shape p = StrokeText("P", {center.x - 8.5f, center.y - 9.6f}, letter);
  PaintFlat(c, Inflate(p, 1.3f), {30, 90, 40});
  PaintFlat(c, p, {250, 255, 210});
}

}  // namespace assetgen
