// Stage 8: its song, clock and background, what it runs between the player's
// shots and the HUD in drawing order, its homing updates and its boss section.
#include "bosses/boss_bodies.h"
#include "bosses/late_aimed.h"
#include "bosses/late_boss_bodies.h"
#include "bosses/late_drops.h"
#include "bosses/late_fans.h"
#include "bosses/late_pairs.h"
#include "enemies/bars.h"
#include "enemies/big90.h"
#include "enemies/large_kinds.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "enemies/zak51_side.h"
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

// The boss's attacks fly and show under the enemies.
constexpr auto kKinds = RowsOf({
    Always(Ops<MoveBoss8FanVolley4, DrawBoss8FanVolley4, MoveBoss8FanVolley5, DrawBoss8FanVolley5,
               MoveBoss8FanVolley2, DrawBoss8FanVolley2, MoveBoss8FanVolley3, DrawBoss8FanVolley3,
               MoveBoss8FanVolley1, DrawBoss8FanVolley1, MoveBoss8AimedShot1, DrawBoss8AimedShot1,
               MoveBoss8Drop1, DrawBoss8Drop1, MoveBoss8Drop2, DrawBoss8Drop2, MoveBoss8Drop3,
               DrawBoss8Drop3, MoveBoss8Drop4, DrawBoss8Drop4, MoveBoss8Drop5, DrawBoss8Drop5,
               MoveBoss8Drop6, DrawBoss8Drop6, MoveBoss8Drop7, DrawBoss8Drop7, MoveBoss8Drop8,
               DrawBoss8Drop8, MoveBoss8Drop9, DrawBoss8Drop9>),
    Always(Ops<MoveStrafer3, MoveStrafer3, DrawStrafer3>),
    Between(kFirst, 30, 100,
            Ops<SpawnStrafer3, FireStrafer3Stream1, FireStrafer3Stream2, FireStrafer3Stream3>),
    Always(Ops<MoveStrafer5, MoveStrafer5, DrawStrafer5>),
    Between(kFirst, 100, 220,
            Ops<SpawnStrafer5, FireStrafer5Stream1, FireStrafer5Stream2, FireStrafer5Stream3,
                FireStrafer5Stream4, FireStrafer5Stream5>),
    Always(Ops<MoveZak8, MoveZak8, DrawZak8>),
    Between(kFirst, 220, 400, Ops<SpawnZak8, FireZak8Stream1, FireZak8Stream2, FireZak8Stream3>),
    Always(Ops<MoveZak9, MoveZak9, DrawZak9>),
    Between(kFirst, 400, 550,
            Ops<SpawnZak9, FireZak9Stream1, FireZak9Stream2, FireZak9Stream3, FireZak9Stream4,
                FireZak9Stream5>),
    Always(Ops<MoveZak51L, DrawZak51L>),
    Between(kFirst, 800, 900,
            Ops<SpawnZak51L, FireZak51LStream1, FireZak51LStream2, FireZak51LStream3,
                FireZak51LStream4, FireZak51LStream5>),
    Between(kFirst, 1120, 1170,
            Ops<SpawnZak51L, FireZak51LStream1, FireZak51LStream2, FireZak51LStream3,
                FireZak51LStream4, FireZak51LStream5>),
    Between(kFirst, 1480, 1550,
            Ops<SpawnZak51L, FireZak51LStream1, FireZak51LStream2, FireZak51LStream3,
                FireZak51LStream4, FireZak51LStream5>),
    Always(Ops<MoveZak51R, DrawZak51R>),
    Between(kFirst, 800, 900,
            Ops<SpawnZak51R, FireZak51RStream1, FireZak51RStream2, FireZak51RStream3,
                FireZak51RStream4, FireZak51RStream5>),
    Between(kFirst, 1120, 1170,
            Ops<SpawnZak51R, FireZak51RStream1, FireZak51RStream2, FireZak51RStream3,
                FireZak51RStream4, FireZak51RStream5>),
    Between(kFirst, 1480, 1550,
            Ops<SpawnZak51R, FireZak51RStream1, FireZak51RStream2, FireZak51RStream3,
                FireZak51RStream4, FireZak51RStream5>),
    Always(Ops<MoveBig90A, DrawBig90A>),
    Between(kFirst, 700, 800, Ops<SpawnBig90A, FireBig90AStream1>),
    Between(kFirst, 1550, 1650, Ops<SpawnBig90A, FireBig90AStream1>),
    Always(Ops<MoveVolleyZakA, DrawVolleyZakA>),
    Between(kFirst, 700, 800, Ops<SpawnVolleyZakA, FireVolleyZakAStream1>),
    Between(kFirst, 1550, 1650, Ops<SpawnVolleyZakA, FireVolleyZakAStream1>),
    Always(Ops<MoveZak50B, DrawZak50B>),
    Between(kFirst, 400, 770, Ops<SpawnZak50B, TickZak50BShot1>),
    Between(kFirst, 400, 770, Ops<TickZak50BShot2, TickZak50BShot3>, kExtra),
    Always(Ops<MoveZak51B, DrawZak51B, MoveZak52, DrawZak52>),
    Between(kFirst, 600, 690, Ops<SpawnZak51B, SpawnZak52>),
    Between(kFirst, 770, 790, Ops<SpawnZak51B, SpawnZak52>),
    Between(kFirst, 1000, 1050, Ops<SpawnZak51B, SpawnZak52>),
    Between(kFirst, 1200, 1250, Ops<SpawnZak51B, SpawnZak52>),
    Between(kFirst, 1350, 1400, Ops<SpawnZak51B, SpawnZak52>),
    Always(Ops<MoveZak54A, DrawZak54A, MoveZak54B, DrawZak54B>),
    Between(kFirst, 250, 300, Ops<SpawnZak54A, SpawnZak54B>),
    Between(kFirst, 700, 750, Ops<SpawnZak54A, SpawnZak54B>),
    Between(kFirst, 1250, 1300, Ops<SpawnZak54A, SpawnZak54B>),
    // No window before 1070: one from 600 to 400 could never open and is left out.
    Always(Ops<MoveZak54C, DrawZak54C, MoveZak50C, DrawZak50C>),
    Between(kFirst, 1300, 1350, Ops<SpawnZak54C, SpawnZak50C>),
    Between(kFirst, 1070, 1120, Ops<SpawnZak54C, SpawnZak50C>),
    Between(kFirst, 1400, 1480, Ops<SpawnZak54C, SpawnZak50C>),
});

