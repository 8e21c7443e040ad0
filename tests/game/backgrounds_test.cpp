#include "game/backgrounds.h"

#include <vector>

#include "game/game_state.h"
#include "tests/game/game_fixture.h"

namespace {

TEST_F(GameTest, SpeedWindowsShareTheirBounds) {
  struct Case {
    float clock, step;
  };
  // Stage 5 speeds 150 | 150 | 250 ... with bounds at 500 and 530; stage 6 starts at 140.
  for (Case c : {Case{-0.5f, 0.0f}, Case{0.0f, 150.0f}, Case{499.0f, 150.0f}, Case{500.0f, 300.0f},
                 Case{530.0f, 400.0f}, Case{1150.0f, 900.0f}, Case{5000.0f, 400.0f}}) {
    LayOutBackgroundStrips();
    gFrameScale = 1.0f;
    gStageClock = c.clock;
    ScrollStage5Background();  // lays out upwards
    ScrollStage5Background();
    EXPECT_FLOAT_EQ(gStage5Strips[0].y, c.step) << c.clock;
  }
  LayOutBackgroundStrips();
  gStageClock = 600.0f;
  ScrollStage6Background();
  ScrollStage6Background();
  EXPECT_FLOAT_EQ(gStage6Strips[0].y, 340.0f);
}

TEST_F(GameTest, ARespawnedParticleDrawsTypeThenRowThenSpeed) {
  BackgroundParticle& p = gBackgroundParticles[0];
  p = {0, -6.5f, 100.0f, 0.0f, 0.0f};
  for (int i = 1; i < kParticleCount; ++i) gBackgroundParticles[i] = {0, 300.0f, 0.0f, 0.0f, 0.0f};
  gFrameScale = 0.0f;
  koSystem::SeedRand(99);
  const int type = koSystem::Rand() % 7, row = koSystem::Rand() % 480;
  const int speed = 120 + koSystem::Rand() % 77;
  koSystem::SeedRand(99);
  UpdateBackgroundParticles(77, 120);
  EXPECT_EQ(p.type, type);
  EXPECT_EQ(p.y, static_cast<float>(row));
  EXPECT_EQ(p.speed, static_cast<float>(speed));
}

TEST_F(GameTest, StripsLayOutAgainExactlyWhenTheLastOneReachesZero) {
  // One step that takes the last strip exactly to 0 (100 px/s; the product is exact in float).
  LayOutBackgroundStrips();
  gFrameScale = 31993.6f;
  ScrollBackgroundU();
  EXPECT_EQ(gBack1uStrips[0].x, 0.0f);
  EXPECT_EQ(gBack1uStrips[1].x, 640.0f);
  // The vertical relayout at a last strip exactly at 0 (150 px/s on stage 5).
  LayOutBackgroundStrips();
  gStageClock = 100.0f;
  gFrameScale = 0.0f;
  ScrollStage5Background();  // first call: laid out upwards, the last strip at -4999 x 480
  gFrameScale = 15996.8f;
  ScrollStage5Background();
  EXPECT_EQ(gStage5Strips[0].y, 0.0f);
  EXPECT_EQ(gStage5Strips[1].y, -480.0f);
}

// A drifting scroller's strips take their drift once, scaled by the frame
// time and held within 100 either side; a centred one keeps them at 100.
TEST_F(GameTest, SidewaysDriftIsAppliedOnceAndClamped) {
  LayOutBackgroundStrips();
  gFrameScale = 0.5f;
  gStageClock = -10.0f;
  for (BackgroundStrip& s : gStage7Strips) s.driftX = 30.0f;
  gStage7Strips[1].driftX = 500.0f;
  gStage7Strips[2].driftX = -500.0f;
  ScrollStage7Background();
  EXPECT_EQ(gStage7Strips[0].x, 15.0f);
  EXPECT_EQ(gStage7Strips[1].x, 100.0f);
  EXPECT_EQ(gStage7Strips[2].x, -100.0f);
  EXPECT_EQ(gStage7Strips[10].driftX, 0.0f);
  EXPECT_EQ(gStage7Strips[10].y, -4800.0f);  // below 0 on the clock nothing moves down
  ScrollStage7Background();
  EXPECT_EQ(gStage7Strips[0].x, 15.0f);  // taken once
  ScrollStage8Background();
  EXPECT_EQ(gStage8Strips[0].x, 100.0f);  // the narrow picture stays centred
}

}  // namespace
