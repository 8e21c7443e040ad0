// The timer-fired aimed bursts of the large kinds: every bullet carries its
// own timer; the tick steps them all and fires a group of bullets when the
// group's count comes, each bullet of a group turned by its own angle from
// the line to the ship. One BurstDesign row per burst; TickZak50AShot,
// FireZak50AShot, MoveZak50AShot and DrawZak50AShot are one-line calls of the
// routines below with that row.
#pragma once
#include <span>

#include "enemies/bullets.h"

// An aimed bullet whose third spare word stands before the aim vector.
struct BurstShotRecord {
  int32_t frame;  // animation frame
  int32_t timer;  // the bullet's tick counter
  float x, y;
  float spare1, spare2;
  int32_t spare3;
  float dx, dy;  // aim point minus position at firing
  float originX, originY;
  float angle;  // radians, 0 = right, pi/2 = down
  float speed;  // pixels per second
  int32_t alive;
};

namespace enemy {

struct BurstDesign {
  std::span<BurstShotRecord> shots;
  const LargeZakState* owner;   // fires from wherever it stands, alive or not
  int groupSize;                // group g holds bullets groupSize * g onwards
  int period;                   // a timer reaching it or more becomes 0
  std::span<const int> fireAt;  // the timer count that fires each group
  float muzzleX, muzzleY;       // added to the owner's position
  float speed;                  // pixels per second
  // Bullet i of the group starting at `first` leaves at the aim line's angle
  // + spreadStep * (i - first) - spreadStep * centreSteps; a ring counts from
  // bullet 0 of the whole burst instead of its group.
  float spreadStep;
  int centreSteps;
  bool ringFromFirstBullet;
  BulletLook look;
};

// Steps every timer, then fires each group's bullets whose timer equals its count.
void TickBurst(const BurstDesign& d);
// Starts bullet `slot` if it is free, aimed past the ship's corner + 20.
void FireBurstShot(const BurstDesign& d, int slot, int first);
// Moves the live bullets, frees those that left the screen or met a bomb, tests the ship.
void MoveBurst(const BurstDesign& d);
// Draws and animates every bullet, free ones at their parked place too.
void DrawBurst(const BurstDesign& d);

// Start frame rand() % 7, parked, the parked angle, every other word 0.
void ResetBurstShot(BurstShotRecord& s);
bool BurstShotAtStart(const BurstShotRecord& s);

}  // namespace enemy

template <auto& table>
void ResetBurstShots() {
  for (BurstShotRecord& s : table) enemy::ResetBurstShot(s);
}
template <auto& table>
bool BurstShotsAtStart() {
  for (const BurstShotRecord& s : table)
    if (!enemy::BurstShotAtStart(s)) return false;
  return true;
}
