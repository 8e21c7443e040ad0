#include <cmath>
#include <vector>

#include "game/assets.h"
#include "player/power_item.h"
#include "tests/game/player_fixture.h"

namespace {

using PowerItemTest = PlayerTest;

void ParkItem() { gPowerItem = PowerItem{-500.0f, 500.0f, 0.0f, 0, 0, 0, {0, 0}}; }

// Stage 1's last window releases on both its bounds, and not just past them.
TEST_F(PowerItemTest, Stage1ReleasesTheLastItemOnBothBoundsOfItsWindow) {
  std::vector<int> released;
  const float targets[] = {1900.0f, 1950.0f, std::nextafter(1950.0f, 1e9f)};
  for (int i = 0; i < 3; ++i) {
    At(kPlay + 2 * i, [&, i] {
      ParkItem();
      gStageClock = ClockLandingOn(targets[i]);
    });
    At(kPlay + 2 * i + 1, [&] { released.push_back(gPowerItem.active); });
  }
  RunFrames(kPlay + 7);
  EXPECT_EQ(released, (std::vector<int>{1, 1, 0}));
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
    bool operator==(const Grant&) const = default;
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
  EXPECT_EQ(grants, (std::vector<Grant>{
                        {2, 1, 0, 1}, {1, 1, 0, 1}, {1, 1, 0, 2}, {2, 1, 1, 3}, {2, 1, 1, 7}}));
}

}  // namespace
