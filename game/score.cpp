#include "game/score.h"

#include <cstdio>

#include "engine/draw/ko_draw.h"
#include "engine/sound/ko_sound.h"
#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "game/game_state.h"

namespace {

// Bonus factor per (difficulty, extra) pair; 0 means the pair awards nothing, though
// the score is still clamped and the high score still raised.
int BonusFactor() {
  if (gDifficultyExtra == 0) return gDifficulty == 1 ? 1 : gDifficulty == 2 ? 2 : 0;
  if (gDifficultyExtra == 1) return gDifficulty == 1 ? 6 : gDifficulty == 2 ? 10 : 0;
  return 0;
}

struct DigitSheet {
  const int* picture;
  int cellLeft, cellStep, top, width, height;
};
constexpr DigitSheet kBigDigits{&gPicSuji09, 0, 20, 0, 20, 25};
constexpr DigitSheet kSmallDigits{&gPicMymy, 8, 7, 70, 7, 10};

// Draws the first `chars` characters of the text; a non-digit leaves its place empty.
void DrawNumber(const DigitSheet& sheet, const char* format, int value, int chars, int x, int y,
                int step) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  for (int i = 0; i < chars && text[i] != '\0'; ++i) {
    const int d = text[i] - '0';
    if (d < 0 || d > 9) continue;
    const int left = sheet.cellLeft + sheet.cellStep * d;
    koDraw::Blit(x + i * step, y, *sheet.picture, left, sheet.top, left + sheet.width,
                 sheet.top + sheet.height);
  }
}

}  // namespace

void RaiseHighScore() {
  if (gScore > gHighScore) gHighScore = gScore;
  if (gScore > gRunBestScore) gRunBestScore = gScore;
}

void AddScore(int points) {
  const int k = BonusFactor();
  const int64_t sum = k == 0 ? int64_t{gScore} : int64_t{gScore} + int64_t{k} * gBombStock + points;
  gScore = sum > kScoreMax ? kScoreMax : static_cast<int>(sum < INT32_MIN ? INT32_MIN : sum);
  RaiseHighScore();
}

void AddScoreDirect(int64_t points) {
  const int64_t sum = int64_t{gScore} + points;
  gScore = sum > kScoreMax ? kScoreMax : static_cast<int>(sum < INT32_MIN ? INT32_MIN : sum);
  RaiseHighScore();
}

void DrawHud() {
  DrawNumber(kBigDigits, "%09d", gScore, 9, 70, 0, 20);
  DrawNumber(kSmallDigits, "%09d", gHighScore, 9, 300, 6, 10);
  if (gLives >= 0) DrawNumber(kSmallDigits, "%03d", gLives, 3, 440, 6, 10);
  if (gBombStock >= 0) DrawNumber(kSmallDigits, "%02d", gBombStock, 2, 520, 6, 10);
  koDraw::Blit(490, 6, gPicMymy, 170, 70, 194, 80);
  koDraw::Blit(410, 6, gPicMymy, 200, 70, 224, 80);
}

void UpdateGameEnd() {
  if (koSystem::IsWaitOver(1)) {
    if (gGameOver == 0 && gGiveUp == 1) {
      if (--gTimeLeft == 0) {
        gGameOver = 1;
        koSound::StopMidi();
        koSystem::SetWait(1, 3000);
      } else {
        koSystem::SetWait(1, 1000);
      }
    } else {
      koSystem::InitWait(1);
      gScene = 1;
      gPrevScene = 0;
    }
  }
  if (gGameOver == 0 && gGiveUp == 1 && gLives <= 0) {
    gGameOver = 1;
    koSound::StopMidi();
    koSystem::SetWait(1, 9000);
  }
}
