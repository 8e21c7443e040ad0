#include "game/reset.h"

#include <array>
#include <iterator>

#include "bosses/attack_resets.h"
#include "bosses/boss_reset.h"
#include "bosses/boss_reset_groups.h"
#include "bosses/late_reset_groups.h"
#include "enemies/aimed_bursts.h"
#include "enemies/aimed_fan.h"
#include "enemies/aimed_shots.h"
#include "enemies/bars.h"
#include "enemies/beams.h"
#include "enemies/big90.h"
#include "enemies/divers.h"
#include "enemies/gun_zak.h"
#include "enemies/gunners.h"
#include "enemies/kind.h"
#include "enemies/large_kind.h"
#include "enemies/large_kinds.h"
#include "enemies/lasers_beams.h"
#include "enemies/mid_boss.h"
#include "enemies/muzzle_streams.h"
#include "enemies/spread_shot.h"
#include "enemies/streams.h"
#include "enemies/template_kinds.h"
#include "enemies/twin_gun_zak.h"
#include "enemies/volley_zak.h"
#include "enemies/wave_kinds.h"
#include "enemies/zak4.h"
#include "enemies/zak51_side.h"
#include "enemies/zak52.h"
#include "enemies/zak60.h"
#include "enemies/zak9_clusters.h"
#include "engine/system/ko_system.h"
#include "game/background_sprites.h"
#include "game/backgrounds.h"
#include "game/game_state.h"
#include "homing/boss_homing.h"
#include "homing/boss_markers.h"
#include "homing/enemy_homing.h"
#include "homing/enemy_marker_resets.h"
#include "homing/marker_resets.h"
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

// A mid-boss's single state block.
template <auto& block>
constexpr ResetTable MidBossTable(const char* name) {
  return {name, &block, sizeof block, ResetMidBoss<block>, MidBossAtStart<block>};
}

template <auto& shots>
constexpr ResetTable SpreadTable(const char* name) {
  return Table(name, shots, ResetSpreadTable<shots>, SpreadTableAtStart<shots>);
}

// A scripted wave kind's slots wait above the screen after a reset.
template <auto& slots>
constexpr ResetTable WaveTable(const char* name) {
  return Table(name, slots, ResetWaveSlots<slots>, WaveSlotsAtStart<slots>);
}
template <auto& slots, auto& markers>
constexpr ResetTable MarkedWaveTable(const char* name) {
  return Table(name, slots, ResetMarkedWaveSlots<slots, markers>,
               MarkedWaveSlotsAtStart<slots, markers>);
}
// Aimed tables whose reset writes the speed but not the aim.
template <auto& shots>
constexpr ResetTable ShotsAndSpeedTable(const char* name) {
  return Table(name, shots, ResetShotsAndSpeed<shots>, ShotsAndSpeedAtStart<shots>);
}

