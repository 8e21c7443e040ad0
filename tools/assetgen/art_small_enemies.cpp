// Small enemy craft: warm-coloured raiders facing left, a saucer seen from above and the
// gun platform with its turning cells.
#include <cmath>
#include <numbers>

#include "tools/assetgen/art.h"
#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr Color kEnemyFlameHot{255, 250, 210};
constexpr Color kEnemyFlame{255, 120, 40};

// A raider facing left, laid out in a box from its nose to its tail.
struct RaiderLook {
  float nose_x, axis_y, length, height;
  Color hull, trim, eye;
  float fin_sweep;  // how far the fins reach back past the tail (share of the length)
  float claws;      // length of the forward prongs (share of the length); 0 for none
  bool turret;      // gun turret on the back with a barrel pointing left
  int engines;      // 1 or 2
};

void DrawRaider(Canvas& c, const RaiderLook& r) {
  auto at = [&](float u, float v) {
    return Vec2{r.nose_x + u * r.length, r.axis_y + v * r.height / 2};
  };
  const Material hull = Metal(r.hull, 3, 0.6f);
  const Material trim = Metal(r.trim, 2.5f, 0.6f);
  for (int i = 0; i < r.engines; ++i) {
    const float v = r.engines == 1 ? 0 : (i ? 0.32f : -0.32f);
    PaintFlame(c, at(0.9f, v), r.length * 0.16f, r.height * 0.1f, kEnemyFlameHot, kEnemyFlame, 1);
  }
  const Shape fin = Polygon(
      {at(0.42f, -0.3f), at(0.7f + r.fin_sweep, -1), at(0.86f + r.fin_sweep, -1), at(0.8f, -0.3f)});
  PaintSolid(c, MirrorY(fin, r.axis_y), trim);
  if (r.claws > 0) {
    const Shape claw = Capsule(at(0.3f, -0.35f), at(0.3f - r.claws, -0.62f), r.height * 0.07f);
    PaintSolid(c, MirrorY(claw, r.axis_y), trim);
  }
  const Shape body = SymmetricPolygon({at(0, 0), at(0.16f, -0.3f), at(0.5f, -0.44f),
                                       at(0.84f, -0.4f), at(0.93f, -0.24f), at(0.93f, 0)},
                                      r.axis_y);
  PaintSolid(c, body, hull);
  PaintSolid(c, Intersect(body, Rect(at(0.6f, 0), {r.length * 0.05f, r.height})), trim);
  PaintPanelLine(c, at(0.3f, -0.22f), at(0.5f, -0.26f), r.hull * 0.5f);
  PaintPanelLine(c, at(0.3f, 0.22f), at(0.5f, 0.26f), r.hull * 0.5f);
  if (r.turret) {
    PaintSolid(c, Capsule(at(0.1f, -0.05f), at(0.45f, -0.05f), r.height * 0.06f), trim);
    PaintSolid(c, Circle(at(0.5f, -0.05f), r.height * 0.17f), hull);
  }
  PaintEye(c, at(0.24f, 0), r.height * 0.12f, r.eye);
}

constexpr RaiderLook kZak1{4,     25, 52,    40, {215, 80, 50}, {240, 170, 70}, {255, 235, 90},
                           0.02f, 0,  false, 1};
constexpr RaiderLook kZak2Corner{
    4, 24, 52, 40, {230, 140, 50}, {170, 60, 60}, {120, 255, 170}, -0.1f, 0.22f, false, 1};
constexpr RaiderLook kZak3Corner{
    4, 24, 52, 40, {200, 110, 90}, {240, 200, 90}, {255, 235, 90}, 0.0f, 0.2f, true, 1};
constexpr RaiderLook kZak5{4,     25, 52,    40, {190, 120, 60}, {230, 80, 60}, {255, 235, 90},
                           0.05f, 0,  false, 1};
constexpr RaiderLook kZak7{4,     30, 70,   46, {180, 50, 70}, {240, 150, 70}, {255, 235, 90},
                           0.05f, 0,  true, 2};
constexpr RaiderLook kZak8{4,    30,    80,    54, {200, 120, 60}, {150, 60, 50}, {255, 210, 80},
                           0.1f, 0.12f, false, 2};
constexpr RaiderLook kZak9{4,      30, 80,   50, {160, 90, 140}, {240, 170, 80}, {255, 235, 90},
                           -0.05f, 0,  true, 2};

