// The three stage bosses, facing left. Each body keeps to the top-left 400 x 300 of its
// picture (the part the fight draws); the rest stays black.
#include <cmath>
#include <numbers>

#include "tools/assetgen/art.h"
#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr Color kEyeYellow{255, 236, 100};
constexpr Color kLaserPink{255, 120, 160};

// Dome turret with a gun aimed left.
void PaintTurret(Canvas& c, Vec2 at, float r, const Material& body, const Material& gun) {
  PaintGun(c, at, {at.x - r * 2.4f, at.y}, r * 0.32f, gun);
  PaintSolid(c, Circle(at, r), body);
  PaintLight(c, {at.x - r * 0.3f, at.y}, r * 0.22f, {255, 210, 90});
}

void DrawBoss1Body(Canvas& c) {
  // A battleship built around its giant laser: the beam leaves the muzzle at the left edge
  // (rows 120..200), and the body covers the beam's first 240 pixels.
  constexpr float kAxis = 160;
  const Color crimson{188, 46, 56};
  const Material hull = Metal(crimson, 6, 0.6f);
  const Material steel = Metal({150, 105, 100}, 5, 0.6f);
  const Material gold = Metal({230, 176, 72}, 4, 0.8f);
  PaintEngines(c, 376, 112, 208, 4, 14, Metal({120, 84, 84}, 3));
  PaintSolid(c, Polygon({{246, 84}, {298, 8}, {362, 8}, {344, 84}}), gold);
  PaintSolid(c, Polygon({{246, 236}, {298, 294}, {362, 294}, {344, 236}}), gold);
  const Shape upper = Polygon({{118, 104}, {168, 30}, {300, 22}, {360, 44}, {384, 104}});
  const Shape lower = Polygon({{110, 214}, {384, 214}, {368, 262}, {300, 286}, {170, 282}});
  PaintSolid(c, upper, steel);
  PaintSolid(c, lower, steel);
  PaintPanels(c, upper, {150, 105, 100}, {28, 18}, 11);
  PaintPanels(c, lower, {150, 105, 100}, {28, 18}, 12);
  const Shape body = SymmetricPolygon(
      {{70, kAxis}, {96, 108}, {200, 86}, {340, 84}, {392, 112}, {394, kAxis}}, kAxis);
  PaintSolid(c, body, hull);
  PaintPanels(c, Intersect(body, Rect({300, kAxis}, {90, 70})), crimson, {40, 26}, 13);
  // Hazard bays above and below (the blocks leave from around x 130..170).
  for (float y : {52.f, 252.f}) {
    PaintSolid(c, Rect({170, y}, {26, 12}, 3), gold);
    for (float x : {156.f, 170.f, 184.f}) PaintFlat(c, Rect({x, y}, {4, 7}), {255, 150, 70});
  }
  // The cannon: housing, barrel with bands, glowing muzzle.
  PaintSolid(c, Rect({150, kAxis}, {70, 44}, 12), steel);
  PaintSolid(c, Capsule({28, kAxis}, {200, kAxis}, 30), hull);
  for (float x : {60.f, 100.f, 140.f}) PaintSolid(c, Rect({x, kAxis}, {6, 33}, 3), gold);
  PaintSolid(c, Rect({24, kAxis}, {10, 36}, 4), gold);
  PaintGlow(c, Circle({16, kAxis}, 14), kLaserPink, 8, 0.9f);
  PaintFlat(c, Ellipse({16, kAxis}, 8, 22), {255, 170, 200});
  PaintFlat(c, Ellipse({14, kAxis}, 4, 14), kWhite);
  PaintTurret(c, {230, 96}, 16, gold, steel);
  PaintTurret(c, {230, 224}, 16, gold, steel);
  PaintTurret(c, {300, 60}, 13, gold, steel);
  PaintTurret(c, {300, 262}, 13, gold, steel);
  PaintSolid(c, Rect({240, 36}, {24, 10}, 4), gold);
  for (float x : {228.f, 240.f, 252.f}) PaintLight(c, {x, 36}, 2.5f, kEyeYellow);
  PaintEye(c, {270, kAxis}, 16, kEyeYellow);
}

