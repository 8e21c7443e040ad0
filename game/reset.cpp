#include "game/reset.h"

#include <iterator>

#include "enemies/aimed_shots.h"
#include "enemies/bars.h"
#include "enemies/beams.h"
#include "enemies/bursts.h"
#include "enemies/kind.h"
#include "enemies/large_kind.h"
#include "enemies/large_kinds.h"
#include "enemies/lasers_beams.h"
#include "enemies/muzzle_streams.h"
#include "enemies/streams.h"
#include "enemies/template_kinds.h"
#include "engine/system/ko_system.h"
#include "game/background_sprites.h"
#include "game/backgrounds.h"
#include "game/game_state.h"
#include "platform/clock.h"
#include "player/bomb.h"
#include "player/life.h"
#include "player/power_item.h"
#include "player/shot_reset.h"

namespace {

template <typename T, size_t N>
constexpr ResetTable Table(const char* name, T (&table)[N], void (*reset)(), bool (*atStart)()) {
  return {name, table, sizeof(T) * N, reset, atStart};
}

template <PlayerShot (&shots)[kShotSlots]>
constexpr ResetTable ShotTable(const char* name) {
  return Table(name, shots, ResetShots<shots>, ShotsAtStart<shots>);
}

template <auto& slots>
constexpr ResetTable EnemyTable(const char* name) {
  return Table(name, slots, ResetEnemySlots<slots>, EnemySlotsAtStart<slots>);
}

// A marked kind's reset also restores its markers.
template <auto& slots, auto& markers>
constexpr ResetTable MarkedEnemyTable(const char* name) {
  return Table(name, slots, ResetMarkedEnemySlots<slots, markers>,
               MarkedEnemySlotsAtStart<slots, markers>);
}

template <auto& shots, enemy::StartFrame frame, enemy::AimedReset extra>
constexpr ResetTable AimedTable(const char* name) {
  return Table(name, shots, ResetAimedShots<shots, frame, extra>,
               AimedShotsAtStart<shots, frame, extra>);
}

template <auto& shots, enemy::StartFrame frame>
constexpr ResetTable StreamTable(const char* name) {
  return Table(name, shots, ResetStreamShots<shots, frame>, StreamShotsAtStart<shots, frame>);
}

// A table of one record.
template <typename T>
constexpr ResetTable Block(const char* name, T& block, void (*reset)(), bool (*atStart)()) {
  return {name, &block, sizeof(T), reset, atStart};
}

// A single large kind; `hp` is what the reset writes into its hit points.
template <LargeZakState& block, int hp = 0>
constexpr ResetTable LargeTable(const char* name) {
  return Block(name, block, ResetLargeBlock<block, hp>, LargeBlockAtStart<block, hp>);
}

template <auto& shots>
constexpr ResetTable BurstTable(const char* name) {
  return Table(name, shots, ResetBurstShots<shots>, BurstShotsAtStart<shots>);
}

template <auto& slots>
constexpr ResetTable BeamTable(const char* name) {
  return Table(name, slots, ResetBeams<slots>, BeamsAtStart<slots>);
}

// A laser or a bar.
template <LaserRecord& strip>
constexpr ResetTable StripTable(const char* name) {
  return Block(name, strip, ResetStripRecord<strip>, StripRecordAtStart<strip>);
}

template <auto& shots>
constexpr ResetTable MuzzleStreamTable(const char* name) {
  return Table(name, shots, ResetMuzzleStream<shots>, MuzzleStreamAtStart<shots>);
}

using enum enemy::StartFrame;
using enum enemy::AimedReset;

const ResetTable kResetTables[] = {
    Table("gExplosionFragments", gExplosionFragments, ParkExplosionFragments,
          ExplosionFragmentsAtStart),
    Table("gBombShots", gBombShots, ResetBombShots, BombShotsAtStart),
    ShotTable<gShotBMain>("gShotBMain"),
    ShotTable<gShotBLeft>("gShotBLeft"),
    ShotTable<gShotBRight>("gShotBRight"),
    ShotTable<gShotAMain>("gShotAMain"),
    ShotTable<gShotAUpper>("gShotAUpper"),
    ShotTable<gShotALower>("gShotALower"),
    ShotTable<gShotUpLeft>("gShotUpLeft"),
    ShotTable<gShotUpRight>("gShotUpRight"),
    Table("gBackgroundSprites", gBackgroundSprites, ResetBackgroundSprites,
          BackgroundSpritesAtStart),
    EnemyTable<gZak1>("gZak1"),
    MarkedEnemyTable<gZak2, gZak2Markers>("gZak2"),
    EnemyTable<gZak7A>("gZak7A"),
    AimedTable<gZak7AShot, kRandom10, kAim>("gZak7AShot"),
    EnemyTable<gZak8>("gZak8"),
    StreamTable<gZak8Stream1, kZero>("gZak8Stream1"),
    StreamTable<gZak8Stream2, kZero>("gZak8Stream2"),
    StreamTable<gZak8Stream3, kZero>("gZak8Stream3"),
    LargeTable<gZak50A>("gZak50A"),
    BurstTable<gZak50AShot>("gZak50AShot"),
    LargeTable<gZak50B>("gZak50B"),
    BeamTable<gZak50BBeam1>("gZak50BBeam1"),
    BeamTable<gZak50BBeam2>("gZak50BBeam2"),
    BurstTable<gZak50BShot1>("gZak50BShot1"),
    BurstTable<gZak50BShot2>("gZak50BShot2"),
    BurstTable<gZak50BShot3>("gZak50BShot3"),
    LargeTable<gZak51A>("gZak51A"),
    StripTable<gZak51ALaser>("gZak51ALaser"),
    BeamTable<gZak51ABeam1>("gZak51ABeam1"),
    BeamTable<gZak51ABeam2>("gZak51ABeam2"),
    BurstTable<gZak51AShot1>("gZak51AShot1"),
    BurstTable<gZak51AShot2>("gZak51AShot2"),
    LargeTable<gZak51B>("gZak51B"),
    StripTable<gZak51BLaser>("gZak51BLaser"),
    MuzzleStreamTable<gZak51BStream>("gZak51BStream"),
    LargeTable<gZak54A, kZak54Hp>("gZak54A"),
    StripTable<gZak54ABar1>("gZak54ABar1"),
    StripTable<gZak54ABar2>("gZak54ABar2"),
    MuzzleStreamTable<gZak54AStream>("gZak54AStream"),
    LargeTable<gZak54B, kZak54Hp>("gZak54B"),
    StripTable<gZak54BBar1>("gZak54BBar1"),
    StripTable<gZak54BBar2>("gZak54BBar2"),
    MuzzleStreamTable<gZak54BStream>("gZak54BStream"),
    LargeTable<gZak54C, kZak54Hp>("gZak54C"),
    StripTable<gZak54CBar1>("gZak54CBar1"),
    StripTable<gZak54CBar2>("gZak54CBar2"),
    MuzzleStreamTable<gZak54CStream>("gZak54CStream"),
    LargeTable<gZak50C>("gZak50C"),
    MuzzleStreamTable<gZak50CStream>("gZak50CStream"),
    Table("gBackgroundParticles", gBackgroundParticles, ResetBackgroundParticles,
          BackgroundParticlesAtStart),
};

}  // namespace

