// The enemy kinds' tables as the game-state reset visits them: every kind
// with its bullets, lasers, beams, bars and spreads, in the kinds' order.
#pragma once
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
#include "enemies/shot_pass_targets.h"
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
#include "game/reset.h"

namespace enemy_resets {

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

inline constexpr ResetTable kEnemyResetTables[] = {
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
    EnemyTable<gShotPassTargets>("gShotPassTargets"),
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

}  // namespace enemy_resets
