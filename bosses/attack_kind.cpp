#include "bosses/attack_kind.h"

#include <cmath>

#include "engine/draw/ko_draw.h"

namespace {
// The half turn as the aim rule adds it.
constexpr float kHalfTurn = 3.1415927f;
constexpr float kStraightDown = kHalfTurn / 2.0f;
constexpr int kCell = 20;
}  // namespace

bool HitShip(float x, float y, const ShipBox& box) {
  if (gPlayerAlive == 0) return false;
  const float rx = x - gPlayerX, ry = y - gPlayerY;
  if (rx < box.left || rx > box.right || ry < box.top || ry > box.bottom) return false;
  gPlayerAlive = 0;
  return true;
}

float AimAngle(float dx, float dy, float spread) {
  float angle = dx != 0.0f ? std::atan(dy / dx) : kStraightDown;
  angle += spread;
  if ((dx <= 0.0f && dy <= 0.0f) || (dx < 0.0f && dy > 0.0f)) angle += kHalfTurn;
  return angle;
}

int DrawStripCell(float x, float y, int picture, int cell, int cells) {
  koDraw::Blit(static_cast<int>(x), static_cast<int>(y), picture, kCell * cell, 0,
               kCell * cell + kCell, kCell);
  return cell + 1 >= cells ? 0 : cell + 1;
}
