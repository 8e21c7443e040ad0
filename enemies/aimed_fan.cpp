#include "enemies/aimed_fan.h"

#include <cmath>
#include <numbers>

#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "player/parking.h"

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
constexpr double kStep = 2 * std::numbers::pi / 30;  // 12 degrees between neighbours
constexpr int kSize = 16;                            // bullet picture and strip cell
constexpr int kCells = 16;

void Park(FanShotRecord& b) {
  b.alive = 0;
  b.x = static_cast<float>(kParkX);
  b.y = static_cast<float>(kParkY);
}

void Throw(const FanDesign& fan, FanShotRecord& b, int place) {
  b.alive = 1;
  b.x = fan.ownerX + kMuzzleX;
  b.y = fan.ownerY + kMuzzleY;
  b.originX = b.x;
  b.originY = b.y;
  b.speed = kSpeed;
  b.dx = gPlayerX + kAimX - b.x;
  b.dy = gPlayerY + kAimY - b.y;
  // The spread is added before the half-turn of the left and upward quadrants.
  double angle = b.dx == 0.0f ? std::numbers::pi / 2 : std::atan(b.dy / b.dx);
  angle += kStep * place - kStep * 2;
  if ((b.dx <= 0.0f && b.dy <= 0.0f) || (b.dx < 0.0f && b.dy > 0.0f)) angle += std::numbers::pi;
  b.angle = static_cast<float>(angle);
}

// Inside the screen, the bullet's own size beyond the left and top edges.
bool Kept(const FanShotRecord& b) {
  return b.x <= 640.0f && b.x >= -kSize && b.y <= 480.0f && b.y >= -kSize && gBombActive != 1;
}

bool TouchesShip(const FanShotRecord& b) {
  const float dx = b.x - gPlayerX, dy = b.y - gPlayerY;
  return dx >= 14.0f && dx <= 30.0f && dy >= 24.0f && dy <= 30.0f;
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
    b.y += std::sin(b.angle) * b.speed * gFrameScale;
    b.x += std::cos(b.angle) * b.speed * gFrameScale;
    if (!Kept(b)) Park(b);
    if (gPlayerAlive != 0 && TouchesShip(b)) gPlayerAlive = 0;  // the bullet flies on
  }
}

void DrawFan(const FanDesign& fan) {
  for (FanShotRecord& b : fan.bullets) {
    const int left = b.frame * kSize;
    koDraw::Blit(static_cast<int>(b.x), static_cast<int>(b.y), gPicVal1, left, 0, left + kSize,
                 kSize);
    if (++b.frame == kCells) b.frame = 0;
  }
}

void ResetFan(FanShotRecord (&bullets)[kFanShots]) {
  for (FanShotRecord& b : bullets) {
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
