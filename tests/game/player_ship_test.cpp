#include <vector>

#include "player/ship.h"
#include "player/shots.h"
#include "tests/game/player_fixture.h"

namespace {

using ShipTest = PlayerTest;

TEST_F(ShipTest, AKeyActsFromItsSecondFrameAndATapDoesNothing) {
  float x0 = 0, xAfterTap = 0, xSecondFrame = 0, xThirdFrame = 0;
  int counterAfterTap = -1, bombAfterTap = -1;
  At(kPlay, [&] { x0 = gPlayerX; });
  headless::TapKey(kPlay, plat::kVkLeft);
  headless::TapKey(kPlay, 'Z');
  headless::TapKey(kPlay, 'X');
  At(kPlay + 3, [&] {
    xAfterTap = gPlayerX;
    counterAfterTap = gFireCounterA;
    bombAfterTap = gBombActive;
  });
  headless::KeyDown(kPlay + 5, plat::kVkRight);
  At(kPlay + 6, [&] { xSecondFrame = gPlayerX; });
  At(kPlay + 7, [&] { xThirdFrame = gPlayerX; });
  RunFrames(kPlay + 8);
  EXPECT_EQ(xAfterTap, x0);
  EXPECT_EQ(counterAfterTap, 0);
  EXPECT_EQ(bombAfterTap, 0);
  EXPECT_EQ(xSecondFrame, x0);  // the press frame itself does not move the ship
  EXPECT_GT(xThirdFrame, x0);
}

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

TEST_F(ShipTest, AfterTheGameEndsKeysDoNothingButThePadStillFliesFiresAndBombs) {
  float x0 = 0, x1 = 0, x2 = 0;
  int counter = 0, bomb = 0, leftState = -1;
  headless::SetPad(0, 0, true);
  At(kPlay, [&] { gGameOver = 1; });
  headless::KeyDown(kPlay, plat::kVkLeft);
  headless::KeyDown(kPlay, 'Z');
  headless::KeyDown(kPlay, 'X');
  At(kPlay + 2, [&] { x0 = gPlayerX; });
  At(kPlay + 30, [&] {
    x1 = gPlayerX;
    counter = gFireCounterA;
    bomb = gBombActive;
    leftState = gKeyStateLeft;
  });
  headless::SetPad(kPlay + 30, 0, true, 65535, 32767, 0b11);
  At(kPlay + 33, [&] {
    x2 = gPlayerX;
    counter = gFireCounterA - counter;
    bomb = gBombActive;
  });
  RunFrames(kPlay + 34);
  EXPECT_EQ(x1, x0);
  EXPECT_EQ(leftState, 0);
  EXPECT_GT(x2, x1);
  EXPECT_EQ(counter, 1);  // the bomb started by button 2 stops fire from the next frame
  EXPECT_EQ(bomb, 1);
}

}  // namespace
