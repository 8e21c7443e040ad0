// The four GunZak kinds: one wave row and one aimed-shot row each.
#include "enemies/gun_zak.h"

#include <array>

#include "enemies/wave_kinds.h"

WaveZakRecord gGunZakA[5], gGunZakB[5], gGunZakC[5], gGunZakD[5];
AimedShotRecord gGunZakAShot[5], gGunZakBShot[5], gGunZakCShot[5], gGunZakDShot[5];

namespace {

using namespace enemy;
using enum Field;

// Across the screen at 220 px/s, bending down (vyDir 1) or up (-1) in three
// steps, then a straight dive with no sideways speed; band 2 fires.
constexpr std::array<PhaseBand, 5> Sweep(float vx, float vyDir, void (*fire)(int)) {
  return {{{0, 10, vx, 0},
           {11, 20, vx, 110 * vyDir, fire},
           {21, 30, vx, 210 * vyDir},
           {31, 40, vx, 310 * vyDir},
           {41, 100, 0, 410 * vyDir}}};
}
constexpr auto kBandsA = Sweep(220, 1, FireGunZakAShot);
constexpr auto kBandsB = Sweep(-220, 1, FireGunZakBShot);
constexpr auto kBandsC = Sweep(220, -1, FireGunZakCShot);
constexpr auto kBandsD = Sweep(-220, -1, FireGunZakDShot);

constexpr EntryValue kEntryA[] = {{kX, 0, -140}, {kY, 0, 100}, {kVX, 0, 0}, {kVY, 0, 0}};
constexpr EntryValue kEntryB[] = {{kX, 0, 640}, {kY, 0, 100}, {kVX, 0, 0}, {kVY, 0, 0}};
constexpr EntryValue kEntryC[] = {{kX, 0, -140}, {kY, 0, 240}, {kVX, 0, 0}, {kVY, 0, 0}};
constexpr EntryValue kEntryD[] = {{kX, 0, 640}, {kY, 0, 240}, {kVX, 0, 0}, {kVY, 0, 0}};

// Freed by Move once past the far edge or the exit edge of the dive.
constexpr Bounds kExitRightDown{-kNoBound, 640, -kNoBound, 480};
constexpr Bounds kExitLeftDown{-140, kNoBound, -kNoBound, 480};
constexpr Bounds kExitRightUp{-kNoBound, 640, -100, kNoBound};
constexpr Bounds kExitLeftUp{-140, kNoBound, -100, kNoBound};

// Explodes without stopping: the wreck flies on along its script.
constexpr WaveKind Kind(std::span<WaveZakRecord> slots, std::span<const EntryValue> entry,
                        Bounds bounds, void (*spawnSlot)(int), float rate,
                        std::span<const PhaseBand> bands, FireGate gate) {
  return {.kind = {.slots = slots,
                   .body = {&gPicZak12, 140, 100, BodyDrawn::kAlways},
                   .marker = {},
                   .explosion = WaveExplosion(false, false),
                   .motion = {1, 1, 0},
                   .bounds = bounds,
                   .entry = entry},
          .wave = {159, kStartsEvery30},
          .spawnSlot = spawnSlot,
          .spawnRestartsCounter = false,
          .script = {rate, bands, 101, gate}};
}

constexpr WaveKind kGunZakA =
    Kind(gGunZakA, kEntryA, kExitRightDown, SpawnSlotGunZakA, 30, kBandsA, FireGate::kAlways);
constexpr WaveKind kGunZakB =
    Kind(gGunZakB, kEntryB, kExitLeftDown, SpawnSlotGunZakB, 25, kBandsB, FireGate::kAlways);
constexpr WaveKind kGunZakC = Kind(gGunZakC, kEntryC, kExitRightUp, SpawnSlotGunZakC, 30, kBandsC,
                                   FireGate::kHardOrExtraMode);
constexpr WaveKind kGunZakD =
    Kind(gGunZakD, kEntryD, kExitLeftUp, SpawnSlotGunZakD, 30, kBandsD, FireGate::kHardOrExtraMode);

// The same craft flying the same sweep without firing.
constexpr WaveKind Unarmed(WaveKind w) {
  w.script.gate = FireGate::kNever;
  return w;
}
constexpr WaveKind kGunZakAUnarmed = Unarmed(kGunZakA);
constexpr WaveKind kGunZakBUnarmed = Unarmed(kGunZakB);
constexpr WaveKind kGunZakCUnarmed = Unarmed(kGunZakC);
constexpr WaveKind kGunZakDUnarmed = Unarmed(kGunZakD);

// Bullet i leaves enemy slot i at (42, 50); both spare floats get 300, no draw.
constexpr AimedShotFamily<WaveZakRecord> Shot(std::span<AimedShotRecord> shots,
                                              std::span<WaveZakRecord> owner) {
  return {.shots = shots,
          .owner = owner,
          .ownerSlot = kSameSlot,
          .muzzleX = 42,
          .muzzleY = 50,
          .spare1 = {0, 300},
          .spare2 = {0, 300},
          .speed = {100, 210},
          .aimX = 22,
          .aimY = 22,
          .keep = {-16, 540, -16, 480, true},
          .shipBox = {14, 30, 24, 30},
          .look = {&gPicVal11, 16, 0, false}};
}
constexpr auto kGunZakAShot = Shot(gGunZakAShot, gGunZakA);
constexpr auto kGunZakBShot = Shot(gGunZakBShot, gGunZakB);
constexpr auto kGunZakCShot = Shot(gGunZakCShot, gGunZakC);
constexpr auto kGunZakDShot = Shot(gGunZakDShot, gGunZakD);

}  // namespace

