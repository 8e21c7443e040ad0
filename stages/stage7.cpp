// Stage 7: its song, clock and background, what it runs between the player's
// shots and the HUD in drawing order, its homing updates and its boss section.
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

constexpr auto kKinds = RowsOf({
    Always(Ops<MoveZak1, MoveZak1, MoveZak1, DrawZak1>),
    Between(kFirst, 100, 200, Ops<SpawnZak1>),
    InMode(kExtra, Ops<MoveZak8>),
    Always(Ops<MoveZak8, DrawZak8>),
    Between(kFirst, 200, 400, Ops<SpawnZak8, FireZak8Stream1, FireZak8Stream2, FireZak8Stream3>),
    Between(kFirst, 900, 1200, Ops<SpawnZak8, FireZak8Stream1, FireZak8Stream2, FireZak8Stream3>),
    InMode(kExtra, Ops<MoveZak1B>),
    Always(Ops<MoveZak1B, DrawZak1B>),
    Between(kFirst, 500, 650, Ops<SpawnZak1B, FireZak1BShot>),
    Always(Ops<MoveZak2B, MoveZak2B, DrawZak2B>),
    Between(kFirst, 600, 750, Ops<SpawnZak2B, FireZak2BShot>),
    Always(Ops<MoveZak3B, MoveZak3B, DrawZak3B>),
    Between(kFirst, 650, 900, Ops<SpawnZak3B, FireZak3BShot>),
    Always(Ops<MoveZak51L, DrawZak51L>),
    Between(kFirst, 500, 650,
            Ops<SpawnZak51L, FireZak51LStream1, FireZak51LStream2, FireZak51LStream3,
                FireZak51LStream4, FireZak51LStream5>),
    Between(kFirst, 920, 1000,
            Ops<SpawnZak51L, FireZak51LStream1, FireZak51LStream2, FireZak51LStream3,
                FireZak51LStream4, FireZak51LStream5>),
    Always(Ops<MoveZak51R, DrawZak51R>),
    Between(kFirst, 500, 650,
            Ops<SpawnZak51R, FireZak51RStream1, FireZak51RStream2, FireZak51RStream3,
                FireZak51RStream4, FireZak51RStream5>),
    Between(kFirst, 920, 1000,
            Ops<SpawnZak51R, FireZak51RStream1, FireZak51RStream2, FireZak51RStream3,
                FireZak51RStream4, FireZak51RStream5>),
    Always(Ops<MoveGunZakA, DrawGunZakA>),
    Between(kFirst, 50, 100, Ops<TickWaveGunZakA>),
    Between(kFirst, 430, 500, Ops<TickWaveGunZakA>),
    Between(kFirst, 830, 900, Ops<TickWaveGunZakA>),
    Between(kFirst, 920, 1000, Ops<TickWaveGunZakA>),
    Always(Ops<MoveGunZakB, DrawGunZakB>),
    Between(kFirst, 50, 100, Ops<TickWaveGunZakB>),
    Between(kFirst, 400, 500, Ops<TickWaveGunZakB>),
    Between(kFirst, 850, 900, Ops<TickWaveGunZakB>),
    Between(kFirst, 920, 1000, Ops<TickWaveGunZakB>),
    Always(Ops<MoveBig90A, DrawBig90A>),
    Between(kFirst, 820, 900,
            Ops<SpawnBig90A, FireBig90AStream1, FireBig90AStream4, FireBig90AStream5>),
    Between(kFirst, 1100, 1310,
            Ops<SpawnBig90A, FireBig90AStream2, FireBig90AStream3, FireBig90AStream4,
                FireBig90AStream5>),
    Always(Ops<MoveVolleyZakA, DrawVolleyZakA>),
    Between(
        kFirst, 820, 900,
        Ops<SpawnVolleyZakA, FireVolleyZakAStream1, FireVolleyZakAStream4, FireVolleyZakAStream5>),
    Between(kFirst, 1100, 1310,
            Ops<SpawnVolleyZakA, FireVolleyZakAStream2, FireVolleyZakAStream3,
                FireVolleyZakAStream4, FireVolleyZakAStream5>),
    Always(Ops<MoveConvoy90, DrawConvoy90, MoveVolleyZakC, DrawVolleyZakC>),
    Between(kFirst, 1220, 1310,
            Ops<TickWaveConvoy90, FireConvoy90Stream1, FireConvoy90Stream2, FireConvoy90Stream3,
                FireConvoy90Stream4>),
    Between(kFirst, 1220, 1310,
            Ops<TickWaveVolleyZakC, FireVolleyZakCStream1, FireVolleyZakCStream2,
                FireVolleyZakCStream3, FireVolleyZakCStream4>),
    Always(Ops<MoveZak51B, DrawZak51B, MoveZak52, DrawZak52>),
    Between(kFirst, 600, 640, Ops<SpawnZak51B, SpawnZak52>),
    Between(kFirst, 770, 790, Ops<SpawnZak51B, SpawnZak52>),
    Always(Ops<MoveZak54A, DrawZak54A, MoveZak54B, DrawZak54B>),
    Between(kFirst, 250, 300, Ops<SpawnZak54A, SpawnZak54B>),
    Between(kFirst, 660, 690, Ops<SpawnZak54A, SpawnZak54B>),
    Always(Ops<MoveZak54C, DrawZak54C, MoveZak50C, DrawZak50C>),
    Between(kFirst, 700, 750, Ops<SpawnZak54C, SpawnZak50C>),
});

