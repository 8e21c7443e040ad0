#include <cmath>
#include <vector>

#include "engine/system/ko_system.h"
#include "game/assets.h"
#include "player/power_item.h"
#include "tests/game/player_fixture.h"

namespace {

using PowerItemTest = PlayerTest;

void ParkItem() { gPowerItem = PowerItem{-500.0f, 500.0f, 0.0f, 0, 0, 0, {0, 0}}; }

TEST_F(PowerItemTest, Stage1ReleasesOnBothBoundsOfAWindowAndNotJustOutside) {
  std::vector<int> released;
  // The first window and the last, which opens after a long gap.
  const float targets[] = {
      std::nextafter(100.0f, 0.0f),  100.0f,  150.0f,  std::nextafter(150.0f, 1e9f),
      std::nextafter(1900.0f, 0.0f), 1900.0f, 1950.0f, std::nextafter(1950.0f, 1e9f)};
  for (int i = 0; i < 8; ++i) {
    At(kPlay + 2 * i, [&, i] {
      ParkItem();
      gStageClock = ClockLandingOn(targets[i]);
    });
    At(kPlay + 2 * i + 1, [&, i] {
      EXPECT_EQ(gStageClock, targets[i]);
      released.push_back(gPowerItem.active);
    });
  }
  RunFrames(kPlay + 17);
  EXPECT_EQ(released, (std::vector<int>{0, 1, 1, 0, 0, 1, 1, 0}));
}

TEST_F(PowerItemTest, AReleaseDrawsTheRowThenTheSpeedAndCountsTheItem) {
  PowerItem item{};
  int first = 0, second = 0, count = -1, countAgain = -1;
  float xAgain = 0;
  At(kPlay, [&] {
    koSystem::SeedRand(1234);
    first = koSystem::Rand();
    second = koSystem::Rand();
    koSystem::SeedRand(1234);
    gPowerItemCount = 4;
    SpawnPowerItem();
    item = gPowerItem;
    count = gPowerItemCount;
    gPowerItem.x = 300.0f;
    SpawnPowerItem();  // one item at a time
    countAgain = gPowerItemCount;
    xAgain = gPowerItem.x;
  });
  RunFrames(kPlay + 1);
  EXPECT_EQ(item.y, static_cast<float>(first % 390 + 30));
  EXPECT_EQ(item.speed, static_cast<float>(second % 130 + 100));
  EXPECT_EQ(item.x, 640.0f);
  EXPECT_EQ(item.active, 1);
  EXPECT_EQ(count, 5);
  EXPECT_EQ(countAgain, 5);
  EXPECT_EQ(xAgain, 300.0f);
}

TEST_F(PowerItemTest, TheItemDriftsLeftForSevenSecondsAtSpeed100AndParksEvenWhenIdle) {
  int parkedAt = -1;
  PowerItem idle{};
  At(kPlay, [&] {
    gStageClock = 3000.0f;                                            // past every release window
    gPowerItem = PowerItem{640.0f, 400.0f, 100.0f, 0, 1, 0, {0, 0}};  // clear of the ship
  });
  Every([&](int f) {
    if (f > kPlay && parkedAt < 0 && !gPowerItem.active) parkedAt = f - kPlay;
  });
  At(kPlay + 440, [&] {
    gPowerItem = PowerItem{-61.0f, 100.0f, 0.0f, 0, 0, 0, {0, 0}};
    MovePowerItem();
    idle = gPowerItem;
  });
  RunFrames(kPlay + 441);
  // 700 pixels at 100 px/s: 420 frames of 1000/60 ms.
  EXPECT_NEAR(parkedAt, 420, 1);
  EXPECT_EQ(idle.x, -500.0f);
  EXPECT_EQ(idle.y, 500.0f);
}

TEST_F(PowerItemTest, TheTouchBoxIsInclusiveAndCountsADeadShip) {
  struct Case {
    float x, y;
    int collected;
  };
  // Item corner at (300, 200): the ship's corner may lie in x 240..350, y 140..230.
  const Case cases[] = {{240.0f, 140.0f, 1}, {350.9f, 230.9f, 1}, {239.0f, 200.0f, 0},
                        {351.0f, 200.0f, 0}, {300.0f, 139.0f, 0}, {300.0f, 231.0f, 0}};
  std::vector<int> got;
  int score = 0;
  At(kPlay, [&] {
    gPlayerAlive = 0;
    for (const Case& c : cases) {
      gPowerItem = PowerItem{300.5f, 200.5f, 0.0f, 0, 1, 0, {0, 0}};
      gPlayerX = c.x;
      gPlayerY = c.y;
      gScore = 0;
      TouchPowerItem();
      got.push_back(gPowerItem.collected);
      score = std::max(score, gScore);
    }
    gPowerItem = PowerItem{300.0f, 0.0f, 0.0f, 0, 1, 0, {0, 0}};  // at the top edge
    gPlayerX = 300.0f;
    gPlayerY = 0.0f;
    TouchPowerItem();
    got.push_back(gPowerItem.collected);
    ParkItem();
  });
  RunFrames(kPlay + 1);
  EXPECT_EQ(got, (std::vector<int>{1, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(score, 505);  // 500 and the bonus of five bombs
}

TEST_F(PowerItemTest, GrantsFollowTheCountSinceTheLastDeath) {
  struct Grant {
    int bombs, side, outer, count;
  };
  std::vector<Grant> grants;
  At(kPlay, [&] {
    for (int count : {0, 1, 2, 3, 7}) {
      gPowerItemCount = count;
      gSideShots = gOuterShots = 0;
      gBombStock = 0;
      gPowerItem = PowerItem{300.0f, 200.0f, 100.0f, 0, 1, 1, {0, 0}};
      DrawPowerItem();
      grants.push_back({gBombStock, gSideShots, gOuterShots, gPowerItemCount});
      EXPECT_EQ(gPowerItem.active, 0);
      EXPECT_EQ(gPowerItem.x, -500.0f);
    }
  });
  RunFrames(kPlay + 1);
  ASSERT_EQ(grants.size(), 5u);
  const Grant expected[] = {{2, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 0, 2}, {2, 1, 1, 3}, {2, 1, 1, 7}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(grants[i].bombs, expected[i].bombs) << i;
    EXPECT_EQ(grants[i].side, expected[i].side) << i;
    EXPECT_EQ(grants[i].outer, expected[i].outer) << i;
    EXPECT_EQ(grants[i].count, expected[i].count) << i;
  }
}

}  // namespace
