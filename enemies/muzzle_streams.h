// The muzzle streams of the large kinds: small bullets started all at once
// from fixed muzzles under the craft, falling at a fixed speed while the
// outer ones spread sideways. One MuzzleStreamDesign row per stream;
// FireZak50CStream, MoveZak50CStream and DrawZak50CStream are one-line calls
// of the routines below with that row.
#pragma once
#include <span>

#include "enemies/bullets.h"

namespace enemy {

struct Muzzle {
  float x, y;  // from the owner's position
};

struct MuzzleStreamDesign {
  std::span<ShotRecord> shots;
  const LargeZakState* owner;       // fires from wherever it stands, alive or not
  std::span<const Muzzle> muzzles;  // one per bullet
  // Sideways px/s of each bullet (empty: none). The spread is applied once
  // for every live bullet, so the volley spreads faster the more of it flies.
  std::span<const float> spread;
  float fall;  // px/s, written into vy by every move
};

// Every free bullet starts, and each start places the whole volley at its muzzles.
void FireMuzzleStream(const MuzzleStreamDesign& d);
// Spreads and drops the live bullets, frees those below 480 or met by a bomb, tests the ship.
void MoveMuzzleStream(const MuzzleStreamDesign& d);
// Draws and animates every bullet, free ones at their parked place too.
void DrawMuzzleStream(const MuzzleStreamDesign& d);

// Start frame rand() % 10, free and parked, every other word 0.
void ResetMuzzleShot(ShotRecord& s);
bool MuzzleShotAtStart(const ShotRecord& s);

}  // namespace enemy

template <auto& table>
void ResetMuzzleStream() {
  for (ShotRecord& s : table) enemy::ResetMuzzleShot(s);
}
template <auto& table>
bool MuzzleStreamAtStart() {
  for (const ShotRecord& s : table)
    if (!enemy::MuzzleShotAtStart(s)) return false;
  return true;
}
