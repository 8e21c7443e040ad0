#include <vector>

#include "game/backgrounds.h"
#include "player/ship.h"
#include "tests/game/player_fixture.h"

namespace {

using ShipTest = PlayerTest;

// A key pressed again on the frame after a one-frame tap counts as held at once.
TEST_F(ShipTest, AKeyPressedAgainRightAfterATapIsHeldAtOnce) {
  std::vector<int> states;
  headless::TapKey(kPlay, plat::kVkLeft);
  headless::KeyDown(kPlay + 2, plat::kVkLeft);
  Every([&](int f) {
    if (f > kPlay && f <= kPlay + 3) states.push_back(gKeyStateLeft);
  });
  RunFrames(kPlay + 4);
  EXPECT_EQ(states, (std::vector<int>{1, 2, 3}));
}

TEST_F(ShipTest, EdgesHoldTheShipAtExactly0And480And420) {
  std::vector<float> xs, ys;
  headless::KeyDown(kPlay, plat::kVkLeft);
  headless::KeyDown(kPlay, plat::kVkUp);
  At(kPlay + 120, [&] { xs.push_back(gPlayerX), ys.push_back(gPlayerY); });
  headless::KeyUp(kPlay + 120, plat::kVkLeft);
  headless::KeyUp(kPlay + 120, plat::kVkUp);
  headless::KeyDown(kPlay + 121, plat::kVkRight);
  headless::KeyDown(kPlay + 121, plat::kVkDown);
  At(kPlay + 360, [&] { xs.push_back(gPlayerX), ys.push_back(gPlayerY); });
  RunFrames(kPlay + 361);
  EXPECT_EQ(xs, (std::vector<float>{0.0f, 480.0f}));
  EXPECT_EQ(ys, (std::vector<float>{0.0f, 420.0f}));
}

TEST_F(ShipTest, BankWalksToFullBankAndBackToLevelOnBothSides) {
  std::vector<int> left, right;
  headless::KeyDown(kPlay, plat::kVkLeft);
  headless::KeyUp(kPlay + 6, plat::kVkLeft);
  headless::KeyDown(kPlay + 20, plat::kVkRight);
  headless::KeyUp(kPlay + 26, plat::kVkRight);
  Every([&](int f) {
    if (f > kPlay && f <= kPlay + 12) left.push_back(gBankFrame);
    if (f > kPlay + 20 && f <= kPlay + 32) right.push_back(gBankFrame);
  });
  RunFrames(kPlay + 33);
  // Press frame, then three steps to full bank, held there, then back to level and stopped.
  EXPECT_EQ(left, (std::vector<int>{3, 4, 5, 6, 6, 6, 5, 4, 3, 3, 3, 3}));
  EXPECT_EQ(right, (std::vector<int>{3, 2, 1, 0, 0, 0, 1, 2, 3, 3, 3, 3}));
}

TEST_F(ShipTest, RightBeatsLeftDownBeatsUpAndADiagonalFlies177PerSecondPerAxis) {
  float x0 = 0, y0 = 0, dx = 0, dy = 0, drifts[4] = {};
  int bank = -1;
  for (int vk : {plat::kVkLeft, plat::kVkRight, plat::kVkUp, plat::kVkDown})
    headless::KeyDown(kPlay, vk);
  At(kPlay + 2, [&] { x0 = gPlayerX, y0 = gPlayerY; });
  At(kPlay + 62, [&] {
    dx = gPlayerX - x0;
    dy = gPlayerY - y0;
    bank = gBankFrame;
    // Every record of the vertical scrollers' strips drifts against the ship.
    drifts[0] = gUnusedStripsB[kStripRecords - 1].driftX, drifts[1] = gStage5Strips[0].driftX;
    drifts[2] = gStage6Strips[2500].driftX, drifts[3] = gStage7Strips[kStripRecords - 1].driftX;
  });
  RunFrames(kPlay + 63);
  // 60 frames of 1000/60 ms each: one second.
  EXPECT_NEAR(dx, 177.0f, 0.01f);
  EXPECT_NEAR(dy, 177.0f, 0.01f);
  EXPECT_EQ(bank, 0);  // banked right
  EXPECT_EQ(std::vector<float>(drifts, drifts + 4),
            (std::vector<float>{-50.0f, -55.0f, -60.0f, -65.0f}));
}

}  // namespace
