#include "game/game_state.h"

#include <cstdint>

int gScore, gHighScore, gLives, gBombStock;
int gRunBestScore = INT32_MIN;  // no score reached yet
int gDifficulty, gDifficultyExtra;
int gPaused, gContinuePrompt, gGiveUp, gGameOver, gTimeLeft, gControlLocked;
float gStageClock, gStageClock2;
float gPlayerX, gPlayerY, gPlayerVX, gPlayerVY;
int gPlayerAlive, gRespawning, gRespawnTimer, gRespawnBlink, gBankFrame, gBankStep;
int gFireCounterA, gFireCounterB, gShotLimit, gLiveShotsA, gLiveShotsB, gBombShotMoves;
int gFireEnabled, gBombReady, gBombActive, gBombTimer, gShotFlash;
int gReplay, gTrackIndex, gShotTrackIndex;
PowerItem gPowerItem;
int gSideShots, gOuterShots, gPowerItemCount;
ShipEntryState gShipEntry[2];
int gSightX, gSightY, gSightWords[2];
int gBackgroundMode, gExplosionBlitMode;
