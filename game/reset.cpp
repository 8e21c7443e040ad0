#include "game/reset.h"

#include <array>
#include <iterator>

#include "bosses/boss_reset.h"
#include "bosses/boss_reset_groups.h"
#include "enemies/aimed_shots.h"
#include "enemies/kind.h"
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

using enum enemy::StartFrame;
using enum enemy::AimedReset;

// The tables before and after the stage bosses' groups.
constexpr ResetTable kBeforeBosses[] = {
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
};
constexpr ResetTable kAfterBosses[] = {
    Table("gBackgroundParticles", gBackgroundParticles, ResetBackgroundParticles,
          BackgroundParticlesAtStart),
};

using Run = std::span<const ResetTable>;
constexpr Run kLeadingRuns[] = {kBeforeBosses};
constexpr Run kTrailingRuns[] = {kAfterBosses};
constexpr std::span<const Run> kRunLists[] = {kLeadingRuns, kBoss1To3ResetRuns, kTrailingRuns};

constexpr size_t kTableCount = [] {
  size_t n = 0;
  for (std::span<const Run> runs : kRunLists)
    for (Run run : runs) n += run.size();
  return n;
}();

// Every table in visiting order, joined from the runs above.
constexpr std::array<ResetTable, kTableCount> kResetTables = [] {
  std::array<ResetTable, kTableCount> all{};
  size_t n = 0;
  for (std::span<const Run> runs : kRunLists)
    for (Run run : runs)
      for (const ResetTable& t : run) all[n++] = t;
  return all;
}();

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
  // The boss scalars and the records of the bosses whose groups come later.
  ResetBossRecords();
  for (const ResetTable& t : kResetTables) t.reset();
}
