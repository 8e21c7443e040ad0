// The weapons' own quirks: the B kinds' spare draw, the falling streams'
// fall speed per bullet and the bomb flag, and Zak9's clusters.
#include "enemies/template_kinds.h"
#include "tests/game/enemy_fixture.h"

namespace {

using WeaponTest = EnemyTest;

float R(int v) { return static_cast<float>(v); }

TEST_F(WeaponTest, TheBKindsShotsLeaveTheirMuzzleAfterOneSpareDrawAndTheSpeed) {
  gZak2B[0].x = 100.0f;
  gZak2B[0].y = 50.0f;
  const std::vector<int> r = NextRands(2);
  FireZak2BShot(0);
  const AimedShotRecord& s = gZak2BShot[0];
  EXPECT_EQ(s.x, 120.0f);
  EXPECT_EQ(s.y, 67.0f);
  EXPECT_EQ(s.spare1, 0.0f);
  EXPECT_EQ(s.spare2, R(r[0] % 70 + 140));
  EXPECT_EQ(s.speed, R(r[1] % 100 + 100));
  EXPECT_EQ(s.dx, 322.0f - 120.0f);
  EXPECT_EQ(gZak2BShot[2].alive, 1);
}

TEST_F(WeaponTest, FallingStreamsLeaveByTheBottomAndOnlySomeUnderABomb) {
  struct Case {
    void (*move)(int);
    ShotRecord* shots;
    bool bombClears;
  };
  const Case cases[] = {{MoveZak9Stream1, gZak9Stream1, true},
                        {MoveConvoy90Stream4, gConvoy90Stream4, false}};
  gFrameScale = 0.0f;
  for (const Case& c : cases) {
    c.shots[0] = {0, 0, 100.0f, 480.0f, 0, 0, 0, 1};
    c.shots[2] = {0, 0, 100.0f, 480.5f, 0, 0, 0, 1};
    c.move(0);
    EXPECT_EQ(c.shots[0].alive, 1);
    EXPECT_EQ(c.shots[2].alive, 0);
    gBombActive = 1;
    c.move(0);
    gBombActive = 0;
    EXPECT_EQ(c.shots[0].alive, c.bombClears ? 0 : 1);
  }
}

TEST_F(WeaponTest, AClusterStartsFiveBulletsOnOnePointThatFallAtFiveSpeeds) {
  gZak9[1] = {0, 0, 0, 100.0f, 50.0f, 0.0f, 0.0f, 0, 1, 0};
  FireZak9Cluster1(0, 0);
  gPlayerAlive = 0;
  gFrameScale = 1.0f;
  MoveZak9Cluster1(0, 0);
  for (int j = 0; j < 5; ++j) {
    EXPECT_EQ(gZak9Cluster1[1].shots[j].x, 130.0f);
    EXPECT_EQ(gZak9Cluster1[1].shots[j].y, 120.0f + 140.0f + 20.0f * j);
    EXPECT_EQ(gZak9Cluster1[0].shots[j].alive, 0);  // from the parked slot: removed
  }
  // Bullets 0 and 1 still falling: only 2, 3 and 4 start again.
  gFrameScale = 0.0f;
  for (int j = 2; j < 5; ++j) gZak9Cluster1[1].shots[j].alive = 0;
  FireZak9Cluster1(0, 0);
  EXPECT_EQ(gZak9Cluster1[1].shots[0].y, 260.0f);
  EXPECT_EQ(gZak9Cluster1[1].shots[2].y, 120.0f);
  EXPECT_EQ(gZak9Cluster1[1].shots[4].vy, 220.0f);
}

}  // namespace
