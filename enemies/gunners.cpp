// The Gunner kinds: one design row each over its own table, and their entry points.
#include "enemies/gunners.h"

#include "enemies/crossers.h"

int gPicGunner80 = kNoPicture;

ZakRecord gGunner80L[kGunnerSlots], gGunner80R[kGunnerSlots];
TargetMarker gGunner80LMarkers[kGunnerSlots], gGunner80RMarkers[kGunnerSlots];

namespace {

using namespace enemy;
using enum Field;

// Entry at the kind's edge in the top 200 pixels, 50 to 99 pixels per second
// across. The vertical speed is drawn and kept but never moves the craft.
constexpr EntryValue kGunner80LEntry[] = {{kX, 0, 10}, {kY, 200, 0}, {kVX, 50, 50}, {kVY, 60, 50}};
constexpr EntryValue kGunner80REntry[] = {{kX, 0, 540}, {kY, 200, 0}, {kVX, 50, 50}, {kVY, 60, 50}};

constexpr KindDesign<ZakRecord> kGunner80L{
    .slots = gGunner80L,
    .body = {&gPicGunner80, 80, 60, BodyDrawn::kIfAlive},
    .marker = CrosserMarker(gGunner80LMarkers),
    .explosion = CrosserExplosion(&ZakRecord::frame2),
    .motion = {1, 0, 0},
    .bounds = kCrosserBounds,
    .entry = kGunner80LEntry,
};
constexpr KindDesign<ZakRecord> kGunner80R{
    .slots = gGunner80R,
    .body = {&gPicGunner80, 80, 60, BodyDrawn::kIfAlive},
    .marker = CrosserMarker(gGunner80RMarkers),
    .explosion = CrosserExplosion(&ZakRecord::frame2),
    .motion = {-1, 0, 0},
    .bounds = kCrosserBounds,
    .entry = kGunner80REntry,
};

}  // namespace

void SpawnGunner80L(int) { SpawnKind(kGunner80L); }
void DrawGunner80L(int) { DrawKind(kGunner80L); }
void MoveGunner80L(int) { MoveKind(kGunner80L); }
void HitGunner80L(int slot) { HitKind(kGunner80L, slot); }

void SpawnGunner80R(int) { SpawnKind(kGunner80R); }
void DrawGunner80R(int) { DrawKind(kGunner80R); }
void MoveGunner80R(int) { MoveKind(kGunner80R); }
void HitGunner80R(int slot) { HitKind(kGunner80R, slot); }
