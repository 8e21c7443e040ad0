// The Diver and Gunner kinds: level crossings and their bounds, the marker
// kept on exit and the fixed-speed volleys.
#include <cmath>

#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "tests/game/enemy_fixture.h"

namespace {

using CrosserWeaponTest = EnemyTest;

TEST_F(CrosserWeaponTest, AVolleyLeavesOneSlotAsAStringOfFixedSpeedsOnOneAimLine) {
  gDiver80L[0].x = 100.0f;
  gDiver80L[0].y = 40.0f;
  gDiver80L[1].x = 200.0f;
  gDiver80L[1].y = 60.0f;
  gPlayerX = 400.0f;
  gPlayerY = 300.0f;
  FireDiver80LShot1(0);
  FireDiver80LShot2(0);
  const double shot1Angle = std::atan((322.0 - 90.0) / (422.0 - 130.0));
  for (int k = 0; k < 4; ++k) {
    const AimedShotRecord& s = gDiver80LShot1[k];
    EXPECT_EQ(s.alive, 1);
    EXPECT_EQ(s.x, 130.0f);  // slot 0 for every bullet
    EXPECT_EQ(s.y, 90.0f);
    EXPECT_EQ(s.originX, 130.0f);
    EXPECT_EQ(s.dx, 292.0f);
    EXPECT_EQ(s.speed, 120.0f + 40.0f * k);
    EXPECT_NEAR(s.angle, shot1Angle, 1e-6);
  }
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(gDiver80LShot2[k].x, 230.0f);  // slot 1
    EXPECT_EQ(gDiver80LShot2[k].y, 110.0f);
    EXPECT_EQ(gDiver80LShot2[k].speed, 120.0f + 40.0f * k);
  }
}

using GunnerTest = EnemyTest;

TEST_F(GunnerTest, GunnersCrossLevelAndLeaveAtTheFarBoundInTheSameMove) {
  gFrameScale = 1.0f;
  gGunner80L[0].alive = gGunner80R[0].alive = 1;
  gGunner80L[0].x = 500.0f;
  gGunner80R[0].x = 50.0f;
  gGunner80L[0].y = gGunner80R[0].y = 120.0f;
  gGunner80L[0].vx = gGunner80R[0].vx = 40.0f;
  gGunner80L[0].vy = gGunner80R[0].vy = 90.0f;
  gGunner80LMarkers[0] = {520, 900, 1, 0};
  MoveGunner80L(0);  // x 540: on the bound
  MoveGunner80R(0);  // x 10: on the bound
  EXPECT_EQ(gGunner80L[0].x, 540.0f);
  EXPECT_EQ(gGunner80L[0].y, 120.0f);  // the fall speed never moves it
  EXPECT_EQ(gGunner80R[0].x, 10.0f);
  EXPECT_EQ(gGunner80R[0].alive, 1);
  gFrameScale = 0.01f;
  MoveGunner80L(0);
  MoveGunner80R(0);
  EXPECT_EQ(gGunner80L[0].alive, 0);
  EXPECT_EQ(gGunner80L[0].x, -500.0f);
  EXPECT_EQ(gGunner80R[0].alive, 0);
  EXPECT_EQ(gGunner80LMarkers[0].locked, 1);  // inside 30 .. 540 at any y
  gGunner80RMarkers[1] = {29, 100, 1, 0};
  MoveGunner80R(0);
  EXPECT_EQ(gGunner80RMarkers[1].locked, 0);
}

}  // namespace
