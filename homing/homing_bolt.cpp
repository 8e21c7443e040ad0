// The lightning bolt of a flying homing missile: seven lines from a jittered
// point below the ship to the marker, bent by the missile's launch vector so
// that it keeps its launch shape while ship and target move. The missile's
// own position is never drawn.
#include <cstdint>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"
#include "homing/homing_missile.h"

namespace homing {
namespace {

constexpr int kStartX = 27;  // start point relative to the ship's corner
constexpr int kStartY = 40;
constexpr int kJitter = 5;      // the start x moves by rand() % 5 - rand() % 5
constexpr int kEndOffset = 29;  // the bolt ends at the marker's corner plus this
constexpr int kLines = 7;
constexpr int kWidths[kLines] = {7, 6, 5, 4, 3, 2, 2};
constexpr int kGreenTop = 155;  // green 56 .. 155, blue 156 .. 255 (the first line 255)
constexpr int kBlueTop = 255;
constexpr int kColourSpread = 100;

uint32_t Colour(int green, int blue) {
  return static_cast<uint32_t>(256 * green + 65536 * blue);  // red 0
}

void DrawBolt(const HomingMissile& m, const TargetMarker& marker) {
  const int r1 = koSystem::Rand(), r2 = koSystem::Rand();
  const int sx = static_cast<int>(gPlayerX) + kStartX + r1 % kJitter - r2 % kJitter;
  const int sy = static_cast<int>(gPlayerY) + kStartY;
  const int dX = static_cast<int>(m.launchDx), dY = static_cast<int>(m.launchDy);
  const int r3 = koSystem::Rand(), r4 = koSystem::Rand();
  const int green = kGreenTop - r3 % kColourSpread;
  const int blue = kBlueTop - r4 % kColourSpread;
  // The bends: ninths of the launch vector, each truncated on its own.
  const int a = 2 * dX / 9, bx = 3 * dX / 9, c = dX / 9, e = dY / 9, h = 2 * dY / 9;
  const DrawPoint p[kLines + 1] = {
      {sx, sy},
      {sx + a + bx, sy},
      {sx + a + 2 * bx, sy + e},
      {sx + a + 2 * bx + c, sy + 2 * e},
      {sx + a + 2 * bx + c, sy + 2 * e + h},
      {sx + a + 2 * bx, sy + 2 * e + 2 * h},
      {sx + a + 2 * bx, sy + 2 * e + 3 * h},
      {marker.x + kEndOffset, marker.y + kEndOffset},
  };
  for (int i = 0; i < kLines; ++i) {
    const uint32_t colour = Colour(green, i == 0 ? kBlueTop : blue);
    koDraw::DrawLine(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y, colour, kWidths[i]);
  }
}

}  // namespace

void DrawHoming(const HomingDesign& d) {
  for (size_t i = 0; i < d.missiles.size(); ++i)
    if (d.missiles[i].active != 0 && d.drawsBolt) DrawBolt(d.missiles[i], d.markers[i]);
}

}  // namespace homing
