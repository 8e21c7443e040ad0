// The mid-bosses on the engine's screen: the enemy fixture plus bodies and
// bullet pictures of their own, a frame time in which every clock and speed
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

class MidBossTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gFrameScale = kScale;
    gDifficulty = 1;
    gDifficultyExtra = 0;
    gBombStock = 0;
    gScore = 10000;
    gPicZak52 = Picture(260, 200);
    gPicZak60 = Picture(260, 200);
    for (int* row : {&gPicBlzs1, &gPicBlzs2, &gPicBlzs3, &gPicBlzs2_1, &gPicBlzs2_2, &gPicBlzs2_3})
      *row = Picture(140, 40);
    gPicBlzs10 = Picture(60, 60);
    gPicVal2024 = Strip(20, 24);
  }
};
