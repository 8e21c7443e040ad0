// Scalars of the running game that several subsystems read and write.
#pragma once

constexpr int kScoreMax = 999999999;

// Score, lives, bombs and the mode chosen on the level select.
extern int gScore;
extern int gHighScore;
extern int gRunBestScore;  // highest score reached in this run; never lost to the file
extern int gLives;
extern int gBombStock;
extern int gDifficulty;       // 1 or 2
extern int gDifficultyExtra;  // 0 or 1

// Pause and game end.
extern int gPaused;
extern int gContinuePrompt;
extern int gGiveUp;
extern int gGameOver;
extern int gTimeLeft;
extern int gControlLocked;

// Stage clocks: the scroll clock of the running stage, and stage 1's second clock.
extern float gStageClock;
extern float gStageClock2;

// The ship.
extern float gPlayerX, gPlayerY;
extern float gPlayerVX, gPlayerVY;
extern int gPlayerAlive;
extern int gRespawning, gRespawnTimer, gRespawnBlink;
extern int gBankFrame, gBankStep;
extern int gFireCounterA, gFireCounterB;
extern int gShotLimit, gLiveShotsA, gLiveShotsB, gBombShotMoves;
extern int gFireEnabled, gBombReady, gBombActive, gBombTimer;
extern int gShotFlash;
extern int gReplay, gTrackIndex, gShotTrackIndex;

// The power-up item and the power it grants.
struct PowerItem {
  float x, y, speed;
  int spare;
  int active, collected;
  int extra[2];
};
extern PowerItem gPowerItem;
extern int gSideShots, gOuterShots, gPowerItemCount;

// The entry fly-in pictures of the two ship types.
struct ShipEntryState {
  int counter, done;
  float x, y;
};
extern ShipEntryState gShipEntry[2];

// The lock-on sight's corner and its two further words.
extern int gSightX, gSightY, gSightWords[2];

// Presentation switches of the front end.
extern int gBackgroundMode;
extern int gExplosionBlitMode;
