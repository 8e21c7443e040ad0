// The kinds Zak1 to Convoy90: one design row each over its own table, and
// their entry points.
#include "enemies/template_kinds.h"

#include "enemies/kind.h"
#include "game/assets.h"

ZakRecord gZak1[3], gZak2[3], gZak3[3], gZak1B[3], gZak2B[3], gZak3B[3], gZak8[3], gZak9[3],
    gStrafer3[3], gStrafer5[3];
ZakRecord gZak7A[5], gZak7B[5];
WaveZakRecord gConvoy90[5];
TargetMarker gZak2Markers[3], gZak3Markers[3];

namespace {

using namespace enemy;
using enum BlitKind;
using enum Field;

constexpr Bounds kLeftEdge(float minX) { return {minX, kNoBound, -kNoBound, kNoBound}; }
constexpr MarkerDesign kNoMarker{};

// Explosions of one strip copy at the slot's corner.
constexpr ExplosionCopy kOneAdd[] = {{kAdd, &gPicZbak2b, 80, 0, 0, 0, 0}};
constexpr ExplosionCopy kOnePlain[] = {{kPlain, &gPicZbak2b, 80, 0, 0, 0, 0}};

// Zak1: five copies of the large strip; mode 0 turns the mode-1 offsets' signs.
constexpr ExplosionCopy kZak1Mode1[] = {
    {kAdd, &gPicZbak3b, 80, 0, 0, 0, 0},    {kHalf, &gPicZbak3b, 80, 20, -6, 20, -6},
    {kAdd, &gPicZbak3b, 80, 20, 6, 20, 2},  {kPlain, &gPicZbak3b, 80, 20, -6, 20, 6},
    {kAdd, &gPicZbak3b, 80, 20, 1, 20, -6},
};
constexpr ExplosionCopy kZak1Mode0[] = {
    {kPlain, &gPicZbak3b, 80, 0, 0, 0, 0},     {kPlain, &gPicZbak3b, 80, 20, 6, 20, 6},
    {kPlain, &gPicZbak3b, 80, 20, -6, 20, -2}, {kPlain, &gPicZbak3b, 80, 20, 6, 20, -6},
    {kPlain, &gPicZbak3b, 80, 20, -1, 20, 6},
};

constexpr EntryValue kZak1Entry[] = {{kY, 410, 20}, {kX, 0, 640}, {kVX, 70, 90}};
constexpr KindDesign<ZakRecord> kZak1{
    .slots = gZak1,
    .body = {&gPicZak1, 60, 50, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 10, 3, kZak1Mode1, kZak1Mode0, true, true, false},
    .motion = {-1, 0, 0},
    .bounds = kLeftEdge(-60),
    .entry = kZak1Entry,
};

constexpr EntryValue kZak2Entry[] = {
    {kX, 360, 100}, {kY, 0, 480}, {kVX, 0, 0}, {kVY, 100, 120, -1}};
constexpr KindDesign<ZakRecord> kZak2{
    .slots = gZak2,
    .body = {&gPicZak2, 80, 100, BodyDrawn::kIfAlive},
    .marker = {gZak2Markers, true, 10, 20, 70, 540, true, -70, 480},
    .explosion = {&ZakRecord::frame1, 8, 4, kOneAdd, kOnePlain, false, true, true},
    .motion = {-1, 1, 0},
    .bounds = {20, 540, -100, 480},
    .entry = kZak2Entry,
};

constexpr EntryValue kZak7AEntry[] = {{kX, 0, 640}, {kY, 0, 50}, {kVY, 20, -10}, {kVX, 200, 60}};
constexpr KindDesign<ZakRecord> kZak7A{
    .slots = gZak7A,
    .body = {&gPicZak7, 80, 60, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 8, 5, kOneAdd, kOnePlain, true, true, false},
    .motion = {-1, 1, 0},
    .bounds = kLeftEdge(-80),
    .entry = kZak7AEntry,
};

constexpr EntryValue kZak8Entry[] = {{kY, 420, -100}, {kX, 0, 640}, {kVY, 10, 0}, {kVX, 60, 50}};
constexpr KindDesign<ZakRecord> kZak8{
    .slots = gZak8,
    .body = {&gPicZak8, 90, 60, BodyDrawn::kAlways},
    .marker = kNoMarker,
    .explosion = {&ZakRecord::frame1, 8, 4, kOneAdd, kOnePlain, true, true, false},
    .motion = {-1, 0, 0},
    .bounds = kLeftEdge(-90),
    .entry = kZak8Entry,
};

}  // namespace

void SpawnZak1(int) { SpawnKind(kZak1); }
void DrawZak1(int) { DrawKind(kZak1); }
void MoveZak1(int) { MoveKind(kZak1); }
void HitZak1(int slot) { HitKind(kZak1, slot); }

void SpawnZak2(int) { SpawnKind(kZak2); }
void DrawZak2(int) { DrawKind(kZak2); }
void MoveZak2(int) { MoveKind(kZak2); }
void HitZak2(int slot) { HitKind(kZak2, slot); }

void SpawnZak7A(int) { SpawnKind(kZak7A); }
void DrawZak7A(int) { DrawKind(kZak7A); }
void MoveZak7A(int) { MoveKind(kZak7A); }
void HitZak7A(int slot) { HitKind(kZak7A, slot); }

void SpawnZak8(int) { SpawnKind(kZak8); }
void DrawZak8(int) { DrawKind(kZak8); }
void MoveZak8(int) { MoveKind(kZak8); }
void HitZak8(int slot) { HitKind(kZak8, slot); }
