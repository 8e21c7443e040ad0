#include "game/reset.h"

#include <iterator>

#include "enemies/aimed_shots.h"
#include "enemies/big90.h"
#include "enemies/kind.h"
#include "enemies/streams.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "enemies/zak51_side.h"
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
    EnemyTable<gZak51L>("gZak51L"),
    StreamTable<gZak51LStream1, kRandom10>("gZak51LStream1"),
    StreamTable<gZak51LStream2, kRandom10>("gZak51LStream2"),
    StreamTable<gZak51LStream3, kRandom10>("gZak51LStream3"),
    StreamTable<gZak51LStream4, kRandom10>("gZak51LStream4"),
    StreamTable<gZak51LStream5, kRandom10>("gZak51LStream5"),
    EnemyTable<gZak51R>("gZak51R"),
    StreamTable<gZak51RStream1, kRandom10>("gZak51RStream1"),
    StreamTable<gZak51RStream2, kRandom10>("gZak51RStream2"),
    StreamTable<gZak51RStream3, kRandom10>("gZak51RStream3"),
    StreamTable<gZak51RStream4, kRandom10>("gZak51RStream4"),
    StreamTable<gZak51RStream5, kRandom10>("gZak51RStream5"),
    EnemyTable<gBig90A>("gBig90A"),
    StreamTable<gBig90AStream1, kRandom10>("gBig90AStream1"),
    StreamTable<gBig90AStream2, kRandom10>("gBig90AStream2"),
    StreamTable<gBig90AStream3, kRandom10>("gBig90AStream3"),
    StreamTable<gBig90AStream4, kRandom10>("gBig90AStream4"),
    StreamTable<gBig90AStream5, kRandom10>("gBig90AStream5"),
    EnemyTable<gBig90B>("gBig90B"),
    StreamTable<gBig90BStream1, kRandom10>("gBig90BStream1"),
    StreamTable<gBig90BStream2, kRandom10>("gBig90BStream2"),
    StreamTable<gBig90BStream3, kRandom10>("gBig90BStream3"),
    StreamTable<gBig90BStream4, kRandom10>("gBig90BStream4"),
    StreamTable<gBig90BStream5, kRandom10>("gBig90BStream5"),
    EnemyTable<gVolleyZakA>("gVolleyZakA"),
    StreamTable<gVolleyZakAStream1, kRandom10>("gVolleyZakAStream1"),
    StreamTable<gVolleyZakAStream2, kRandom10>("gVolleyZakAStream2"),
    StreamTable<gVolleyZakAStream3, kRandom10>("gVolleyZakAStream3"),
    StreamTable<gVolleyZakAStream4, kRandom10>("gVolleyZakAStream4"),
    StreamTable<gVolleyZakAStream5, kRandom10>("gVolleyZakAStream5"),
    EnemyTable<gVolleyZakB>("gVolleyZakB"),
    StreamTable<gVolleyZakBStream1, kRandom10>("gVolleyZakBStream1"),
    StreamTable<gVolleyZakBStream2, kRandom10>("gVolleyZakBStream2"),
    StreamTable<gVolleyZakBStream3, kRandom10>("gVolleyZakBStream3"),
    StreamTable<gVolleyZakBStream4, kRandom10>("gVolleyZakBStream4"),
    StreamTable<gVolleyZakBStream5, kRandom10>("gVolleyZakBStream5"),
    Table("gVolleyZakC", gVolleyZakC, ResetVolleyZakC, VolleyZakCAtStart),
    StreamTable<gVolleyZakCStream1, kRandom10>("gVolleyZakCStream1"),
    StreamTable<gVolleyZakCStream2, kRandom10>("gVolleyZakCStream2"),
    StreamTable<gVolleyZakCStream3, kRandom10>("gVolleyZakCStream3"),
    StreamTable<gVolleyZakCStream4, kRandom10>("gVolleyZakCStream4"),
    StreamTable<gVolleyZakCStream5, kRandom10>("gVolleyZakCStream5"),
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
