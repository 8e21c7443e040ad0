// Start-up of the game: screen, pictures and sounds, first scene.
#include "engine/game_hooks.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"

void LoadGameAssets() {
  gHighScore = 500;
  gScene = 1;
}
