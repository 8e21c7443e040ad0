// Stage 2: its song, clock and background, what it runs between the player's
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

const TimelineRow kRows[] = {
    Always(Ops<MoveZak60A, DrawZak60A, MoveZak60B, DrawZak60B, MoveZak60C, DrawZak60C, MoveZak7A,
               DrawZak7A, MoveZak7B, DrawZak7B>),
    Between(kFirst, 80, 150, Ops<SpawnZak7A, FireZak7AShot>),
    Between(kFirst, 150, 200, Ops<SpawnZak7B, FireZak7BShot>),
    Between(kFirst, 300, 360, Ops<SpawnZak60A>),
    Always(Ops<ScheduleZak60ASpread>),
    Always(Ops<MoveZak2B, MoveZak2B, DrawZak2B>),
    Between(kFirst, 200, 500, Ops<SpawnZak2B, FireZak2BShot>),
    Always(Ops<MoveZak3B, MoveZak3B, DrawZak3B>),
    Between(kFirst, 300, 500, Ops<MoveZak3B, SpawnZak3B, FireZak3BShot>),
    Between(kFirst, 500, 700, Ops<SpawnZak7A, FireZak7AShot, SpawnZak7B, FireZak7BShot>),
    Always(Ops<MoveZak4B, DrawZak4B>),
    Between(kFirst, 700, 800, Ops<TickWaveZak4B>),
    Between(kFirst, 1220, 1380, Ops<TickWaveZak4B>),
    Always(Ops<MoveZak4D, DrawZak4D>),
    Between(kFirst, 700, 800, Ops<TickWaveZak4D>),
    Between(kFirst, 1220, 1380, Ops<TickWaveZak4D>),
    Always(Ops<MoveZak1, MoveZak1, DrawZak1>),
    Between(kFirst, 800, 850, Ops<SpawnZak1>),
    // Starts Zak4A slots that this stage never moves: they wait above the screen, out of reach.
    Between(kFirst, 850, 1000, Ops<TickWaveZak4A>),
    Between(kFirst, 900, 1100, Ops<SpawnZak1>),
    Between(kFirst, 1000, 1200, Ops<SpawnZak7A, FireZak7AShot, SpawnZak7B, FireZak7BShot>),
    Between(kFirst, 840, 900, Ops<SpawnZak60B>),
    Always(Ops<ScheduleZak60BSpread>),
    Between(kFirst, 852, 900, Ops<SpawnZak60C>),
    Always(Ops<ScheduleZak60CSpread>),
    Always(Ops<MoveGunZakA, DrawGunZakA>),
    Between(kFirst, 550, 600, Ops<TickWaveGunZakA>),
    Between(kFirst, 1000, 1100, Ops<TickWaveGunZakA>),
    Between(kFirst, 1190, 1250, Ops<TickWaveGunZakA>),
    Always(Ops<MoveGunZakB, DrawGunZakB>),
    Between(kFirst, 550, 600, Ops<TickWaveGunZakB>),
    Between(kFirst, 1000, 1100, Ops<TickWaveGunZakB>),
    Between(kFirst, 1120, 1190, Ops<TickWaveGunZakB>),
    Between(kFirst, 1230, 1260, Ops<TickWaveGunZakB>),
    Always(Ops<MoveGunZakC, DrawGunZakC>),
    Between(kFirst, 600, 650, Ops<TickWaveGunZakC>),
    Between(kFirst, 750, 800, Ops<TickWaveGunZakC>),
    Between(kFirst, 1180, 1230, Ops<TickWaveGunZakC>),
    Always(Ops<MoveGunZakD, DrawGunZakD>),
    Between(kFirst, 600, 650, Ops<TickWaveGunZakD>),
    Between(kFirst, 750, 800, Ops<TickWaveGunZakD>),
    Between(kFirst, 1180, 1230, Ops<TickWaveGunZakD>),
    Always(Ops<MovePowerItem, DrawPowerItem>),
    Within(kFirst, 20, 50, Ops<SpawnPowerItem>),
    Within(kFirst, 300, 350, Ops<SpawnPowerItem>),
    Within(kFirst, 500, 550, Ops<SpawnPowerItem>),
    Within(kFirst, 800, 850, Ops<SpawnPowerItem>),
    Within(kFirst, 1000, 1050, Ops<SpawnPowerItem>),
    Always(Ops<DrawHomingDiver80L, DrawHomingDiver80R, DrawHomingGunner80L, DrawHomingGunner80R,
               DrawHomingBig90A, DrawHomingVolleyZakA, DrawHomingZak4A, DrawHomingZak4B,
               DrawHomingZak4C, DrawHomingZak4D, DrawHomingBoss2A, DrawHomingBoss2B>),
    Always(Ops<UpdatePlayerLife>),
    Always(
        Ops<MoveBoss2Hazard1, DrawBoss2Hazard1, MoveBoss2Hazard2, DrawBoss2Hazard2,
            MoveBoss2Hazard3, DrawBoss2Hazard3, MoveBoss2Hazard4, DrawBoss2Hazard4,
            MoveBoss2Lightning1, DrawBoss2Lightning1, MoveBoss2Lightning2, DrawBoss2Lightning2,
            MoveBoss2Chain, DrawBoss2Chain, MoveBoss2FanVolley4, DrawBoss2FanVolley4,
            MoveBoss2FanVolley5, DrawBoss2FanVolley5, MoveBoss2FanVolley2, DrawBoss2FanVolley2,
            MoveBoss2FanVolley3, DrawBoss2FanVolley3, MoveBoss2FanVolley1, DrawBoss2FanVolley1,
            MoveZak60ASpread, DrawZak60ASpread, MoveZak60BSpread, DrawZak60BSpread,
            MoveZak60CSpread, DrawZak60CSpread, MoveZak8Stream1, DrawZak8Stream1, MoveZak8Stream2,
            DrawZak8Stream2, MoveZak8Stream3, DrawZak8Stream3, MoveZak7AShot, DrawZak7AShot,
            MoveZak7BShot, DrawZak7BShot, MoveZak1BShot, DrawZak1BShot, MoveZak2BShot,
            DrawZak2BShot, MoveZak3BShot, DrawZak3BShot, MoveTwinGunZakCShot1, DrawTwinGunZakCShot1,
            MoveTwinGunZakCShot2, DrawTwinGunZakCShot2, MoveTwinGunZakDShot1, DrawTwinGunZakDShot1,
            MoveTwinGunZakDShot2, DrawTwinGunZakDShot2, MoveZak4AShot1, DrawZak4AShot1,
            MoveZak4AShot2, DrawZak4AShot2, MoveZak4BShot1, DrawZak4BShot1, MoveZak4BShot2,
            DrawZak4BShot2, MoveGunZakAShot, DrawGunZakAShot, MoveGunZakBShot, DrawGunZakBShot,
            MoveGunZakCShot, DrawGunZakCShot, MoveGunZakDShot, DrawGunZakDShot, MoveConvoy90Stream1,
            DrawConvoy90Stream1, MoveConvoy90Stream2, DrawConvoy90Stream2, MoveConvoy90Stream3,
            DrawConvoy90Stream3, MoveConvoy90Stream4, DrawConvoy90Stream4, MoveVolleyZakCStream1,
            DrawVolleyZakCStream1, MoveVolleyZakCStream2, DrawVolleyZakCStream2,
            MoveVolleyZakCStream3, DrawVolleyZakCStream3, MoveVolleyZakCStream4,
            DrawVolleyZakCStream4>),
    InMode(Mode::kExtra, Ops<MoveZak50BShot2, DrawZak50BShot2, MoveZak50BShot3, DrawZak50BShot3>),
    InMode(Mode::kNoExtra, Ops<MoveZak50BShot1, DrawZak50BShot1, MoveZak50BBeam1, DrawZak50BBeam1,
                               MoveZak50BBeam2, DrawZak50BBeam2>),
    Always(Ops<MoveZak51ABeam1, DrawZak51ABeam1, MoveZak51ABeam2, DrawZak51ABeam2>),

};

