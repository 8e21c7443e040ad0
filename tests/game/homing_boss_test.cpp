// The homing missiles of the boss parts: launch points and speeds of both
// sets, the strike with its hit reaction, score and hit-point loss, the
// straight bolt of set A and the invisible set B, and a full flight from the
// lock-on sight to the strike.
#include "bosses/boss_bodies.h"
#include "bosses/late_boss_bodies.h"
#include "homing/boss_homing.h"
#include "homing/boss_markers.h"
#include "homing/lock_on.h"
#include "tests/game/homing_fixture.h"
#include "tests/support/alloc_counter.h"

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

TEST_F(HomingBossTest, IdleFramesLeaveMissilesMarkersScoreAndHitPointsAlone) {
  for (const BossSet& k : kSets) {
    Lock(k.markers[0], 200, 100);
    k.boss->hp = 600.0f;
    k.boss->hit = 0;
  }
  const std::vector<int> rands = NextRands(1);
  const auto frame = [] {
    for (const BossSet& k : kSets) k.draw();
    for (const BossSet& k : kSets) k.update();
  };
  alloc_counter::Start();
  for (int i = 0; i < 3; ++i) frame();
  EXPECT_EQ(alloc_counter::Stop(), 0u);
  EXPECT_TRUE(Blank(Render(frame)));
  EXPECT_EQ(koSystem::Rand(), rands[0]);
  EXPECT_EQ(gScore, 0);
  for (const BossSet& k : kSets) {
    SCOPED_TRACE(k.name);
    EXPECT_TRUE(homing::MissilesAtStart({k.missiles, static_cast<size_t>(k.count)}));
    EXPECT_EQ(k.markers[0].locked, 1);
    EXPECT_EQ(k.boss->hit, 0);
    EXPECT_EQ(k.boss->hp, 600.0f);
  }
}

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
      EXPECT_EQ(m.active, 1) << i;
      EXPECT_EQ(m.x, k.setA ? 180.5f : 260.5f);
      EXPECT_EQ(m.y, 310.25f);
      EXPECT_EQ(m.speed, 600.0f);
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
    EXPECT_EQ(k.markers[part].locked, 0);
    EXPECT_EQ(k.markers[part].x, -500);
    EXPECT_EQ(k.boss->hit, 1);
    EXPECT_EQ(gScore, 300);
    EXPECT_EQ(k.boss->hp, 500.0f - k.hpRate * kDt);
  }
  // At 60 frames per second boss 1 loses about 1.67 hit points, the others 2.5.
  EXPECT_NEAR(500.0f - gBoss1.hp, 1.667f, 0.001f);
  EXPECT_NEAR(500.0f - gBoss2.hp, 2.5f, 0.001f);
}

TEST_F(HomingBossTest, SetADrawsAStraightBoltAndSetBDrawsNothing) {
  gPlayerX = 100.0f;
  gPlayerY = 300.0f;
  for (const BossSet& k : kSets) {
    SCOPED_TRACE(k.name);
    Lock(k.markers[0], 400, 50);
    k.launch();
    ASSERT_EQ(k.missiles[0].active, 1);
    const std::vector<int> r = NextRands(5);
    const auto drawn = Render(k.draw);
    if (!k.setA) {
      EXPECT_TRUE(Blank(drawn));  // boss 1's set B too, with its launch vector
      EXPECT_EQ(koSystem::Rand(), r[0]);
      continue;
    }
    EXPECT_EQ(koSystem::Rand(), r[4]);
    const auto expected = Render([&] {
      const int sx = 127 + r[0] % 5 - r[1] % 5;
      const uint32_t green = 256u * static_cast<uint32_t>(155 - r[2] % 100);
      const uint32_t blue = 65536u * static_cast<uint32_t>(255 - r[3] % 100);
      int width = 7;
      for (int i = 0; i < 6; ++i, width = std::max(width - 1, 2))
        koDraw::DrawLine(sx, 340, sx, 340, green + (i == 0 ? 65536u * 255 : blue), width);
      koDraw::DrawLine(sx, 340, 429, 79, green + blue, 2);
    });
    EXPECT_TRUE(drawn == expected);
  }
}

TEST_F(HomingBossTest, MissilesFromTheSightStrikeBoss1ThreeTimesAtOnePoint) {
  gBoss1 = {100, 0, 0, 620, 0, 0, 0};
  gPlayerX = 200.0f;
  gPlayerY = 400.0f;
  gSightX = 200;  // centre (350, 250) inside boss 1's box
  gSightY = 130;
  TestLockSightBosses();
  for (const TargetMarker& m : gBoss1MarkersA) EXPECT_EQ(m.x, 290);
  LaunchHomingBoss1A();
  LaunchHomingBoss1B();
  int frames = 0;
  for (; frames < 120 && gScore < 1800; ++frames) {
    DrawHomingBoss1A();
    DrawHomingBoss1B();
    UpdateHomingBoss1A();
    UpdateHomingBoss1B();
  }
  EXPECT_EQ(gScore, 1800);  // six strikes of 300
  EXPECT_FLOAT_EQ(gBoss1.hp, 620.0f - 6 * 100.0f * kDt);
  EXPECT_EQ(gBoss1.hit, 1);
  EXPECT_GT(frames, 10);
  for (const TargetMarker& m : gBoss1MarkersB) EXPECT_EQ(m.locked, 0);
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
