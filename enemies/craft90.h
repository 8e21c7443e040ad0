// What the 90 x 90 craft share (Big90A, Big90B, VolleyZakA, VolleyZakB and
// VolleyZakC): the bounds they fly in, the marker design, the one-copy
// explosion of eight frames played four times, and the five falling streams
// that leave under the body.
#pragma once
#include <span>

#include "enemies/fan_streams.h"
#include "enemies/kind.h"
#include "game/assets.h"

namespace enemy {

// Freed unless 10 <= x <= 540 and -90 <= y <= 480.
constexpr Bounds kCraftBounds{10, 540, -90, 480};

// A spawn parks the slot's marker; a locked one sits at +15, +15 and is kept
// past the slot's exit only inside 70..540 x -70..480.
constexpr MarkerDesign CraftMarker(TargetMarker* table) {
  return {table, true, 15, 15, 70, 540, true, -70, 480};
}

constexpr ExplosionCopy kCraftExplosionAdd[] = {{BlitKind::kAdd, &gPicZbak2b, 80, 0, 0, 0, 0}};
constexpr ExplosionCopy kCraftExplosionPlain[] = {{BlitKind::kPlain, &gPicZbak2b, 80, 0, 0, 0, 0}};

// The end of the explosion frees the slot and parks its marker; hitSkip is never written.
template <typename Record>
constexpr Explosion<Record> CraftExplosion(int32_t Record::*frame, bool wreckStops,
                                           bool hasMarker) {
  return {frame, 8, 4, kCraftExplosionAdd, kCraftExplosionPlain, wreckStops, false, hasMarker};
}
// The burning craft drifts on.
constexpr Explosion<ZakRecord> kCraftExplosionDrifts =
    CraftExplosion(&ZakRecord::frame2, false, true);

// The fan: straight down from the middle, two pairs drifting apart; the last
// stream leaves 5 pixels further right and reaches the ship 4 pixels higher.
constexpr ShipBox kCraftShipBox{14, 30, 24, 30};
constexpr FanStream kCraftFan[5] = {
    {37, 40, 0, 130, 0, kCraftShipBox},     {37, 44, 20, 130, -1, kCraftShipBox},
    {37, 44, 20, 130, 1, kCraftShipBox},    {37, 30, 40, 130, -1, kCraftShipBox},
    {42, 30, 40, 130, 1, {14, 30, 20, 30}},
};
constexpr BulletLook kCraftBullet{&gPicVal13, 16, 0, false};

// Stream `index` (0 to 4) of the fan over its bullet table and owner.
template <typename Owner>
constexpr StreamDesign<Owner> CraftStream(int index, std::span<ShotRecord> shots,
                                          std::span<Owner> owner) {
  return FanRow(kCraftFan[index], shots, owner, kCraftBullet);
}

}  // namespace enemy
