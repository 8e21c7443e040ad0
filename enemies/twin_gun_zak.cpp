// The four TwinGunZak kinds: one wave row and two aimed-shot rows each.
#include "enemies/twin_gun_zak.h"

#include <array>

#include "enemies/wave_kinds.h"
#include "player/parking.h"

WaveZakRecord gTwinGunZakA[5], gTwinGunZakB[5], gTwinGunZakC[5], gTwinGunZakD[5];
AimedShotRecord gTwinGunZakAShot1[4], gTwinGunZakBShot1[4], gTwinGunZakCShot1[4],
    gTwinGunZakDShot1[4];
AimedShotRecord gTwinGunZakAShot2[5], gTwinGunZakBShot2[5], gTwinGunZakCShot2[5],
    gTwinGunZakDShot2[5];
int gPicTwinGunZakB = kNoPicture, gPicTwinGunZakC = kNoPicture, gPicTwinGunZakD = kNoPicture;

namespace {

using namespace enemy;
using enum Field;

// A vertical run at 220 px/s down (vyDir 1) or up (-1) that turns sideways
// (vxDir) ever faster, then a flat exit at 410 px/s; Shot1 in band 2, Shot2 in 3.
constexpr std::array<PhaseBand, 5> Run(float vxDir, float vyDir, void (*shot1)(int),
                                       void (*shot2)(int)) {
  return {{{0, 10, 0, 220 * vyDir},
           {11, 20, 110 * vxDir, 220 * vyDir, shot1},
           {21, 30, 210 * vxDir, 220 * vyDir, shot2},
           {31, 40, 310 * vxDir, 220 * vyDir},
           {41, 100, 410 * vxDir, 0}}};
}
constexpr auto kBandsA = Run(1, 1, FireTwinGunZakAShot1, FireTwinGunZakAShot2);
constexpr auto kBandsB = Run(-1, 1, FireTwinGunZakBShot1, FireTwinGunZakBShot2);
constexpr auto kBandsC = Run(1, -1, FireTwinGunZakCShot1, FireTwinGunZakCShot2);
constexpr auto kBandsD = Run(-1, -1, FireTwinGunZakDShot1, FireTwinGunZakDShot2);

// Five 100 x 100 cells by the script clock; each band includes both bounds.
constexpr BodyCell kCells[] = {
    {0, 10, 0}, {10, 20, 100}, {20, 30, 200}, {30, 40, 300}, {40, 100, 400}};

constexpr EntryValue kEntryA[] = {{kX, 0, 105}, {kY, 0, -100}, {kVX, 0, 0}, {kVY, 0, 0}};
constexpr EntryValue kEntryB[] = {{kX, 0, 435}, {kY, 0, -100}, {kVX, 0, 0}, {kVY, 0, 0}};
constexpr EntryValue kEntryC[] = {{kX, 0, 105}, {kY, 0, 480}, {kVX, 0, 0}, {kVY, 0, 0}};
constexpr EntryValue kEntryD[] = {{kX, 0, 435}, {kY, 0, 480}, {kVX, 0, 0}, {kVY, 0, 0}};

// Freed below the screen or past the exit side (x > 540 rightward, x < 0 leftward).
constexpr Bounds kExitRight{-kNoBound, 540, -kNoBound, 480};
constexpr Bounds kExitLeft{0, kNoBound, -kNoBound, 480};

// The wreck stops on every explosion frame; a start restarts the slot's count.
constexpr WaveKind Kind(std::span<WaveZakRecord> slots, const int* picture,
                        std::span<const EntryValue> entry, Bounds bounds, void (*spawnSlot)(int),
                        std::span<const PhaseBand> bands, FireGate gate) {
  return {.kind = {.slots = slots,
                   .body = {picture, 100, 100, BodyDrawn::kAlways, kCells},
                   .marker = {},
                   .explosion = WaveExplosion(true, false),
                   .motion = {1, 1, 0},
                   .bounds = bounds,
                   .entry = entry},
          .wave = {159, kStartsEvery30},
          .spawnSlot = spawnSlot,
          .spawnRestartsCounter = true,
          .script = {25, bands, 101, gate}};
}

constexpr WaveKind kTwinGunZakA = Kind(gTwinGunZakA, &gPicZak12, kEntryA, kExitRight,
                                       SpawnSlotTwinGunZakA, kBandsA, FireGate::kAlways);
constexpr WaveKind kTwinGunZakB = Kind(gTwinGunZakB, &gPicTwinGunZakB, kEntryB, kExitLeft,
                                       SpawnSlotTwinGunZakB, kBandsB, FireGate::kAlways);
constexpr WaveKind kTwinGunZakC = Kind(gTwinGunZakC, &gPicTwinGunZakC, kEntryC, kExitRight,
                                       SpawnSlotTwinGunZakC, kBandsC, FireGate::kExtraMode);
constexpr WaveKind kTwinGunZakD = Kind(gTwinGunZakD, &gPicTwinGunZakD, kEntryD, kExitLeft,
                                       SpawnSlotTwinGunZakD, kBandsD, FireGate::kExtraMode);

// Fixed speeds per bullet slot: fast for A and B, slow for C and D.
constexpr float kFastShot1[] = {230, 270, 310, 350};
constexpr float kFastShot2[] = {200, 230, 260, 290, 340};
constexpr float kSlowShot1[] = {80, 100, 120, 140};
constexpr float kSlowShot2[] = {80, 100, 120, 140, 160};

// Every bullet leaves enemy slot `from` at (40, 50) and shows the 7-cell strip.
constexpr FixedSpeedShots Shot(std::span<AimedShotRecord> shots, std::span<WaveZakRecord> owner,
                               int from, std::span<const float> speeds) {
  return SlotShots(shots, owner, from, speeds, 40, {&gPicVal201, 20, 7, true});
}
constexpr auto kTwinGunZakAShot1 = Shot(gTwinGunZakAShot1, gTwinGunZakA, 0, kFastShot1);
constexpr auto kTwinGunZakAShot2 = Shot(gTwinGunZakAShot2, gTwinGunZakA, 1, kFastShot2);
constexpr auto kTwinGunZakBShot1 = Shot(gTwinGunZakBShot1, gTwinGunZakB, 0, kFastShot1);
constexpr auto kTwinGunZakBShot2 = Shot(gTwinGunZakBShot2, gTwinGunZakB, 1, kFastShot2);
constexpr auto kTwinGunZakCShot1 = Shot(gTwinGunZakCShot1, gTwinGunZakC, 0, kSlowShot1);
constexpr auto kTwinGunZakCShot2 = Shot(gTwinGunZakCShot2, gTwinGunZakC, 1, kSlowShot2);
constexpr auto kTwinGunZakDShot1 = Shot(gTwinGunZakDShot1, gTwinGunZakD, 0, kSlowShot1);
constexpr auto kTwinGunZakDShot2 = Shot(gTwinGunZakDShot2, gTwinGunZakD, 1, kSlowShot2);

}  // namespace

