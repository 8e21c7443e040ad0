// State shared by the game's subsystems.
#pragma once

extern int gScore;
extern int gHighScore;
// The highest score reached in this run; a new game never loads a lower high score.
extern int gRunBestScore;
extern int gPaused;
extern int gContinuePrompt;

constexpr int kScoreMax = 999999999;
