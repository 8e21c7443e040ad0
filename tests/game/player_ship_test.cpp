#include <vector>

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

}  // namespace
