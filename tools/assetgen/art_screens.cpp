// Full screens and overlays: the title, the level select, the continue prompt, the ending's
// caption and closing picture, and the boss-section badge.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "tools/assetgen/art.h"
#include "tools/assetgen/kit.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/pixel_font.h"
#include "tools/assetgen/rng.h"
#include "tools/assetgen/stroke_font.h"

namespace assetgen {
namespace {

// Polished-metal lettering: a colour ramp from top to bottom with a dark band across the
// middle, a dark outline and a soft glow.
struct ChromeLook {
  Color ramp[5];
  Color outline, glow;
};

constexpr ChromeLook kBlueChrome{
    {{255, 255, 255}, {160, 215, 255}, {40, 90, 205}, {100, 175, 255}, {225, 240, 255}},
    {20, 40, 120},
    {40, 110, 255}};
constexpr ChromeLook kGoldChrome{
    {{255, 255, 230}, {255, 220, 120}, {200, 100, 30}, {255, 170, 60}, {255, 235, 170}},
    {110, 45, 20},
    {255, 140, 40}};
constexpr Color kPanelFill{16, 24, 62}, kPanelBorder{90, 150, 255};
constexpr Color kLabel{225, 235, 255};

void PaintChrome(Canvas& c, const Shape& text, float outline, const ChromeLook& look) {
  PaintGlow(c, Inflate(text, outline), look.glow, outline * 1.6f, 0.55f);
  PaintFlat(c, Inflate(text, outline), look.outline);
  const float top = text.bounds.y0, height = text.bounds.y1 - text.bounds.y0;
  PaintField(c, text.bounds, [&](Vec2 p) {
    const float coverage = std::clamp(0.5f - text(p), 0.f, 1.f);
    return Paint{Ramp(look.ramp, (p.y - top) / height), coverage};
  });
}

void PaintPanel(Canvas& c, Box2 box) {
  const Vec2 center{(box.x0 + box.x1) / 2, (box.y0 + box.y1) / 2};
  const Vec2 half{(box.x1 - box.x0) / 2, (box.y1 - box.y0) / 2};
  PaintFlat(c, Rect(center, half, 10), kPanelBorder);
  PaintFlat(c, Rect(center, {half.x - 3, half.y - 3}, 8), kPanelFill);
  PaintFlat(c, Outline(Rect(center, {half.x - 7, half.y - 7}, 6), 0.6f), {50, 80, 160});
}

void PaintStars(Canvas& c, int count, uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    const int x = rng.Int(0, c.width() - 1), y = rng.Int(0, c.height() - 1);
    const float b = rng.Chance(0.15f) ? rng.Range(170, 230) : rng.Range(70, 140);
    c.Set(x, y, {b * 0.85f, b * 0.9f, b});
  }
}

// A planet filling the bottom of the picture with a lit rim of atmosphere.
void PaintPlanet(Canvas& c, Vec2 center, float r, uint32_t seed) {
  PaintGlow(c, Circle(center, r), {60, 150, 255}, 10, 0.7f);
  PaintField(c, {center.x - r, center.y - r, center.x + r, center.y + r}, [&](Vec2 p) {
    const float dx = (p.x - center.x) / r, dy = (p.y - center.y) / r;
    const float d = std::hypot(dx, dy);
    if (d > 1) return Paint{};
    const float bands = Fbm(dx * 3, dy * 14, 0, seed, 4);
    const float lit = std::clamp(0.3f - dy * 0.9f - dx * 0.2f, 0.f, 1.f);
    Color col = Mix(Color{20, 34, 90}, Color{70, 110, 200}, bands * 0.6f + lit * 0.5f);
    col = Mix(col, Color{150, 220, 255}, std::pow(std::clamp((d - 0.93f) / 0.07f, 0.f, 1.f), 2.f));
    return Paint{col, std::clamp((1 - d) * r, 0.f, 1.f)};
  });
}

// The player's ship drawn at `scale` times its size with its top-left corner at (x, y).
void PaintShipLarge(Canvas& c, float scale, float x, float y) {
  c.SetView(scale, x, y);
  DrawMyme1(c);
  c.SetView(1, 0, 0);
}

// A row of the level select: a key cap and what the key chooses.
void PaintKeyRow(Canvas& c, float y, std::string_view key, std::string_view label) {
  PaintFlat(c, Rect({150, y}, {26, 16}, 5), {120, 170, 255});
  PaintFlat(c, Rect({150, y - 1}, {23, 13}, 4), {40, 60, 140});
  const StrokeStyle cap{2.6f, 1.3f, 0, 6.2f};
  PaintFlat(c, StrokeTextCentered(key, 150, y - 7.8f, cap), kWhite);
  const StrokeStyle text{3, 1.4f, 0, 6.2f};
  PaintFlat(c, StrokeText(label, {196, y - 9}, text), kLabel);
}

}  // namespace

