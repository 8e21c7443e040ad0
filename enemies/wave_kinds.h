// What the scripted wave kinds share (TwinGunZak, GunZak and Zak4): a wave
// ticker that releases one slot at a time, a phase script whose bands of the
// slot's phase clock set the velocity and fire the kind's weapons, the reset
// that leaves every slot above the screen, and the aimed families whose
// bullets fly at fixed speeds per bullet slot.
//
// A kind is one constexpr WaveKind row; its entry points (SpawnSlotGunZakA,
// TickWaveGunZakA, MoveGunZakA, DrawGunZakA, HitGunZakA) are one-line calls of
// the routines below with that row.
#pragma once
#include <cstdint>
#include <span>

#include "enemies/aimed_shots.h"
#include "enemies/kind.h"
#include "game/assets.h"

namespace enemy {

// Which mode of play lets a kind's script fire.
enum class FireGate : uint8_t {
  kAlways,
  kExtraMode,        // only while gDifficultyExtra is 1
  kHardOrExtraMode,  // while gDifficulty is 2 or gDifficultyExtra is 1
  kNever,            // the script flies without firing
};
bool FireGateOpen(FireGate gate);

// While from <= t <= to, with t the phase clock after this move's advance, the
// band sets vx and vy and, when it has a weapon, calls its fire with the slot
// on every move the slot spends in the band. Between bands nothing is set.
struct PhaseBand {
  float from, to;
  float vx, vy;
  void (*fire)(int slot) = nullptr;
};

struct PhaseScript {
  float rate;  // clock units per second
  std::span<const PhaseBand> bands;
  float restartAt;  // the clock is set back to 0 once it reaches this, after the bands
  FireGate gate;
};

// The ticker counts of the kinds that release slot i at 30 x (i + 1).
inline constexpr int kStartsEvery30[] = {30, 60, 90, 120, 150};

struct WaveKind {
  KindDesign<WaveZakRecord> kind;  // body, marker, explosion, motion, bounds and entry point
  WaveSchedule wave;
  void (*spawnSlot)(int slot);  // the kind's SpawnSlot entry point, which the ticker calls
  bool spawnRestartsCounter;    // a start also sets the slot's wave counter back to 0
  PhaseScript script;
};

// Starts the slot if it is free: the kind's entry point, at rest, phase clock 0.
void SpawnWaveSlot(const WaveKind& w, int slot);
void TickWaveKind(const WaveKind& w);
// Every live slot (exploding ones too) moves by last move's velocity and runs
// its script; then every slot outside the kind's bounds is freed and parked.
void MoveWaveKind(const WaveKind& w);

// The explosion of every scripted wave kind: one copy of the 80-pixel strip,
// 8 frames in each of 4 rows; the end leaves hitSkip alone.
inline constexpr ExplosionCopy kWaveExplosionAdd[] = {
    {BlitKind::kAdd, &gPicZbak2b, 80, 0, 0, 0, 0}};
inline constexpr ExplosionCopy kWaveExplosionPlain[] = {
    {BlitKind::kPlain, &gPicZbak2b, 80, 0, 0, 0, 0}};
constexpr Explosion<WaveZakRecord> WaveExplosion(bool wreckStops, bool endParksMarker) {
  return {.frame = &WaveZakRecord::frame,
          .frames = 8,
          .rows = 4,
          .mode1 = kWaveExplosionAdd,
          .mode0 = kWaveExplosionPlain,
          .wreckStops = wreckStops,
          .endClearsHitSkip = false,
          .endParksMarker = endParksMarker};
}

// An aimed family fired from one enemy slot whose fire, whenever it starts a
// bullet, sets every bullet of the table, in flight or not, to its slot's speed.
struct FixedSpeedShots {
  AimedShotFamily<WaveZakRecord> family;  // speed {0, 0}: no draw; `speeds` replaces it
  std::span<const float> speeds;          // one per bullet slot
};
void FireFixedSpeedShots(const FixedSpeedShots& f);

// A fixed-speed family whose bullets leave enemy slot `from` at (muzzleX, 50)
// and are drawn from a 20-pixel strip for every bullet, free ones too.
constexpr FixedSpeedShots SlotShots(std::span<AimedShotRecord> shots,
                                    std::span<WaveZakRecord> owner, int from,
                                    std::span<const float> speeds, float muzzleX, BulletLook look) {
  return {.family = {.shots = shots,
                     .owner = owner,
                     .ownerSlot = from,
                     .muzzleX = muzzleX,
                     .muzzleY = 50,
                     .spare1 = {0, 0},
                     .spare2 = {0, 0},
                     .speed = {0, 0},
                     .aimX = 22,
                     .aimY = 22,
                     .keep = {-20, 540, -20, 480, true},
                     .shipBox = {10, 30, 20, 30},
                     .look = look},
          .speeds = speeds};
}

// Where the reset leaves a wave slot: above the screen, not at the parking point.
constexpr float kWaveResetX = -500.0f;
constexpr float kWaveResetY = -500.0f;
void ResetWaveSlot(WaveZakRecord& r);
bool WaveSlotAtStart(const WaveZakRecord& r);

}  // namespace enemy

// Reset-table entries: a wave kind's slots (with its markers), and an aimed
// table whose reset writes only the start frame, the parked place and speed 0.
template <auto& table>
void ResetWaveSlots() {
  for (WaveZakRecord& r : table) enemy::ResetWaveSlot(r);
}
template <auto& table>
bool WaveSlotsAtStart() {
  for (const WaveZakRecord& r : table)
    if (!enemy::WaveSlotAtStart(r)) return false;
  return true;
}
template <auto& table, auto& markers>
void ResetMarkedWaveSlots() {
  ResetWaveSlots<table>();
  enemy::ResetMarkers(markers);
}
template <auto& table, auto& markers>
bool MarkedWaveSlotsAtStart() {
  return WaveSlotsAtStart<table>() && enemy::MarkersAtStart(markers);
}
template <auto& table>
void ResetShotsAndSpeed() {
  for (AimedShotRecord& s : table) {
    enemy::ResetAimedShot(s, enemy::StartFrame::kRandom10, enemy::AimedReset::kFrameOnly);
    s.speed = 0.0f;
  }
}
template <auto& table>
bool ShotsAndSpeedAtStart() {
  for (const AimedShotRecord& s : table)
    if (!enemy::AimedShotAtStart(s, enemy::StartFrame::kRandom10, enemy::AimedReset::kFrameOnly) ||
        s.speed != 0.0f)
      return false;
  return true;
}
