#include "game/high_score.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/game_state.h"
#include "game/score_file.h"

namespace {

// Writes `value` unless the file already holds as much; nullptr when the file
// now holds at least `value`, otherwise why it was left as it was.
const char* SaveAtLeast(int value) {
  std::string path = kHighScoreFile;
  // A link stays a link: its target is the file replaced.
  if (!ResolveScoreFileLinks(path)) return std::strerror(errno);
  char bytes[kHighScoreFileSize];
  const ScoreFileRead old = ReadScoreFile(path, bytes, sizeof bytes);
  // A file that cannot be read may hold more: it is kept.
  if (old.failure) return old.failure;
  if (!old.missing) {
    if (ParseHighScore(bytes, old.size) >= value) return nullptr;
    if (!ScoreFileWritable(path, old.info)) return "it is read-only";
  }
  char buffer[kHighScoreFileSize + 1] = {};
  std::snprintf(buffer, sizeof buffer, "%d", value);
  return ReplaceScoreFile(path, buffer, kHighScoreFileSize, old.missing ? nullptr : &old.info);
}

}  // namespace

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
  // The game goes on either way; the player learns why the score was not kept.
  if (const char* why = SaveAtLeast(gHighScore))
    std::fprintf(stderr, "vorendalite: %s: the high score was not saved: %s\n", kHighScoreFile,
                 why);
}

void LoadHighScore() {
  char bytes[kHighScoreFileSize];
  const ScoreFileRead file = ReadScoreFile(kHighScoreFile, bytes, sizeof bytes);
  if (file.missing || file.failure) return;
  const int fromFile = ParseHighScore(bytes, file.size);
  gHighScore = fromFile > gRunBestScore ? fromFile : gRunBestScore;
}
