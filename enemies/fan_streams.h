// Five falling streams that leave one muzzle as a fan, as the side craft
// (Zak51L, Zak51R) and the 90-pixel craft (Big90, VolleyZak) drop them. Each
// stream falls at a fixed speed with a fixed sideways drift; the bullets leave
// only by the top or the bottom edge and a bomb does not clear them.
#pragma once
#include <span>

#include "enemies/streams.h"

namespace enemy {

// One stream of a fan: muzzle offset, speeds and the sign of the drift.
struct FanStream {
  float muzzleX, muzzleY;
  int vx, vy;   // pixels per second, both positive
  float xSign;  // -1 drifts left, +1 right, 0 falls straight down
  ShipBox shipBox;
};

// x is never tested: a drifting bullet that leaves by a side falls on unseen.
constexpr KeepArea kFallingKeep{-kNoBound, kNoBound, -16, 480, false};

// The stream row of one fan entry over its own bullet table and owner.
template <typename Owner>
constexpr StreamDesign<Owner> FanRow(const FanStream& f, std::span<ShotRecord> shots,
                                     std::span<Owner> owner, const BulletLook& look) {
  return {shots,   owner, f.muzzleX,    f.muzzleY, {0, f.vx}, {0, f.vy},
          f.xSign, 1,     kFallingKeep, f.shipBox, look};
}

}  // namespace enemy