void SpawnSlotTwinGunZakA(int slot) { SpawnWaveSlot(kTwinGunZakA, slot); }
void TickWaveTwinGunZakA(int) { TickWaveKind(kTwinGunZakA); }
void MoveTwinGunZakA(int) { MoveWaveKind(kTwinGunZakA); }
void DrawTwinGunZakA(int) { DrawKind(kTwinGunZakA.kind); }
void HitTwinGunZakA(int slot) { HitKind(kTwinGunZakA.kind, slot); }
void FireTwinGunZakAShot1(int) { FireFixedSpeedShots(kTwinGunZakAShot1); }
void MoveTwinGunZakAShot1(int) { MoveAimedShots(kTwinGunZakAShot1.family); }
void DrawTwinGunZakAShot1(int) { DrawAimedShots(kTwinGunZakAShot1.family); }
void FireTwinGunZakAShot2(int) { FireFixedSpeedShots(kTwinGunZakAShot2); }
void MoveTwinGunZakAShot2(int) { MoveAimedShots(kTwinGunZakAShot2.family); }
void DrawTwinGunZakAShot2(int) { DrawAimedShots(kTwinGunZakAShot2.family); }

void SpawnSlotTwinGunZakB(int slot) { SpawnWaveSlot(kTwinGunZakB, slot); }
void TickWaveTwinGunZakB(int) { TickWaveKind(kTwinGunZakB); }
void MoveTwinGunZakB(int) { MoveWaveKind(kTwinGunZakB); }
void DrawTwinGunZakB(int) { DrawKind(kTwinGunZakB.kind); }
void HitTwinGunZakB(int slot) { HitKind(kTwinGunZakB.kind, slot); }
void FireTwinGunZakBShot1(int) { FireFixedSpeedShots(kTwinGunZakBShot1); }
void MoveTwinGunZakBShot1(int) { MoveAimedShots(kTwinGunZakBShot1.family); }
void DrawTwinGunZakBShot1(int) { DrawAimedShots(kTwinGunZakBShot1.family); }
void FireTwinGunZakBShot2(int) { FireFixedSpeedShots(kTwinGunZakBShot2); }
void MoveTwinGunZakBShot2(int) { MoveAimedShots(kTwinGunZakBShot2.family); }
void DrawTwinGunZakBShot2(int) { DrawAimedShots(kTwinGunZakBShot2.family); }

