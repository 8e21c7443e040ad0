// Beams, lasers and bars: the boss's giant laser (warm-up, burning and edge rows), the
// frigate's laser strip and the launcher's bar strip. Their left end is the leading tip.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/paint.h"

namespace assetgen {
namespace {

constexpr Color kBeamHot{255, 250, 255};
constexpr Color kBeamGlow{255, 80, 150};
constexpr Color kBeamMid{255, 170, 215};

// One 600 x 80 band at row top: a beam of half-height `half` with a rounded tip at the left,
// its edges rippling with noise at time z (period 6 in z, so six rows loop).
void DrawBand(Canvas& c, float top, float half, float z, float brightness) {
  const float axis = top + 40;
  PaintField(c, {0, top, 600, top + 79.99f}, [&](Vec2 p) {
    const float ripple = Fbm(p.x / 22, 0.5f, z, 91, 3, 600 / 22, 6) - 0.5f;
    const float h = half * (1 + 0.35f * ripple) * std::clamp((p.x - 2) / 14, 0.f, 1.f);
    const float d = std::fabs(p.y - axis) / std::max(h, 0.5f);
    if (d > 1.6f) return Paint{};
    const float heat = std::clamp((1.6f - d) / 1.6f, 0.f, 1.f) * brightness;
    const Color col = heat > 0.7f ? Mix(kBeamMid, kBeamHot, (heat - 0.7f) / 0.3f)
                                  : Mix(kBeamGlow, kBeamMid, heat / 0.7f);
    return Paint{col, std::clamp(heat * 2.2f, 0.f, 1.f)};
  });
}

// A strip flying left with its head at x 0: it must look right cut at any width.
void DrawStrip(Canvas& c, Color glow, Color body, float half, float segment) {
  const float axis = c.height() / 2.f;
  PaintField(c, {0, 0, float(c.width()), float(c.height())}, [&](Vec2 p) {
    const float head = std::clamp(1.5f - p.x / 10, 1.f, 1.5f);
    const float seam = segment > 0 ? 0.85f + 0.15f * std::cos(p.x / segment * 6.2832f) : 1;
    const float d = std::fabs(p.y - axis) / (half * head * seam);
    if (d > 1.8f) return Paint{};
    const float heat = std::clamp(1.8f - d, 0.f, 1.f);
    const Color col = d < 0.45f ? kWhite : d < 1 ? body : glow;
    return Paint{col, std::clamp(heat * 1.6f, 0.f, 1.f)};
  });
}

}  // namespace

void DrawHlb1(Canvas& c) {
  // Warm-up rows 0..5, thin and dim to nearly full; the fade plays them backwards.
  for (int r = 0; r < 6; ++r) DrawBand(c, r * 80.f, 3 + 5.5f * r, r, 0.45f + 0.11f * r);
}

void DrawHlb11(Canvas& c) {
  // Burning rows, played 0..5 four times: full width, rippling in a six-row loop.
  for (int r = 0; r < 6; ++r) DrawBand(c, r * 80.f, 24, r, 1);
}

void DrawHlbt1(Canvas& c) {
  // Edge rows (600 x 45), symmetric top to bottom because the lower edge plays them reversed:
  // a thin crackling line of light with sparks.
  for (int e = 0; e < 4; ++e) {
    const float axis = e * 45 + 22.5f;
    PaintField(c, {0, e * 45.f, 600, e * 45 + 44.99f}, [&](Vec2 p) {
      const float n = Fbm(p.x / 9, 0.5f, e * 1.5f, 92, 3, 600 / 9 * 1, 6);
      const float width = 1.5f + 5 * n * n;
      const float d = std::fabs(p.y - axis) / width;
      if (d > 2 || p.x < 6) return Paint{};
      const float heat = std::clamp(1 - d / 2, 0.f, 1.f);
      return Paint{d < 0.6f ? kBeamMid : kBeamGlow, std::clamp(heat * 1.5f, 0.f, 1.f)};
    });
  }
}

void DrawLz1(Canvas& c) { DrawStrip(c, {255, 60, 140}, {255, 160, 210}, 4, 0); }
void DrawBlzs12(Canvas& c) { DrawStrip(c, {255, 140, 30}, {255, 220, 120}, 5, 20); }

}  // namespace assetgen
