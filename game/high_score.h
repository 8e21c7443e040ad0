// The high-score file: 255 bytes, the score as decimal text padded with NULs.
#pragma once
#include <cstddef>

// Raises the file to the high score, never lowers it; says on stderr why when
// it cannot, and the game goes on.
void SaveHighScore();
// Reads a new game's high score: the file's value, or this run's best when higher.
void LoadHighScore();
// The decimal number at the start of the file's bytes (leading blanks and a
// sign allowed), clamped to the score range; bytes without digits give 0.
int ParseHighScore(const char* bytes, size_t size);

constexpr const char* kHighScoreFile = "score.dat";
constexpr int kHighScoreFileSize = 255;