constexpr auto kHomingDraws = RowsOf(
    {Always(Ops<DrawHomingDiver80L, DrawHomingDiver80R, DrawHomingGunner80L, DrawHomingGunner80R,
                DrawHomingBig90A, DrawHomingVolleyZakA, DrawHomingBoss7A, DrawHomingBoss7B>)});

constexpr auto kBullets = RowsOf({
    Always(
        Ops<MoveBoss7AimedShot1, DrawBoss7AimedShot1, MoveBoss7AimedShot2, DrawBoss7AimedShot2,
            MoveBoss7FanVolley4, DrawBoss7FanVolley4, MoveBoss7FanVolley5, DrawBoss7FanVolley5,
            MoveBoss7FiveWay1, DrawBoss7FiveWay1, MoveBoss7FiveWay2, DrawBoss7FiveWay2,
            MoveBoss7FanVolley2, DrawBoss7FanVolley2, MoveBoss7FanVolley3, DrawBoss7FanVolley3,
            MoveBoss7FanVolley1, DrawBoss7FanVolley1, MoveBoss7PairShot1, DrawBoss7PairShot1,
            MoveBoss7PairShot2, DrawBoss7PairShot2, MoveBoss7Drop1, DrawBoss7Drop1, MoveBoss7Drop2,
            DrawBoss7Drop2, MoveBoss7Drop3, DrawBoss7Drop3, MoveBoss7Drop4, DrawBoss7Drop4,
            MoveBoss7Drop5, DrawBoss7Drop5, MoveBoss7Drop6, DrawBoss7Drop6, MoveBoss7Drop7,
            DrawBoss7Drop7, MoveBoss7Drop8, DrawBoss7Drop8, MoveBoss7Drop9, DrawBoss7Drop9>),
    Always(Ops<MoveZak8Stream1, DrawZak8Stream1, MoveZak8Stream2, DrawZak8Stream2, MoveZak8Stream3,
               DrawZak8Stream3>),
    InMode(kExtra, Ops<MoveZak8Stream1, MoveZak8Stream2, MoveZak8Stream3, MoveZak1BShot>),
    Always(Ops<MoveZak1BShot, DrawZak1BShot>),
    InMode(kExtra, Ops<MoveZak2BShot>),
    Always(
        Ops<MoveZak2BShot, DrawZak2BShot, MoveZak3BShot, DrawZak3BShot, MoveZak51LStream1,
            DrawZak51LStream1, MoveZak51LStream2, DrawZak51LStream2, MoveZak51LStream3,
            DrawZak51LStream3, MoveZak51LStream4, DrawZak51LStream4, MoveZak51LStream5,
            DrawZak51LStream5, MoveZak51RStream1, DrawZak51RStream1, MoveZak51RStream2,
            DrawZak51RStream2, MoveZak51RStream3, DrawZak51RStream3, MoveZak51RStream4,
            DrawZak51RStream4, MoveZak51RStream5, DrawZak51RStream5, MoveBig90AStream1,
            DrawBig90AStream1, MoveBig90AStream2, DrawBig90AStream2, MoveBig90AStream3,
            DrawBig90AStream3, MoveBig90AStream4, DrawBig90AStream4, MoveBig90AStream5,
            DrawBig90AStream5, MoveVolleyZakAStream1, DrawVolleyZakAStream1, MoveVolleyZakAStream2,
            DrawVolleyZakAStream2, MoveVolleyZakAStream3, DrawVolleyZakAStream3,
            MoveVolleyZakAStream4, DrawVolleyZakAStream4, MoveVolleyZakAStream5,
            DrawVolleyZakAStream5, MoveConvoy90Stream1, DrawConvoy90Stream1, MoveConvoy90Stream2,
            DrawConvoy90Stream2, MoveConvoy90Stream3, DrawConvoy90Stream3, MoveConvoy90Stream4,
            DrawConvoy90Stream4, MoveVolleyZakCStream1, DrawVolleyZakCStream1,
            MoveVolleyZakCStream2, DrawVolleyZakCStream2, MoveVolleyZakCStream3,
            DrawVolleyZakCStream3, MoveVolleyZakCStream4, DrawVolleyZakCStream4, MoveGunZakAShot,
            DrawGunZakAShot, MoveGunZakBShot, DrawGunZakBShot, MoveZak51BStream, DrawZak51BStream,
            MoveZak52Stream, DrawZak52Stream, MoveZak54AStream, DrawZak54AStream, MoveZak54BStream,
            DrawZak54BStream, MoveZak54CStream, DrawZak54CStream, MoveZak50CStream,
            DrawZak50CStream>),
});

