#include <cmath>
#include <utility>
#include <vector>

#include "game/assets.h"
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

TEST_F(LifeTest, TheFirstRingStartsAtTheShipsCornerAndOneFragmentHeadsForTheCorner20_20) {
  const uint16_t orange = 0xFC00;
  ExplosionFragment drawn{}, moved{}, lastOfRing{};
  uint16_t corner = 0;
  At(kPlay, [&] {
    gPicGfbak1 = Picture(480, 120, orange);
    gPlayerX = 20.0f;  // straight below the aim point: the vertical branch
    gPlayerY = 300.0f;
    gPlayerAlive = 0;
  });
  At(kPlay + 1, [&] {
    drawn = gExplosionFragments[0];
    lastOfRing = gExplosionFragments[15];
    corner = Pixel(22, 302);  // drawn at the corner before its first move
  });
  At(kPlay + 2, [&] { moved = gExplosionFragments[0]; });
  RunFrames(kPlay + 3);
  EXPECT_EQ(corner, orange);
  EXPECT_EQ(drawn.startX, 20.0f);
  EXPECT_EQ(drawn.startY, 300.0f);
  EXPECT_EQ(drawn.speed, 280.0f);
  EXPECT_EQ(drawn.dx, 0.0f);
  EXPECT_EQ(drawn.dy, -280.0f);
  // Up the screen: 3 pi / 2, and the ring's last fragment 15 steps of 22.5 degrees on.
  EXPECT_NEAR(drawn.angle, 1.5 * M_PI, 1e-5);
  EXPECT_NEAR(lastOfRing.angle, 1.5 * M_PI + 15 * M_PI / 8, 1e-5);
  EXPECT_NEAR(moved.x, 20.0f, 1e-3);
  EXPECT_LT(moved.y, drawn.y);
}

TEST_F(LifeTest, TheCellsRunThroughRowZeroThenColumnsOneToSevenOfRowOne) {
  std::vector<std::pair<int, int>> cells;
  At(kPlay, [&] { gPlayerAlive = 0; });
  Every([&](int f) {
    if (f > kPlay && f <= kPlay + 17)
      cells.push_back({gExplosionFragments[40].cellColumn, gExplosionFragments[40].cellRow});
  });
  RunFrames(kPlay + 18);
  std::vector<std::pair<int, int>> expected;
  for (int c = 1; c <= 7; ++c) expected.push_back({c, 0});
  for (int c = 1; c <= 7; ++c) expected.push_back({c, 1});
  expected.push_back({0, 0});
  expected.push_back({1, 0});
  expected.push_back({2, 0});
  EXPECT_EQ(cells, expected);
}

TEST_F(LifeTest, FragmentsFlyOnTheScreensEdgesAndAreParkedJustPastThem) {
  struct Place {
    float x, y;
  };
  // Pairs: exactly on an edge, then the next float past it.
  const Place places[] = {{-60.0f, 200.0f}, {std::nextafter(-60.0f, -1e9f), 200.0f},
                          {640.0f, 200.0f}, {std::nextafter(640.0f, 1e9f), 200.0f},
                          {300.0f, -60.0f}, {300.0f, std::nextafter(-60.0f, -1e9f)},
                          {300.0f, 480.0f}, {300.0f, std::nextafter(480.0f, 1e9f)}};
  std::vector<int> flying;
  At(kPlay, [&] { gPlayerAlive = 0; });
  At(kPlay + 1, [&] {
    // Fragments of the first ring, flying, held still on their places.
    for (int i = 0; i < 8; ++i) {
      ExplosionFragment& f = gExplosionFragments[i];
      f.x = places[i].x;
      f.y = places[i].y;
      f.speed = 0.0f;
    }
  });
  At(kPlay + 2, [&] {
    for (int i = 0; i < 8; ++i) flying.push_back(gExplosionFragments[i].started);
  });
  RunFrames(kPlay + 3);
  EXPECT_EQ(flying, (std::vector<int>{1, 0, 1, 0, 1, 0, 1, 0}));
}

TEST_F(LifeTest, EveryDeadFrameRestartsTheSound) {
  std::vector<int> plays;
  At(kPlay, [&] {
    PlaysOf(gSndBom);
    gPlayerAlive = 0;
  });
  Every([&](int f) {
    if (f > kPlay && f <= kPlay + 51) plays.push_back(PlaysOf(gSndBom));
  });
  RunFrames(kPlay + 52);
  std::vector<int> expected(50, 1);
  expected.push_back(0);  // respawning
  EXPECT_EQ(plays, expected);
}

TEST_F(LifeTest, TheShipIsDrawnOnEveryRespawnFrameButNotOnTheFrameOfAnUndoneHit) {
  const uint16_t pink = 0xF81F;
  int drawnWhileRespawning = 0, respawnFrames = 0;
  uint16_t hitFrame = 0;
  At(kPlay, [&] {
    gPlayerSprite = Picture(80, 60, pink);
    gPlayerX = 300.0f;
    gPlayerY = 300.0f;
    gRespawning = 1;  // as after a continue
  });
  Every([&](int f) {
    if (f <= kPlay || f == kPlay + 101) return;
    if (gRespawning || f == kPlay + 250) {
      ++respawnFrames;
      drawnWhileRespawning += Pixel(340, 330) == pink;
    }
  });
  At(kPlay + 100, [&] { gPlayerAlive = 0; });
  At(kPlay + 101, [&] { hitFrame = Pixel(340, 330); });
  RunFrames(kPlay + 260);
  EXPECT_NE(hitFrame, pink);
  EXPECT_EQ(respawnFrames, 249);  // the undone hit added one frame to the period
  EXPECT_EQ(drawnWhileRespawning, 249);
}

}  // namespace
