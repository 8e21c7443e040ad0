#include <map>
#include <vector>

#include "game/assets.h"
#include "game/scenes.h"
#include "player/shots.h"
#include "tests/game/player_fixture.h"

namespace {

using ShotTest = PlayerTest;

TEST_F(ShotTest, AHeldKeyFiresSlot1OnItsFifthFrameThenEveryFourthAndSlot0Never) {
  std::map<int, int> first;
  std::vector<int> slot1Fired;
  bool slot1Flying = false;
  headless::KeyDown(kPlay, 'Z');
  Every([&](int f) {
    if (f <= kPlay) return;
    for (int s = 0; s < kShotSlots; ++s)  // the frame that fired it
      if (gShotAMain[s].active && !first.count(s)) first[s] = f - 1;
    if (gShotAMain[1].active && !slot1Flying) slot1Fired.push_back(f - 1);
    slot1Flying = gShotAMain[1].active;
  });
  RunFrames(kPlay + 60);
  EXPECT_EQ(first.count(0), 0u);
  ASSERT_EQ(first.count(1), 1u);
  EXPECT_EQ(first[1], kPlay + 4);
  EXPECT_EQ(first[2], kPlay + 8);
  EXPECT_EQ(first[12], kPlay + 48);
  // After slot 12 the count starts over: slot 1 again four steps later (it has
  // long left the screen by then).
  EXPECT_EQ(slot1Fired, (std::vector<int>{kPlay + 4, kPlay + 52}));
}

// Firing needs the shot limit below 12; a flying shot keeps the limit set.
TEST_F(ShotTest, FiringStopsFromAShotLimitOf12) {
  int before = 0, at11 = -1, at12 = -1;
  headless::KeyDown(kPlay, 'Z');
  Every([&](int f) {
    if (f < kPlay + 2) return;
    gShotAMain[0] = PlayerShot{300, 300, 0, 0, 1};
    gShotLimit = f < kPlay + 6 ? 11 : 12;
  });
  At(kPlay + 2, [&] { before = gFireCounterA; });
  At(kPlay + 6, [&] { at11 = gFireCounterA - before, before = gFireCounterA; });
  At(kPlay + 10, [&] { at12 = gFireCounterA - before; });
  RunFrames(kPlay + 11);
  EXPECT_EQ(at11, 4);
  EXPECT_EQ(at12, 0);
}

// Nothing starts the two up families, but the shot pass flies them, culls them
// above y -60 and counts them; and a frame's draw of ship type 1 clears the flash.
TEST_F(ShotTest, TheUnstartedFamiliesFlyAndCountAndType1sDrawClearsTheFlash) {
  PlayerShot upLeft{}, upRight{}, leaving{}, atEdge{};
  int live = -1, flash = -1;
  At(kPlay, [&] {
    gShotUpLeft[2] = PlayerShot{300, 300, 5, 7, 1};
    gShotUpRight[2] = PlayerShot{300, 300, 5, 7, 1};
    gShotUpLeft[3] = PlayerShot{300, -41, 0, 20, 1};   // to y -61: freed
    gShotUpRight[3] = PlayerShot{300, -40, 0, 20, 1};  // to y -60: flies on
    gShotFlash = 1;                                    // as a fire call leaves it
  });
  At(kPlay + 1, [&] {
    upLeft = gShotUpLeft[2], upRight = gShotUpRight[2];
    leaving = gShotUpLeft[3], atEdge = gShotUpRight[3];
    live = gLiveShotsA;
    flash = gShotFlash;
  });
  RunFrames(kPlay + 2);
  EXPECT_EQ(upLeft.x, 295);
  EXPECT_EQ(upLeft.y, 293);
  EXPECT_EQ(upRight.x, 305);
  EXPECT_EQ(upRight.y, 293);
  EXPECT_EQ(leaving.active, 0);
  EXPECT_EQ(leaving.y, -61);  // a culled shot keeps its place
  EXPECT_EQ(atEdge.active, 1);
  EXPECT_EQ(atEdge.y, -60);
  EXPECT_EQ(live, 4);  // the frame that frees a shot still counts it
  EXPECT_EQ(flash, 0);
}

}  // namespace
