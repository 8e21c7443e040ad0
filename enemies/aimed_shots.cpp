#include "enemies/aimed_shots.h"

namespace enemy {

namespace {
constexpr float kPi = std::numbers::pi_v<float>;
}  // namespace

float AimAngle(float dx, float dy) {
  float angle = dx == 0.0f ? kPi / 2.0f : std::atan(dy / dx);
  if ((dx <= 0.0f && dy <= 0.0f) || (dx < 0.0f && dy > 0.0f)) angle += kPi;
  return angle;
}

void Fly(AimedShotRecord& s) {
  const float scale = FrameScale();
  s.y += std::sin(s.angle) * s.speed * scale;
  s.x += std::cos(s.angle) * s.speed * scale;
}

void ResetAimedShot(AimedShotRecord& s, StartFrame frame, AimedReset extra) {
  s.alive = 0;
  Park(s);
  s.spare1 = s.spare2 = 0.0f;
  s.frame = StartFrameValue(frame);
  if (extra == AimedReset::kAim) {
    s.dx = s.dy = s.originX = s.originY = s.speed = 0.0f;
    s.angle = kParkedAngle;
  }
  if (extra == AimedReset::kTimerAndSpare) s.timer = s.spare3 = 0;
}

bool AimedShotAtStart(const AimedShotRecord& s, StartFrame frame, AimedReset extra) {
  if (s.alive != 0 || s.x != kParkX || s.y != kParkY || s.spare1 != 0.0f || s.spare2 != 0.0f ||
      !FrameAtStart(frame, s.frame))
    return false;
  if (extra == AimedReset::kAim)
    return s.dx == 0.0f && s.dy == 0.0f && s.originX == 0.0f && s.originY == 0.0f &&
           s.speed == 0.0f && s.angle == kParkedAngle;
  if (extra == AimedReset::kTimerAndSpare) return s.timer == 0 && s.spare3 == 0;
  return true;
}

}  // namespace enemy
