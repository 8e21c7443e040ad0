// Big90A and Big90B: one kind row each over their own slots and the shared
// markers, and their entry points.
#include "enemies/big90.h"

#include "enemies/craft90.h"

ZakRecord gBig90A[2], gBig90B[2];
TargetMarker gBig90AMarkers[3];

namespace {

using namespace enemy;
using enum Field;

constexpr EntryValue kBig90AEntry[] = {{kX, 0, 10}, {kY, 0, -90}, {kVX, 70, 60}, {kVY, 70, 70}};
constexpr KindDesign<ZakRecord> kBig90A{
    .slots = gBig90A,
    .body = {&gPicBig90, 90, 90, BodyDrawn::kIfAlive},
    .marker = CraftMarker(gBig90AMarkers),
    .explosion = kCraftExplosionDrifts,
    .motion = {1, 1, 0},
    .bounds = kCraftBounds,
    .entry = kBig90AEntry,
};

constexpr EntryValue kBig90BEntry[] = {{kX, 0, 10}, {kY, 0, 60}, {kVX, 80, 70}, {kVY, 80, 80}};
constexpr KindDesign<ZakRecord> kBig90B{
    .slots = gBig90B,
    .body = {&gPicBig90, 90, 90, BodyDrawn::kIfAlive},
    .marker = CraftMarker(gBig90AMarkers),
    .explosion = kCraftExplosionDrifts,
    .motion = {1, 1, 0},
    .bounds = kCraftBounds,
    .entry = kBig90BEntry,
};

}  // namespace

void SpawnBig90A(int) { SpawnKind(kBig90A); }
void DrawBig90A(int) { DrawKind(kBig90A); }
void MoveBig90A(int) { MoveKind(kBig90A); }
void HitBig90A(int slot) { HitKind(kBig90A, slot); }

void SpawnBig90B(int) { SpawnKind(kBig90B); }
void DrawBig90B(int) { DrawKind(kBig90B); }
void MoveBig90B(int) { MoveKind(kBig90B); }
void HitBig90B(int slot) { HitKind(kBig90B, slot); }

void ResetBig90AMarkers() { ResetMarkers(gBig90AMarkers); }