void SpawnSlotGunZakA(int slot) { SpawnWaveSlot(kGunZakA, slot); }
void TickWaveGunZakA(int) { TickWaveKind(kGunZakA); }
void MoveGunZakA(int) { MoveWaveKind(kGunZakA); }
void MoveGunZakAUnarmed(int) { MoveWaveKind(kGunZakAUnarmed); }
void DrawGunZakA(int) { DrawKind(kGunZakA.kind); }
void HitGunZakA(int slot) { HitKind(kGunZakA.kind, slot); }
void FireGunZakAShot(int) { FireAimedShots(kGunZakAShot); }
void MoveGunZakAShot(int) { MoveAimedShots(kGunZakAShot); }
void DrawGunZakAShot(int) { DrawAimedShots(kGunZakAShot); }

void SpawnSlotGunZakB(int slot) { SpawnWaveSlot(kGunZakB, slot); }
void TickWaveGunZakB(int) { TickWaveKind(kGunZakB); }
void MoveGunZakB(int) { MoveWaveKind(kGunZakB); }
void MoveGunZakBUnarmed(int) { MoveWaveKind(kGunZakBUnarmed); }
void DrawGunZakB(int) { DrawKind(kGunZakB.kind); }
void HitGunZakB(int slot) { HitKind(kGunZakB.kind, slot); }
void FireGunZakBShot(int) { FireAimedShots(kGunZakBShot); }
void MoveGunZakBShot(int) { MoveAimedShots(kGunZakBShot); }
void DrawGunZakBShot(int) { DrawAimedShots(kGunZakBShot); }

void SpawnSlotGunZakC(int slot) { SpawnWaveSlot(kGunZakC, slot); }
void TickWaveGunZakC(int) { TickWaveKind(kGunZakC); }
void MoveGunZakC(int) { MoveWaveKind(kGunZakC); }
void MoveGunZakCUnarmed(int) { MoveWaveKind(kGunZakCUnarmed); }
void DrawGunZakC(int) { DrawKind(kGunZakC.kind); }
void HitGunZakC(int slot) { HitKind(kGunZakC.kind, slot); }
void FireGunZakCShot(int) { FireAimedShots(kGunZakCShot); }
void MoveGunZakCShot(int) { MoveAimedShots(kGunZakCShot); }
void DrawGunZakCShot(int) { DrawAimedShots(kGunZakCShot); }

void SpawnSlotGunZakD(int slot) { SpawnWaveSlot(kGunZakD, slot); }
void TickWaveGunZakD(int) { TickWaveKind(kGunZakD); }
void MoveGunZakD(int) { MoveWaveKind(kGunZakD); }
void MoveGunZakDUnarmed(int) { MoveWaveKind(kGunZakDUnarmed); }
void DrawGunZakD(int) { DrawKind(kGunZakD.kind); }
void HitGunZakD(int slot) { HitKind(kGunZakD.kind, slot); }
void FireGunZakDShot(int) { FireAimedShots(kGunZakDShot); }
void MoveGunZakDShot(int) { MoveAimedShots(kGunZakDShot); }
void DrawGunZakDShot(int) { DrawAimedShots(kGunZakDShot); }
