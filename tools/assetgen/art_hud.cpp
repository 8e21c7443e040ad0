// HUD pictures: the small digits, labels, game-over caption and particle colours of the HUD
// sheet (all in its rows 70..79), and the large score digits.
#include <string>

#include "tools/assetgen/art.h"
#include "tools/assetgen/paint.h"
#include "tools/assetgen/pixel_font.h"
#include "tools/assetgen/stroke_font.h"

namespace assetgen {
namespace {

constexpr int kHudRow = 70;

// The seven colours of the background particles, bright against the dark backgrounds.
constexpr Color kParticles[7] = {{210, 225, 255}, {100, 230, 255}, {255, 240, 120}, {255, 130, 200},
                                 {140, 255, 150}, {255, 170, 80},  {190, 150, 255}};

// Tall text with a colour gradient from top to bottom, so it still reads when stretched.
void DrawGradientText(Canvas& c, int x, std::string_view text, Color top, Color bottom) {
  Canvas glyphs(c.width(), c.height());
  DrawTallText(glyphs, x, kHudRow, text, kWhite);
  for (int y = kHudRow; y < kHudRow + kTallGlyphHeight; ++y) {
    const Color row = Mix(top, bottom, (y - kHudRow) / (kTallGlyphHeight - 1.f));
    for (int px = x; px < x + PixelTextWidth(text); ++px)
      if (glyphs.AlphaAt(px, y) > 0) c.Set(px, y, row);
  }
}

}  // namespace

void DrawMymy(Canvas& c) {
  for (int d = 0; d < 10; ++d)
    DrawGradientText(c, 8 + 7 * d + 1, std::to_string(d), {240, 248, 255}, {120, 190, 255});
  // "GAME OVER" is 51 pixels wide, centred in its 55-wide cell.
  DrawGradientText(c, 83, "GAME OVER", {255, 230, 110}, {255, 70, 50});
  for (int t = 0; t < 7; ++t)
    for (int y = kHudRow; y < kHudRow + 10; ++y)
      for (int x = 0; x < 3; ++x) c.Set(139 + 3 * t + x, y, kParticles[t]);
  DrawGradientText(c, 170, "BOMB", {255, 220, 140}, {255, 140, 60});
  DrawGradientText(c, 200, "SHIP", {190, 240, 255}, {80, 170, 255});
}

void DrawSuji09(Canvas& c) {
  const StrokeStyle style{3.2f, 1.9f, 0, 6};
  for (int d = 0; d < 10; ++d) {
    const Shape digit = StrokeText(std::to_string(d), {20.f * d + 1.7f, 1.6f + 1.9f}, style);
    PaintSolid(c, digit, {{175, 225, 255}, {40, 80, 200}, 1.5f, 0.9f, 0});
  }
}

}  // namespace assetgen
