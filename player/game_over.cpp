// The continue prompt when the lives run out, and the growing game-over caption.
#include "engine/draw/ko_draw.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "player/life.h"
#include "player/shots.h"

float gGameOverBarHeight;

namespace {

constexpr int kPromptX = 220, kPromptY = 190, kPromptWidth = 200, kPromptHeight = 100;

// The caption: a 55 x 10 piece of "MYMY.BMP" stretched to 300 pixels wide,
// centred on the screen's middle row and growing 30 pixels a second.
constexpr int kBarLeft = 81, kBarTop = 70, kBarRight = 136, kBarBottom = 80;
constexpr int kBarX = 170, kBarWidth = 300, kScreenHeight = 480;
constexpr float kBarGrowth = 30.0f;

}  // namespace

void CheckGameOver() {
  if (gLives >= 1 || gContinuePrompt != 0) return;
  // Drawn on this one frame: the paused frames that follow present nothing.
  koDraw::Blit(kPromptX, kPromptY, gPicContinu1, 0, 0, kPromptWidth, kPromptHeight);
  gContinuePrompt = gPaused = gControlLocked = 1;
  gPlayerAlive = 0;
  gPlayerVX = gPlayerVY = 0.0f;
  ParkShotsAtGameOver();
}

void DrawStretchBar() {
  if (!gGameOver) return;
  const int height = static_cast<int>(gGameOverBarHeight);
  koDraw::BlitStretch(kBarX, (kScreenHeight - height) / 2, gPicMymy, kBarLeft, kBarTop, kBarRight,
                      kBarBottom, kBarWidth, height);
  gGameOverBarHeight += kBarGrowth * gFrameScale;
}
