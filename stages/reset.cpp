// The game-state reset: the play state's scalars and every subsystem's
// tables, joined in their fixed order.
#include "game/reset.h"

#include <array>
#include <iterator>

#include "bosses/attack_resets.h"
#include "bosses/boss_reset.h"
#include "bosses/boss_reset_groups.h"
#include "bosses/late_reset_groups.h"
#include "enemies/enemy_resets.h"
#include "engine/system/ko_system.h"
#include "game/background_sprites.h"
#include "game/backgrounds.h"
#include "game/game_state.h"
#include "homing/enemy_marker_resets.h"
#include "homing/homing_resets.h"
#include "platform/clock.h"
#include "player/bomb.h"
#include "player/life.h"
#include "player/power_item.h"
#include "player/shot_reset.h"

namespace {

template <PlayerShot (&shots)[kShotSlots]>
constexpr ResetTable ShotTable(const char* name) {
  return Table(name, shots, ResetShots<shots>, ShotsAtStart<shots>);
}

// The player's tables and the background sprites.
constexpr ResetTable kPlayerTables[] = {
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
};
// After the stage bosses' groups.
constexpr ResetTable kAfterBosses[] = {
    Table("gBackgroundParticles", gBackgroundParticles, ResetBackgroundParticles,
          BackgroundParticlesAtStart),
};

using Run = std::span<const ResetTable>;
constexpr Run kLeadingRuns[] = {kEnemyMarkerTables, kBossMarkerTables, kHomingTables, kPlayerTables,
                                enemy_resets::kEnemyResetTables};
constexpr Run kTrailingRuns[] = {kAfterBosses};
constexpr std::span<const Run> kRunLists[] = {kLeadingRuns, kBossResetRuns, kLateBossResetRuns,
                                              kTrailingRuns};

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
  // The boss scalars: attack counters, flame cells, the laser and the entry
  // pictures. The boss records and explosions are in the ordered tables.
  ResetBossRecords();
  for (const ResetTable& t : kResetTables) t.reset();
}