std::span<const ResetTable> ResetTables() { return kResetTables; }

void InitNewGame() {
  LayOutBackgroundStrips();
  gReplay = gTrackIndex = gShotTrackIndex = 0;
  gScore = 0;
  gBombStock = 5;
  gLives = 777;
  gStageClock = 0.0f;
  gStageClock2 = 0.0f;
  gPlayerX = 60.0f;
  gPlayerY = 210.0f;
  ResetPowerItem();
  gSideShots = gOuterShots = gPowerItemCount = 0;
  for (ShipEntryState& e : gShipEntry) e = ShipEntryState{0, 0, -500.0f, 500.0f};
}

void ResetGameState() {
  koSystem::SeedRand(static_cast<uint32_t>(plat::TimeSeconds()));
  ResetPowerItem();
  gPlayerVX = gPlayerVY = 0.0f;
  gControlLocked = 0;
  gFireCounterA = gFireCounterB = 0;
  gRespawning = gRespawnTimer = gRespawnBlink = 0;
  gBankFrame = 3;
  gBankStep = 0;
  gShotLimit = gLiveShotsA = gLiveShotsB = gBombShotMoves = 0;
  gFireEnabled = gBombReady = 1;
  gBombActive = gBombTimer = 0;
  gTimeLeft = 800;
  gStageClock = 0.0f;
  gPlayerAlive = 1;
  gShotFlash = 0;
  gGameOver = gPaused = gContinuePrompt = gGiveUp = 0;
  gSightX = -500;
  gSightY = 500;
  gSightWords[0] = gSightWords[1] = 0;
  // A game-over wait still running must not send the new stage to the title.
  koSystem::InitWait(1);
  for (const ResetTable& t : kResetTables) t.reset();
}
