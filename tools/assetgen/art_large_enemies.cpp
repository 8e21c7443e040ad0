// Large enemies and mid-bosses, all facing left: a cruiser, a laser frigate, a ringed fortress,
// a twin-rail bar launcher, a clawed heavy, and the three never-drawn turret pods.
#include <cmath>
#include <numbers>

#include "tools/assetgen/art.h"
#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr Color kEyeYellow{255, 236, 100};
constexpr Color kEyeGreen{140, 255, 150};

struct TurretPodLook {
  Color hull, trim, eye;
  int barrels;
};

void DrawTurretPod(Canvas& c, const TurretPodLook& t) {
  const Vec2 center{55, 50};
  for (int i = 0; i < t.barrels; ++i) {
    const float y = center.y + (i - (t.barrels - 1) / 2.f) * 12;
    PaintGun(c, {center.x, y}, {10, y}, 3.5f, Metal(t.trim, 2));
  }
  PaintEngines(c, 88, 40, 60, 2, 6, Metal(t.trim * 0.7f, 2));
  PaintSolid(c, Circle(center, 30), Metal(t.hull, 5, 0.7f));
  PaintSolid(c, Outline(Circle(center, 22), 2), Metal(t.trim, 1.5f));
  PaintEye(c, {center.x - 8, center.y}, 8, t.eye);
}

constexpr TurretPodLook kPods[3] = {
    {{200, 80, 60}, {235, 170, 80}, kEyeYellow, 1},
    {{225, 140, 60}, {160, 60, 60}, kEyeGreen, 2},
    {{170, 70, 110}, {240, 160, 80}, kEyeYellow, 3},
};

}  // namespace

void DrawZak50(Canvas& c) {
  constexpr float kAxis = 80;
  const Material hull = Metal({190, 52, 58}, 5, 0.6f);
  const Material trim = Metal({220, 150, 80}, 4, 0.7f);
  PaintEngines(c, 176, 58, 102, 3, 9, Metal({120, 80, 80}, 3));
  PaintSolid(c, MirrorY(Polygon({{118, 46}, {156, 8}, {188, 8}, {174, 46}}), kAxis), trim);
  PaintSolid(c, MirrorY(Capsule({72, 36}, {136, 36}, 10), kAxis), hull);
  PaintGun(c, {74, 36}, {36, 36}, 4, trim);
  PaintGun(c, {74, 124}, {36, 124}, 4, trim);
  const Shape body =
      SymmetricPolygon({{8, kAxis}, {26, 58}, {70, 44}, {150, 40}, {180, 50}, {186, kAxis}}, kAxis);
  PaintSolid(c, body, hull);
  PaintPanels(c, Intersect(body, Rect({130, kAxis}, {44, 34})), {190, 52, 58}, {26, 18}, 50);
  PaintSolid(c, SymmetricPolygon({{8, kAxis}, {26, 58}, {62, 50}, {54, kAxis}}, kAxis), trim);
  PaintSolid(c, Rect({112, kAxis}, {22, 9}, 4), Metal({150, 40, 50}, 3));
  for (float x : {96.f, 112.f, 128.f}) PaintLight(c, {x, kAxis}, 2.2f, {255, 200, 90});
  PaintEye(c, {40, kAxis}, 9, kEyeYellow);
}

void DrawZak51(Canvas& c) {
  // Zak51A/B use the whole picture; the diagonal kinds cut its top-left 200 x 160.
  constexpr float kAxis = 95;
  const Material hull = Metal({225, 140, 55}, 5, 0.6f);
  const Material trim = Metal({150, 50, 62}, 4, 0.5f);
  PaintEngines(c, 246, 70, 120, 3, 10, Metal({120, 80, 70}, 3));
  PaintSolid(c, MirrorY(Polygon({{150, 58}, {196, 10}, {232, 10}, {220, 60}}), kAxis), trim);
  PaintSolid(c, MirrorY(Rect({170, 40}, {40, 13}, 6), kAxis), hull);
  PaintSolid(c, MirrorY(Rect({160, 62}, {8, 14}), kAxis), trim);
  // The laser fork: two prongs with the emitter between them.
  PaintSolid(c, MirrorY(Polygon({{112, 70}, {22, 76}, {12, 85}, {112, 86}}), kAxis), trim);
  const Shape body = SymmetricPolygon(
      {{60, kAxis}, {80, 72}, {150, 58}, {230, 60}, {250, 74}, {252, kAxis}}, kAxis);
  PaintSolid(c, body, hull);
  PaintPanels(c, Intersect(body, Rect({190, kAxis}, {50, 30})), {225, 140, 55}, {26, 18}, 51);
  PaintGlow(c, Circle({38, kAxis}, 6), {255, 110, 170}, 6, 0.8f);
  PaintFlat(c, Circle({38, kAxis}, 7), {255, 150, 200});
  PaintFlat(c, Circle({38, kAxis}, 3.5f), kWhite);
  PaintSolid(c, Rect({70, kAxis}, {12, 6}, 3), trim);
  for (float x : {60.f, 88.f, 116.f}) PaintPanelLine(c, {x, 82}, {x, 108}, {140, 80, 40});
  PaintEye(c, {120, kAxis}, 8, kEyeYellow);
  PaintEye(c, {170, 40}, 5, kEyeYellow);
  PaintEye(c, {170, 150}, 5, kEyeYellow);
}

