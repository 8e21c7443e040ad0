#include "enemies/aimed_bursts.h"

#include <cmath>
#include <numbers>

namespace enemy {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
// Every burst aims at this point of the ship and keeps its bullets on the screen.
constexpr float kAimOffset = 20.0f;
constexpr KeepArea kScreen{-16, 640, -16, 480, true};
constexpr ShipBox kShipBox{14, 30, 24, 30};

}  // namespace

void TickBurst(const BurstDesign& d) {
  for (BurstShotRecord& s : d.shots)
    if (++s.timer >= d.period) s.timer = 0;
  for (size_t g = 0; g < d.fireAt.size(); ++g) {
    const int first = d.groupSize * static_cast<int>(g);
    for (int i = first; i < first + d.groupSize; ++i)
      if (d.shots[i].timer == d.fireAt[g]) FireBurstShot(d, i, d.ringFromFirstBullet ? 0 : first);
  }
}

void FireBurstShot(const BurstDesign& d, int slot, int first) {
  BurstShotRecord& s = d.shots[slot];
  if (s.alive != 0) return;
  s.alive = 1;
  s.x = d.owner->x + d.muzzleX;
  s.y = d.owner->y + d.muzzleY;
  s.originX = s.x;
  s.originY = s.y;
  s.speed = d.speed;
  s.dx = ShipX() + kAimOffset - s.x;
  s.dy = ShipY() + kAimOffset - s.y;
  const float base = s.dx == 0.0f ? kPi / 2.0f : std::atan(s.dy / s.dx);
  s.angle = base + d.spreadStep * static_cast<float>(slot - first) -
            static_cast<float>(d.centreSteps) * d.spreadStep;
  if ((s.dx <= 0.0f && s.dy <= 0.0f) || (s.dx < 0.0f && s.dy > 0.0f)) s.angle += kPi;
}

void MoveBurst(const BurstDesign& d) {
  for (BurstShotRecord& s : d.shots) {
    if (s.alive == 0) continue;
    const float scale = FrameScale();
    s.y += std::sin(s.angle) * s.speed * scale;
    s.x += std::cos(s.angle) * s.speed * scale;
    if (!Keeps(kScreen, s.x, s.y)) {
      s.alive = 0;
      Park(s);
    }
    TestShip(kShipBox, s.x, s.y);
  }
}

void DrawBurst(const BurstDesign& d) { DrawBullets(d.look, d.shots); }

void ResetBurstShot(BurstShotRecord& s) {
  s = BurstShotRecord{};
  s.frame = StartFrameValue(StartFrame::kRandom7);
  Park(s);
  s.angle = kParkedAngle;
}

bool BurstShotAtStart(const BurstShotRecord& s) {
  return FrameAtStart(StartFrame::kRandom7, s.frame) && s.timer == 0 && s.x == kParkX &&
         s.y == kParkY && s.spare1 == 0.0f && s.spare2 == 0.0f && s.spare3 == 0 && s.dx == 0.0f &&
         s.dy == 0.0f && s.originX == 0.0f && s.originY == 0.0f && s.angle == kParkedAngle &&
         s.speed == 0.0f && s.alive == 0;
}

}  // namespace enemy