constexpr auto kHomingDraws = RowsOf(
    {Always(Ops<DrawHomingDiver80L, DrawHomingDiver80R, DrawHomingGunner80L, DrawHomingGunner80R,
                DrawHomingBig90A, DrawHomingVolleyZakA, DrawHomingBoss8A, DrawHomingBoss8B>)});

// Zak50B's first shot, ticked in every mode, flies only outside extra play.
constexpr auto kBullets = RowsOf({
    Always(Ops<MoveStrafer3Stream1, DrawStrafer3Stream1, MoveStrafer3Stream2, DrawStrafer3Stream2,
               MoveStrafer3Stream3, DrawStrafer3Stream3>),
    InMode(kHard, Ops<MoveStrafer3Stream1, MoveStrafer3Stream2, MoveStrafer3Stream3>),
    Always(Ops<MoveStrafer5Stream1, DrawStrafer5Stream1, MoveStrafer5Stream2, DrawStrafer5Stream2,
               MoveStrafer5Stream3, DrawStrafer5Stream3, MoveStrafer5Stream4, DrawStrafer5Stream4,
               MoveStrafer5Stream5, DrawStrafer5Stream5>),
    InMode(kExtra, Ops<MoveStrafer5Stream1, MoveStrafer5Stream2, MoveStrafer5Stream3,
                       MoveStrafer5Stream4, MoveStrafer5Stream5>),
    Always(Ops<MoveZak8Stream1, DrawZak8Stream1, MoveZak8Stream2, DrawZak8Stream2, MoveZak8Stream3,
               DrawZak8Stream3>),
    InMode(kHard, Ops<MoveZak8Stream1, MoveZak8Stream2, MoveZak8Stream3>),
    Always(
        Ops<MoveZak9Stream1, DrawZak9Stream1, MoveZak9Stream2, DrawZak9Stream2, MoveZak9Stream3,
            DrawZak9Stream3, MoveZak9Stream4, DrawZak9Stream4, MoveZak9Stream5, DrawZak9Stream5>),
    InMode(
        kExtra,
        Ops<MoveZak9Stream1, MoveZak9Stream2, MoveZak9Stream3, MoveZak9Stream4, MoveZak9Stream5>),
    Always(Ops<MoveZak51LStream1, DrawZak51LStream1, MoveZak51LStream2, DrawZak51LStream2,
               MoveZak51LStream3, DrawZak51LStream3, MoveZak51LStream4, DrawZak51LStream4,
               MoveZak51LStream5, DrawZak51LStream5, MoveZak51RStream1, DrawZak51RStream1,
               MoveZak51RStream2, DrawZak51RStream2, MoveZak51RStream3, DrawZak51RStream3,
               MoveZak51RStream4, DrawZak51RStream4, MoveZak51RStream5, DrawZak51RStream5,
               MoveBig90AStream1, DrawBig90AStream1, MoveBig90AStream2, DrawBig90AStream2,
               MoveBig90AStream3, DrawBig90AStream3, MoveBig90AStream4, DrawBig90AStream4,
               MoveBig90AStream5, DrawBig90AStream5, MoveVolleyZakAStream1, DrawVolleyZakAStream1,
               MoveVolleyZakAStream2, DrawVolleyZakAStream2, MoveVolleyZakAStream3,
               DrawVolleyZakAStream3, MoveVolleyZakAStream4, DrawVolleyZakAStream4,
               MoveVolleyZakAStream5, DrawVolleyZakAStream5, MoveZak51BStream, DrawZak51BStream,
               MoveZak52Stream, DrawZak52Stream, MoveZak54AStream, DrawZak54AStream,
               MoveZak54BStream, DrawZak54BStream, MoveZak54CStream, DrawZak54CStream,
               MoveZak50CStream, DrawZak50CStream>),
    InMode(kExtra, Ops<MoveZak50BShot2, DrawZak50BShot2, MoveZak50BShot3, DrawZak50BShot3>),
    InMode(kNoExtra, Ops<MoveZak50BShot1, DrawZak50BShot1>),
});