void DrawZak52(Canvas& c) {
  constexpr Vec2 kCore{140, 100};
  const Material hull = Metal({175, 48, 52}, 6, 0.6f);
  const Material gold = Metal({230, 180, 75}, 4, 0.8f);
  PaintEngines(c, 236, 62, 138, 4, 10, Metal({120, 80, 80}, 3));
  PaintSolid(c, MirrorY(Polygon({{110, 40}, {150, 4}, {210, 4}, {200, 40}}), kCore.y), hull);
  for (float y : {70.f, 100.f, 130.f}) PaintGun(c, {100, y}, {18, y}, 6, gold);
  // Armour ring in four segments around the core.
  Shape ring = Outline(Circle(kCore, 76), 9);
  ring = Subtract(ring, Union({Rect(kCore, {90, 5}), Rect(kCore, {5, 90})}));
  PaintSolid(c, ring, gold);
  PaintSolid(c, Circle(kCore, 60), hull);
  PaintPanels(c, Subtract(Circle(kCore, 58), Circle({118, 100}, 30)), {175, 48, 52}, {26, 18}, 52);
  PaintSolid(c, Circle({118, 100}, 26), Metal({120, 40, 60}, 4));
  PaintSolid(c, Outline(Circle({118, 100}, 26), 2), gold);
  for (int i = 0; i < 8; ++i) {
    const float a = i * kPi / 4 + kPi / 8;
    PaintLight(c, {kCore.x + 68 * std::cos(a), kCore.y + 68 * std::sin(a)}, 2.5f, {255, 210, 90});
  }
  PaintEye(c, {118, 100}, 15, kEyeYellow);
}

void DrawZak54(Canvas& c) {
  constexpr float kAxis = 75;
  const Material hull = Metal({205, 70, 90}, 5, 0.6f);
  const Material trim = Metal({240, 150, 60}, 4, 0.7f);
  PaintEngines(c, 182, 55, 95, 2, 10, Metal({120, 80, 80}, 3));
  // Two launch rails; the bars leave from their glowing left ends.
  for (float y : {42.f, 108.f}) {
    PaintSolid(c, Rect({86, y}, {74, 8}, 3), trim);
    PaintSolid(c, Rect({96, y}, {50, 3}), Metal({160, 80, 50}, 1.5f));
    PaintGlow(c, Rect({14, y}, {4, 6}), {255, 120, 200}, 4, 0.8f);
    PaintFlat(c, Rect({14, y}, {3, 5}), {255, 200, 230});
  }
  PaintSolid(c, MirrorY(Rect({140, 48}, {12, 16}, 4), kAxis), hull);
  const Shape body = Ellipse({122, kAxis}, 62, 30);
  PaintSolid(c, body, hull);
  PaintPanels(c, Intersect(body, Rect({140, kAxis}, {40, 30})), {205, 70, 90}, {26, 18}, 54);
  PaintSolid(c, Polygon({{60, kAxis}, {92, 58}, {104, kAxis}, {92, 92}}), trim);
  PaintEye(c, {84, kAxis}, 8, kEyeYellow);
}

void DrawZak60(Canvas& c) {
  constexpr float kAxis = 90;
  const Material hull = Metal({225, 160, 62}, 6, 0.6f);
  const Material dark = Metal({155, 85, 55}, 4, 0.5f);
  PaintEngines(c, 220, 60, 120, 3, 10, Metal({120, 80, 70}, 3));
  // Claws reaching forward above and below the spread cannon.
  const Shape claw =
      Polygon({{126, 52}, {70, 22}, {24, 30}, {8, 50}, {30, 46}, {66, 44}, {110, 66}});
  PaintSolid(c, MirrorY(claw, kAxis), dark);
  PaintSolid(c, MirrorY(Polygon({{24, 30}, {8, 50}, {22, 47}}), kAxis), hull);
  for (float y : {78.f, 90.f, 102.f}) PaintGun(c, {90, y}, {34, y}, 5, dark);
  const Shape body = Ellipse({146, kAxis}, 78, 48);
  PaintSolid(c, body, hull);
  PaintPanels(c, Intersect(body, Rect({170, kAxis}, {50, 40})), {225, 160, 62}, {26, 18}, 60);
  PaintSolid(c, MirrorY(Polygon({{110, 52}, {160, 44}, {196, 60}, {150, 66}}), kAxis), dark);
  PaintSolid(c, Ellipse({104, kAxis}, 24, 20), dark);
  PaintEye(c, {100, kAxis}, 11, kEyeYellow);
  PaintLight(c, {176, 54}, 3, {255, 120, 60});
  PaintLight(c, {176, 126}, 3, {255, 120, 60});
}

void DrawZak53_1(Canvas& c) { DrawTurretPod(c, kPods[0]); }
void DrawZak53_2(Canvas& c) { DrawTurretPod(c, kPods[1]); }
void DrawZak53_3(Canvas& c) { DrawTurretPod(c, kPods[2]); }

}  // namespace assetgen
