// The four Zak4 kinds: one wave row each, and the aimed-shot rows of Zak4A
// and Zak4B.
#include "enemies/zak4.h"

#include <array>

#include "enemies/wave_kinds.h"

WaveZakRecord gZak4A[5], gZak4B[5], gZak4C[5], gZak4D[5];
TargetMarker gZak4AMarkers[5], gZak4BMarkers[5], gZak4CMarkers[5], gZak4DMarkers[5];
AimedShotRecord gZak4AShot1[4], gZak4AShot2[5], gZak4BShot1[4], gZak4BShot2[5];

namespace {

using namespace enemy;
using enum Field;

// Straight in at `entry` px/s (down +, up -), three sideways steps (vxDir)
// while closing at 220, then a flat exit at 180; `shot1` fires in the first
// band and `shot2` in the second.
constexpr std::array<PhaseBand, 5> Curve(float vxDir, float entry, float vyDir, void (*shot1)(int),
                                         void (*shot2)(int)) {
  return {{{0, 10, 0, entry, shot1},
           {11, 20, 110 * vxDir, 220 * vyDir, shot2},
           {21, 30, 210 * vxDir, 220 * vyDir},
           {31, 40, 310 * vxDir, 220 * vyDir},
           {41, 100, 180 * vxDir, 0}}};
}
constexpr auto kBandsA = Curve(1, 220, 1, FireZak4AShot1, FireZak4AShot2);
constexpr auto kBandsB = Curve(-1, 220, 1, FireZak4BShot1, FireZak4BShot2);
constexpr auto kBandsC = Curve(1, -400, -1, nullptr, nullptr);
constexpr auto kBandsD = Curve(-1, -400, -1, nullptr, nullptr);

constexpr EntryValue kEntryA[] = {{kX, 0, 125}, {kY, 0, -70}, {kVX, 0, 0}, {kVY, 0, 0}};
constexpr EntryValue kEntryB[] = {{kX, 0, 415}, {kY, 0, -70}, {kVX, 0, 0}, {kVY, 0, 0}};
constexpr EntryValue kEntryC[] = {{kX, 0, 105}, {kY, 0, 480}, {kVX, 0, 0}, {kVY, 0, 0}};
constexpr EntryValue kEntryD[] = {{kX, 0, 435}, {kY, 0, 480}, {kVX, 0, 0}, {kVY, 0, 0}};

// Zak4D releases its slots every 20 ticks in a 120-tick cycle; the others
// every 30 in a 190-tick cycle.
constexpr WaveSchedule kWave{189, kStartsEvery30};
constexpr int kStartsEvery20[] = {20, 40, 60, 80, 100};
constexpr WaveSchedule kWaveD{119, kStartsEvery20};

// The marker sits at (30, 30) over the body; a freed slot's marker is kept
// while it lies in 70..keepMaxX by -70..480.
constexpr MarkerDesign Marker(TargetMarker* table, int keepMaxX) {
  return {table, true, 30, 30, 70, keepMaxX, true, -70, 480};
}

// Drawn only while alive; the wreck flies on and its end parks the marker.
constexpr WaveKind Kind(std::span<WaveZakRecord> slots, MarkerDesign marker,
                        std::span<const EntryValue> entry, WaveSchedule wave,
                        void (*spawnSlot)(int), bool spawnRestartsCounter, float rate,
                        std::span<const PhaseBand> bands) {
  return {.kind = {.slots = slots,
                   .body = {&gPicZak4, 90, 70, BodyDrawn::kIfAlive},
                   .marker = marker,
                   .explosion = WaveExplosion(false, true),
                   .motion = {1, 1, 0},
                   .bounds = {-90, 640, -70, 480},
                   .entry = entry},
          .wave = wave,
          .spawnSlot = spawnSlot,
          .spawnRestartsCounter = spawnRestartsCounter,
          .script = {rate, bands, 101, FireGate::kAlways}};
}

constexpr WaveKind kZak4A =
    Kind(gZak4A, Marker(gZak4AMarkers, 540), kEntryA, kWave, SpawnSlotZak4A, true, 40, kBandsA);
constexpr WaveKind kZak4B =
    Kind(gZak4B, Marker(gZak4BMarkers, 541), kEntryB, kWave, SpawnSlotZak4B, true, 25, kBandsB);
constexpr WaveKind kZak4C =
    Kind(gZak4C, Marker(gZak4CMarkers, 542), kEntryC, kWave, SpawnSlotZak4C, false, 25, kBandsC);
constexpr WaveKind kZak4D =
    Kind(gZak4D, Marker(gZak4DMarkers, 543), kEntryD, kWaveD, SpawnSlotZak4D, false, 25, kBandsD);

constexpr float kShot1Speeds[] = {260, 280, 300, 320};
constexpr float kShot2Speeds[] = {260, 280, 300, 320, 340};

// Every bullet leaves enemy slot `from` at (50, 50) and shows the 24-cell strip.
constexpr FixedSpeedShots Shot(std::span<AimedShotRecord> shots, std::span<WaveZakRecord> owner,
                               int from, std::span<const float> speeds) {
  return SlotShots(shots, owner, from, speeds, 50, {&gPicVal2024, 20, 24, true});
}
constexpr auto kZak4AShot1 = Shot(gZak4AShot1, gZak4A, 0, kShot1Speeds);
constexpr auto kZak4AShot2 = Shot(gZak4AShot2, gZak4A, 1, kShot2Speeds);
constexpr auto kZak4BShot1 = Shot(gZak4BShot1, gZak4B, 0, kShot1Speeds);
constexpr auto kZak4BShot2 = Shot(gZak4BShot2, gZak4B, 1, kShot2Speeds);

}  // namespace

