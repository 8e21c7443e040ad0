// What the Diver and Gunner kinds share: they cross the screen between
// x 10 and x 540, explode in one strip copy for 8 frames by 4 rows, carry a
// lock-on marker per slot, and fire two fixed-speed aimed volleys (one slot
// each) and three streams dropped from every slot.
#pragma once
#include <span>

#include "enemies/aimed_shots.h"
#include "enemies/kind.h"
#include "enemies/streams.h"
#include "game/assets.h"

namespace enemy {

// --------------------------------------------------------------- the kinds

constexpr ExplosionCopy kCrosserBurstAdd[] = {{BlitKind::kAdd, &gPicZbak2b, 80, 0, 0, 0, 0}};
constexpr ExplosionCopy kCrosserBurstPlain[] = {{BlitKind::kPlain, &gPicZbak2b, 80, 0, 0, 0, 0}};

// The wreck stops, and the end of the explosion clears hitSkip and parks the marker.
template <typename Record>
constexpr Explosion<Record> CrosserExplosion(int32_t Record::*frame) {
  return {frame, 8, 4, kCrosserBurstAdd, kCrosserBurstPlain, true, true, true};
}

// A spawn leaves the marker alone; a freed slot's marker stays locked while
// 30 <= its x <= 540, whatever its y.
constexpr MarkerDesign CrosserMarker(TargetMarker* table) {
  return {table, false, 10, 10, 30, 540, false, 0, 0};
}

// Freed outside 10 <= x <= 540 or below y 480.
constexpr Bounds kCrosserBounds{10, 540, -kNoBound, 480};

// ------------------------------------------------------------- the volleys

// Inside 540 on the right; every bullet vanishes under a bomb.
constexpr KeepArea kVolleyKeep{-20, 540, -20, 480, true};
constexpr ShipBox kVolleyShipBox{10, 30, 20, 30};
// Seven 20 x 20 cells, drawn for free bullets too at their parked place.
constexpr BulletLook kVolleyLook{&gPicVal201, 20, 7, true};

// Every bullet leaves one enemy slot's muzzle (x + 30, y + muzzleY) aimed at
// the ship's corner + 22; bullet k flies at 120 + 40k pixels per second.
template <typename Owner>
constexpr AimedShotFamily<Owner> Volley(std::span<AimedShotRecord> shots, std::span<Owner> owner,
                                        int slot, float muzzleY) {
  return {.shots = shots,
          .owner = owner,
          .ownerSlot = slot,
          .muzzleX = 30,
          .muzzleY = muzzleY,
          .spare1 = {0, 0},
          .spare2 = {0, 0},
          .speed = {0, 120},
          .aimX = 22,
          .aimY = 22,
          .keep = kVolleyKeep,
          .shipBox = kVolleyShipBox,
          .look = kVolleyLook,
          .speedStep = 40,
          .startWritesEverySpeed = true};
}

// ------------------------------------------------------------- the streams

// Freed above -16 or below 480 or under a bomb; x is never tested.
constexpr KeepArea kDropKeep{-kNoBound, kNoBound, -16, 480, true};
constexpr ShipBox kDropShipBox{14, 30, 24, 30};

// Bullet i falls from enemy slot i's (x + 32, y + 50) at rand() % fallMod + 100
// pixels per second, drifting 30 pixels per second to the side of xSign.
template <typename Owner>
constexpr StreamDesign<Owner> DropStream(std::span<ShotRecord> shots, std::span<Owner> owner,
                                         float xSign, int fallMod, const int* picture) {
  return {shots, owner, 32,        50,           {0, xSign == 0 ? 0 : 30}, {fallMod, 100},
          xSign, 1,     kDropKeep, kDropShipBox, {picture, 16, 0, false}};
}

}  // namespace enemy