void DrawBoss2Body(Canvas& c) {
  // An insect-like carrier whose two arms end in the coils that launch the lightning whips
  // (at 194,44 and 194,244).
  constexpr float kAxis = 144;
  const Color violet{172, 58, 128};
  const Material shell = Metal(violet, 7, 0.7f);
  const Material orange = Metal({238, 142, 62}, 5, 0.7f);
  const Material dark = Metal({120, 62, 92}, 4, 0.5f);
  const Material coil = Metal({240, 200, 110}, 1.5f, 0.9f);
  PaintEngines(c, 380, 110, 178, 3, 14, Metal({120, 84, 84}, 3));
  PaintSolid(c, Polygon({{250, 100}, {330, 6}, {394, 10}, {360, 110}}), orange);
  PaintSolid(c, Polygon({{250, 188}, {330, 290}, {394, 286}, {360, 178}}), orange);
  for (float y : {44.f, 244.f}) {
    const float dir = y < kAxis ? -1 : 1;
    PaintSolid(c, Capsule({262, kAxis + dir * 40}, {222, y}, 16), dark);
    PaintSolid(c, Circle({262, kAxis + dir * 40}, 20), orange);
    PaintSolid(c, Capsule({226, y}, {204, y}, 17), orange);
    for (int i = 0; i < 3; ++i)
      PaintSolid(c, Outline(Circle({212.f + i * 9, y}, 15 - i * 2.f), 1.8f), coil);
  }
  const Shape body = Ellipse({262, kAxis}, 128, 76);
  PaintSolid(c, body, shell);
  PaintPanels(c, Intersect(body, Rect({300, kAxis}, {90, 70})), violet, {40, 26}, 21);
  PaintSolid(c, MirrorY(Polygon({{180, 96}, {250, 78}, {330, 92}, {260, 110}}), kAxis), orange);
  // Head with mandibles.
  PaintSolid(c, MirrorY(Polygon({{120, 120}, {40, 100}, {8, 128}, {30, 124}, {96, 138}}), kAxis),
             dark);
  PaintSolid(c, Ellipse({128, kAxis}, 66, 44), shell);
  PaintSolid(c, Ellipse({110, kAxis}, 34, 22), dark);
  PaintEye(c, {96, kAxis - 10}, 9, kEyeYellow);
  PaintEye(c, {96, kAxis + 10}, 9, kEyeYellow);
  PaintEye(c, {124, kAxis}, 7, kEyeYellow);
  for (float y : {44.f, 244.f}) {
    PaintGlow(c, Circle({194, y}, 7), {170, 200, 255}, 7, 0.9f);
    PaintFlat(c, Circle({194, y}, 7), {200, 225, 255});
    PaintFlat(c, Circle({194, y}, 3.5f), kWhite);
  }
  for (int i = 0; i < 5; ++i) PaintLight(c, {250.f + i * 24, kAxis}, 3, {255, 140, 80});
}

void DrawBoss3Body(Canvas& c) {
  // A fortress with armoured jaws, a core eye and four turrets.
  constexpr float kAxis = 150;
  const Color bronze{222, 132, 52};
  const Material hull = Metal(bronze, 7, 0.6f);
  const Material red = Metal({156, 46, 46}, 5, 0.6f);
  const Material gold = Metal({236, 190, 82}, 4, 0.8f);
  PaintEngines(c, 380, 96, 204, 4, 14, Metal({120, 84, 84}, 3));
  PaintSolid(c, MirrorY(Polygon({{200, 70}, {270, 6}, {384, 14}, {360, 80}}), kAxis), red);
  PaintPanels(c, MirrorY(Polygon({{200, 70}, {270, 6}, {384, 14}, {360, 80}}), kAxis),
              {156, 46, 46}, {26, 16}, 31);
  const Shape body = SymmetricPolygon(
      {{60, kAxis}, {90, 80}, {170, 40}, {320, 40}, {394, 90}, {396, kAxis}}, kAxis);
  PaintSolid(c, body, hull);
  PaintPanels(c, Intersect(body, Rect({280, kAxis}, {110, 100})), bronze, {40, 26}, 32);
  // Jaws around the mouth cannon.
  PaintSolid(c, MirrorY(Polygon({{150, 104}, {60, 96}, {14, 120}, {40, 134}, {140, 130}}), kAxis),
             red);
  PaintSolid(c, MirrorY(Polygon({{14, 120}, {40, 134}, {50, 124}}), kAxis), gold);
  PaintGun(c, {150, kAxis}, {60, kAxis}, 12, gold);
  PaintSolid(c, Circle({190, kAxis}, 44), red);
  PaintSolid(c, Outline(Circle({190, kAxis}, 44), 3), gold);
  for (int i = 0; i < 12; ++i) {
    const float a = i * kPi / 6;
    PaintLight(c, {190 + 36 * std::cos(a), kAxis + 36 * std::sin(a)}, 2.5f, {255, 200, 90});
  }
  PaintEye(c, {190, kAxis}, 22, kEyeYellow);
  PaintTurret(c, {150, 84}, 15, gold, red);
  PaintTurret(c, {150, 216}, 15, gold, red);
  PaintTurret(c, {280, 64}, 15, gold, red);
  PaintTurret(c, {280, 236}, 15, gold, red);
}

}  // namespace

void DrawBoss1(Canvas& c) { DrawClipped(c, 0, 0, 400, 300, DrawBoss1Body); }
void DrawBoss2(Canvas& c) { DrawClipped(c, 0, 0, 400, 300, DrawBoss2Body); }
void DrawBoss3(Canvas& c) { DrawClipped(c, 0, 0, 400, 300, DrawBoss3Body); }

}  // namespace assetgen
