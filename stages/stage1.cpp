// Stage 1: its song, clock and background, what it runs between the player's
// shots and the HUD in drawing order, its homing updates and its boss section.
#include "bosses/aimed_volleys.h"
#include "bosses/boss_bodies.h"
#include "bosses/drops.h"
#include "bosses/fan_volleys.h"
#include "bosses/hazards.h"
#include "bosses/lightning.h"
#include "bosses/pair_shots.h"
#include "enemies/bars.h"
#include "enemies/big90.h"
#include "enemies/gun_zak.h"
#include "enemies/large_kinds.h"
#include "enemies/lasers_beams.h"
#include "enemies/spread_schedule.h"
#include "enemies/template_kinds.h"
#include "enemies/twin_gun_zak.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "enemies/zak52.h"
#include "enemies/zak60.h"
#include "engine/draw/ko_draw.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "homing/boss_homing.h"
#include "homing/enemy_homing.h"
#include "player/life.h"
#include "player/power_item.h"
#include "stages/boss_section.h"
#include "stages/stage_frame.h"
#include "stages/stages.h"
#include "stages/timeline.h"

namespace {

using enum StageClock;

// Zak52's spreads while it flies; once it is dying past 1840 the first clock
// stops at -100 and the second clock takes over.
void Zak52SpreadOrClockSwitch() {
  if (gZak52.dying <= 0)
    ScheduleZak52Spread(kZak52Stage1Spread);
  else if (gStageClock >= 1840.0f)
    gStageClock = -100.0f;
}

const TimelineRow kRows[] = {
    Always(Ops<MoveZak2, DrawZak2, MoveZak3, DrawZak3, MoveZak1, MoveZak1, DrawZak1, MoveBig90B,
               DrawBig90B, MoveVolleyZakB, DrawVolleyZakB, MoveZak4A, DrawZak4A, MoveZak4B,
               DrawZak4B, MoveZak4C, DrawZak4C, MoveZak4D, DrawZak4D, MoveZak7A, DrawZak7A,
               MoveZak7B, DrawZak7B, MoveGunZakA, DrawGunZakA, MoveGunZakB, DrawGunZakB,
               MoveGunZakC, DrawGunZakC, MoveGunZakD, DrawGunZakD, MoveZak2B, DrawZak2B, MoveZak3B,
               DrawZak3B, MoveZak52BurstA, DrawZak52BurstA, MoveZak52BurstB, DrawZak52BurstB,
               MoveZak52, DrawZak52, MoveConvoy90, DrawConvoy90, MoveVolleyZakC, DrawVolleyZakC,
               MoveZak50A, DrawZak50A, MoveZak50B, DrawZak50B>),
    Between(kFirst, 100, 150, Ops<SpawnZak1>),
    Between(kFirst, 150, 300, Ops<SpawnZak1B, FireZak1BShot>),
    Between(kFirst, 300, 700, Ops<SpawnZak2B, FireZak2BShot>),
    Between(kFirst, 400, 800, Ops<MoveZak3B, SpawnZak3B, FireZak3BShot>),
    Between(kFirst, 600, 800, Ops<SpawnZak1B, FireZak1BShot>),
    Between(kFirst, 800, 900, Ops<SpawnZak1>),
    Between(kFirst, 900, 950, Ops<TickWaveZak4A>),
    Between(kFirst, 950, 1000, Ops<SpawnZak1B, FireZak1BShot>),
    Between(kFirst, 1000, 1050, Ops<TickWaveZak4B>),
    Between(kFirst, 1050, 1100, Ops<TickWaveZak4A, TickWaveZak4C>),
    Between(kFirst, 1100, 1300, Ops<SpawnZak50A, TickZak50AShot>),
    Between(kFirst, 1180, 1350, Ops<SpawnZak50B, TickZak50BShot1>),
    Between(kFirst, 1350, 1620, Ops<SpawnZak51A, FireZak51ALaser>),
    Between(kFirst, 1350, 1650, Ops<SpawnZak51B, FireZak51BLaser>),
    Between(kFirst, 1460, 1620, Ops<SpawnZak1B, FireZak1BShot>),
    Between(kFirst, 1720, 1840, Ops<SpawnZak52>),
    Always(Ops<Zak52SpreadOrClockSwitch>),
    Between(kSecond, 20, 120, Ops<TickWaveZak4B, TickWaveZak4D>),
    Between(kSecond, 115, 210, Ops<SpawnZak54A>),
    Between(kSecond, 210, 300, Ops<SpawnZak54B, SpawnZak54C>),
    Always(Ops<MoveZak51ALaser, DrawZak51ALaser, MoveZak51A, DrawZak51A, MoveZak51BLaser,
               DrawZak51BLaser, MoveZak51B, MoveZak51B, DrawZak51B, MoveZak1B, DrawZak1B,
               MoveZak54ABar1, DrawZak54ABar1, MoveZak54ABar2, DrawZak54ABar2, MoveZak54BBar1,
               DrawZak54BBar1, MoveZak54BBar2, DrawZak54BBar2, MoveZak54CBar1, DrawZak54CBar1,
               MoveZak54CBar2, DrawZak54CBar2, MoveZak54A, DrawZak54A, MoveZak54B, DrawZak54B,
               MoveZak54C, DrawZak54C>),
    Always(Ops<DrawPowerItem, MovePowerItem>),
    Within(kFirst, 100, 150, Ops<SpawnPowerItem>),
    Within(kFirst, 300, 350, Ops<SpawnPowerItem>),
    Within(kFirst, 500, 550, Ops<SpawnPowerItem>),
    Within(kFirst, 800, 850, Ops<SpawnPowerItem>),
    Within(kFirst, 950, 1000, Ops<SpawnPowerItem>),
    Within(kFirst, 1900, 1950, Ops<SpawnPowerItem>),
    Always(Ops<DrawHomingZak2, DrawHomingZak3, DrawHomingDiver80L, DrawHomingDiver80R,
               DrawHomingGunner80L, DrawHomingGunner80R, DrawHomingBig90A, DrawHomingVolleyZakA,
               DrawHomingZak4A, DrawHomingZak4B, DrawHomingZak4C, DrawHomingZak4D, DrawHomingBoss1A,
               DrawHomingBoss1B>),
    Always(Ops<UpdatePlayerLife>),
    Always(
        Ops<MoveZak52BurstA, DrawZak52BurstA, MoveBoss1Hazard1, DrawBoss1Hazard1, MoveBoss1Hazard2,
            DrawBoss1Hazard2, MoveBoss1Hazard3, DrawBoss1Hazard3, MoveBoss1Hazard4,
            DrawBoss1Hazard4, MoveBoss1Hazard5, DrawBoss1Hazard5, MoveBoss1AimedVolley1,
            DrawBoss1AimedVolley1, MoveBoss1AimedShot1, DrawBoss1AimedShot1, MoveBoss1AimedShot2,
            DrawBoss1AimedShot2, MoveBoss1AimedVolley4, DrawBoss1AimedVolley4,
            MoveBoss1AimedVolley2, MoveBoss1AimedVolley2, DrawBoss1AimedVolley2,
            MoveBoss1AimedVolley3, DrawBoss1AimedVolley3, MoveBoss1FallShot3, DrawBoss1FallShot3,
            MoveBoss1FallShot4, DrawBoss1FallShot4, MoveBoss1PairShot1, DrawBoss1PairShot1,
            MoveBoss1PairShot2, DrawBoss1PairShot2, MoveBoss1FallShot1, DrawBoss1FallShot1,
            MoveBoss1FallShot2, DrawBoss1FallShot2, MoveBoss1Chain, DrawBoss1Chain, MoveBoss1Drop1,
            DrawBoss1Drop1, MoveBoss1Drop2, DrawBoss1Drop2, MoveBoss1Drop3, DrawBoss1Drop3>),
    InMode(Mode::kExtra, Ops<MoveBoss1FallShot1, MoveBoss1FallShot2>),
    Always(Ops<MoveZak52Spread, DrawZak52Spread, MoveZak7AShot, DrawZak7AShot, MoveZak7BShot,
               DrawZak7BShot, MoveZak1BShot, DrawZak1BShot, MoveZak2BShot, DrawZak2BShot,
               MoveZak3BShot, DrawZak3BShot, MoveGunZakAShot, DrawGunZakAShot, MoveGunZakBShot,
               DrawGunZakBShot, MoveGunZakCShot, DrawGunZakCShot, MoveGunZakDShot, DrawGunZakDShot,
               MoveZak4AShot1, DrawZak4AShot1, MoveZak4AShot2, DrawZak4AShot2, MoveZak4BShot1,
               DrawZak4BShot1, MoveZak4BShot2, DrawZak4BShot2, MoveConvoy90Stream1,
               DrawConvoy90Stream1, MoveConvoy90Stream2, DrawConvoy90Stream2, MoveConvoy90Stream3,
               DrawConvoy90Stream3, MoveConvoy90Stream4, DrawConvoy90Stream4, MoveVolleyZakCStream1,
               DrawVolleyZakCStream1, MoveVolleyZakCStream2, DrawVolleyZakCStream2,
               MoveVolleyZakCStream3, DrawVolleyZakCStream3, MoveVolleyZakCStream4,
               DrawVolleyZakCStream4, MoveZak51AShot1, DrawZak51AShot1, MoveZak51BStream,
               DrawZak51BStream, MoveZak52Stream, DrawZak52Stream, MoveZak50AShot, DrawZak50AShot,
               MoveZak50BShot1, DrawZak50BShot1>),
    InMode(Mode::kExtra, Ops<MoveZak50BShot1, DrawZak50BShot1, MoveZak51BStream, MoveZak52Stream>),
    InMode(Mode::kNotNormal, Ops<MoveZak7AShot, MoveZak7BShot, MoveZak1BShot>),

};

// The homing missiles' updates, run after the hit passes.
constexpr std::span<const TimelineOp> kHomingUpdates =
    Ops<UpdateHomingZak2, UpdateHomingZak3, UpdateHomingDiver80L, UpdateHomingDiver80R,
        UpdateHomingGunner80L, UpdateHomingGunner80R, UpdateHomingBig90A, UpdateHomingVolleyZakA,
        UpdateHomingZak4A, UpdateHomingZak4B, UpdateHomingZak4C, UpdateHomingZak4D,
        UpdateHomingBoss1A, UpdateHomingBoss1B>;

const AttackWindow kBoss1Schedule[] = {
    {100, 300, Ops<TickBoss1AimedVolley2>},
    {300, 500, Ops<TickBoss1AimedVolley3>},
    {500, 750, Ops<TickBoss1AimedVolley4>},
    {500, 800, Ops<TickBoss1AimedVolley1>},
    {750, 900, Ops<TickBoss1AimedVolley2>},
    {800, 900, Ops<TickBoss1AimedVolley2>},
    {900, 1160, Ops<TickBoss1AimedVolley3>},
    {1000, 1200, Ops<TickBoss1AimedVolley4>},
    {1500, 1700, Ops<TickBoss1Hazard1>},
    {1700, 1800, Ops<TickBoss1Hazard2, TickBoss1Hazard3>},
    {1800, 1900, Ops<TickBoss1Hazard4, TickBoss1Hazard5>},
    {2000, 2100, Ops<TickBoss1Hazard1>},
    {1900, 2100, Ops<TickBoss1Hazard2, TickBoss1Hazard3>},
    {2100, 2300, Ops<TickBoss1Hazard4, TickBoss1Hazard5>},
    {2300, 2700, Ops<TickBoss1Hazard2>},
    {2300, 2600, Ops<TickBoss1Hazard3, TickBoss1Hazard4>},
    {2300, 2700, Ops<TickBoss1Hazard5>},
    {2500, 2800, Ops<TickBoss1Hazard1>},
    {2700, 2800, Ops<TickBoss1AimedVolley3>},
    {2800, 3000, Ops<TickBoss1Hazard2, TickBoss1Hazard5>},
    {2920, 3000, Ops<TickBoss1AimedVolley3>},
};

// The boss times out on the second clock, 100 units before its section
// would close, and the section stays open until the defeat has handed over.
const BossSection kBossSection{.clock = kSecond,
                               .openAfter = 323,
                               .closeBefore = 10100,
                               .openWhileDefeated = true,
                               .boss = &gBoss1,
                               .move = MoveBoss1,
                               .draw = DrawBoss1,
                               .defeat = DefeatBoss1,
                               .attackLimit = 610,
                               .counter = &gBoss1AttackCounter,
                               .wrapAt = 3001,
                               .wrapTo = 10,
                               .schedule = kBoss1Schedule,
                               .timeoutFrom = 10000,
                               .timeoutTo = 10100,
                               .laser = true};

const StageDef kStage{.song = "XF1.MID",
                      .entryClearsPause = true,
                      .entryLocksControl = false,
                      .clockSpeed = 20.0f,
                      .hasSecondClock = true,
                      .particles = {80, 80},
                      .particlesMode1 = {0, 0},
                      .bombNeedsFireOff = true,
                      .replayKey = true,
                      .boss = &kBossSection,
                      .timeline = kRows,
                      .homingUpdates = kHomingUpdates};

}  // namespace

void Stage1Frame() { RunStageFrame(kStage); }
