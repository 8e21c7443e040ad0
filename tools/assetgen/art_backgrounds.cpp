// The two scrolling layers. Both tile left to right (column 639 continues into column 0): the
// far layer is a dim nebula with stars, the near layer dark drifting rocks over black.
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
constexpr int kTile = 640;
constexpr float kCloudScale = 80;  // pixels per noise cell; 640 / 80 cells wrap exactly

// Calls draw at x and at x +- 640, so shapes that cross an edge continue on the other side.
template <typename F>
void Wrapped(float x, F draw) {
  for (float dx : {-float(kTile), 0.f, float(kTile)}) draw(x + dx);
}

// A rock: a circle whose radius wobbles with angle.
Shape Rock(Vec2 c, float r, uint32_t seed) {
  return {[=](Vec2 p) {
            const float a = std::atan2(p.y - c.y, p.x - c.x);
            const float wobble = Fbm(std::cos(a) * 1.5f + 3, std::sin(a) * 1.5f + 3, 0, seed, 3);
            return std::hypot(p.x - c.x, p.y - c.y) - r * (0.8f + 0.45f * wobble);
          },
          {c.x - r * 1.3f, c.y - r * 1.3f, c.x + r * 1.3f, c.y + r * 1.3f}};
}

void DrawRock(Canvas& c, Vec2 at, float r, uint32_t seed, Color tone) {
  const Shape rock = Rock(at, r, seed);
  PaintSolid(c, rock, {tone, tone * 0.75f, r * 0.35f, 0.08f, 0.5f});
  Rng rng(seed);
  for (int i = 0; i < 3 + static_cast<int>(r / 10); ++i) {
    const Vec2 crater{at.x + rng.Range(-0.55f, 0.55f) * r, at.y + rng.Range(-0.55f, 0.55f) * r};
    const Shape pit = Intersect(Circle(crater, rng.Range(0.08f, 0.2f) * r), Inflate(rock, -2));
    PaintSolid(c, pit, {tone * 0.78f, tone * 0.68f, 2, 0.05f, 0});
  }
}

}  // namespace

void DrawBack1u(Canvas& c) {
  // Deep navy everywhere (never the key), with blue and violet nebula clouds over it.
  const Color deep{8, 10, 40}, blue{20, 30, 78}, violet{58, 26, 80};
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      const float u = x / kCloudScale, v = y / kCloudScale;
      const float band = 1 - std::fabs(y - 240.f) / 320;  // denser towards the middle
      const float density = Fbm(u, v, 0, 201, 5, kTile / kCloudScale);
      const float cloud = std::clamp((density - 0.38f) * 2.8f * band, 0.f, 1.f);
      const float tint = Fbm(u * 0.5f, v * 0.5f + 9, 0, 203, 3, kTile / kCloudScale / 2);
      const Color nebula = Mix(blue, violet, std::clamp(tint * 1.6f - 0.4f, 0.f, 1.f));
      c.Set(x, y, Mix(deep, nebula, cloud));
    }
  }
  // Stars: mostly faint points, a few brighter ones with a small glow.
  Rng rng(204);
  for (int i = 0; i < 420; ++i) {
    const float x = rng.Range(0, kTile), y = rng.Range(0, 480);
    const float bright = rng.Chance(0.1f) ? rng.Range(150, 200) : rng.Range(70, 130);
    const Color tint = Mix(Color{bright * 0.8f, bright * 0.85f, bright},
                           Color{bright, bright * 0.9f, bright * 0.75f}, rng.Uniform());
    Wrapped(x, [&](float sx) {
      if (bright > 140) PaintGlow(c, Circle({sx, y}, 0.6f), tint * 0.6f, 1.2f, 0.5f);
      c.Over(static_cast<int>(sx), static_cast<int>(y), tint, 1);
    });
  }
}

void DrawBack1(Canvas& c) {
  // Rocks drifting close by, mostly near the top and bottom edges; the rest is black.
  Rng rng(301);
  for (int i = 0; i < 26; ++i) {
    const bool edge = i < 18;
    const float r = edge ? rng.Range(16, 46) : rng.Range(5, 12);
    const float y =
        edge ? (rng.Chance(0.5f) ? rng.Range(-10, 50) : rng.Range(428, 488)) : rng.Range(80, 400);
    const float x = rng.Range(0, kTile);
    const Color tone = Mix(Color{44, 40, 54}, Color{34, 40, 58}, rng.Uniform());
    const uint32_t seed = 310 + i;
    Wrapped(x, [&](float sx) { DrawRock(c, {sx, y}, r, seed, tone); });
  }
}

}  // namespace assetgen
