#include "game/game_state.h"

int gScore;
int gHighScore;
int gRunBestScore;
int gPaused;
int gContinuePrompt;
