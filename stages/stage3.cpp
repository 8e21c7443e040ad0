// Stage 3: its song, clock and background, what it runs between the player's
// shots and the HUD in drawing order, its homing updates and its boss section.
// Stage 3 never moves or draws the GunZak shots or Zak52's stream and spread,
// so it flies those craft without firing them and runs no Zak52 spread clock.
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
#include "stages/boss_section.h"
#include "stages/shared_rows.h"
#include "stages/stage_frame.h"
#include "stages/stages.h"
#include "stages/timeline.h"

namespace {

using enum StageClock;

// From the boss's approach the three mid-bosses explode, whatever state they are in.
void ForceMidBossesDying() { gZak52.dying = gZak60A.dying = gZak60C.dying = 1; }

// The corner of the title picture while Zak52 is dying in the boss section.
void DrawCornerWhileZak52Dies() {
  if (gZak52.dying > 0) koDraw::Blit(0, 0, gPicCg0, 0, 0, 60, 60);
}

constexpr auto kKinds = RowsOf({
    Always(Ops<MoveGunZakAUnarmed, DrawGunZakA, MoveGunZakBUnarmed, DrawGunZakB, MoveGunZakCUnarmed,
               DrawGunZakC, MoveGunZakDUnarmed, DrawGunZakD, MoveZak2B, DrawZak2B, MoveZak3B,
               DrawZak3B, MoveZak52BurstA, DrawZak52BurstA, MoveZak52BurstB, DrawZak52BurstB,
               MoveZak52WithoutStream, DrawZak52, MoveZak50A, DrawZak50A, MoveZak50B, DrawZak50B,
               MoveZak51ALaser, DrawZak51ALaser, MoveZak51A, DrawZak51A, MoveZak51BLaser,
               DrawZak51BLaser, MoveZak51B, MoveZak51B, DrawZak51B, MoveZak54ABar1, DrawZak54ABar1,
               MoveZak54ABar2, DrawZak54ABar2, MoveZak54BBar1, DrawZak54BBar1, MoveZak54BBar2,
               DrawZak54BBar2, MoveZak54CBar1, DrawZak54CBar1, MoveZak54CBar2, DrawZak54CBar2,
               MoveZak54A, DrawZak54A, MoveZak54B, DrawZak54B, MoveZak54C, DrawZak54C, MoveZak60A,
               DrawZak60A, MoveZak60B, DrawZak60B, MoveZak60C, DrawZak60C, MoveZak7A, DrawZak7A,
               MoveZak7B, DrawZak7B>),
    Between(kFirst, 80, 150, Ops<SpawnZak7A, FireZak7AShot>),
    Between(kFirst, 150, 200, Ops<SpawnZak7B, FireZak7BShot>),
    Between(kFirst, 160, 200, Ops<TickWaveGunZakA>),
    Between(kFirst, 750, 800, Ops<TickWaveGunZakA>),
    Between(kFirst, 1300, 1500, Ops<TickWaveGunZakA>),
    Between(kFirst, 250, 360, Ops<TickWaveGunZakB>),
    Between(kFirst, 650, 800, Ops<TickWaveGunZakB>),
    Between(kFirst, 1230, 1280, Ops<TickWaveGunZakB>),
    Between(kFirst, 1340, 1500, Ops<TickWaveGunZakB>),
    Between(kFirst, 160, 200, Ops<TickWaveGunZakC>),
    Between(kFirst, 750, 800, Ops<TickWaveGunZakC>),
    Between(kFirst, 1300, 1500, Ops<TickWaveGunZakC>),
    Between(kFirst, 250, 360, Ops<TickWaveGunZakD>),
    Between(kFirst, 650, 800, Ops<TickWaveGunZakD>),
    Between(kFirst, 1230, 1280, Ops<TickWaveGunZakD>),
    Between(kFirst, 1340, 1500, Ops<TickWaveGunZakD>),
    Between(kFirst, 360, 500, Ops<SpawnZak50A, TickZak50AShot>),
    Between(kFirst, 370, 500, Ops<SpawnZak50B, TickZak50BShot1>),
    Between(kFirst, 500, 700, Ops<SpawnZak51A, FireZak51ALaser>),
    Between(kFirst, 1430, 1600, Ops<SpawnZak51A, FireZak51ALaser>),
    Between(kFirst, 500, 700, Ops<SpawnZak51B, FireZak51BLaser>),
    Between(kFirst, 1430, 1600, Ops<SpawnZak51B, FireZak51BLaser>),
    Between(kFirst, 1065, 1120, Ops<SpawnZak52>),
    Between(kFirst, 1750, 11100, Ops<ForceMidBossesDying>),
    Between(kFirst, 800, 1000, Ops<SpawnZak54A>),
    Between(kFirst, 1590, 1800, Ops<SpawnZak54A>),
    Between(kFirst, 820, 1050, Ops<SpawnZak54B>),
    Between(kFirst, 1610, 1850, Ops<SpawnZak54B>),
    Between(kFirst, 820, 1050, Ops<SpawnZak54C>),
    Between(kFirst, 1610, 1850, Ops<SpawnZak54C>),
    Between(kFirst, 200, 260, Ops<SpawnZak60A>),
    Always(Ops<ScheduleZak60ASpread>),
    Between(kFirst, 1050, 1110, Ops<SpawnZak60C>),
    Always(Ops<ScheduleZak60CSpread>),
});

constexpr auto kBullets = RowsOf({
    Always(Ops<MoveBoss3Hazard1, DrawBoss3Hazard1, MoveBoss3Hazard2, DrawBoss3Hazard2,
               MoveBoss3Hazard3, DrawBoss3Hazard3, MoveBoss3AimedShot1, DrawBoss3AimedShot1,
               MoveBoss3AimedVolley1, DrawBoss3AimedVolley1, MoveBoss3AimedVolley2,
               DrawBoss3AimedVolley2, MoveBoss3AimedVolley3, DrawBoss3AimedVolley3,
               MoveBoss3AimedVolley4, DrawBoss3AimedVolley4, MoveBoss3AimedVolley5,
               DrawBoss3AimedVolley5, MoveBoss3AimedVolley6, DrawBoss3AimedVolley6, MoveZak7AShot,
               DrawZak7AShot, MoveZak7BShot, DrawZak7BShot, MoveZak50AShot, DrawZak50AShot,
               MoveZak50BShot1, DrawZak50BShot1, MoveZak52BurstA, DrawZak52BurstA, MoveZak60ASpread,
               DrawZak60ASpread, MoveZak60CSpread, DrawZak60CSpread>),
    Between(kFirst, 1890, 11100, Ops<DrawCornerWhileZak52Dies>),
});

constexpr auto kRows = JoinRows(kKinds, kPowerItemRows, kLifeRows, kBullets);

// The homing missiles' updates, run after the hit passes.
constexpr std::span<const TimelineOp> kHomingUpdates =
    Ops<UpdateHomingDiver80L, UpdateHomingDiver80R, UpdateHomingGunner80L, UpdateHomingGunner80R,
        UpdateHomingBig90A, UpdateHomingVolleyZakA, UpdateHomingZak4A, UpdateHomingZak4B,
        UpdateHomingZak4C, UpdateHomingZak4D, UpdateHomingBoss3A, UpdateHomingBoss3B>;

const AttackWindow kBoss3Schedule[] = {
    {30, 300, Ops<TickBoss3AimedVolley4>},
    {100, 400, Ops<TickBoss3AimedVolley5, TickBoss3AimedVolley6>},
    {400, 600, Ops<TickBoss3AimedVolley4>},
    {600, 800, Ops<TickBoss3AimedVolley5, TickBoss3AimedVolley6>},
    {700, 900, Ops<TickBoss3AimedShot1>},
    {900, 1200, Ops<TickBoss3Hazard2, TickBoss3Hazard3>},
    {1060, 1200, Ops<TickBoss3AimedVolley4>},
    {1200, 1300, Ops<TickBoss3Hazard1>},
    {1300, 1500, Ops<TickBoss3AimedShot1>},
    {1450, 2050, Ops<TickBoss3Hazard2, TickBoss3Hazard3>},
    {1600, 1700, Ops<TickBoss3AimedVolley5, TickBoss3AimedVolley6>},
    {1700, 2000, Ops<TickBoss3Hazard1>},
};

const BossSection kBossSection{.openAfter = 1890,
                               .boss = &gBoss3,
                               .move = MoveBoss3,
                               .draw = DrawBoss3,
                               .defeat = DefeatBoss3,
                               .attackLimit = 585,
                               .counter = &gBoss3AttackCounter,
                               .wrapAt = 2060,
                               .schedule = kBoss3Schedule};

const StageDef kStage{.song = "CFGM1.MID",
                      .clockSpeed = 18.0f,
                      .particles = {200, 200},
                      .particlesMode1 = {150, 150},
                      .boss = &kBossSection,
                      .timeline = kRows,
                      .homingUpdates = kHomingUpdates};

}  // namespace

void Stage3Frame() { RunStageFrame(kStage); }
