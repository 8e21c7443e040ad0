// The straight stream family: a bullet with a fixed velocity chosen at
// firing. One StreamDesign row per stream; FireZak8Stream1, MoveZak8Stream1
// and DrawZak8Stream1 are one-line calls of the routines below with that row.
#pragma once
#include "enemies/bullets.h"

namespace enemy {

template <typename Owner>
struct StreamDesign {
  std::span<ShotRecord> shots;  // bullet i is fired from enemy slot i, only while free
  std::span<Owner> owner;       // the enemy table (alive not tested)
  float muzzleX, muzzleY;       // added to the enemy slot's position
  RandomValue vx, vy;           // speeds set at firing, vx first (pixels per second)
  float xSign, ySign;           // move: y += ySign * vy, then x += xSign * vx (0: no term)
  KeepArea keep;                // where a bullet stays in flight
  ShipBox shipBox;
  BulletLook look;
};

// Starts every free bullet at its enemy slot's muzzle.
template <typename Owner>
void FireStream(const StreamDesign<Owner>& d) {
  for (size_t i = 0; i < d.shots.size(); ++i) {
    ShotRecord& s = d.shots[i];
    if (s.alive != 0) continue;
    s.alive = 1;
    s.x = d.owner[i].x + d.muzzleX;
    s.y = d.owner[i].y + d.muzzleY;
    s.vx = Next(d.vx);
    s.vy = Next(d.vy);
  }
}

// Moves the live bullets, frees those outside the keep area, tests the ship.
template <typename Owner>
void MoveStream(const StreamDesign<Owner>& d) {
  for (ShotRecord& s : d.shots) {
    if (s.alive != 0) {
      const float scale = FrameScale();
      if (d.ySign != 0.0f) s.y += d.ySign * s.vy * scale;
      if (d.xSign != 0.0f) s.x += d.xSign * s.vx * scale;
    }
    if (!Keeps(d.keep, s.x, s.y)) {
      s.alive = 0;
      Park(s);
    }
    TestShip(d.shipBox, s.x, s.y);
  }
}

template <typename Owner>
void DrawStream(const StreamDesign<Owner>& d) {
  DrawBullets(d.look, d.shots);
}

// A reset: alive 0, parked, speeds 0 and the start frame; spare words untouched.
void ResetShot(ShotRecord& s, StartFrame frame);
bool ShotAtStart(const ShotRecord& s, StartFrame frame);

}  // namespace enemy

template <auto& table, enemy::StartFrame frame>
void ResetStreamShots() {
  for (ShotRecord& s : table) enemy::ResetShot(s, frame);
}
template <auto& table, enemy::StartFrame frame>
bool StreamShotsAtStart() {
  for (const ShotRecord& s : table)
    if (!enemy::ShotAtStart(s, frame)) return false;
  return true;
}
