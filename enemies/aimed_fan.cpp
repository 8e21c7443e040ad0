#include "enemies/aimed_fan.h"

#include <cmath>
#include <numbers>

#include "enemies/aimed_shots.h"
#include "game/assets.h"
#include "game/game_state.h"

namespace enemy {
namespace {

constexpr int kPeriod = 250;    // calls in one cycle; the count wraps to 0 there
constexpr int kInterval = 40;   // group g is thrown at count 40 (g + 1)
constexpr int kGroupSize = 5;   // bullets of one fan
constexpr float kMuzzleX = 32;  // from the owner's corner
constexpr float kMuzzleY = 40;
constexpr float kAimX = 20;  // aim point from the ship's corner
constexpr float kAimY = 20;
constexpr float kSpeed = 180;
constexpr float kStep = 2 * std::numbers::pi_v<float> / 30;  // 12 degrees between neighbours

// Inside the screen and the bullet's own size beyond its left and top edges.
constexpr KeepArea kFanKeep{-16, 640, -16, 480, true};
constexpr ShipBox kFanShipBox{14, 30, 24, 30};
// Sixteen 16 x 16 cells, drawn for free bullets too at their parked place.
constexpr BulletLook kFanLook{&gPicVal1, 16, 16, true};

void Throw(const FanDesign& fan, FanShotRecord& b, int place) {
  b.alive = 1;
  b.x = fan.ownerX + kMuzzleX;
  b.y = fan.ownerY + kMuzzleY;
  b.originX = b.x;
  b.originY = b.y;
  b.speed = kSpeed;
  b.dx = ShipX() + kAimX - b.x;
  b.dy = ShipY() + kAimY - b.y;
  // The spread turns with the aim: the half turn of the left and upward
  // quadrants applies to the whole fan.
  b.angle = AimAngle(b.dx, b.dy) + kStep * static_cast<float>(place - 2);
}

}  // namespace

void FireFan(const FanDesign& fan) {
  for (FanShotRecord& b : fan.bullets)
    if (++b.timer >= kPeriod) b.timer = 0;
  for (int g = 0; g < kFanShots / kGroupSize; ++g)
    for (int j = 0; j < kGroupSize; ++j) {
      FanShotRecord& b = fan.bullets[g * kGroupSize + j];
      if (b.timer == kInterval * (g + 1) && b.alive == 0) Throw(fan, b, j);
    }
}

void MoveFan(const FanDesign& fan) {
  for (FanShotRecord& b : fan.bullets) {
    if (b.alive == 0) continue;  // a free bullet is neither moved, culled nor tested
    const float scale = FrameScale();
    b.y += std::sin(b.angle) * b.speed * scale;
    b.x += std::cos(b.angle) * b.speed * scale;
    if (!Keeps(kFanKeep, b.x, b.y)) {
      b.alive = 0;
      Park(b);
    }
    TestShip(kFanShipBox, b.x, b.y);  // the bullet flies on
  }
}

void DrawFan(const FanDesign& fan) { DrawBullets<FanShotRecord>(kFanLook, fan.bullets); }

void ResetFan(FanShotRecord (&bullets)[kFanShots]) {
  for (FanShotRecord& b : bullets) {
    b.alive = 0;
    Park(b);
    b.frame = b.timer = 0;
    b.spare1 = b.spare2 = 0;
    b.dx = b.dy = b.originX = b.originY = b.speed = 0.0f;
    b.angle = kParkedAngle;
  }
}

bool FanAtStart(const FanShotRecord (&bullets)[kFanShots]) {
  for (const FanShotRecord& b : bullets)
    if (b.alive != 0 || b.x != kParkX || b.y != kParkY || b.frame != 0 || b.timer != 0 ||
        b.spare1 != 0 || b.spare2 != 0 || b.dx != 0.0f || b.dy != 0.0f || b.originX != 0.0f ||
        b.originY != 0.0f || b.speed != 0.0f || b.angle != kParkedAngle)
      return false;
  return true;
}

}  // namespace enemy
