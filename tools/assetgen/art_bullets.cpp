// Enemy bullets: glowing orbs with bright cores, spinning animated orbs whose last frame leads
// into the first, comet-shaped spread shots and chain orbs.
#include <cmath>
#include <numbers>

#include "tools/assetgen/art.h"
#include "tools/assetgen/kit.h"

namespace assetgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

struct OrbLook {
  Color glow, body;
  int spikes;  // 0 for a plain pulsing orb
};

constexpr OrbLook kPink{{255, 60, 150}, {255, 140, 200}, 4};
constexpr OrbLook kOrange{{255, 120, 30}, {255, 190, 90}, 0};
constexpr OrbLook kYellow{{240, 200, 40}, {255, 240, 140}, 6};
constexpr OrbLook kViolet{{170, 80, 255}, {210, 160, 255}, 0};
constexpr OrbLook kRed{{255, 50, 50}, {255, 150, 120}, 3};
constexpr OrbLook kMagenta{{240, 60, 220}, {255, 150, 240}, 2};

// One orb filling a cell canvas; phase 0..1 turns the spikes by one spike spacing and runs
// one pulse, so frame n and frame 0 join up.
void DrawOrb(Canvas& c, const OrbLook& o, float phase) {
  const float cell = static_cast<float>(c.width());
  const Vec2 center{cell / 2, cell / 2};
  const float r = cell * 0.22f * (1 + 0.12f * std::sin(2 * kPi * phase));
  PaintGlow(c, Circle(center, r), o.glow, cell * 0.1f, 0.85f);
  if (o.spikes > 0) {
    const float turn = 2 * kPi * phase / o.spikes;
    for (int i = 0; i < o.spikes; ++i) {
      const float a = turn + i * 2 * kPi / o.spikes;
      const Vec2 tip{center.x + std::cos(a) * cell * 0.46f, center.y + std::sin(a) * cell * 0.46f};
      PaintFlat(c, Capsule(center, tip, cell * 0.05f), o.body);
    }
  }
  PaintFlat(c, Circle(center, r), o.body);
  PaintFlat(c, Circle(center, r * 0.55f), kWhite);
}

// A strip of `cells` cells; cells past `frames` repeat the first ones.
void DrawOrbStrip(Canvas& c, int cell, int frames, int cells, const OrbLook& o) {
  DrawCells(c, cell, cell, cells, false, [&](Canvas& part, int i) {
    DrawOrb(part, o, static_cast<float>(i % frames) / frames);
  });
}

// A comet flying left (tilted by angle: positive climbs), bright head and fading tail.
struct CometLook {
  float length;
  float angle;
  Color glow, body;
};

void DrawComet(Canvas& c, const CometLook& k) {
  const Vec2 center{c.width() / 2.f, c.height() / 2.f};
  const float half = k.length / 2;
  const Vec2 head{center.x - half + 8, center.y};
  const Shape tail =
      Rotate(SymmetricPolygon({{head.x, center.y - 6}, {center.x + half, center.y}}, center.y),
             center, k.angle);
  const Shape core = Rotate(Circle(head, 6.5f), center, k.angle);
  PaintGlow(c, tail, k.glow, 2.5f, 0.55f);
  PaintFlat(c, tail, k.glow);
  PaintFlat(c,
            Rotate(SymmetricPolygon({{head.x, center.y - 3}, {center.x + half * 0.6f, center.y}},
                                    center.y),
                   center, k.angle),
            k.body);
  PaintGlow(c, core, k.glow, 3, 0.8f);
  PaintFlat(c, core, k.body);
  PaintFlat(c, Rotate(Circle(head, 3.5f), center, k.angle), kWhite);
}

constexpr float kSpreadTilt = 0.32f;  // radians of climb or fall for the outer rows
constexpr Color kSpreadGlow{255, 90, 40}, kSpreadBody{255, 200, 110};
constexpr Color kWideGlow{230, 60, 160}, kWideBody{255, 170, 220};