constexpr auto kRows = JoinRows(kKinds, kPowerItemRows, kHomingDraws, kLifeRows, kBullets);

// The homing missiles' updates, run after the hit passes.
constexpr std::span<const TimelineOp> kHomingUpdates =
    Ops<UpdateHomingDiver80L, UpdateHomingDiver80R, UpdateHomingGunner80L, UpdateHomingGunner80R,
        UpdateHomingBig90A, UpdateHomingVolleyZakA, UpdateHomingBoss8A, UpdateHomingBoss8B>;

const AttackWindow kBoss8Schedule[] = {
    {20, 80, Ops<TickBoss8FanVolley4, TickBoss8FanVolley5>},
    {80, 160, Ops<TickBoss8FanVolley2, TickBoss8FanVolley3>},
    {160, 260, Ops<TickBoss8FanVolley1>},
    {260, 360, Ops<TickBoss8AimedShot1>},
    {360, 460, Ops<TickBoss8FanVolley1>},
    {390, 460,
     Ops<FireBoss8Drop1, FireBoss8Drop2, FireBoss8Drop3, FireBoss8Drop4, FireBoss8Drop5,
         FireBoss8Drop6, FireBoss8Drop7, FireBoss8Drop8, FireBoss8Drop9>},
    {460, 800, Ops<TickBoss8AimedShot1, TickBoss8FanVolley4, TickBoss8FanVolley5>},
    {800, 1220,
     Ops<TickBoss8FanVolley4, TickBoss8FanVolley5, TickBoss8FanVolley2, TickBoss8FanVolley3>},
    {1000, 1050, Ops<TickBoss8AimedShot1>},
    {1140, 1200,
     Ops<FireBoss8Drop1, FireBoss8Drop2, FireBoss8Drop3, FireBoss8Drop4, FireBoss8Drop5,
         FireBoss8Drop6, FireBoss8Drop7, FireBoss8Drop8, FireBoss8Drop9>},
};

const BossSection kBossSection{.openAfter = 1800,
                               .boss = &gBoss8,
                               .move = MoveBoss8,
                               .draw = DrawBoss8,
                               .defeat = DefeatBoss8,
                               .attackLimit = 1200,
                               .counter = &gBoss8AttackCounter,
                               .wrapAt = 1220,
                               .schedule = kBoss8Schedule};

const StageDef kStage{.song = nullptr,
                      .clockSpeed = 20.0f,
                      .particlesMode1 = {300, 300},
                      .boss = &kBossSection,
                      .timeline = kRows,
                      .homingUpdates = kHomingUpdates,
                      .scrollers = Ops<ScrollStage8Background>,
                      .yieldsAfterPresent = true};

}  // namespace

void Stage8Frame() { RunStageFrame(kStage); }