// Booster stage docked below the corner craft: tall, engines pointing down.
void DrawBooster(Canvas& c, float cx, float top, float bottom, Color hull, Color trim) {
  const float mid = (top + bottom) / 2;
  PaintSolid(c, Rect({cx, mid}, {16, (bottom - top) / 2 - 6}, 6), Metal(hull, 3));
  PaintSolid(c, Rect({cx, mid}, {17, 4}, 2), Metal(trim, 2));
  for (float dx : {-9.f, 9.f})
    PaintSolid(c, Rect({cx + dx, bottom - 5}, {4, 4}, 1), Metal(trim * 0.8f, 2));
  PaintEye(c, {cx, top + 10}, 4, {255, 235, 90});
}

// The twin-gun craft seen from above, nose pointing along `heading` (radians, 0 = right).
void DrawTwinGun(Canvas& c, Vec2 center, float heading) {
  const Material hull = Metal({230, 140, 50}, 3, 0.6f);
  const Material dark = Metal({170, 70, 60}, 2.5f, 0.5f);
  auto turn = [&](const Shape& s) { return Rotate(s, center, heading); };
  const float x = center.x, y = center.y;
  PaintSolid(c, turn(Capsule({x - 4, y - 11}, {x + 24, y - 11}, 2.6f)), dark);
  PaintSolid(c, turn(Capsule({x - 4, y + 11}, {x + 24, y + 11}, 2.6f)), dark);
  PaintSolid(c,
             turn(MirrorY(
                 Polygon({{x - 18, y - 6}, {x - 8, y - 27}, {x + 4, y - 27}, {x + 8, y - 6}}), y)),
             Metal({200, 90, 60}, 3));
  PaintSolid(c, turn(Ellipse(center, 17, 14)), hull);
  PaintSolid(c, turn(Rect({x - 18, y}, {4, 8}, 2)), dark);
  PaintEye(c, center, 6, {255, 235, 90});
}

}  // namespace

void DrawZak1(Canvas& c) { DrawRaider(c, kZak1); }
void DrawZak5(Canvas& c) { DrawRaider(c, kZak5); }
void DrawZak7(Canvas& c) { DrawRaider(c, kZak7); }
void DrawZak8(Canvas& c) { DrawRaider(c, kZak8); }
void DrawZak9(Canvas& c) { DrawRaider(c, kZak9); }

// The top-left 60 x 50 corner is a whole craft by itself (the crop used in play); the rest of
// the picture adds a docked booster stage.
void DrawZak2(Canvas& c) {
  DrawRaider(c, kZak2Corner);
  DrawBooster(c, 40, 56, 98, {230, 140, 50}, {170, 60, 60});
}

void DrawZak3(Canvas& c) {
  DrawRaider(c, kZak3Corner);
  DrawBooster(c, 50, 56, 118, {200, 110, 90}, {240, 200, 90});
  DrawBooster(c, 84, 10, 112, {200, 110, 90}, {240, 200, 90});
}

void DrawZak4(Canvas& c) {
  // A saucer seen from above: it enters from every edge, so it has no front.
  const Vec2 center{45, 35};
  for (int i = 0; i < 4; ++i) {
    const float a = kPi / 4 + i * kPi / 2;
    const Vec2 pod{center.x + 36 * std::cos(a), center.y + 25 * std::sin(a)};
    PaintSolid(c, Capsule(center, pod, 4), Metal({170, 70, 60}, 2));
    PaintSolid(c, Circle(pod, 6), Metal({240, 170, 70}, 3));
    PaintLight(c, pod, 2, {255, 220, 100});
  }
  PaintSolid(c, Ellipse(center, 30, 21), Metal({215, 95, 55}, 4, 0.7f));
  PaintSolid(c, Outline(Ellipse(center, 22, 15), 1.6f), Metal({245, 185, 80}, 1.5f));
  PaintSolid(c, Ellipse(center, 13, 10), Metal({160, 60, 70}, 3));
  PaintEye(c, center, 6, {255, 240, 110});
}

void DrawZak12(Canvas& c) {
  // Cell 0 (x 0..99) is the gun platform seen from above and the twin-gun craft diving down;
  // cells 1..3 turn it towards the right, cell 4 flies right. Cell 1 keeps to x 140..199 so
  // that the platform's 140-wide crop shows only cell 0.
  DrawTwinGun(c, {50, 50}, kPi / 2);
  DrawTwinGun(c, {170, 50}, kPi * 3 / 8);
  DrawTwinGun(c, {250, 50}, kPi / 4);
  DrawTwinGun(c, {350, 50}, kPi / 8);
  DrawTwinGun(c, {450, 50}, 0);
}

}  // namespace assetgen