// Direction-free spinning star for looping paths.
void DrawStarOrb(Canvas& c, Color glow, Color body, int points) {
  const Vec2 center{30, 30};
  std::vector<Vec2> star;
  for (int i = 0; i < 2 * points; ++i) {
    const float a = i * kPi / points;
    const float r = i % 2 ? 10.f : 24.f;
    star.push_back({center.x + r * std::cos(a), center.y + r * std::sin(a)});
  }
  PaintGlow(c, Polygon(star), glow, 3, 0.7f);
  PaintFlat(c, Polygon(star), body);
  PaintFlat(c, Outline(Circle(center, 15), 1.5f), body);
  PaintFlat(c, Circle(center, 9), Mix(body, kWhite, 0.5f));
  PaintFlat(c, Circle(center, 5), kWhite);
}

// Chain segments stacked vertically in 40 x 40 cells.
void DrawChain(Canvas& c, int cells, const OrbLook& o) {
  DrawCells(c, 40, 40, cells, true, [&](Canvas& part, int) {
    const Vec2 center{20, 20};
    PaintGlow(part, Circle(center, 9), o.glow, 3, 0.7f);
    PaintSolid(part, Circle(center, 11), Metal(o.glow, 3, 0.8f));
    PaintFlat(part, Circle(center, 6), o.body);
    PaintFlat(part, Circle(center, 3), kWhite);
  });
}

}  // namespace

void DrawVal11(Canvas& c) { DrawOrb(c, kPink, 0); }
void DrawVal12(Canvas& c) { DrawOrb(c, kOrange, 0); }
void DrawVal13(Canvas& c) { DrawOrb(c, kYellow, 0); }
void DrawVal1(Canvas& c) { DrawOrbStrip(c, 16, 16, 16, kPink); }
void DrawVal2(Canvas& c) { DrawOrbStrip(c, 16, 16, 16, kViolet); }
void DrawVal3(Canvas& c) { DrawOrbStrip(c, 16, 16, 16, kRed); }
void DrawVal2014(Canvas& c) { DrawOrbStrip(c, 20, 14, 14, kRed); }
// Seven frames; cells 7..9 repeat 0..2 for frame counters that start past the end.
void DrawVal201(Canvas& c) { DrawOrbStrip(c, 20, 7, 10, kMagenta); }
void DrawVal2024(Canvas& c) { DrawOrbStrip(c, 20, 24, 24, kYellow); }
void DrawVal1624(Canvas& c) { DrawOrbStrip(c, 16, 24, 24, kPink); }

void DrawBlzs1(Canvas& c) { DrawComet(c, {54, 0, kSpreadGlow, kSpreadBody}); }
void DrawBlzs2(Canvas& c) { DrawComet(c, {50, kSpreadTilt, kSpreadGlow, kSpreadBody}); }
void DrawBlzs3(Canvas& c) { DrawComet(c, {50, -kSpreadTilt, kSpreadGlow, kSpreadBody}); }
void DrawBlzs2_1(Canvas& c) { DrawComet(c, {130, 0, kWideGlow, kWideBody}); }
void DrawBlzs2_2(Canvas& c) { DrawComet(c, {124, 0.22f, kWideGlow, kWideBody}); }
void DrawBlzs2_3(Canvas& c) { DrawComet(c, {124, -0.22f, kWideGlow, kWideBody}); }

void DrawBlzs10(Canvas& c) { DrawStarOrb(c, {255, 80, 60}, {255, 200, 120}, 5); }
void DrawBlzs11(Canvas& c) { DrawStarOrb(c, {200, 80, 255}, {230, 190, 255}, 6); }
void DrawBlzbs2_5(Canvas& c) { DrawChain(c, 5, kViolet); }
void DrawBlzbs2_7(Canvas& c) { DrawChain(c, 7, kOrange); }

}  // namespace assetgen
