// Stage 5: its song, clock and background, what it runs between the player's
// shots and the HUD in drawing order, its homing updates and its boss section.
#include "bosses/boss_bodies.h"
#include "bosses/late_aimed.h"
#include "bosses/late_boss_bodies.h"
#include "bosses/late_drops.h"
#include "bosses/late_fans.h"
#include "bosses/late_pairs.h"
#include "enemies/big90.h"
#include "enemies/large_kinds.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "homing/boss_homing.h"
#include "homing/enemy_homing.h"
#include "stages/boss_section.h"
#include "stages/shared_rows.h"
#include "stages/stage_frame.h"
#include "stages/stages.h"

namespace {

using enum StageClock;
using enum Mode;

constexpr auto kOthers = RowsOf({
    Always(Ops<MoveZak9, DrawZak9>),
    Between(kFirst, 500, 1100, Ops<SpawnZak9>),
    Between(kFirst, 500, 1100, Ops<FireZak9Stream1>, kHard),
    Between(kFirst, 500, 1100,
            Ops<FireZak9Stream2, FireZak9Stream3, FireZak9Stream4, FireZak9Stream5>, kExtra),
    Between(kFirst, 500, 1100, Ops<FireZak9Cluster1>),
    Always(Ops<MoveZak1, DrawZak1>),
    Between(kFirst, 30, 200, Ops<SpawnZak1>),
    Always(Ops<MoveZak8, DrawZak8>),
    Between(kFirst, 240, 590, Ops<SpawnZak8>),
    Between(kFirst, 240, 590, Ops<FireZak8Stream1>, kExtra),
    Between(kFirst, 240, 590, Ops<FireZak8Stream2, FireZak8Stream3>, kHard),
    Between(kFirst, 900, 1200, Ops<SpawnZak8>),
    Between(kFirst, 900, 1200, Ops<FireZak8Stream1>, kExtra),
    Between(kFirst, 900, 1200, Ops<FireZak8Stream2, FireZak8Stream3>),
    Always(Ops<MoveZak1B, DrawZak1B>),
    Between(kFirst, 590, 700, Ops<SpawnZak1B, FireZak1BShot>),
    Always(Ops<MoveZak2B, DrawZak2B>),
    Between(kFirst, 700, 750, Ops<SpawnZak2B, FireZak2BShot>),
    Always(Ops<MoveZak3B, DrawZak3B>),
    Between(kFirst, 960, 1200, Ops<SpawnZak3B, FireZak3BShot>),
    Always(Ops<MoveBig90A, DrawBig90A>),
    Between(kFirst, 100, 200, Ops<SpawnBig90A>),
    Between(kFirst, 400, 500, Ops<SpawnBig90A>),
    Between(kFirst, 1180, 1260, Ops<SpawnBig90A>),
    Always(Ops<MoveVolleyZakA, DrawVolleyZakA>),
    Between(kFirst, 100, 200, Ops<SpawnVolleyZakA>),
    Between(kFirst, 400, 500, Ops<SpawnVolleyZakA>),
    Between(kFirst, 1180, 1260, Ops<SpawnVolleyZakA>),
    Always(Ops<MoveZak50B, DrawZak50B>),
    Between(kFirst, 600, 800, Ops<SpawnZak50B, TickZak50BShot1>, kNotNormal),
    Always(Ops<MoveZak51A, DrawZak51A>),
    Between(kFirst, 640, 900, Ops<SpawnZak51A, TickZak51AShot1>),
    Between(kFirst, 640, 900, Ops<TickZak51AShot2>, kExtra),
    Always(Ops<MoveZak4A, DrawZak4A>),
    Between(kFirst, 200, 240, Ops<TickWaveZak4A>),
    Between(kFirst, 400, 480, Ops<TickWaveZak4A>),
    Between(kFirst, 1150, 1260, Ops<TickWaveZak4A>),
    Between(kFirst, 1260, 1300, Ops<TickWaveZak4A>),
    Always(Ops<MoveZak4B, DrawZak4B>),
    Between(kFirst, 240, 280, Ops<TickWaveZak4B>),
    Between(kFirst, 400, 480, Ops<TickWaveZak4B>),
    Between(kFirst, 1150, 1260, Ops<TickWaveZak4B>),
    Between(kFirst, 1260, 1300, Ops<TickWaveZak4B>),
    Always(Ops<MoveZak4C, DrawZak4C>),
    Between(kFirst, 280, 320, Ops<TickWaveZak4C>),
    Between(kFirst, 400, 480, Ops<TickWaveZak4C>),
    Between(kFirst, 640, 680, Ops<TickWaveZak4C>),
    Between(kFirst, 1150, 1260, Ops<TickWaveZak4C>),
    Between(kFirst, 1260, 1300, Ops<TickWaveZak4C>),
    Always(Ops<MoveZak4D, DrawZak4D>),
    Between(kFirst, 320, 360, Ops<TickWaveZak4D>),
    Between(kFirst, 400, 480, Ops<TickWaveZak4D>),
    Between(kFirst, 640, 680, Ops<TickWaveZak4D>),
    Between(kFirst, 1150, 1260, Ops<TickWaveZak4D>),
    Between(kFirst, 1260, 1300, Ops<TickWaveZak4D>),
});

constexpr auto kHomingDraws = RowsOf(
    {Always(Ops<DrawHomingDiver80L, DrawHomingDiver80R, DrawHomingGunner80L, DrawHomingGunner80R,
                DrawHomingBig90A, DrawHomingVolleyZakA, DrawHomingZak4A, DrawHomingZak4B,
                DrawHomingZak4C, DrawHomingZak4D, DrawHomingBoss5A, DrawHomingBoss5B>)});

// Zak51A's second shot flies in extra play, its first in the others; the
// shot ticked but not flown keeps its bullets where they started, unseen.
constexpr auto kBullets = RowsOf({
    Always(Ops<MoveBoss5FanVolley1, DrawBoss5FanVolley1, MoveBoss5FanVolley2, DrawBoss5FanVolley2,
               MoveBoss5FanVolley3, DrawBoss5FanVolley3, MoveBoss5FanVolley6, DrawBoss5FanVolley6,
               MoveBoss5FanVolley7, DrawBoss5FanVolley7, MoveBoss5FanVolley4, DrawBoss5FanVolley4,
               MoveBoss5FanVolley5, DrawBoss5FanVolley5, MoveBoss5AimedVolley1,
               DrawBoss5AimedVolley1, MoveBoss5AimedVolley2, DrawBoss5AimedVolley2,
               MoveBoss5AimedVolley3, DrawBoss5AimedVolley3, MoveBoss5AimedVolley4,
               DrawBoss5AimedVolley4, MoveBoss5Drop1, DrawBoss5Drop1, MoveBoss5Drop2,
               DrawBoss5Drop2, MoveBoss5Drop3, DrawBoss5Drop3, MoveBoss5Drop4, DrawBoss5Drop4,
               MoveBoss5Drop5, DrawBoss5Drop5, MoveBoss5Drop6, DrawBoss5Drop6, MoveBoss5Drop7,
               DrawBoss5Drop7, MoveBoss5Drop8, DrawBoss5Drop8, MoveBoss5Drop9, DrawBoss5Drop9>),
    InMode(kExtra,
           Ops<MoveBoss5FanVolley1, MoveBoss5FanVolley6, MoveBoss5FanVolley7, MoveBoss5FanVolley4,
               MoveBoss5FanVolley5, MoveBoss5AimedVolley3, MoveBoss5AimedVolley4, MoveBoss5Drop1,
               MoveBoss5Drop2, MoveBoss5Drop3, MoveBoss5Drop4, MoveBoss5Drop5, MoveBoss5Drop6,
               MoveBoss5Drop7, MoveBoss5Drop8, MoveBoss5Drop9>),
    Always(
        Ops<MoveDiver80LStream1, DrawDiver80LStream1, MoveDiver80LStream2, DrawDiver80LStream2,
            MoveDiver80LStream3, DrawDiver80LStream3, MoveDiver80RStream1, DrawDiver80RStream1,
            MoveDiver80RStream2, DrawDiver80RStream2, MoveDiver80RStream3, DrawDiver80RStream3,
            MoveGunner80LStream1, DrawGunner80LStream1, MoveGunner80LStream2, DrawGunner80LStream2,
            MoveGunner80LStream3, DrawGunner80LStream3, MoveGunner80RStream1, DrawGunner80RStream1,
            MoveGunner80RStream2, DrawGunner80RStream2, MoveGunner80RStream3, DrawGunner80RStream3,
            MoveZak9Stream1, DrawZak9Stream1, MoveZak9Stream2, DrawZak9Stream2, MoveZak9Stream3,
            DrawZak9Stream3, MoveZak9Stream4, DrawZak9Stream4, MoveZak9Stream5, DrawZak9Stream5,
            MoveZak9Cluster1, DrawZak9Cluster1, MoveZak9Cluster2, DrawZak9Cluster2,
            MoveZak9Cluster3, DrawZak9Cluster3, MoveZak9Cluster4, DrawZak9Cluster4,
            MoveZak9Cluster5, DrawZak9Cluster5, MoveZak8Stream1, DrawZak8Stream1, MoveZak8Stream2,
            DrawZak8Stream2, MoveZak8Stream3, DrawZak8Stream3, MoveZak1BShot, DrawZak1BShot,
            MoveZak2BShot, DrawZak2BShot, MoveZak3BShot, DrawZak3BShot, MoveZak4AShot1,
            DrawZak4AShot1, MoveZak4AShot2, DrawZak4AShot2, MoveZak4BShot1, DrawZak4BShot1,
            MoveZak4BShot2, DrawZak4BShot2, MoveZak50BShot1, DrawZak50BShot1>),
    InMode(kExtra, Ops<MoveZak51AShot2, DrawZak51AShot2>),
    InMode(kNoExtra, Ops<MoveZak51AShot1, DrawZak51AShot1>),
});

constexpr auto kRows =
    JoinRows(kDiversAndGunners, kOthers, kPowerItemRows, kHomingDraws, kLifeRows, kBullets);

// The homing missiles' updates, run after the hit passes.
constexpr std::span<const TimelineOp> kHomingUpdates =
    Ops<UpdateHomingDiver80L, UpdateHomingDiver80R, UpdateHomingGunner80L, UpdateHomingGunner80R,
        UpdateHomingBig90A, UpdateHomingVolleyZakA, UpdateHomingZak4A, UpdateHomingZak4B,
        UpdateHomingZak4C, UpdateHomingZak4D, UpdateHomingBoss5A, UpdateHomingBoss5B>;

const AttackWindow kBoss5Schedule[] = {
    {0, 100, Ops<TickBoss5FanVolley2, TickBoss5FanVolley3>},
    {200, 300, Ops<TickBoss5FanVolley1>},
    {240, 280, Ops<TickBoss5AimedVolley1, TickBoss5AimedVolley2>},
    {300, 350, Ops<TickBoss5AimedVolley3, TickBoss5AimedVolley4>},
    {370, 450, Ops<TickBoss5FanVolley6, TickBoss5FanVolley7>},
    {500, 680, Ops<TickBoss5FanVolley4, TickBoss5FanVolley5>},
    {700, 850, Ops<TickBoss5AimedVolley3, TickBoss5AimedVolley4>},
    {860, 1000, Ops<TickBoss5AimedVolley1, TickBoss5AimedVolley2>},
};

const BossSection kBossSection{.openAfter = 1300,
                               .boss = &gBoss5,
                               .move = MoveBoss5,
                               .draw = DrawBoss5,
                               .defeat = DefeatBoss5,
                               .attackLimit = 980,
                               .counter = &gBoss5AttackCounter,
                               .wrapAt = 1000,
                               .schedule = kBoss5Schedule};

const StageDef kStage{.song = "BRM5.MID",
                      .clockSpeed = 14.0f,
                      .particlesMode1 = {220, 200},
                      .boss = &kBossSection,
                      .timeline = kRows,
                      .homingUpdates = kHomingUpdates,
                      .scrollers = Ops<ScrollStage5Background>};

}  // namespace

void Stage5Frame() { RunStageFrame(kStage); }
