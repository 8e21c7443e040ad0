// The title, ship-select, level-select and ending scenes.
#include "stages/front_end.h"

#include <cstring>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/backgrounds.h"
#include "game/game_state.h"
#include "game/high_score.h"
#include "game/reset.h"
#include "game/scenes.h"
#include "game/score.h"
#include "platform/keys.h"
#include "player/life.h"
#include "player/ship.h"

namespace {

int gShipSelectPicture;  // the ship select's second picture; nothing loads it

// Each ship type's picture is loaded on its first game start and reused after,
// so that any number of game starts never fills the picture table. A load that
// failed keeps its record too, and the ship then draws object 0, as it did.
int ShipPicture(int type) {
  static const char* const kFiles[3] = {nullptr, "MYME1.BMP", "MYME2.BMP"};
  for (int n = 4; n < kDrawObjectCount; ++n)
    if (std::strcmp(gDrawObjects[n].name, kFiles[type]) == 0)
      return koDraw::ObjectSurface(n) ? n : 0;
  return koDraw::LoadObject(kFiles[type], 1);
}

void StartStage1(int kind) {
  LoadHighScore();
  ChangeScene(SceneStage1, kind, 26);
  gKey = 0;
}

}  // namespace

void TitleFrame() {
  if (gSceneEntered) {
    gBackgroundMode = 0;
    gExplosionBlitMode = 0;
    gShipType = 0;
  }
  koDraw::ClearScreen();
  koDraw::Blit(0, 0, gPicTitle, 0, 0, 640, 480);
  koDraw::Present();
  koSystem::Sleep(20);
  if (gKey == plat::kVkReturn) {
    gPlayerSprite = ShipPicture(1);
    gShipType = 1;
    InitNewGame();
    ResetGameState();
    gDifficulty = 1;
    gDifficultyExtra = 0;
    gBackgroundMode = 0;
    StartStage1(2);
  }
}

void ShipSelectFrame() {
  koDraw::ClearScreen();
  koDraw::Blit(100, 0, gPicBack1u, 0, 0, 440, 480);
  koDraw::Blit(100, 0, gShipSelectPicture, 0, 0, 440, 480);
  koDraw::Present();
  koSystem::Sleep(5);
  if (gKey == plat::kVkF1 + 4) ChangeScene(SceneLevelSelect, 1, 26);
  if (gKey == plat::kVkF1 + 5) {
    gPlayerSprite = ShipPicture(2);
    gShipType = 2;
    ChangeScene(SceneLevelSelect, 1, 26);
  }
}

void LevelSelectFrame() {
  koDraw::ClearScreen();
  ScrollBackgroundU();
  koDraw::Blit(0, 0, gPicLevel, 0, 0, 640, 480);
  koDraw::Present();
  koSystem::Sleep(10);
  // F1 to F4: (difficulty, extra) = (1, 0), (2, 0), (1, 1), (2, 1).
  for (int i = 0; i < 4; ++i) {
    if (gKey != plat::kVkF1 + i) continue;
    ResetGameState();
    InitNewGame();
    gDifficulty = i % 2 + 1;
    gDifficultyExtra = i / 2;
    StartStage1(3);
  }
  if (gKey == 'B') gExplosionBlitMode = 1;
}

void EndingFrame() {
  if (gSceneEntered) {
    koSound::PlayMidi("MBGM14.MID", 1);
    gStageClock = 0.0f;
  }
  koDraw::ClearScreen();
  gStageClock += gFrameScale * 20.0f;
  ScrollBackgroundU();
  ScrollBackground();
  UpdateBackgroundParticles(80, 80);
  if (gStageClock >= 50.0f && gStageClock <= 300.0f)
    koDraw::Blit(170, 190, gPicMygoodn, 0, 0, 300, 100);
  UpdatePlayerLife();
  DrawHud();
  if (gStageClock >= 351.0f && gStageClock <= 780.0f)
    koDraw::Blit(200, 0, gPicZerog1, 0, 0, 440, 480);
  if (gStageClock >= 781.0f) gStageClock = 0.0f;
  DrawHud();
  koDraw::Present();
  // The ship still flies here; the controls' velocity moves it on the next frame.
  MovePlayer();
  PlayerKeyboardControl();
  PlayerJoystickControl();
  if (gKey == plat::kVkSpace) {
    ResetGameState();
    InitNewGame();
    SwitchScene(SceneTitle);
  }
}