void SpawnSlotZak4A(int slot) { SpawnWaveSlot(kZak4A, slot); }
void TickWaveZak4A(int) { TickWaveKind(kZak4A); }
void MoveZak4A(int) { MoveWaveKind(kZak4A); }
void DrawZak4A(int) { DrawKind(kZak4A.kind); }
void HitZak4A(int slot) { HitKind(kZak4A.kind, slot); }
void FireZak4AShot1(int) { FireFixedSpeedShots(kZak4AShot1); }
void MoveZak4AShot1(int) { MoveAimedShots(kZak4AShot1.family); }
void DrawZak4AShot1(int) { DrawAimedShots(kZak4AShot1.family); }
void FireZak4AShot2(int) { FireFixedSpeedShots(kZak4AShot2); }
void MoveZak4AShot2(int) { MoveAimedShots(kZak4AShot2.family); }
void DrawZak4AShot2(int) { DrawAimedShots(kZak4AShot2.family); }

void SpawnSlotZak4B(int slot) { SpawnWaveSlot(kZak4B, slot); }
void TickWaveZak4B(int) { TickWaveKind(kZak4B); }
void MoveZak4B(int) { MoveWaveKind(kZak4B); }
void DrawZak4B(int) { DrawKind(kZak4B.kind); }
void HitZak4B(int slot) { HitKind(kZak4B.kind, slot); }
void FireZak4BShot1(int) { FireFixedSpeedShots(kZak4BShot1); }
void MoveZak4BShot1(int) { MoveAimedShots(kZak4BShot1.family); }
void DrawZak4BShot1(int) { DrawAimedShots(kZak4BShot1.family); }
void FireZak4BShot2(int) { FireFixedSpeedShots(kZak4BShot2); }
void MoveZak4BShot2(int) { MoveAimedShots(kZak4BShot2.family); }
void DrawZak4BShot2(int) { DrawAimedShots(kZak4BShot2.family); }

void SpawnSlotZak4C(int slot) { SpawnWaveSlot(kZak4C, slot); }
void TickWaveZak4C(int) { TickWaveKind(kZak4C); }
void MoveZak4C(int) { MoveWaveKind(kZak4C); }
void DrawZak4C(int) { DrawKind(kZak4C.kind); }
void HitZak4C(int slot) { HitKind(kZak4C.kind, slot); }

void SpawnSlotZak4D(int slot) { SpawnWaveSlot(kZak4D, slot); }
void TickWaveZak4D(int) { TickWaveKind(kZak4D); }
void MoveZak4D(int) { MoveWaveKind(kZak4D); }
void DrawZak4D(int) { DrawKind(kZak4D.kind); }
void HitZak4D(int slot) { HitKind(kZak4D.kind, slot); }
