// The aimed shot family: a bullet that takes the direction from its muzzle to
// the ship when fired and flies straight along it. One AimedShotFamily row per
// family; FireZak7AShot, MoveZak7AShot and DrawZak7AShot are one-line calls of
// the routines below with that row.
#pragma once
#include <cmath>
#include <numbers>

#include "enemies/bullets.h"

namespace enemy {

constexpr int kSameSlot = -1;  // bullet i is fired from enemy slot i

template <typename Owner>
struct AimedShotFamily {
  std::span<AimedShotRecord> shots;  // the family's table
  std::span<Owner> owner;            // the enemy table whose slots fire (alive not tested)
  int ownerSlot;                     // kSameSlot, or the one enemy slot that fires every bullet
  float muzzleX, muzzleY;            // added to the enemy slot's position
  RandomValue spare1, spare2;  // draws stored in spare1, spare2 before the speed; {0, 0}: none
  RandomValue speed;           // pixels per second
  float aimX, aimY;            // aim point: ship corner + (aimX, aimY)
  KeepArea keep;               // where a bullet stays in flight
  ShipBox shipBox;
  BulletLook look;
  // A volley of fixed speeds: bullet k flies at speed + speedStep k, and every
  // start writes the speeds of the whole volley, flying bullets included.
  float speedStep = 0;
  bool startWritesEverySpeed = false;
};

// The speed of bullet k of a family.
inline float SpeedOf(const RandomValue& speed, float speedStep, size_t k) {
  return Next(speed) + speedStep * static_cast<float>(k);
}

// The flight angle towards (dx, dy): atan(dy / dx) turned by pi to the left half;
// dx 0 gives straight down for dy > 0, else straight up.
float AimAngle(float dx, float dy);
// Moves one live bullet along its angle.
void Fly(AimedShotRecord& s);

// Starts every free bullet at its muzzle, aimed at the ship.
template <typename Owner>
void FireAimedShots(const AimedShotFamily<Owner>& f) {
  for (size_t i = 0; i < f.shots.size(); ++i) {
    AimedShotRecord& s = f.shots[i];
    if (s.alive != 0) continue;
    const Owner& o = f.owner[f.ownerSlot == kSameSlot ? i : static_cast<size_t>(f.ownerSlot)];
    s.alive = 1;
    s.x = o.x + f.muzzleX;
    s.y = o.y + f.muzzleY;
    if (Drawn(f.spare1)) s.spare1 = Next(f.spare1);
    if (Drawn(f.spare2)) s.spare2 = Next(f.spare2);
    s.originX = s.x;
    s.originY = s.y;
    if (f.startWritesEverySpeed) {
      for (size_t k = 0; k < f.shots.size(); ++k)
        f.shots[k].speed = SpeedOf(f.speed, f.speedStep, k);
    } else {
      s.speed = SpeedOf(f.speed, f.speedStep, i);
    }
    s.dx = ShipX() + f.aimX - s.x;
    s.dy = ShipY() + f.aimY - s.y;
    s.angle = AimAngle(s.dx, s.dy);
  }
}

// Moves the live bullets, frees those outside the keep area, tests the ship.
template <typename Owner>
void MoveAimedShots(const AimedShotFamily<Owner>& f) {
  for (AimedShotRecord& s : f.shots) {
    if (s.alive != 0) Fly(s);
    if (!Keeps(f.keep, s.x, s.y)) {
      s.alive = 0;
      Park(s);
    }
    TestShip(f.shipBox, s.x, s.y);
  }
}

template <typename Owner>
void DrawAimedShots(const AimedShotFamily<Owner>& f) {
  DrawBullets(f.look, f.shots);
}

// What a reset writes besides alive 0, the parked place and the spare floats 0.
enum class AimedReset : uint8_t {
  kFrameOnly,     // only the start frame
  kAim,           // also dx, dy, originX, originY, speed 0 and the parked angle
  kTimerAndSpare  // also timer and spare3 0
};
void ResetAimedShot(AimedShotRecord& s, StartFrame frame, AimedReset extra);
bool AimedShotAtStart(const AimedShotRecord& s, StartFrame frame, AimedReset extra);

}  // namespace enemy

template <auto& table, enemy::StartFrame frame, enemy::AimedReset extra>
void ResetAimedShots() {
  for (AimedShotRecord& s : table) enemy::ResetAimedShot(s, frame, extra);
}
template <auto& table, enemy::StartFrame frame, enemy::AimedReset extra>
bool AimedShotsAtStart() {
  for (const AimedShotRecord& s : table)
    if (!enemy::AimedShotAtStart(s, frame, extra)) return false;
  return true;
}
