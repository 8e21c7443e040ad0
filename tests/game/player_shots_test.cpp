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

TEST_F(ShotTest, ZShiftAndButton1EachAdvanceTheCadence) {
  std::vector<int> counters;
  headless::SetPad(0, 0, true);
  headless::KeyDown(kPlay, 'Z');
  headless::KeyDown(kPlay, plat::kVkShift);
  headless::SetPad(kPlay, 0, true, 32767, 32767, 1);
  Every([&](int f) {
    if (f >= kPlay + 1 && f <= kPlay + 5) counters.push_back(gFireCounterA);
  });
  RunFrames(kPlay + 6);
  // Press frame: the button alone; then all three.
  EXPECT_EQ(counters, (std::vector<int>{1, 4, 7, 10, 13}));
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

TEST_F(ShotTest, SlotsDrawInTurnAndWithinASlotTheMainShotLast) {
  const uint16_t red = 0xF800, green = 0x07E0, blue = 0x001F, grey = 0x8410;
  auto place = [](PlayerShot& s, int x, int y) { s = PlayerShot{x, y, 0, 0, 1}; };
  At(kPlay, [&] {
    gPicMylz1 = Picture(60, 60, red);
    gPicMylz2 = Picture(60, 60, green);
    gPicMylz3 = Picture(60, 60, blue);
    Surface* scratch = koDraw::ObjectSurface(0);
    std::fill(scratch->pixels.begin(), scratch->pixels.end(), grey);
    place(gShotAMain[2], 200, 300);  // over its own lower shot
    place(gShotALower[2], 200, 300);
    place(gShotAMain[3], 300, 300);  // under the next slot's upper shot
    place(gShotAUpper[4], 300, 300);
    place(gShotAUpper[5], 400, 300);  // under its own lower shot
    place(gShotALower[5], 400, 300);
    place(gShotUpRight[6], 500, 300);  // under its own main shot
    place(gShotAMain[6], 500, 300);
    place(gShotUpLeft[7], 500, 400);  // alone
  });
  uint16_t a = 0, b = 0, c = 0, d = 0, e = 0;
  At(kPlay + 1, [&] {
    a = Pixel(230, 330), b = Pixel(330, 330), c = Pixel(430, 330), d = Pixel(530, 330);
    e = Pixel(530, 430);
  });
  RunFrames(kPlay + 2);
  EXPECT_EQ(a, red);
  EXPECT_EQ(b, green);
  EXPECT_EQ(c, blue);
  EXPECT_EQ(d, red);
  EXPECT_EQ(e, grey);
}

}  // namespace