// The homing missiles' updates, run after the hit passes.
constexpr std::span<const TimelineOp> kHomingUpdates =
    Ops<UpdateHomingDiver80L, UpdateHomingDiver80R, UpdateHomingGunner80L, UpdateHomingGunner80R,
        UpdateHomingBig90A, UpdateHomingVolleyZakA, UpdateHomingZak4A, UpdateHomingZak4B,
        UpdateHomingZak4C, UpdateHomingZak4D, UpdateHomingBoss2A, UpdateHomingBoss2B>;

const AttackWindow kBoss2Schedule[] = {
    {100, 300, Ops<TickBoss2FanVolley2, TickBoss2FanVolley3>},
    {300, 370, Ops<TickBoss2FanVolley1>},
    {380, 600, Ops<FireBoss2Lightning1, FireBoss2Lightning2>},
    {600, 750, Ops<TickBoss2FanVolley4, TickBoss2FanVolley5>},
    {750, 850, Ops<TickBoss2Hazard1>},
    {850, 950, Ops<TickBoss2Hazard1, TickBoss2Hazard2>},
    {950, 1100,
     Ops<TickBoss2FanVolley2, TickBoss2FanVolley3, TickBoss2FanVolley4, TickBoss2FanVolley5>},
    {1100, 1300, Ops<TickBoss2Hazard1, TickBoss2Hazard2, TickBoss2Hazard3>},
    {1300, 1500, Ops<TickBoss2Hazard4>},
};

const BossSection kBossSection{.openAfter = 1450,
                               .boss = &gBoss2,
                               .move = MoveBoss2,
                               .draw = DrawBoss2,
                               .defeat = DefeatBoss2,
                               .attackLimit = 590,
                               .counter = &gBoss2AttackCounter,
                               .wrapAt = 1500,
                               .schedule = kBoss2Schedule};

const StageDef kStage{.song = "MBGM13.MID",
                      .clockSpeed = 20.0f,
                      .particles = {120, 120},
                      .particlesMode1 = {120, 120},
                      .boss = &kBossSection,
                      .timeline = kRows,
                      .homingUpdates = kHomingUpdates};

}  // namespace

void Stage2Frame() { RunStageFrame(kStage); }
