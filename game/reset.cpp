#include "game/reset.h"

#include <iterator>

#include "bosses/attack_resets.h"
#include "bosses/boss_reset.h"
#include "bosses/late_attack_resets.h"
#include "enemies/aimed_fan.h"
#include "enemies/aimed_shots.h"
#include "enemies/divers.h"
#include "enemies/gunners.h"
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
    MarkedEnemyTable<gDiver80L, gDiver80LMarkers>("gDiver80L"),
    AimedTable<gDiver80LShot1, kRandom10, kAim>("gDiver80LShot1"),
    AimedTable<gDiver80LShot2, kRandom10, kAim>("gDiver80LShot2"),
    StreamTable<gDiver80LStream1, kRandom10>("gDiver80LStream1"),
    StreamTable<gDiver80LStream2, kRandom10>("gDiver80LStream2"),
    StreamTable<gDiver80LStream3, kRandom10>("gDiver80LStream3"),
    Table("gDiver80LFan", gDiver80LFan, ResetFanShots<gDiver80LFan>, FanShotsAtStart<gDiver80LFan>),
    MarkedEnemyTable<gDiver80R, gDiver80RMarkers>("gDiver80R"),
    AimedTable<gDiver80RShot1, kRandom10, kAim>("gDiver80RShot1"),
    AimedTable<gDiver80RShot2, kRandom10, kAim>("gDiver80RShot2"),
    StreamTable<gDiver80RStream1, kRandom10>("gDiver80RStream1"),
    StreamTable<gDiver80RStream2, kRandom10>("gDiver80RStream2"),
    StreamTable<gDiver80RStream3, kRandom10>("gDiver80RStream3"),
    Table("gDiver80RFan", gDiver80RFan, ResetFanShots<gDiver80RFan>, FanShotsAtStart<gDiver80RFan>),
    MarkedEnemyTable<gGunner80L, gGunner80LMarkers>("gGunner80L"),
    AimedTable<gGunner80LShot1, kRandom10, kAim>("gGunner80LShot1"),
    AimedTable<gGunner80LShot2, kRandom10, kAim>("gGunner80LShot2"),
    StreamTable<gGunner80LStream1, kRandom10>("gGunner80LStream1"),
    StreamTable<gGunner80LStream2, kRandom10>("gGunner80LStream2"),
    StreamTable<gGunner80LStream3, kRandom10>("gGunner80LStream3"),
    MarkedEnemyTable<gGunner80R, gGunner80RMarkers>("gGunner80R"),
    AimedTable<gGunner80RShot1, kRandom10, kAim>("gGunner80RShot1"),
    AimedTable<gGunner80RShot2, kRandom10, kAim>("gGunner80RShot2"),
    StreamTable<gGunner80RStream1, kRandom10>("gGunner80RStream1"),
    StreamTable<gGunner80RStream2, kRandom10>("gGunner80RStream2"),
    StreamTable<gGunner80RStream3, kRandom10>("gGunner80RStream3"),
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
  ResetBossRecords();
  for (const ResetTable& t : kResetTables) t.reset();
  // The bosses' explosions and attacks; they join the ordered tables once
  // every table of their bosses exists.
  ResetBossExplosions();
  for (auto tables : {std::span<const ResetTable>(kBoss1AttackTables),
                      std::span<const ResetTable>(kBoss2AttackTables),
                      std::span<const ResetTable>(kBoss3AttackTables),
                      std::span<const ResetTable>(kBoss4AttackTables),
                      std::span<const ResetTable>(kBoss5AttackTables),
                      std::span<const ResetTable>(kBoss6AttackTables),
                      std::span<const ResetTable>(kBoss7AttackTables),
                      std::span<const ResetTable>(kBoss8AttackTables)})
    for (const ResetTable& t : tables) t.reset();
}
