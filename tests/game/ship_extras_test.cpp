// The ship's operations that play never calls: the entry fly-in of either
// ship type, the lock-on sight, the explosion sound, and ship type 2's shots.
#include <vector>

#include "game/assets.h"
#include "game/game_state.h"
#include "game/scenes.h"
#include "player/ship.h"
#include "player/shots.h"
#include "tests/game/boss_test_helpers.h"

namespace {

using ShipExtrasTest = PlayerTest;

// Ten calls at the bottom, then up 160 px/s and from the 180th call 400 more;
// the ship is placed once the picture is above y 50 and the flight ends above -380.
TEST_F(ShipExtrasTest, TheEntryFliesEitherTypesPictureUpAndHandsOverTheShip) {
  At(kPlay, [] {
    for (int type : {1, 2}) {
      SCOPED_TRACE(type);
      gShipEntry[0] = gShipEntry[1] = ShipEntryState{0, 0, -500.0f, 500.0f};
      gShipType = type;
      gFrameScale = 0.125f;  // 20 px a call
      gPlayerX = gPlayerY = 7.0f;
      const ShipEntryState& e = gShipEntry[type - 1];
      for (int call = 1; call <= 10; ++call) ShipEntry();
      EXPECT_TRUE(e.x == (type == 1 ? 100.0f : 80.0f) && e.y == 480.0f && e.counter == 10);
      for (int call = 11; call <= 31; ++call) ShipEntry();
      EXPECT_EQ(e.y, 60.0f);
      EXPECT_EQ(gPlayerX, 7.0f);
      ShipEntry();  // call 32: y 40
      EXPECT_TRUE(gPlayerX == 290.0f && gPlayerY == 210.0f);
      for (int call = 33; call <= 53; ++call) ShipEntry();
      EXPECT_EQ(e.y, -380.0f);  // not yet above the end
      EXPECT_EQ(e.done, 0);
      ShipEntry();
      EXPECT_TRUE(e.done == 1 && e.counter == 0 && e.x == -500.0f && e.y == -500.0f);
      ShipEntry();  // a finished flight stays where it is
      EXPECT_TRUE(e.counter == 0 && e.y == -500.0f);
      const ShipEntryState& other = gShipEntry[2 - type];
      EXPECT_TRUE(other.counter == 0 && other.x == -500.0f && other.y == 500.0f);
    }
    // The boost: from the 180th call the picture climbs 20 + 50 px a call.
    gShipType = 1;
    gShipEntry[0] = ShipEntryState{178, 0, 100.0f, 5000.0f};
    ShipEntry();
    EXPECT_EQ(gShipEntry[0].y, 4980.0f);
    ShipEntry();
    EXPECT_EQ(gShipEntry[0].y, 4910.0f);
  });
  RunFrames(kPlay + 1);
}

TEST_F(ShipExtrasTest, TheSightFollowsALiveShipOfEitherTypeAndTheSoundIsTheBomb) {
  int plays = -1;
  At(kPlay, [&] {
    gPlayerX = 300.7f, gPlayerY = 400.2f;
    for (int type : {1, 2}) {
      gSightX = gSightY = 0;
      gShipType = type;
      gPlayerAlive = 1;
      DrawSight();
      EXPECT_TRUE(gSightX == 180 && gSightY == 130) << type;
    }
    gSightX = gSightY = 0;
    gPlayerAlive = 0;
    DrawSight();
    gPlayerAlive = 1;
    gShipType = 3;
    DrawSight();
    EXPECT_TRUE(gSightX == 0 && gSightY == 0);
    gShipType = 1;
    PlaysOf(gSndBom);
    PlayExplosionSound(5);
    plays = PlaysOf(gSndBom);
  });
  RunFrames(kPlay + 1);
  EXPECT_EQ(plays, 1);
}

// Ship type 2 starts its main shot upwards from above the ship, with the side
// and outer pairs when those powers are on, and only into free slots.
TEST_F(ShipExtrasTest, TypeTwoFiresUpwardsWithItsSideAndOuterPairs) {
  At(kPlay, [&] {
    for (PlayerShot* family :
         {gShotBMain, gShotBLeft, gShotBRight, gShotBLeftOuter, gShotBRightOuter})
      for (int s = 0; s < kShotSlots; ++s) family[s] = PlayerShot{};
    gPlayerX = 300.7f, gPlayerY = 200.2f;
    gSideShots = gOuterShots = 0;
    gShotFlash = 0;
    PlaysOf(gSndShot);
    FireShotB(3);
    EXPECT_TRUE(gShotBMain[3].active && gShotBMain[3].x == 270 && gShotBMain[3].y == 162);
    EXPECT_TRUE(gShotBMain[3].dx == 0 && gShotBMain[3].dy == 20);
    EXPECT_TRUE(!gShotBLeft[3].active && !gShotBRight[3].active && !gShotBLeftOuter[3].active);
    EXPECT_EQ(gShotFlash, 1);
    EXPECT_EQ(PlaysOf(gSndShot), 1);
    gSideShots = gOuterShots = 1;
    FireShotB(3);  // the main slot still flies: silent, but the pairs start
    EXPECT_EQ(PlaysOf(gSndShot), 0);
    const PlayerShot left = gShotBLeft[3], right = gShotBRight[3];
    EXPECT_TRUE(left.active && left.x == 270 && left.y == 162 && left.dx == 6 && left.dy == 20);
    EXPECT_TRUE(right.active && right.x == 330 && right.y == 162 && right.dx == 6);
    const PlayerShot lo = gShotBLeftOuter[3], ro = gShotBRightOuter[3];
    EXPECT_TRUE(lo.active && lo.x == 270 && lo.dx == 10 && lo.dy == 20);
    EXPECT_TRUE(ro.active && ro.x == 330 && ro.y == 162 && ro.dx == 10);
    for (int s = 0; s < kShotSlots; ++s) EXPECT_EQ(gShotBMain[s].active, s == 3 ? 1 : 0) << s;
  });
  RunFrames(kPlay + 1);
}

// Ship type 2 draws its muzzle flash once after a fire call, then the live
// shots of its three families, each at a place of its own; the free slots,
// all at (0, 0), draw nothing.
TEST_F(ShipExtrasTest, TypeTwoDrawsTheFlashOnceAndItsLiveShots) {
  At(kPlay, [] {
    const PaintedObjectZero painted;  // the flash and the type-2 shots draw it
    for (PlayerShot* family : {gShotBMain, gShotBLeft, gShotBRight})
      for (int s = 0; s < kShotSlots; ++s) family[s] = PlayerShot{};
    gShipType = 2;
    gPlayerX = 300.7f, gPlayerY = 300.2f;
    gShotBMain[4] = PlayerShot{100, 50, 0, 20, 1};
    gShotBRight[7] = PlayerShot{400, 50, 6, 20, 1};
    gShotBLeft[2] = PlayerShot{200, 350, 6, 20, 1};
    const auto shown = [](int x0, int y0, int w, int h) {
      int n = 0;
      for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
          n += gBackSurface->Row(y)[x] == PaintedObjectZero::kColour;
      return n;
    };
    for (int flash : {1, 0}) {
      std::fill(gBackSurface->pixels.begin(), gBackSurface->pixels.end(), uint16_t{0});
      gShotFlash = flash;
      DrawPlayerShots();
      EXPECT_EQ(shown(295, 285, 70, 36), flash ? 70 * 36 : 0);  // at the ship - (5, 15)
      EXPECT_EQ(shown(100, 50, 120, 60), 120 * 60);
      EXPECT_EQ(shown(400, 50, 60, 60), 60 * 60);
      EXPECT_EQ(shown(200, 350, 60, 60), 60 * 60);
      EXPECT_EQ(shown(0, 0, 640, 480), (flash ? 70 * 36 : 0) + 120 * 60 + 2 * 60 * 60);
      EXPECT_EQ(gShotFlash, 0);
    }
    gShipType = 1;
  });
  RunFrames(kPlay + 1);
}

}  // namespace