void SpawnSlotTwinGunZakC(int slot) { SpawnWaveSlot(kTwinGunZakC, slot); }
void TickWaveTwinGunZakC(int) { TickWaveKind(kTwinGunZakC); }
void MoveTwinGunZakC(int) { MoveWaveKind(kTwinGunZakC); }
void DrawTwinGunZakC(int) { DrawKind(kTwinGunZakC.kind); }
void HitTwinGunZakC(int slot) { HitKind(kTwinGunZakC.kind, slot); }
void FireTwinGunZakCShot1(int) { FireFixedSpeedShots(kTwinGunZakCShot1); }
void MoveTwinGunZakCShot1(int) { MoveAimedShots(kTwinGunZakCShot1.family); }
void DrawTwinGunZakCShot1(int) { DrawAimedShots(kTwinGunZakCShot1.family); }
void FireTwinGunZakCShot2(int) { FireFixedSpeedShots(kTwinGunZakCShot2); }
void MoveTwinGunZakCShot2(int) { MoveAimedShots(kTwinGunZakCShot2.family); }
void DrawTwinGunZakCShot2(int) { DrawAimedShots(kTwinGunZakCShot2.family); }

void SpawnSlotTwinGunZakD(int slot) { SpawnWaveSlot(kTwinGunZakD, slot); }
void TickWaveTwinGunZakD(int) { TickWaveKind(kTwinGunZakD); }
void MoveTwinGunZakD(int) { MoveWaveKind(kTwinGunZakD); }
void DrawTwinGunZakD(int) { DrawKind(kTwinGunZakD.kind); }
void HitTwinGunZakD(int slot) { HitKind(kTwinGunZakD.kind, slot); }
void FireTwinGunZakDShot1(int) { FireFixedSpeedShots(kTwinGunZakDShot1); }
void MoveTwinGunZakDShot1(int) { MoveAimedShots(kTwinGunZakDShot1.family); }
void DrawTwinGunZakDShot1(int) { DrawAimedShots(kTwinGunZakDShot1.family); }
void FireTwinGunZakDShot2(int) { FireFixedSpeedShots(kTwinGunZakDShot2); }
void MoveTwinGunZakDShot2(int) { MoveAimedShots(kTwinGunZakDShot2.family); }
void DrawTwinGunZakDShot2(int) { DrawAimedShots(kTwinGunZakDShot2.family); }
