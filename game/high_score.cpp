#include "game/high_score.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/game_state.h"

int ParseHighScore(const char* bytes, size_t size) {
  char text[kHighScoreFileSize + 1];
  const size_t n = size < kHighScoreFileSize ? size : kHighScoreFileSize;
  if (n > 0) std::memcpy(text, bytes, n);
  text[n] = '\0';
  long long v = std::strtoll(text, nullptr, 10);  // saturates instead of overflowing
  if (v > kScoreMax) v = kScoreMax;
  if (v < INT32_MIN) v = INT32_MIN;
  return static_cast<int>(v);
}

void SaveHighScore() {
  char buffer[256] = {};
  std::snprintf(buffer, sizeof buffer, "%d", gHighScore);
  // Write a whole new file beside the old one, then put it in its place, so a
  // failed or interrupted write never leaves a damaged score file.
  const std::string temp = std::string(kHighScoreFile) + ".tmp";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return;
  const bool written = std::fwrite(buffer, 1, kHighScoreFileSize, f) == kHighScoreFileSize;
  // On the disk before it takes the old file's place, so a crash cannot leave it empty.
  const bool flushed = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
  const bool closed = std::fclose(f) == 0;
  if (written && flushed && closed && std::rename(temp.c_str(), kHighScoreFile) == 0) return;
  std::remove(temp.c_str());
}

void LoadHighScore() {
  FILE* f = std::fopen(kHighScoreFile, "rb");
  if (!f) return;
  char bytes[kHighScoreFileSize];
  const size_t n = std::fread(bytes, 1, kHighScoreFileSize, f);
  std::fclose(f);
  const int fromFile = ParseHighScore(bytes, n);
  gHighScore = fromFile > gRunBestScore ? fromFile : gRunBestScore;
}
