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

TEST_F(CrosserWeaponTest, EveryStartRewritesTheWholeVolleysSpeedsButLeavesFlyingBulletsInPlace) {
  gGunner80L[0].x = 100.0f;
  gGunner80L[0].y = 40.0f;
  gGunner80LShot1[2].alive = 1;
  gGunner80LShot1[2].x = 7.0f;
  gGunner80LShot1[2].speed = 5.0f;
  FireGunner80LShot1(0);
  EXPECT_EQ(gGunner80LShot1[2].x, 7.0f);
  EXPECT_EQ(gGunner80LShot1[2].speed, 200.0f);
  EXPECT_EQ(gGunner80LShot1[3].x, 130.0f);
  // With no bullet free nothing is written.
  gGunner80LShot1[2].speed = 5.0f;
  FireGunner80LShot1(0);
  EXPECT_EQ(gGunner80LShot1[2].speed, 5.0f);
}

// One volley bullet standing at (x, y).
void StillShot(float x, float y) {
  AimedShotRecord& s = gDiver80LShot1[0];
  s.alive = 1;
  s.x = x;
  s.y = y;
  s.speed = 0.0f;
}

TEST_F(CrosserWeaponTest, VolleyBulletsStayLeftOf540AndTheirSizeBeyondTheLeftAndTopEdges) {
  const float kept[][2] = {{540.0f, 10.0f}, {-20.0f, 10.0f}, {10.0f, -20.0f}, {10.0f, 480.0f}};
  for (const auto& p : kept) {
    StillShot(p[0], p[1]);
    MoveDiver80LShot1(0);
    EXPECT_EQ(gDiver80LShot1[0].alive, 1) << p[0] << ", " << p[1];
  }
  const float freed[][2] = {{540.5f, 10.0f}, {-20.5f, 10.0f}, {10.0f, -20.5f}, {10.0f, 480.5f}};
  for (const auto& p : freed) {
    StillShot(p[0], p[1]);
    MoveDiver80LShot1(0);
    EXPECT_EQ(gDiver80LShot1[0].alive, 0) << p[0] << ", " << p[1];
    EXPECT_EQ(gDiver80LShot1[0].x, -500.0f);
  }
  StillShot(100.0f, 100.0f);
  gBombActive = 1;
  MoveDiver80LShot1(0);
  EXPECT_EQ(gDiver80LShot1[0].alive, 0);
}

using DiverTest = EnemyTest;

// A live slot at (x, y) with the given speeds and every other word 0.
template <typename Record>
void Live(Record& r, float x, float y, float vx = 0.0f, float vy = 0.0f) {
  r = Record{};
  r.x = x;
  r.y = y;
  r.vx = vx;
  r.vy = vy;
  r.alive = 1;
}

TEST_F(DiverTest, AFreedSlotsMarkerStaysLockedOnlyBetweenX30And540WhateverItsY) {
  const int xs[] = {30, 540, 29};
  for (int i = 0; i < 3; ++i) gDiver80LMarkers[i] = {xs[i], 2000, 1, 0};
  MoveDiver80L(0);  // every slot is free: the marker rule runs on each frame
  EXPECT_EQ(gDiver80LMarkers[0].locked, 1);
  EXPECT_EQ(gDiver80LMarkers[0].y, 2000);
  EXPECT_EQ(gDiver80LMarkers[1].locked, 1);
  EXPECT_EQ(gDiver80LMarkers[2].locked, 0);
  EXPECT_EQ(gDiver80LMarkers[2].x, -500);
  gDiver80RMarkers[1] = {541, 100, 1, 0};
  MoveDiver80R(0);
  EXPECT_EQ(gDiver80RMarkers[1].locked, 0);
  gDiver80RMarkers[0] = {541, 100, 1, 0};
  Live(gDiver80R[0], 300, 100);
  MoveDiver80R(0);  // alive and inside: the marker is left alone
  EXPECT_EQ(gDiver80RMarkers[0].locked, 1);
}

}  // namespace
