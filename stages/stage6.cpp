// Stage 6: its song, clock and background, what it runs between the player's
// shots and the HUD in drawing order, its homing updates and its boss section.
// Unlike the other stages it moves every kind first and opens its windows
// afterwards.
#include "bosses/boss_bodies.h"
#include "bosses/late_aimed.h"
#include "bosses/late_boss_bodies.h"
#include "bosses/late_drops.h"
#include "bosses/late_fans.h"
#include "bosses/late_pairs.h"
#include "enemies/bars.h"
#include "enemies/big90.h"
#include "enemies/gun_zak.h"
#include "enemies/large_kinds.h"
#include "enemies/lasers_beams.h"
#include "enemies/template_kinds.h"
#include "enemies/twin_gun_zak.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "enemies/zak52.h"
#include "homing/boss_homing.h"
#include "homing/enemy_homing.h"
#include "stages/boss_section.h"
#include "stages/shared_rows.h"
#include "stages/stage_frame.h"
#include "stages/stages.h"

namespace {

using enum StageClock;
using enum Mode;

// Zak7A, Zak7B, Zak51B and Zak52 are moved and drawn but never spawned here.
constexpr auto kKinds = RowsOf({
    Always(Ops<MoveZak2, DrawZak2, MoveZak3, DrawZak3, MoveZak1, MoveZak1, DrawZak1, MoveBig90B,
               DrawBig90B, MoveVolleyZakB, DrawVolleyZakB, MoveZak4A, DrawZak4A, MoveZak4B,
               DrawZak4B, MoveZak7A, DrawZak7A, MoveZak7B, DrawZak7B, MoveGunZakA, DrawGunZakA,
               MoveGunZakB, DrawGunZakB, MoveZak1B, DrawZak1B, MoveZak2B, DrawZak2B, MoveZak3B,
               DrawZak3B, MoveZak51B, DrawZak51B, MoveZak52, DrawZak52, MoveConvoy90, DrawConvoy90,
               MoveVolleyZakC, DrawVolleyZakC>),
    Between(kFirst, 80, 160, Ops<SpawnZak2>),
    Between(kFirst, 160, 200, Ops<TickWaveGunZakA>),
    Between(kFirst, 200, 250, Ops<TickWaveGunZakB>),
    Between(kFirst, 250, 300, Ops<SpawnZak1>),
    Between(kFirst, 200, 250, Ops<TickWaveGunZakA>),
    Between(kFirst, 200, 250, Ops<TickWaveGunZakB>),
    Between(kFirst, 250, 350, Ops<SpawnZak2>),
    Between(kFirst, 300, 400, Ops<SpawnZak3>),
    Between(kFirst, 300, 350, Ops<SpawnBig90B>),
    Between(kFirst, 300, 350, Ops<SpawnVolleyZakB>),
    Between(kFirst, 350, 450, Ops<TickWaveZak4A>),
    Between(kFirst, 450, 500, Ops<TickWaveZak4B>),
    Between(kFirst, 500, 700, Ops<SpawnZak1B, FireZak1BShot>),
    Between(kFirst, 600, 800, Ops<SpawnZak2B, FireZak2BShot>),
    Between(kFirst, 800, 900, Ops<MoveZak3B, MoveZak3B, SpawnZak3B, FireZak3BShot>),
    Between(kFirst, 750, 850, Ops<TickWaveZak4A>),
    Between(kFirst, 750, 850, Ops<TickWaveZak4B>),
    Between(kFirst, 850, 950, Ops<TickWaveGunZakA>),
    Between(kFirst, 850, 950, Ops<TickWaveGunZakB>),
    Between(kFirst, 900, 1000, Ops<SpawnZak2>),
    Between(kFirst, 950, 1050, Ops<SpawnZak3>),
    Between(kFirst, 900, 980, Ops<MoveZak3B, MoveZak3B, SpawnZak3B, FireZak3BShot>),
    Between(kFirst, 950, 1050, Ops<SpawnBig90B>),
    Between(kFirst, 950, 1050, Ops<SpawnVolleyZakB>),
    Between(kFirst, 1050, 1200,
            Ops<TickWaveConvoy90, FireConvoy90Stream1, FireConvoy90Stream2, FireConvoy90Stream3,
                FireConvoy90Stream4>),
    Between(kFirst, 1050, 1200,
            Ops<TickWaveVolleyZakC, FireVolleyZakCStream1, FireVolleyZakCStream2,
                FireVolleyZakCStream3, FireVolleyZakCStream4>),
});

constexpr auto kLargeKinds = RowsOf({
    Always(Ops<MoveZak51A, DrawZak51A>),
    Between(kFirst, 520, 950, Ops<SpawnZak51A>),
    Between(kFirst, 520, 950, Ops<TickZak51AShot1>, kExtra),
    Between(kFirst, 520, 950, Ops<TickZak51ABeam1>, kHardOrExtra),
    Between(kFirst, 520, 950, Ops<TickZak51ABeam2, TickZak51AShot2>, kExtra),
    Always(Ops<MoveZak50B, DrawZak50B>),
    Between(kFirst, 600, 980, Ops<SpawnZak50B>),
    Between(kFirst, 600, 980, Ops<TickZak50BShot1>, kExtra),
    Between(kFirst, 600, 980, Ops<TickZak50BBeam1>),
    Between(kFirst, 600, 980, Ops<TickZak50BBeam2, TickZak50BShot2, TickZak50BShot3>, kExtra),
});

constexpr auto kHomingDraws = RowsOf({Always(
    Ops<DrawHomingZak2, DrawHomingZak3, DrawHomingDiver80L, DrawHomingDiver80R, DrawHomingGunner80L,
        DrawHomingGunner80R, DrawHomingBig90A, DrawHomingVolleyZakA, DrawHomingZak4A,
        DrawHomingZak4B, DrawHomingZak4C, DrawHomingZak4D, DrawHomingBoss6A, DrawHomingBoss6B>)});

// Families of kinds this stage never runs (the strafers, the twin-gun craft,
// Zak54C and Zak50C) are moved and drawn too; their slots stay parked.
constexpr auto kBullets = RowsOf({
    Always(Ops<MoveBoss6FanVolley4, DrawBoss6FanVolley4, MoveBoss6FanVolley5, DrawBoss6FanVolley5,
               MoveBoss6FanVolley2, DrawBoss6FanVolley2, MoveBoss6FanVolley3, DrawBoss6FanVolley3,
               MoveBoss6FiveWay1, DrawBoss6FiveWay1, MoveBoss6FiveWay2, DrawBoss6FiveWay2,
               MoveBoss6FanVolley1, DrawBoss6FanVolley1, MoveBoss6AimedShot1, DrawBoss6AimedShot1,
               MoveBoss6Drop1, DrawBoss6Drop1, MoveBoss6Drop2, DrawBoss6Drop2, MoveBoss6Drop3,
               DrawBoss6Drop3, MoveBoss6Drop4, DrawBoss6Drop4, MoveBoss6Drop5, DrawBoss6Drop5,
               MoveBoss6Drop6, DrawBoss6Drop6, MoveBoss6Drop7, DrawBoss6Drop7, MoveBoss6Drop8,
               DrawBoss6Drop8, MoveBoss6Drop9, DrawBoss6Drop9, MoveBoss6PairShot1,
               DrawBoss6PairShot1, MoveBoss6PairShot2, DrawBoss6PairShot2>),
    Always(
        Ops<MoveZak7AShot, DrawZak7AShot, MoveZak7BShot, DrawZak7BShot, MoveZak1BShot,
            DrawZak1BShot, MoveZak2BShot, DrawZak2BShot, MoveZak3BShot, DrawZak3BShot,
            MoveDiver80LStream1, DrawDiver80LStream1, MoveDiver80LStream2, DrawDiver80LStream2,
            MoveDiver80LStream3, DrawDiver80LStream3, MoveDiver80RStream1, DrawDiver80RStream1,
            MoveDiver80RStream2, DrawDiver80RStream2, MoveDiver80RStream3, DrawDiver80RStream3,
            MoveGunner80LStream1, DrawGunner80LStream1, MoveGunner80LStream2, DrawGunner80LStream2,
            MoveGunner80LStream3, DrawGunner80LStream3, MoveGunner80RStream1, DrawGunner80RStream1,
            MoveGunner80RStream2, DrawGunner80RStream2, MoveGunner80RStream3, DrawGunner80RStream3,
            MoveGunZakAShot, DrawGunZakAShot, MoveGunZakBShot, DrawGunZakBShot, MoveZak4AShot1,
            DrawZak4AShot1, MoveZak4AShot2, DrawZak4AShot2, MoveZak4BShot1, DrawZak4BShot1,
            MoveZak4BShot2, DrawZak4BShot2, MoveConvoy90Stream1, DrawConvoy90Stream1,
            MoveConvoy90Stream2, DrawConvoy90Stream2, MoveConvoy90Stream3, DrawConvoy90Stream3,
            MoveConvoy90Stream4, DrawConvoy90Stream4, MoveVolleyZakCStream1, DrawVolleyZakCStream1,
            MoveVolleyZakCStream2, DrawVolleyZakCStream2, MoveVolleyZakCStream3,
            DrawVolleyZakCStream3, MoveVolleyZakCStream4, DrawVolleyZakCStream4, MoveZak51AShot1,
            DrawZak51AShot1, MoveZak51BStream, DrawZak51BStream, MoveZak52Stream, DrawZak52Stream>),
    InMode(kExtra, Ops<MoveZak50BShot1, DrawZak50BShot1, MoveZak51BStream, MoveZak52Stream>),
    InMode(kNotNormal, Ops<MoveZak7AShot, MoveZak7BShot, MoveZak1BShot>),
    Always(
        Ops<MoveStrafer3Stream1, DrawStrafer3Stream1, MoveStrafer3Stream2, DrawStrafer3Stream2,
            MoveStrafer3Stream3, DrawStrafer3Stream3, MoveStrafer5Stream1, DrawStrafer5Stream1,
            MoveStrafer5Stream2, DrawStrafer5Stream2, MoveStrafer5Stream3, DrawStrafer5Stream3,
            MoveStrafer5Stream4, DrawStrafer5Stream4, MoveStrafer5Stream5, DrawStrafer5Stream5,
            MoveZak51BStream, DrawZak51BStream, MoveZak52Stream, DrawZak52Stream, MoveZak54CStream,
            DrawZak54CStream, MoveZak50CStream, DrawZak50CStream, MoveTwinGunZakAShot1,
            DrawTwinGunZakAShot1, MoveTwinGunZakAShot2, DrawTwinGunZakAShot2, MoveTwinGunZakBShot1,
            DrawTwinGunZakBShot1, MoveTwinGunZakBShot2, DrawTwinGunZakBShot2, MoveTwinGunZakCShot1,
            DrawTwinGunZakCShot1, MoveTwinGunZakCShot2, DrawTwinGunZakCShot2, MoveTwinGunZakDShot1,
            DrawTwinGunZakDShot1, MoveTwinGunZakDShot2, DrawTwinGunZakDShot2>),
    InMode(kExtra, Ops<MoveZak50BShot2, DrawZak50BShot2, MoveZak50BShot3, DrawZak50BShot3>),
    InMode(kNoExtra, Ops<MoveZak50BShot1, DrawZak50BShot1, MoveZak50BBeam1, DrawZak50BBeam1,
                         MoveZak50BBeam2, DrawZak50BBeam2>),
    Always(Ops<MoveZak51ABeam1, DrawZak51ABeam1, MoveZak51ABeam2, DrawZak51ABeam2>),
});

constexpr auto kRows = JoinRows(kKinds, kDiversAndGunners, kLargeKinds, kPowerItemRows,
                                kHomingDraws, kLifeRows, kBullets);

// The homing missiles' updates, run after the hit passes.
constexpr std::span<const TimelineOp> kHomingUpdates =
    Ops<UpdateHomingZak2, UpdateHomingZak3, UpdateHomingDiver80L, UpdateHomingDiver80R,
        UpdateHomingGunner80L, UpdateHomingGunner80R, UpdateHomingBig90A, UpdateHomingVolleyZakA,
        UpdateHomingZak4A, UpdateHomingZak4B, UpdateHomingZak4C, UpdateHomingZak4D,
        UpdateHomingBoss6A, UpdateHomingBoss6B>;

const AttackWindow kBoss6Schedule[] = {
    {50, 190, Ops<TickBoss6FanVolley1>},
    {0, 200, Ops<TickBoss6PairShot1, TickBoss6PairShot2>},
    {100, 200, Ops<TickBoss6FanVolley4, TickBoss6FanVolley5>},
    {200, 400, Ops<TickBoss6FanVolley2, TickBoss6FanVolley3>},
    {450, 600, Ops<TickBoss6FanVolley1>},
    {400, 600, Ops<TickBoss6FiveWay1, TickBoss6FiveWay2>},
    {600, 950, Ops<TickBoss6PairShot1, TickBoss6PairShot2>},
    {650, 900, Ops<TickBoss6FanVolley4, TickBoss6FanVolley5>},
    {700, 900, Ops<TickBoss6FanVolley1>},
    {700, 950, Ops<TickBoss6FanVolley2, TickBoss6FanVolley3>},
};

const BossSection kBossSection{.openAfter = 1250,
                               .boss = &gBoss6,
                               .move = MoveBoss6,
                               .draw = DrawBoss6,
                               .defeat = DefeatBoss6,
                               .attackLimit = 980,
                               .counter = &gBoss6AttackCounter,
                               .wrapAt = 960,
                               .schedule = kBoss6Schedule};

const StageDef kStage{.song = "BRM6.MID",
                      .clockSpeed = 13.0f,
                      .particlesMode1 = {180, 180},
                      .boss = &kBossSection,
                      .timeline = kRows,
                      .homingUpdates = kHomingUpdates,
                      .scrollers = Ops<ScrollStage6Background>};

}  // namespace

void Stage6Frame() { RunStageFrame(kStage); }
