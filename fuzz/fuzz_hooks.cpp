// The game's side of the engine, for fuzz programs that run readers alone.
#include "engine/game_hooks.h"

void LoadGameAssets() {}
void RunSceneFrame(int) {}
void SaveHighScore() {}
void OnPauseKey() {}