constexpr auto kRows = JoinRows(kKinds, kPowerItemRows, kHomingDraws, kLifeRows, kBullets);

// The homing missiles' updates, run after the hit passes.
constexpr std::span<const TimelineOp> kHomingUpdates =
    Ops<UpdateHomingDiver80L, UpdateHomingDiver80R, UpdateHomingGunner80L, UpdateHomingGunner80R,
        UpdateHomingBig90A, UpdateHomingVolleyZakA, UpdateHomingBoss7A, UpdateHomingBoss7B>;

const AttackWindow kBoss7Schedule[] = {
    {0, 50, Ops<TickBoss7FanVolley4, TickBoss7FanVolley5>},
    {50, 100, Ops<TickBoss7FanVolley2, TickBoss7FanVolley3>},
    {100, 400, Ops<TickBoss7FanVolley4, TickBoss7FanVolley5>},
    {150, 400, Ops<TickBoss7FanVolley2, TickBoss7FanVolley3>},
    {400, 500, Ops<TickBoss7AimedShot1, TickBoss7AimedShot2>},
    {450, 500, Ops<TickBoss7FanVolley1>},
    {500, 700, Ops<TickBoss7FanVolley2, TickBoss7FanVolley3>},
    {480, 580, Ops<TickBoss7PairShot1, TickBoss7PairShot2>},
    {580, 700, Ops<TickBoss7FiveWay1, TickBoss7FiveWay2>},
    {700, 1000, Ops<TickBoss7FanVolley2, TickBoss7FanVolley3>},
    {750, 1100, Ops<TickBoss7FanVolley4, TickBoss7FanVolley5>},
    {1050, 1300, Ops<TickBoss7FiveWay1, TickBoss7FiveWay2>},
};

const BossSection kBossSection{.openAfter = 1260,
                               .boss = &gBoss7,
                               .move = MoveBoss7,
                               .draw = DrawBoss7,
                               .defeat = DefeatBoss7,
                               .attackLimit = 980,
                               .counter = &gBoss7AttackCounter,
                               .wrapAt = 1300,
                               .schedule = kBoss7Schedule};

const StageDef kStage{.song = "BRM7.MID",
                      .clockSpeed = 20.0f,
                      .particlesMode1 = {200, 200},
                      .boss = &kBossSection,
                      .timeline = kRows,
                      .homingUpdates = kHomingUpdates,
                      .scrollers = Ops<ScrollStage7Background>,
                      .continueBombs = 3};

}  // namespace

void Stage7Frame() { RunStageFrame(kStage); }
