#include "game/high_score.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game/game_state.h"

namespace {

// Reads the decimal number at the start of the text (leading blanks and a
// sign allowed), clamped to the score range; text without digits gives 0.
int ParseScore(const char* text) {
  errno = 0;
  long long v = std::strtoll(text, nullptr, 10);
  if (v > kScoreMax) v = kScoreMax;
  if (v < -2147483647LL - 1) v = -2147483647LL - 1;
  return static_cast<int>(v);
}

}  // namespace

void SaveHighScore() {
  char buffer[256] = {};
  std::snprintf(buffer, sizeof buffer, "%d", gHighScore);
  // Write a whole new file beside the old one, then put it in its place, so a
  // failed or interrupted write never leaves a damaged score file.
  const std::string temp = std::string(kHighScoreFile) + ".tmp";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return;
  const bool written = std::fwrite(buffer, 1, kHighScoreFileSize, f) == kHighScoreFileSize;
  const bool flushed = std::fflush(f) == 0;
  const bool closed = std::fclose(f) == 0;
  if (written && flushed && closed && std::rename(temp.c_str(), kHighScoreFile) == 0) return;
  std::remove(temp.c_str());
}

void LoadHighScore() {
  FILE* f = std::fopen(kHighScoreFile, "rb");
  if (!f) return;
  char text[kHighScoreFileSize + 1] = {};
  const size_t n = std::fread(text, 1, kHighScoreFileSize, f);
  std::fclose(f);
  text[n] = '\0';
  const int fromFile = ParseScore(text);
  gHighScore = fromFile > gRunBestScore ? fromFile : gRunBestScore;
}
