// The Gunner kinds: entry, the level crossing and its far bound, the marker
// kept on exit, and hits in a running stage.
#include "enemies/gunners.h"

#include "enemies/divers.h"
#include "tests/game/enemy_fixture.h"
#include "tests/game/player_fixture.h"

namespace {

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

namespace {

using CrosserInPlayTest = PlayerTest;

// In a running stage: a hit plays "BOM.WAV" each time, even on an exploding
// slot, and the explosion then runs its 32 frames at the place of the hit.
TEST_F(CrosserInPlayTest, HitsPlayTheExplosionSoundAndTheWreckBurnsWhereItWasHit) {
  int plays = -1;
  float xStopped = 0.0f, xLast = 0.0f;
  At(kPlay, [&] {
    SpawnDiver80L(0);
    SpawnGunner80R(0);
    PlaysOf(gSndBom);
    HitDiver80L(0);
    HitDiver80R(1);  // a free slot: an unseen explosion at the parked place
    HitGunner80R(2);
    HitGunner80R(2);
    plays = PlaysOf(gSndBom);
  });
  Every([&](int f) {
    if (f <= kPlay || f > kPlay + 32) return;
    MoveDiver80L(0);
    DrawDiver80L(0);
    if (f == kPlay + 1) xStopped = gDiver80L[0].x;
    if (f == kPlay + 31) xLast = gDiver80L[0].x;
  });
  RunFrames(kPlay + 34);
  EXPECT_EQ(plays, 4);
  EXPECT_EQ(gDiver80L[0].alive, 0);  // 32 draws: over
  EXPECT_EQ(gDiver80L[1].alive, 1);
  EXPECT_GE(xStopped, 10.0f);
  EXPECT_EQ(xLast, xStopped);  // the first explosion frame stopped it
  EXPECT_EQ(gDiver80R[1].dying, 1);
  EXPECT_EQ(gGunner80R[2].dying, 1);
}

}  // namespace
