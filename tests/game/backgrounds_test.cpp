#include "game/backgrounds.h"

#include <vector>

#include "game/game_state.h"
#include "game/reset.h"
#include "tests/game/game_fixture.h"

namespace {

TEST_F(GameTest, HorizontalStripsScrollAndLayOutAgainAtTheEnd) {
  LayOutBackgroundStrips();
  EXPECT_EQ(gBack1Strips[0].y, 1.0f);
  EXPECT_EQ(gBack1Strips[4999].x, 4999 * 640.0f);
  gFrameScale = 0.5f;
  ScrollBackground();   // 70 px
  ScrollBackgroundU();  // 50 px
  EXPECT_EQ(gBack1Strips[0].x, -70.0f);
  EXPECT_EQ(gBack1Strips[1].x, 570.0f);
  EXPECT_EQ(gBack1Strips[0].y, 1.0f);
  EXPECT_EQ(gBack1uStrips[2].x, 1230.0f);
  // Long play keeps the strips exactly one screen apart.
  gFrameScale = 1.0f / 60.0f;
  for (int i = 0; i < 200000; ++i) ScrollBackground();
  for (int i = 0; i < 4999; ++i) {
    const float gap = gBack1Strips[i + 1].x - gBack1Strips[i].x;
    if (gBack1Strips[i].x > -2000.0f && gBack1Strips[i].x < 2000.0f) {
      EXPECT_EQ(gap, 640.0f) << i;
    }
    EXPECT_NEAR(gap, 640.0f, 0.5f) << i;
  }
  // The step that takes the last strip to 0 lays the table out again at y 0.
  gFrameScale = 100.0f;
  for (int i = 0; i < 300 && gBack1Strips[0].x != 0.0f; ++i) ScrollBackground();
  EXPECT_EQ(gBack1Strips[0].x, 0.0f);
  EXPECT_EQ(gBack1Strips[0].y, 0.0f);
  EXPECT_EQ(gBack1Strips[3].x, 1920.0f);
}

TEST_F(GameTest, VerticalScrollerLaysOutUpwardsOnItsFirstCall) {
  LayOutBackgroundStrips();
  EXPECT_EQ(gStage5Strips[2].y, 1280.0f);
  gStageClock = 100.0f;
  gFrameScale = 0.1f;
  ScrollStage5Background();
  EXPECT_EQ(gStage5Strips[0].y, 0.0f);
  EXPECT_EQ(gStage5Strips[1].y, -480.0f);
  ScrollStage5Background();
  EXPECT_FLOAT_EQ(gStage5Strips[0].y, 15.0f);
  EXPECT_FLOAT_EQ(gStage5Strips[1].y, -465.0f);
}

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

TEST_F(GameTest, SidewaysDriftIsAppliedOnceAndClamped) {
  LayOutBackgroundStrips();
  gFrameScale = 0.5f;
  gStageClock = -10.0f;
  for (int i = 0; i < 5; ++i) {
    for (BackgroundStrip& s : gStage7Strips) s.driftX = 60.0f;
    ScrollStage7Background();
  }
  EXPECT_EQ(gStage7Strips[10].x, 100.0f);
  EXPECT_EQ(gStage7Strips[10].driftX, 0.0f);
  EXPECT_EQ(gStage7Strips[10].y, -4800.0f);  // below 0 on the clock nothing moves down
  ScrollStage7Background();
  EXPECT_EQ(gStage7Strips[10].x, 100.0f);
  ScrollStage8Background();
  EXPECT_EQ(gStage8Strips[0].x, 100.0f);  // the narrow picture stays centred
}

TEST_F(GameTest, ParticlesRespawnPastTheLeftEdgeDeterministically) {
  auto run = [](uint32_t seed) {
    koSystem::SeedRand(seed);
    ResetBackgroundParticles();
    EXPECT_TRUE(BackgroundParticlesAtStart());
    gFrameScale = 0.05f;
    for (int i = 0; i < 300; ++i) UpdateBackgroundParticles(80, 80);
    std::vector<float> xs;
    for (const BackgroundParticle& p : gBackgroundParticles) xs.push_back(p.x);
    return xs;
  };
  EXPECT_EQ(run(7), run(7));
  EXPECT_NE(run(7), run(8));
  for (const BackgroundParticle& p : gBackgroundParticles) {
    EXPECT_GE(p.x, -6.0f);
    EXPECT_LE(p.x, 640.0f);
  }
  BackgroundParticle& p = gBackgroundParticles[0];
  p.x = -5.9f;
  p.speed = 0.0f;
  gFrameScale = 0.0f;
  UpdateBackgroundParticles(80, 80);
  EXPECT_EQ(p.x, -5.9f);
  p.x = -6.1f;
  UpdateBackgroundParticles(80, 80);
  EXPECT_EQ(p.x, 640.0f);
  EXPECT_GE(p.speed, 80.0f);
  EXPECT_LT(p.speed, 160.0f);
}

}  // namespace

namespace {

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

TEST_F(GameTest, DriftLeftStopsAtMinusOneHundred) {
  LayOutBackgroundStrips();
  gFrameScale = 1.0f;
  gStageClock = -1.0f;
  for (int i = 0; i < 3; ++i) {
    for (BackgroundStrip& s : gStage6Strips) s.driftX = -70.0f;
    ScrollStage6Background();
  }
  EXPECT_EQ(gStage6Strips[0].x, -100.0f);
  EXPECT_EQ(gStage6Strips[kStripCount - 1].x, -100.0f);
}

}  // namespace
