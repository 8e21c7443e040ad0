// Fire balls that flash, swell and break up over their frames; sparks; the player's tumbling
// hull fragments.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "tools/assetgen/art.h"
#include "tools/assetgen/kit.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/rng.h"

namespace assetgen {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;

// Colours from hottest to coolest; the coolest stays bright enough to remain visible.
struct FirePalette {
  Color stops[5];
};
constexpr FirePalette kFire{
    {{255, 255, 235}, {255, 226, 110}, {255, 140, 40}, {205, 55, 30}, {110, 40, 52}}};
constexpr FirePalette kPlasma{
    {{255, 245, 255}, {255, 170, 240}, {235, 80, 200}, {150, 40, 160}, {80, 40, 110}}};
constexpr FirePalette kCold{
    {{240, 255, 255}, {150, 230, 255}, {60, 150, 255}, {40, 70, 200}, {50, 40, 120}}};

struct FireStrip {
  int cell;  // cells are cell x cell, side by side from x 0
  int frames;
  uint32_t seed;
  float reach;  // final radius as a share of half the cell
  int sparks;
  const FirePalette* palette;
};

Color FireColor(const FirePalette& p, float heat) {
  // heat 1 = white hot, 0 = cooling smoke
  return Ramp(p.stops, 1 - std::clamp(heat, 0.f, 1.f));
}

// One frame of an explosion at time t in [0, 1): a bright flash that swells into a billowing
// ball, cools from white to red and breaks into wisps.
void DrawFireFrame(Canvas& c, Vec2 center, float half, float t, const FireStrip& s, int frame) {
  const float radius = half * s.reach * (0.28f + 0.72f * (1 - std::pow(1 - t, 2.2f)));
  const float cooling = std::pow(t, 0.8f);
  const Box2 box{center.x - half, center.y - half, center.x + half, center.y + half};
  PaintField(c, box, [&](Vec2 p) {
    const float dx = (p.x - center.x) / radius, dy = (p.y - center.y) / radius;
    const float r = std::hypot(dx, dy);
    if (r > 1.6f) return Paint{};
    // Noise coordinates scale with the ball, so its billows grow with it.
    const float n = Fbm(dx * 1.8f + 10, dy * 1.8f + 10, t * 2.5f, s.seed, 4);
    const float density = 1 - r * r + (n - 0.5f) * (1.5f + cooling) - cooling * cooling * 0.9f;
    if (density <= 0) return Paint{};
    const float heat = (density * 1.3f + 0.3f) * (1 - cooling * 0.9f) - 0.15f * r;
    return Paint{FireColor(*s.palette, heat), std::clamp(density * 4, 0.f, 1.f)};
  });
  // Sparks thrown out along fixed directions, fading as they fly.
  Rng rng(s.seed * 31 + 7);
  for (int i = 0; i < s.sparks; ++i) {
    const float angle = rng.Range(0, 2 * kPi), speed = rng.Range(0.6f, 1.05f);
    const float life = rng.Range(0.5f, 0.95f);
    if (t > life) continue;
    const float d = half * speed * (0.3f + 0.7f * t / life) * 0.92f;
    const Vec2 at{center.x + std::cos(angle) * d, center.y + std::sin(angle) * d};
    const Vec2 tail{at.x - std::cos(angle) * 3, at.y - std::sin(angle) * 3};
    PaintFlat(c, Capsule(tail, at, 0.8f), FireColor(*s.palette, 1 - t / life));
  }
  if (frame == 0) PaintGlow(c, Circle(center, radius * 0.35f), kWhite, radius * 0.25f, 0.9f);
}

void DrawFireStrip(Canvas& c, const FireStrip& s) {
  const float half = s.cell / 2.f;
  DrawCells(c, s.cell, s.cell, s.frames, false, [&](Canvas& part, int f) {
    DrawFireFrame(part, {half, half}, half, static_cast<float>(f) / s.frames, s, f);
  });
}

// A churning ball of fire whose frames loop without a seam.
void DrawLoopingFire(Canvas& c, int cell, int frames, uint32_t seed) {
  DrawCells(c, cell, cell, frames, false, [&](Canvas& part, int f) {
    const Vec2 center{cell / 2.f, cell / 2.f};
    const float radius = cell * 0.36f;
    const float z = 2.f * f / frames;  // one full period of the noise's time axis
    PaintField(part, {0, 0, float(cell), float(cell)}, [&](Vec2 p) {
      const float dx = (p.x - center.x) / radius, dy = (p.y - center.y) / radius;
      const float r = std::hypot(dx, dy);
      if (r > 1.45f) return Paint{};
      const float n = Fbm(dx * 2 + 5, dy * 2 + 5, z, seed, 4, 0, 2);
      const float density = 1 - r * r + (n - 0.5f) * 1.6f;
      if (density <= 0) return Paint{};
      const float heat = density * 0.9f + (n - 0.5f) * 0.8f;
      return Paint{FireColor(kFire, heat), std::clamp(density * 4, 0.f, 1.f)};
    });
  });
}

// A hull shard of the player's ship, tumbling once around over the frames, trailing light.
void DrawShard(Canvas& c, Vec2 center, float angle, float glow, Color hull) {
  const Shape shard = Rotate(Polygon({{center.x - 12, center.y - 5},
                                      {center.x + 13, center.y - 3},
                                      {center.x + 4, center.y + 7},
                                      {center.x - 8, center.y + 5}}),
                             center, angle);
  PaintGlow(c, shard, {110, 200, 255}, 2 + 3 * glow, 0.5f + 0.4f * glow);
  PaintSolid(c, shard, Metal(hull, 2, 0.9f));
  PaintFlat(
      c,
      Rotate(Capsule({center.x - 4, center.y}, {center.x + 4, center.y - 1}, 0.8f), center, angle),
      {60, 130, 255});
}

}  // namespace

