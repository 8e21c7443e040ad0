// The mid-bosses on the engine's screen: the enemy fixture plus one-colour
// bodies and bullet pictures, a frame time in which every clock and speed
// steps by whole binary fractions, and a score without mode bonus.
#pragma once
#include "enemies/zak52.h"
#include "enemies/zak60.h"
#include "game/score.h"
#include "tests/game/enemy_fixture.h"

// A frame time of 1/64 s: every step below is exact.
constexpr float kScale = 1.0f / 64.0f;
constexpr float kFlightStep = 45.0f * kScale;  // 0.703125
constexpr float kDash = 250.0f * kScale;       // 3.90625
constexpr float kLeg = 280.0f * kScale;        // 4.375
constexpr float kEntry = 220.0f * kScale;      // 3.4375

constexpr uint16_t kMid = 0x07E0, kUp = 0x001F, kDown = 0xF800, kBody = 0xFFE0;

class MidBossTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gFrameScale = kScale;
    gDifficulty = 1;
    gDifficultyExtra = 0;
    gBombStock = 0;
    gScore = 10000;
    gPicZak52 = gPicZak60 = Solid(260, 200, kBody);
    gPicBlzs1 = gPicBlzs2_1 = Solid(140, 40, kMid);
    gPicBlzs2 = gPicBlzs2_2 = Solid(140, 40, kUp);
    gPicBlzs3 = gPicBlzs2_3 = Solid(140, 40, kDown);
    gPicBlzs10 = Solid(60, 60, kMid);
    gPicVal2024 = Strip(20, 24);
  }

  int Solid(int w, int h, uint16_t colour) {
    return MakeObject(w, h, [colour](int, int) { return colour; });
  }
};
