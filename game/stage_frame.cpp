// One frame of a scrolling stage: the same fixed sequence for stages 1 to 3,
// with each stage's own constants and timelines.
#include <span>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/backgrounds.h"
#include "game/boss_sections.h"
#include "game/game_state.h"
#include "game/high_score.h"
#include "game/reset.h"
#include "game/scenes.h"
#include "game/score.h"
#include "game/stage_timelines.h"
#include "game/stages.h"
#include "game/timeline.h"
#include "player/bomb.h"
#include "player/life.h"
#include "player/power_item.h"
#include "player/ship.h"
#include "player/shot_pass.h"
#include "player/shots.h"

namespace {

struct ParticleArgs {
  int speedRange, baseSpeed;  // speedRange 0: no particles
};

struct StageDef {
  const char* song;
  bool entryClearsPause;   // the first stage starts a fresh play state
  bool entryLocksControl;  // later stages hold the ship until their clock reaches 16
  float clockSpeed;        // units per second
  bool hasSecondClock;     // stage 1 runs its second half on gStageClock2
  ParticleArgs particles, particlesMode1;
  bool bombNeedsFireOff;  // stage 1 runs the bomb only while firing is off
  bool replayKey;         // 'R' restarts stage 1 as a replay
  const BossSection* boss;
  std::span<const TimelineRow> timeline;      // between the player's shots and the HUD
  std::span<const TimelineOp> homingUpdates;  // after the hit passes
};

constexpr float kUnlockClock = 16.0f;
constexpr float kSwitchedClock = -90.0f;

const StageDef kStage1{"XF1.MID", true,           false,           20.0f,
                       true,      {80, 80},       {0, 0},          true,
                       true,      &kBoss1Section, kStage1Timeline, kStage1HomingUpdates};
const StageDef kStage2{
    "MBGM13.MID", false, true,  20.0f,          false,           {120, 120},
    {120, 120},   false, false, &kBoss2Section, kStage2Timeline, kStage2HomingUpdates};
const StageDef kStage3{
    "CFGM1.MID", false, true,  18.0f,          false,           {200, 200},
    {150, 150},  false, false, &kBoss3Section, kStage3Timeline, kStage3HomingUpdates};

void AdvanceClocks(const StageDef& s) {
  if (s.hasSecondClock) {
    if (gStageClock >= 0.0f) gStageClock += gFrameScale * s.clockSpeed;
    if (gStageClock <= kSwitchedClock) gStageClock2 += gFrameScale * s.clockSpeed;
    return;
  }
  gStageClock += gFrameScale * s.clockSpeed;
  if (gStageClock >= kUnlockClock) gControlLocked = 0;
}

void DrawBackground(const StageDef& s) {
  if (gBackgroundMode == 0) {
    ScrollBackgroundU();
    ScrollBackground();
    UpdateBackgroundParticles(s.particles.speedRange, s.particles.baseSpeed);
  } else if (gBackgroundMode == 1 && s.particlesMode1.speedRange != 0) {
    UpdateBackgroundParticles(s.particlesMode1.speedRange, s.particlesMode1.baseSpeed);
  }
}

void RestartAsReplay() {
  ResetGameState();
  InitNewGame();
  gDifficulty = 1;
  gDifficultyExtra = 0;
  LoadHighScore();
  gReplay = 1;
  gTrackIndex = 0;
  gShotTrackIndex = 0;
  ChangeScene(SceneStage1, 3, 26);
  gKey = 0;
}

// While paused only the continue prompt's answers run; nothing is drawn.
void PausedFrame() {
  if (gContinuePrompt != 1 || gPaused != 1) return;
  if (gKey == 'Y') {
    gPaused = 0;
    gContinuePrompt = 0;
    gBombStock = 5;
    gLives = 111;
    gScore = 0;
    gRespawning = 1;
    gPlayerAlive = 1;
    gControlLocked = 0;
  }
  if (gKey == 'N') {
    gPaused = 0;
    gGiveUp = 1;
  }
}

void RunStageFrame(const StageDef& s) {
  if (gSceneEntered) {
    if (s.entryClearsPause) gPaused = gContinuePrompt = gGiveUp = 0;
    koSound::PlayMidi(s.song, 1);
    if (s.entryLocksControl) gControlLocked = 1;
  }
  if (gPaused) {
    PausedFrame();
    return;
  }
  koDraw::ClearScreen();
  AdvanceClocks(s);
  DrawBackground(s);
  DrawBombShots(0);
  RunBossSection(*s.boss);
  DrawPlayerShots();
  RunTimeline(s.timeline);
  DrawHud();
  DrawStretchBar();
  CheckGameOver();
  koDraw::SetVSync(0);
  koDraw::Present();
  if (gPlayerAlive != 0 && gControlLocked == 0) {
    PlayerKeyboardControl();
    PlayerJoystickControl();
  }
  MovePlayer();
  gLiveShotsA = gLiveShotsB = gBombShotMoves = 0;
  if (gBombActive == 1 && (!s.bombNeedsFireOff || gFireEnabled == 0)) UpdateBomb(0);
  UpdateBombShots(0);
  HitTestShots();
  for (TimelineOp update : s.homingUpdates) update(0);
  if (gLiveShotsA == 0) gShotLimit = 0;
  UpdateGameEnd();
  if (s.replayKey && gKey == 'R') RestartAsReplay();
}

}  // namespace

void Stage1Frame() { RunStageFrame(kStage1); }
void Stage2Frame() { RunStageFrame(kStage2); }
void Stage3Frame() { RunStageFrame(kStage3); }
