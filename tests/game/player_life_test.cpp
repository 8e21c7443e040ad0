#include <utility>
#include <vector>

#include "player/life.h"
#include "player/shots.h"
#include "tests/game/player_fixture.h"

namespace {

using LifeTest = PlayerTest;

int StartedIn(int ring) {
  int n = 0;
  for (int i = ring * 16; i < ring * 16 + 16; ++i) n += gExplosionFragments[i].started;
  return n;
}

TEST_F(LifeTest, ADeathRunsFiftyFramesOfRingsChargesOnceAndRespawns) {
  constexpr int kHit = kPlay + 10;
  std::vector<int> lifeAtRingStart(5, -1);
  int livesBefore = 0, scoreBefore = 0;
  std::vector<std::pair<int, int>> charges;  // (life, lives lost so far)
  int aliveAt = -1, respawnEnd = -1;
  At(kHit, [&] {
    gPlayerX = 300.0f;
    gPlayerY = 200.0f;
    gSideShots = gOuterShots = 1;
    gPowerItemCount = 2;
    livesBefore = gLives;
    scoreBefore = gScore;
    gPlayerAlive = 0;  // an enemy bullet's hit
  });
  Every([&](int f) {
    if (f <= kHit) return;
    const int life = gExplosionFragments[0].life;
    for (int r = 0; r < 5; ++r)
      if (lifeAtRingStart[r] < 0 && StartedIn(r) > 0) lifeAtRingStart[r] = life;
    if (gLives != livesBefore && charges.empty()) charges.push_back({life, livesBefore - gLives});
    if (aliveAt < 0 && gPlayerAlive) aliveAt = f - 1 - kHit + 1;  // frames of the death
    if (respawnEnd < 0 && aliveAt > 0 && !gRespawning) respawnEnd = f - 1 - kHit + 1;
  });
  int scoreAfter = 0, livesAfter = 0, sideShots = -1;
  At(kHit + 60, [&] {
    scoreAfter = gScore;
    livesAfter = gLives;
    sideShots = gSideShots + gOuterShots + gPowerItemCount;
  });
  RunFrames(kHit + 310);
  EXPECT_EQ(lifeAtRingStart, (std::vector<int>{1, 10, 20, 30, 40}));
  ASSERT_EQ(charges.size(), 1u);
  EXPECT_EQ(charges[0], std::make_pair(40, 16));
  EXPECT_EQ(livesAfter, livesBefore - 16);
  EXPECT_EQ(scoreAfter, scoreBefore - 160000);  // directly: no bomb bonus
  EXPECT_EQ(sideShots, 0);
  EXPECT_EQ(aliveAt, 50);
  EXPECT_EQ(respawnEnd, 50 + 249);
  for (const ExplosionFragment& f : gExplosionFragments) {
    EXPECT_EQ(f.started, 0);
    EXPECT_EQ(f.life, 0);
    EXPECT_EQ(f.x, -500.0f);
  }
}

}  // namespace