void DrawTitle(Canvas& c) {
  PaintStars(c, 220, 401);
  PaintPlanet(c, {320, 1010}, 640, 402);
  PaintShipLarge(c, 3.2f, 300, 180);
  const StrokeStyle title{8.4f, 4.2f, 0.16f, 6.2f};
  PaintChrome(c, StrokeTextCentered("VORENDALITE", 320, 66, title), 3.5f, kBlueChrome);
  PaintFlat(c, Rect({320, 142}, {250, 1.2f}), {90, 150, 255});
  const StrokeStyle prompt{4, 1.8f, 0, 6.4f};
  const Shape press = StrokeTextCentered("PRESS ENTER", 320, 396, prompt);
  PaintGlow(c, press, {255, 190, 60}, 4, 0.5f);
  PaintFlat(c, Inflate(press, 1.6f), {110, 50, 20});
  PaintFlat(c, press, {255, 236, 160});
  const std::string_view help = "ARROWS MOVE    Z FIRE    X BOMB    S PAUSE    ESC QUIT";
  DrawPixelText(c, 320 - PixelTextWidth(help) / 2, 452, help, {150, 175, 220});
}

void DrawLevel(Canvas& c) {
  // Drawn over the scrolling far layer; only the panel covers it.
  PaintPanel(c, {60, 70, 580, 410});
  PaintChrome(c, StrokeTextCentered("SELECT LEVEL", 320, 96, {4.6f, 2.2f, 0.12f, 6.2f}), 2.5f,
              kBlueChrome);
  PaintKeyRow(c, 180, "F1", "NORMAL");
  PaintKeyRow(c, 222, "F2", "HARD");
  PaintKeyRow(c, 264, "F3", "NORMAL + EXTRA");
  PaintKeyRow(c, 306, "F4", "HARD + EXTRA");
  PaintKeyRow(c, 360, "B", "ADDITIVE BLASTS");
}

void DrawContinu1(Canvas& c) {
  PaintPanel(c, {2, 2, 198, 98});
  PaintChrome(c, StrokeTextCentered("CONTINUE?", 100, 18, {3.1f, 1.6f, 0.1f, 6.2f}), 1.6f,
              kGoldChrome);
  const StrokeStyle answer{3.2f, 1.6f, 0, 6.2f};
  PaintFlat(c, StrokeTextCentered("Y / N", 100, 60, answer), kLabel);
}

void DrawMygoodn(Canvas& c) {
  PaintChrome(c, StrokeTextCentered("CONGRATULATIONS", 150, 22, {3.05f, 1.6f, 0.12f, 6.2f}), 2,
              kGoldChrome);
  const StrokeStyle line{2.3f, 1.2f, 0, 6.4f};
  const Shape text = StrokeTextCentered("MISSION COMPLETE", 150, 64, line);
  PaintFlat(c, Inflate(text, 1.4f), {20, 40, 120});
  PaintFlat(c, text, {170, 225, 255});
}

void DrawZerog1(Canvas& c) {
  // Closing picture, shown on the right of the screen: the ship heading home to its planet.
  PaintPlanet(c, {330, 720}, 330, 403);
  PaintShipLarge(c, 2.4f, 120, 200);
  PaintChrome(c, StrokeTextCentered("THE END", 220, 54, {6, 3, 0.14f, 6.2f}), 3, kBlueChrome);
  const StrokeStyle line{2.4f, 1.2f, 0, 6.4f};
  const Shape thanks = StrokeTextCentered("THANK YOU FOR PLAYING", 220, 112, line);
  PaintFlat(c, Inflate(thanks, 1.4f), {20, 40, 120});
  PaintFlat(c, thanks, {200, 230, 255});
}

void DrawCg0(Canvas& c) {
  // Warning badge for the boss section.
  const Shape sign = Inflate(Polygon({{30, 6}, {55, 51}, {5, 51}}), 3);
  PaintGlow(c, sign, {255, 80, 40}, 2, 0.5f);
  PaintSolid(c, sign, Metal({250, 200, 60}, 4, 0.8f));
  PaintFlat(c, Outline(Inflate(Polygon({{30, 14}, {49, 47}, {11, 47}}), 1), 1.2f), {200, 40, 30});
  const StrokeStyle mark{3.2f, 2.2f, 0, 6};
  PaintFlat(c, StrokeText("!", {30 - 2 * 3.2f - 2.2f, 21}, mark), {190, 30, 30});
}

}  // namespace assetgen