template <auto& blocks>
constexpr ResetTable ClusterTable(const char* name) {
  return Table(name, blocks, ResetClusterShots<blocks>, ClusterShotsAtStart<blocks>);
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

template <auto& missiles>
constexpr ResetTable HomingTable(const char* name) {
  return Table(name, missiles, ResetHomingTable<missiles>, HomingTableAtStart<missiles>);
}

using enum enemy::StartFrame;
using enum enemy::AimedReset;

// The tables before and after the stage bosses' groups.
constexpr ResetTable kBeforeBosses[] = {
    MarkerTable<gBoss1MarkersA>("gBoss1MarkersA"),
    MarkerTable<gBoss1MarkersB>("gBoss1MarkersB"),
    MarkerTable<gBoss2MarkersA>("gBoss2MarkersA"),
    MarkerTable<gBoss2MarkersB>("gBoss2MarkersB"),
    MarkerTable<gBoss3MarkersA>("gBoss3MarkersA"),
    MarkerTable<gBoss3MarkersB>("gBoss3MarkersB"),
    MarkerTable<gBoss4MarkersA>("gBoss4MarkersA"),
    MarkerTable<gBoss4MarkersB>("gBoss4MarkersB"),
    MarkerTable<gBoss5MarkersA>("gBoss5MarkersA"),
    MarkerTable<gBoss5MarkersB>("gBoss5MarkersB"),
    MarkerTable<gBoss6MarkersA>("gBoss6MarkersA"),
    MarkerTable<gBoss6MarkersB>("gBoss6MarkersB"),
    MarkerTable<gBoss7MarkersA>("gBoss7MarkersA"),
    MarkerTable<gBoss7MarkersB>("gBoss7MarkersB"),
    MarkerTable<gBoss8MarkersA>("gBoss8MarkersA"),
    MarkerTable<gBoss8MarkersB>("gBoss8MarkersB"),
    HomingTable<gHomingDiver80L>("gHomingDiver80L"),
    HomingTable<gHomingZak2>("gHomingZak2"),
    HomingTable<gHomingZak3>("gHomingZak3"),
    HomingTable<gHomingDiver80R>("gHomingDiver80R"),
    HomingTable<gHomingGunner80L>("gHomingGunner80L"),
    HomingTable<gHomingGunner80R>("gHomingGunner80R"),
    HomingTable<gHomingBig90A>("gHomingBig90A"),
    HomingTable<gHomingVolleyZakA>("gHomingVolleyZakA"),
    HomingTable<gHomingZak4A>("gHomingZak4A"),
    HomingTable<gHomingZak4B>("gHomingZak4B"),
    HomingTable<gHomingZak4C>("gHomingZak4C"),
    HomingTable<gHomingZak4D>("gHomingZak4D"),
    HomingTable<gHomingBoss1A>("gHomingBoss1A"),
    HomingTable<gHomingBoss1B>("gHomingBoss1B"),
    HomingTable<gHomingBoss2A>("gHomingBoss2A"),
    HomingTable<gHomingBoss2B>("gHomingBoss2B"),
    HomingTable<gHomingBoss3A>("gHomingBoss3A"),
    HomingTable<gHomingBoss3B>("gHomingBoss3B"),
    HomingTable<gHomingBoss4A>("gHomingBoss4A"),
    HomingTable<gHomingBoss4B>("gHomingBoss4B"),
    HomingTable<gHomingBoss5A>("gHomingBoss5A"),
    HomingTable<gHomingBoss5B>("gHomingBoss5B"),
    HomingTable<gHomingBoss6A>("gHomingBoss6A"),
    HomingTable<gHomingBoss6B>("gHomingBoss6B"),
    HomingTable<gHomingBoss7A>("gHomingBoss7A"),
    HomingTable<gHomingBoss7B>("gHomingBoss7B"),
    HomingTable<gHomingBoss8A>("gHomingBoss8A"),
    HomingTable<gHomingBoss8B>("gHomingBoss8B"),
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
    MarkedEnemyTable<gZak3, gZak3Markers>("gZak3"),
    EnemyTable<gZak7A>("gZak7A"),
    AimedTable<gZak7AShot, kRandom10, kAim>("gZak7AShot"),
    EnemyTable<gZak7B>("gZak7B"),
    AimedTable<gZak7BShot, kRandom10, kTimerAndSpare>("gZak7BShot"),
    EnemyTable<gZak1B>("gZak1B"),
    AimedTable<gZak1BShot, kRandom10, kFrameOnly>("gZak1BShot"),
    EnemyTable<gZak2B>("gZak2B"),
    AimedTable<gZak2BShot, kZero, kFrameOnly>("gZak2BShot"),
    EnemyTable<gZak3B>("gZak3B"),
    AimedTable<gZak3BShot, kZero, kFrameOnly>("gZak3BShot"),
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
    EnemyTable<gZak9>("gZak9"),
    StreamTable<gZak9Stream1, kRandom10>("gZak9Stream1"),
    StreamTable<gZak9Stream2, kRandom10>("gZak9Stream2"),
    StreamTable<gZak9Stream3, kRandom10>("gZak9Stream3"),
    StreamTable<gZak9Stream4, kRandom10>("gZak9Stream4"),
    StreamTable<gZak9Stream5, kRandom10>("gZak9Stream5"),
    ClusterTable<gZak9Cluster1>("gZak9Cluster1"),
    ClusterTable<gZak9Cluster2>("gZak9Cluster2"),
    ClusterTable<gZak9Cluster3>("gZak9Cluster3"),
    ClusterTable<gZak9Cluster4>("gZak9Cluster4"),
    ClusterTable<gZak9Cluster5>("gZak9Cluster5"),
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
    EnemyTable<gStrafer3>("gStrafer3"),
    StreamTable<gStrafer3Stream1, kRandom10>("gStrafer3Stream1"),
    StreamTable<gStrafer3Stream2, kRandom10>("gStrafer3Stream2"),
    StreamTable<gStrafer3Stream3, kRandom10>("gStrafer3Stream3"),
    EnemyTable<gStrafer5>("gStrafer5"),
    StreamTable<gStrafer5Stream1, kRandom10>("gStrafer5Stream1"),
    StreamTable<gStrafer5Stream2, kRandom10>("gStrafer5Stream2"),
    StreamTable<gStrafer5Stream3, kRandom10>("gStrafer5Stream3"),
    StreamTable<gStrafer5Stream4, kRandom10>("gStrafer5Stream4"),
    StreamTable<gStrafer5Stream5, kRandom10>("gStrafer5Stream5"),
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
    EnemyTable<gConvoy90>("gConvoy90"),
    StreamTable<gConvoy90Stream1, kRandom10>("gConvoy90Stream1"),
    StreamTable<gConvoy90Stream2, kRandom10>("gConvoy90Stream2"),
    StreamTable<gConvoy90Stream3, kRandom10>("gConvoy90Stream3"),
    StreamTable<gConvoy90Stream4, kRandom10>("gConvoy90Stream4"),
    StreamTable<gConvoy90Stream5, kRandom10>("gConvoy90Stream5"),
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
    WaveTable<gTwinGunZakA>("gTwinGunZakA"),
    AimedTable<gTwinGunZakAShot1, kRandom10, kAim>("gTwinGunZakAShot1"),
    AimedTable<gTwinGunZakAShot2, kRandom10, kAim>("gTwinGunZakAShot2"),
    WaveTable<gTwinGunZakB>("gTwinGunZakB"),
    AimedTable<gTwinGunZakBShot1, kRandom10, kAim>("gTwinGunZakBShot1"),
    AimedTable<gTwinGunZakBShot2, kRandom10, kAim>("gTwinGunZakBShot2"),
    WaveTable<gTwinGunZakC>("gTwinGunZakC"),
    AimedTable<gTwinGunZakCShot1, kRandom10, kAim>("gTwinGunZakCShot1"),
    AimedTable<gTwinGunZakCShot2, kRandom10, kAim>("gTwinGunZakCShot2"),
    WaveTable<gTwinGunZakD>("gTwinGunZakD"),
    AimedTable<gTwinGunZakDShot1, kRandom10, kAim>("gTwinGunZakDShot1"),
    AimedTable<gTwinGunZakDShot2, kRandom10, kAim>("gTwinGunZakDShot2"),
    WaveTable<gGunZakA>("gGunZakA"),
    AimedTable<gGunZakAShot, kRandom10, kAim>("gGunZakAShot"),
    WaveTable<gGunZakB>("gGunZakB"),
    AimedTable<gGunZakBShot, kRandom10, kAim>("gGunZakBShot"),
    WaveTable<gGunZakC>("gGunZakC"),
    AimedTable<gGunZakCShot, kRandom10, kAim>("gGunZakCShot"),
    WaveTable<gGunZakD>("gGunZakD"),
    AimedTable<gGunZakDShot, kRandom10, kAim>("gGunZakDShot"),
    MarkedWaveTable<gZak4A, gZak4AMarkers>("gZak4A"),
    ShotsAndSpeedTable<gZak4AShot1>("gZak4AShot1"),
    ShotsAndSpeedTable<gZak4AShot2>("gZak4AShot2"),
    MarkedWaveTable<gZak4B, gZak4BMarkers>("gZak4B"),
    ShotsAndSpeedTable<gZak4BShot1>("gZak4BShot1"),
    ShotsAndSpeedTable<gZak4BShot2>("gZak4BShot2"),
    MarkedWaveTable<gZak4C, gZak4CMarkers>("gZak4C"),
    MarkedWaveTable<gZak4D, gZak4DMarkers>("gZak4D"),
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
    MidBossTable<gZak52>("gZak52"),
    SpreadTable<gZak52SpreadMid>("gZak52SpreadMid"),
    SpreadTable<gZak52SpreadUp>("gZak52SpreadUp"),
    SpreadTable<gZak52SpreadDown>("gZak52SpreadDown"),
    SpreadTable<gZak52BurstA>("gZak52BurstA"),
    SpreadTable<gZak52BurstB>("gZak52BurstB"),
    StreamTable<gZak52Stream, kRandom10>("gZak52Stream"),
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
    MidBossTable<gZak60A>("gZak60A"),
    SpreadTable<gZak60ASpreadMid>("gZak60ASpreadMid"),
    SpreadTable<gZak60ASpreadUp>("gZak60ASpreadUp"),
    SpreadTable<gZak60ASpreadDown>("gZak60ASpreadDown"),
    MidBossTable<gZak60B>("gZak60B"),
    SpreadTable<gZak60BSpreadMid>("gZak60BSpreadMid"),
    SpreadTable<gZak60BSpreadUp>("gZak60BSpreadUp"),
    SpreadTable<gZak60BSpreadDown>("gZak60BSpreadDown"),
    MidBossTable<gZak60C>("gZak60C"),
    SpreadTable<gZak60CSpreadMid>("gZak60CSpreadMid"),
    SpreadTable<gZak60CSpreadUp>("gZak60CSpreadUp"),
    SpreadTable<gZak60CSpreadDown>("gZak60CSpreadDown"),
};
constexpr ResetTable kAfterBosses[] = {
    Table("gBackgroundParticles", gBackgroundParticles, ResetBackgroundParticles,
          BackgroundParticlesAtStart),
};

using Run = std::span<const ResetTable>;
constexpr Run kLeadingRuns[] = {kEnemyMarkerTables, kBeforeBosses};
constexpr Run kTrailingRuns[] = {kAfterBosses};
constexpr std::span<const Run> kRunLists[] = {kLeadingRuns, kBoss1To3ResetRuns, kBoss4To8ResetRuns,
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
