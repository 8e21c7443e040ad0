// The high-score file: 255 bytes, the score as decimal text padded with NULs.
#pragma once

void SaveHighScore();
void LoadHighScore();

constexpr const char* kHighScoreFile = "score.dat";
constexpr int kHighScoreFileSize = 255;
