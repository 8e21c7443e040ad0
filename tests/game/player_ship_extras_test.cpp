#include "game/assets.h"
#include "game/scenes.h"
#include "player/ship.h"
#include "tests/game/player_fixture.h"

namespace {

using ShipExtrasTest = PlayerTest;

// The fly-in, the sight and the explosion sound have no caller in the game.
TEST_F(ShipExtrasTest, FlyInSightAndExplosionSound) {
  int handOverCall = -1, doneCall = -1, sightX = 0, sightY = 0, deadSightX = 0, plays = -1;
  ShipEntryState parked{};
  At(kPlay, [&] {
    gFrameScale = 0.02f;  // the picture rises 3.2 pixels a call, 11.2 from the 180th
    gShipType = 1;
    gShipEntry[0] = ShipEntryState{0, 0, -500.0f, 500.0f};
    for (int call = 1; call <= 300 && doneCall < 0; ++call) {
      ShipEntry();
      if (handOverCall < 0 && gPlayerX == 290.0f && gPlayerY == 210.0f) handOverCall = call;
      if (gShipEntry[0].done) doneCall = call;
    }
    parked = gShipEntry[0];
    gPlayerX = 200.7f;
    gPlayerY = 300.2f;
    DrawSight();
    sightX = gSightX, sightY = gSightY;
    gPlayerAlive = 0;
    gPlayerX = 10.0f;
    DrawSight();  // only around a live ship
    deadSightX = gSightX;
    gPlayerAlive = 1;
    PlaysOf(gSndBom);
    PlayExplosionSound(0);
    plays = PlaysOf(gSndBom);
  });
  RunFrames(kPlay + 1);
  EXPECT_EQ(handOverCall, 145);  // y 48: below 50
  EXPECT_EQ(doneCall, 208);      // y -385.6: below -380
  EXPECT_EQ(parked.counter, 0);
  EXPECT_EQ(parked.x, -500.0f);
  EXPECT_EQ(parked.y, -500.0f);
  EXPECT_EQ(sightX, 80);
  EXPECT_EQ(sightY, 30);
  EXPECT_EQ(deadSightX, 80);
  EXPECT_EQ(plays, 1);
}

}  // namespace
