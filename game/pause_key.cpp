#include "engine/game_hooks.h"
#include "game/game_state.h"

// 'S' flips the pause, except while the continue prompt is up.
void OnPauseKey() {
  if (gContinuePrompt == 0) gPaused = !gPaused;
}
