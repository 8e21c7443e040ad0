// The constants of stages 4 to 8, each run by the one stage-frame routine.
#include "game/backgrounds.h"
#include "game/stage_frame.h"
#include "stages4to8/boss_sections48.h"
#include "stages4to8/stage_timelines48.h"
#include "stages4to8/stages48.h"

namespace {

// Later stages hold the ship from entry until their clock reaches 16.
constexpr StageDef LateStage(const char* song, float clockSpeed,
                             std::span<const TimelineOp> scrollers, ParticleArgs particles,
                             ParticleArgs particlesMode1, const BossSection& boss,
                             std::span<const TimelineRow> timeline,
                             std::span<const TimelineOp> homingUpdates, int continueBombs) {
  return {.song = song,
          .entryClearsPause = false,
          .entryLocksControl = true,
          .clockSpeed = clockSpeed,
          .hasSecondClock = false,
          .particles = particles,
          .particlesMode1 = particlesMode1,
          .bombNeedsFireOff = false,
          .replayKey = false,
          .boss = &boss,
          .timeline = timeline,
          .homingUpdates = homingUpdates,
          .scrollers = scrollers,
          .continueBombs = continueBombs};
}

constexpr ParticleArgs kNoParticles{0, 0};

// Only stage 4 lays particles over its scrolling picture; stage 8 has no song,
// and a continue in stage 7 gives 3 bombs instead of 5.
const StageDef kStage4 = LateStage("BRM4.MID", 16.0f, Ops<ScrollBackground>, {80, 80}, {200, 150},
                                   kBoss4Section, kStage4Timeline, kStage4HomingUpdates, 5);
const StageDef kStage5 =
    LateStage("BRM5.MID", 14.0f, Ops<ScrollStage5Background>, kNoParticles, {220, 200},
              kBoss5Section, kStage5Timeline, kStage5HomingUpdates, 5);
const StageDef kStage6 =
    LateStage("BRM6.MID", 13.0f, Ops<ScrollStage6Background>, kNoParticles, {180, 180},
              kBoss6Section, kStage6Timeline, kStage6HomingUpdates, 5);
const StageDef kStage7 =
    LateStage("BRM7.MID", 20.0f, Ops<ScrollStage7Background>, kNoParticles, {200, 200},
              kBoss7Section, kStage7Timeline, kStage7HomingUpdates, 3);
// Stage 8 also gives the rest of its time slice away after presenting.
constexpr StageDef Yielding(StageDef s) {
  s.yieldsAfterPresent = true;
  return s;
}
const StageDef kStage8 =
    Yielding(LateStage(nullptr, 20.0f, Ops<ScrollStage8Background>, kNoParticles, {300, 300},
                       kBoss8Section, kStage8Timeline, kStage8HomingUpdates, 5));

}  // namespace

void Stage4Frame() { RunStageFrame(kStage4); }
void Stage5Frame() { RunStageFrame(kStage5); }
void Stage6Frame() { RunStageFrame(kStage6); }
void Stage7Frame() { RunStageFrame(kStage7); }
void Stage8Frame() { RunStageFrame(kStage8); }
