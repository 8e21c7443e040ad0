// The homing missiles of the boss parts: launch points and speeds of both
// sets, the strike with its hit reaction, score and hit-point loss, the bolt
// of set A and the invisible set B.
#include "bosses/boss_bodies.h"
#include "bosses/late_boss_bodies.h"
#include "homing/boss_homing.h"
#include "homing/boss_markers.h"
#include "tests/game/homing_fixture.h"

namespace {

struct BossSet {
  const char* name;
  HomingMissile* missiles;
  TargetMarker* markers;
  int count;
  void (*launch)(), (*update)(), (*draw)();
  BossState* boss;
  float hpRate;
  bool setA, launchVector;
};

// clang-format off
#define SET(N, S, count, rate, a, vector)                                                     \
  {"Boss" #N #S, gHomingBoss##N##S, gBoss##N##Markers##S, count, LaunchHomingBoss##N##S,      \
   UpdateHomingBoss##N##S, DrawHomingBoss##N##S, &gBoss##N, rate, a, vector}
// clang-format on
const BossSet kSets[] = {
    SET(1, A, 3, 100, true, false), SET(1, B, 3, 100, false, true),
    SET(2, A, 3, 150, true, false), SET(2, B, 3, 150, false, false),
    SET(3, A, 5, 150, true, false), SET(3, B, 5, 150, false, false),
    SET(4, A, 3, 150, true, false), SET(4, B, 3, 150, false, false),
    SET(5, A, 5, 150, true, false), SET(5, B, 5, 150, false, false),
    SET(6, A, 9, 150, true, false), SET(6, B, 9, 150, false, false),
    SET(7, A, 5, 150, true, false), SET(7, B, 5, 150, false, false),
    SET(8, A, 5, 150, true, false), SET(8, B, 5, 150, false, false),
};
#undef SET

using HomingBossTest = HomingTest;

TEST_F(HomingBossTest, EverySetLaunchesOneMissilePerLockedOnScreenPart) {
  gPlayerX = 200.5f;
  gPlayerY = 300.25f;
  for (const BossSet& k : kSets) {
    SCOPED_TRACE(k.name);
    Lock(k.markers[0], 0, 100);  // the edges are off screen
    Lock(k.markers[1], 540, 100);
    Lock(k.markers[2], 100, 480);
    k.launch();
    for (int i = 0; i < k.count; ++i) EXPECT_TRUE(Parked(k.missiles[i])) << i;
    for (int i = 0; i < k.count; ++i) {
      Lock(k.markers[i], 539, 479);
      k.missiles[i].spreadTimer = 4.5f;
    }
    k.launch();
    for (int i = 0; i < k.count; ++i) {
      const HomingMissile& m = k.missiles[i];
      EXPECT_TRUE(m.active == 1 && m.y == 310.25f && m.speed == 600.0f) << i;
      EXPECT_EQ(m.x, k.setA ? 180.5f : 260.5f);
      EXPECT_EQ(m.launchDx, k.launchVector ? 559.0f - 260.5f : 0.0f);
      EXPECT_EQ(m.launchDy, k.launchVector ? 499.0f - 310.25f : 0.0f);
      EXPECT_EQ(m.spreadTimer, 4.5f);  // never written
    }
  }
}

TEST_F(HomingBossTest, AStrikeHitsTheBossScoresAndCostsHitPointsForThatFrame) {
  for (const BossSet& k : kSets) {
    SCOPED_TRACE(k.name);
    const int part = k.count - 1;
    k.boss->hp = 500.0f;
    k.boss->hit = 0;
    gScore = 0;
    Lock(k.markers[part], 300, 100);
    Hover(k.missiles[part], 310, 130.5f);  // outside the window: no strike
    k.update();
    EXPECT_EQ(k.missiles[part].active, 1);
    k.missiles[part].y = 130.0f;
    k.update();
    EXPECT_TRUE(Parked(k.missiles[part]));
    EXPECT_TRUE(k.markers[part].locked == 0 && k.markers[part].x == -500);
    EXPECT_EQ(k.boss->hit, 1);
    EXPECT_EQ(gScore, 300);
    EXPECT_EQ(k.boss->hp, 500.0f - k.hpRate * kDt);
  }
  // At 60 frames per second boss 1 loses about 1.67 hit points, the others 2.5.
  for (const BossSet& k : kSets)
    EXPECT_NEAR(500.0f - k.boss->hp, k.boss == &gBoss1 ? 1.667f : 2.5f, 0.001f) << k.name;
}

// Set A draws the bolt (its lines are the enemy bolt's); set B, even boss 1's
// with its launch vector, draws nothing and takes no random numbers.
TEST_F(HomingBossTest, SetADrawsABoltAndSetBDrawsNothing) {
  for (const BossSet& k : kSets) {
    SCOPED_TRACE(k.name);
    Lock(k.markers[0], 400, 50);
    k.launch();
    const std::vector<int> r = NextRands(5);
    EXPECT_EQ(Blank(Render(k.draw)), !k.setA);
    EXPECT_EQ(koSystem::Rand(), r[k.setA ? 4 : 0]);
  }
}

TEST_F(HomingBossTest, ASetAMissileFromAShipNearTheLeftEdgeIsLostAtOnce) {
  gPlayerX = 90.0f;  // set A starts at x 70; set B at 150
  Lock(gBoss4MarkersA[0], 70, 300);
  Lock(gBoss4MarkersB[0], 70, 300);
  LaunchHomingBoss4A();
  LaunchHomingBoss4B();
  UpdateHomingBoss4A();
  UpdateHomingBoss4B();
  EXPECT_TRUE(Parked(gHomingBoss4A[0]));
  EXPECT_EQ(gHomingBoss4B[0].active, 1);
  EXPECT_EQ(gBoss4MarkersA[0].locked, 1);
}

}  // namespace
