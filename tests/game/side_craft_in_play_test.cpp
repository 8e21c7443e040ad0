// A side craft inside a running stage: a falling fan bullet that meets the
// ship costs a life through the player's own death and keeps falling.
#include "enemies/zak51_side.h"
#include "game/assets.h"
#include "tests/game/player_fixture.h"

namespace {

using CraftInPlayTest = PlayerTest;

TEST_F(CraftInPlayTest, AFanBulletFallingOntoTheShipCostsALifeAndFallsOn) {
  int livesBefore = 0, hitFrame = 0;
  float shipX = 0, shipY = 0;
  At(kPlay, [&] {
    livesBefore = gLives;
    shipX = gPlayerX;
    shipY = gPlayerY;
    // A craft whose straight-down stream leaves 20 pixels right of the ship's
    // corner and 100 pixels above it.
    gZak51L[0] = {0, 0, 0, shipX + 20 - 112, shipY - 100 - 50, 0, 0, 0, 1, 0};
    FireZak51LStream1(0);
  });
  Every([&](int f) {
    if (f <= kPlay) return;
    MoveZak51LStream1(0);
    if (!gPlayerAlive && !hitFrame) hitFrame = f;
  });
  RunFrames(kPlay + 400);
  EXPECT_GT(hitFrame, kPlay);
  EXPECT_LT(gLives, livesBefore);
  EXPECT_EQ(gZak51LStream1[0].alive, 0);  // fell past the bottom after the hit
  EXPECT_EQ(gZak51LStream1[0].y, 500.0f);
}

}  // namespace