void DrawZbak1b(Canvas& c) { DrawFireStrip(c, {60, 10, 11, 1.0f, 8, &kFire}); }
void DrawZbak2b(Canvas& c) { DrawFireStrip(c, {80, 8, 22, 1.0f, 10, &kFire}); }
void DrawZbak3b(Canvas& c) { DrawFireStrip(c, {80, 10, 33, 1.05f, 12, &kFire}); }
void DrawZbak4b(Canvas& c) { DrawFireStrip(c, {80, 10, 44, 1.0f, 10, &kPlasma}); }
void DrawZbak5b(Canvas& c) { DrawFireStrip(c, {80, 8, 55, 1.0f, 10, &kCold}); }
void DrawBbak1(Canvas& c) { DrawLoopingFire(c, 160, 4, 66); }

void DrawZbak6b(Canvas& c) {
  // Sparks and glowing debris only: a small flash, then streaks flying apart.
  constexpr int kCell = 40, kFrames = 8;
  DrawCells(c, kCell, kCell, kFrames, false, [&](Canvas& part, int f) {
    const float t = static_cast<float>(f) / kFrames;
    const Vec2 center{20, 20};
    if (f < 2) PaintGlow(part, Circle(center, 3.f - f), {255, 230, 150}, 3, 0.9f);
    Rng rng(77);
    for (int i = 0; i < 12; ++i) {
      const float angle = rng.Range(0, 2 * kPi), speed = rng.Range(0.5f, 1);
      const float d = 18 * speed * (0.15f + 0.85f * t);
      const Vec2 dir{std::cos(angle), std::sin(angle)};
      const Vec2 at{center.x + dir.x * d, center.y + dir.y * d};
      const float len = 2 + 4 * speed * (1 - t);
      PaintFlat(part, Capsule({at.x - dir.x * len, at.y - dir.y * len}, at, 0.7f),
                FireColor(kFire, 1 - t * 1.1f));
    }
  });
}

void DrawGfbak1(Canvas& c) {
  // 15 frames: row 0 columns 0..7, then row 1 columns 1..7; row 1 column 0 stays empty.
  constexpr int kFrames = 15;
  for (int k = 0; k < kFrames; ++k) {
    const int col = k < 8 ? k : k - 7, row = k < 8 ? 0 : 1;
    const float phase = static_cast<float>(k) / kFrames;
    DrawClipped(c, col * 60, row * 60, 60, 60, [&](Canvas& cell) {
      DrawShard(cell, {30, 30}, phase * 2 * kPi, 0.5f + 0.5f * std::cos(phase * 2 * kPi),
                {222, 230, 242});
    });
  }
}

void DrawHahen(Canvas& c) { DrawShard(c, {30, 30}, 0.4f, 0.3f, {200, 150, 120}); }

}  // namespace assetgen
