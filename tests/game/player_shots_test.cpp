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

TEST_F(ShotTest, Button1FiresOnItsFourthFrameAndTheCountCarriesOverARelease) {
  std::map<int, int> first;
  headless::SetPad(0, 0, true);
  headless::SetPad(kPlay, 0, true, 32767, 32767, 1);
  headless::SetPad(kPlay + 6, 0, true);  // released after six steps
  headless::SetPad(kPlay + 20, 0, true, 32767, 32767, 1);
  Every([&](int f) {
    for (int s = 0; s < kShotSlots; ++s)
      if (f > kPlay && gShotAMain[s].active && !first.count(s)) first[s] = f - 1;
  });
  RunFrames(kPlay + 30);
  EXPECT_EQ(first[1], kPlay + 3);
  EXPECT_EQ(first[2], kPlay + 21);  // steps 7 and 8 after the new press
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

TEST_F(ShotTest, OnlyTheMainShotsStartPlaysTheSoundAndEveryCallRaisesTheFlash) {
  int silent = -1, sounded = -1, flash = -1;
  PlayerShot upper{}, lower{}, main{};
  At(kPlay, [&] {
    gSideShots = 1;
    gPlayerX = -1.5f;  // truncated toward zero: -1
    gPlayerY = 200.9f;
    gShotAMain[5].active = 1;  // a main shot still flying
    PlaysOf(gSndShot);
    FireShotA(5);
    silent = PlaysOf(gSndShot);
    upper = gShotAUpper[5];
    lower = gShotALower[5];
    gShotFlash = 0;
    FireShotA(5);  // starts nothing at all
    flash = gShotFlash;
    FireShotA(6);
    sounded = PlaysOf(gSndShot);
    main = gShotAMain[6];
  });
  RunFrames(kPlay + 1);
  EXPECT_EQ(silent, 0);
  EXPECT_EQ(sounded, 1);
  EXPECT_EQ(flash, 1);
  EXPECT_EQ(upper.active, 1);
  EXPECT_EQ(upper.x, 49);
  EXPECT_EQ(upper.y, 200);
  EXPECT_EQ(upper.dx, 20);
  EXPECT_EQ(upper.dy, 4);
  EXPECT_EQ(lower.x, 49);
  EXPECT_EQ(lower.dy, 4);
  EXPECT_EQ(main.x, 47);
  EXPECT_EQ(main.y, 200);
  EXPECT_EQ(main.dx, 20);
}

TEST_F(ShotTest, ShotsFly20PixelsAFrameAndAreFreedWhereTheyLeaveTheScreen) {
  std::vector<int> mainX, upperY, lowerY, live;
  At(kPlay, [&] {
    gSideShots = 1;
    gPlayerX = 400.0f;
    gPlayerY = 200.0f;
    FireShotA(1);
  });
  Every([&](int f) {
    if (f <= kPlay || f > kPlay + 12) return;
    mainX.push_back(gShotAMain[1].active ? gShotAMain[1].x : -gShotAMain[1].x);
    upperY.push_back(gShotAUpper[1].y);
    lowerY.push_back(gShotALower[1].y);
    live.push_back(gLiveShotsA);
  });
  RunFrames(kPlay + 13);
  // Starts at 448 and moves in its own frame; past 640 it stops where it is, no longer live.
  EXPECT_EQ(mainX,
            (std::vector<int>{468, 488, 508, 528, 548, 568, 588, 608, 628, -648, -648, -648}));
  EXPECT_EQ(upperY[0], 196);
  EXPECT_EQ(upperY[1], 192);
  EXPECT_EQ(lowerY[1], 208);
  // The frame that frees them still counts them.
  EXPECT_EQ(live[8], 3);
  EXPECT_EQ(live[9], 3);
  EXPECT_EQ(live[10], 0);
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

TEST_F(ShotTest, ShipType2FiresUpwardsAndShowsItsFlashOnce) {
  const uint16_t grey = 0x8410;
  PlayerShot mainB{}, left{}, right{}, outer{};
  uint16_t flashPixel = 0, laterPixel = 0;
  int flashAfter = -1;
  At(kPlay, [&] {
    gShipType = 2;
    gSideShots = gOuterShots = 1;
    gPlayerX = 300.0f;
    gPlayerY = 300.0f;
    Surface* scratch = koDraw::ObjectSurface(0);
    std::fill(scratch->pixels.begin(), scratch->pixels.end(), grey);
    FireShotB(3);
  });
  At(kPlay + 1, [&] {
    mainB = gShotBMain[3], left = gShotBLeft[3], right = gShotBRight[3];
    outer = gShotBRightOuter[3];
    flashAfter = gShotFlash;
  });
  At(kPlay + 5, [&] { gShotFlash = 1; });  // the shots have flown clear of the ship by now
  At(kPlay + 6, [&] { flashPixel = Pixel(297, 288); });  // beside the ship, inside the flash
  At(kPlay + 7, [&] { laterPixel = Pixel(297, 288); });
  RunFrames(kPlay + 8);
  EXPECT_EQ(mainB.x, 270);
  EXPECT_EQ(mainB.y, 262 - 22);
  EXPECT_EQ(left.x, 270 - 6);
  EXPECT_EQ(left.y, 262 - 20);
  EXPECT_EQ(right.x, 330 + 6);
  EXPECT_EQ(outer.x, 330);  // started, never moved
  EXPECT_EQ(outer.active, 1);
  EXPECT_EQ(flashAfter, 0);
  EXPECT_EQ(flashPixel, grey);
  EXPECT_NE(laterPixel, grey);
}

}  // namespace
