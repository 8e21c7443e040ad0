// One frame of a scrolling stage, the same fixed sequence for every stage.
#include "stages/stage_frame.h"

#include <span>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/backgrounds.h"
#include "game/game_state.h"
#include "game/high_score.h"
#include "game/reset.h"
#include "game/scenes.h"
#include "game/score.h"
#include "player/bomb.h"
#include "player/life.h"
#include "player/power_item.h"
#include "player/ship.h"
#include "player/shot_pass.h"
#include "player/shots.h"
#include "stages/boss_section.h"
#include "stages/timeline.h"

namespace {

constexpr float kUnlockClock = 16.0f;
constexpr float kSwitchedClock = -90.0f;

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
    for (TimelineOp scroll : s.scrollers) scroll(0);
    if (s.particles.speedRange != 0)
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
void PausedFrame(const StageDef& s) {
  if (gContinuePrompt != 1 || gPaused != 1) return;
  if (gKey == 'Y') {
    gPaused = 0;
    gContinuePrompt = 0;
    gBombStock = s.continueBombs;
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

}  // namespace

void RunStageFrame(const StageDef& s) {
  if (gSceneEntered) {
    if (s.entryClearsPause) gPaused = gContinuePrompt = gGiveUp = 0;
    if (s.song) koSound::PlayMidi(s.song, 1);
    if (s.entryLocksControl) gControlLocked = 1;
  }
  if (gPaused) {
    PausedFrame(s);
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
  if (s.yieldsAfterPresent) koSystem::Sleep(0);
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
