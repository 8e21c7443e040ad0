// The score with its bonus rule, the head-up display and the game-end check.
#pragma once
#include <cstdint>

// Adds points plus the mode's bonus for every bomb in stock; clamps and raises the high score.
void AddScore(int points);
// Adds points as they stand (a boss bonus, some strikes): no mode bonus, saturating at the maximum.
void AddScoreDirect(int64_t points);
// Raises the high score (and this run's best) to the score when it is higher.
void RaiseHighScore();
void DrawHud();
void UpdateGameEnd();
