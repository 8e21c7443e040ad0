// The weapons' own values: the B kinds' aimed shots, the falling streams of
// Zak9, Strafer3, Strafer5 and Convoy90, Zak9's clusters, and what the reset
// gives each bullet table.
#include "enemies/template_kinds.h"
#include "tests/game/enemy_fixture.h"

namespace {

using WeaponTest = EnemyTest;

float R(int v) { return static_cast<float>(v); }

TEST_F(WeaponTest, TheBKindsShotsLeaveTheirMuzzleAfterOneSpareDrawAndTheSpeed) {
  struct Case {
    void (*fire)(int);
    ZakRecord* owner;
    AimedShotRecord* shots;
    int mod, add;
  };
  const Case cases[] = {{FireZak1BShot, gZak1B, gZak1BShot, 80, 150},
                        {FireZak2BShot, gZak2B, gZak2BShot, 70, 140},
                        {FireZak3BShot, gZak3B, gZak3BShot, 110, 120}};
  for (const Case& c : cases) {
    c.owner[0].x = 100.0f;
    c.owner[0].y = 50.0f;
    const std::vector<int> r = NextRands(2);
    c.fire(0);
    const AimedShotRecord& s = c.shots[0];
    EXPECT_EQ(s.x, 120.0f);
    EXPECT_EQ(s.y, 67.0f);
    EXPECT_EQ(s.spare1, 0.0f);
    EXPECT_EQ(s.spare2, R(r[0] % c.mod + c.add));
    EXPECT_EQ(s.speed, R(r[1] % 100 + 100));
    EXPECT_EQ(s.dx, 322.0f - 120.0f);
    EXPECT_EQ(c.shots[2].alive, 1);
  }
}

TEST_F(WeaponTest, AZak3BShotStartsRightOfTheScreenAndIsGoneBeforeItIsDrawn) {
  gZak3B[1] = {0, 0, 0, 640.0f, 200.0f, 0.0f, 0.0f, 0, 1, 0};
  gZak3BShot[0].alive = gZak3BShot[2].alive = 1;  // only bullet 1 fires
  FireZak3BShot(0);
  EXPECT_EQ(gZak3BShot[1].x, 660.0f);
  gFrameScale = 1.0f / 60.0f;  // at most 199 pixels per second: still right of 640
  MoveZak3BShot(0);
  EXPECT_EQ(gZak3BShot[1].alive, 0);
}

TEST_F(WeaponTest, TheResetGivesEachAimedTableItsOwnStartAndLeavesTheRestAlone) {
  for (AimedShotRecord* t : {gZak7AShot, gZak7BShot, gZak1BShot, gZak2BShot, gZak3BShot})
    for (int i = 0; i < 3; ++i) t[i] = {23, 9, 1, 2, 3, 4, 5, 6, 7, 8, 9.0f, 10, 11, 1};
  for (const ResetTable& t : ResetTables()) t.reset();
  for (AimedShotRecord* t : {gZak7AShot, gZak7BShot, gZak1BShot, gZak2BShot, gZak3BShot}) {
    EXPECT_EQ(t[0].alive, 0);
    EXPECT_EQ(t[0].x, -500.0f);
    EXPECT_EQ(t[0].spare1 + t[0].spare2, 0.0f);
  }
  EXPECT_LT(gZak7AShot[0].frame, 10);
  EXPECT_LT(gZak1BShot[0].frame, 10);
  EXPECT_EQ(gZak2BShot[1].frame + gZak3BShot[2].frame, 0);
  EXPECT_FLOAT_EQ(gZak7AShot[0].angle, -3.0f * 3.14159265f / 180.0f);
  EXPECT_EQ(gZak7AShot[0].dx + gZak7AShot[0].originY + gZak7AShot[0].speed, 0.0f);
  EXPECT_EQ(gZak7AShot[0].timer, 9);  // not written by this table's reset
  EXPECT_EQ(gZak7BShot[0].timer + gZak7BShot[0].spare3, 0);
  EXPECT_EQ(gZak7BShot[0].speed, 10.0f);
  EXPECT_EQ(gZak1BShot[0].dx, 5.0f);
  EXPECT_EQ(gZak1BShot[0].timer, 9);
}

TEST_F(WeaponTest, Zak9StreamsDrawTheirFallSpeedPerBulletAndDriftWithoutLeavingAtTheSides) {
  gZak9[0] = {0, 0, 0, 600.0f, 100.0f, 0.0f, 0.0f, 0, 1, 0};
  const std::vector<int> r = NextRands(3);
  FireZak9Stream5(0);
  EXPECT_EQ(gZak9Stream5[0].x, 632.0f);
  EXPECT_EQ(gZak9Stream5[0].y, 120.0f);
  EXPECT_EQ(gZak9Stream5[0].vx, 46.0f);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(gZak9Stream5[i].vy, R(r[i] % 50 + 100));
  gPlayerAlive = 0;
  gFrameScale = 1.0f;
  MoveZak9Stream5(0);
  EXPECT_EQ(gZak9Stream5[0].x, 678.0f);  // past the right edge, still falling
  EXPECT_EQ(gZak9Stream5[0].alive, 1);
  EXPECT_EQ(gZak9Stream5[1].alive, 0);  // fired from a free slot's parked place
  // Each drift and its side.
  const float drifts[] = {0, -30, 30, -46, 46};
  void (*fire[])(int) = {FireZak9Stream1, FireZak9Stream2, FireZak9Stream3, FireZak9Stream4};
  void (*move[])(int) = {MoveZak9Stream1, MoveZak9Stream2, MoveZak9Stream3, MoveZak9Stream4};
  ShotRecord* tables[] = {gZak9Stream1, gZak9Stream2, gZak9Stream3, gZak9Stream4};
  for (int k = 0; k < 4; ++k) {
    fire[k](0);
    move[k](0);
    EXPECT_EQ(tables[k][0].x, 632.0f + drifts[k]) << k;
    EXPECT_EQ(tables[k][0].y, 120.0f + tables[k][0].vy) << k;
  }
}

TEST_F(WeaponTest, FallingStreamsLeaveOnlyByTheBottomAndOnlySomeUnderABomb) {
  struct Case {
    void (*move)(int);
    ShotRecord* shots;
    bool bombClears;
  };
  const Case cases[] = {{MoveZak9Stream1, gZak9Stream1, true},
                        {MoveStrafer3Stream2, gStrafer3Stream2, true},
                        {MoveStrafer5Stream5, gStrafer5Stream5, true},
                        {MoveConvoy90Stream4, gConvoy90Stream4, false}};
  gFrameScale = 0.0f;
  for (const Case& c : cases) {
    c.shots[0] = {0, 0, 100.0f, 480.0f, 0, 0, 0, 1};
    c.shots[1] = {0, 0, -900.0f, -16.0f, 0, 0, 0, 1};
    c.shots[2] = {0, 0, 100.0f, 480.5f, 0, 0, 0, 1};
    c.move(0);
    EXPECT_EQ(c.shots[0].alive, 1);
    EXPECT_EQ(c.shots[1].alive, 1);
    EXPECT_EQ(c.shots[2].alive, 0);
    c.shots[1].y = -16.5f;
    gBombActive = 1;
    c.move(0);
    gBombActive = 0;
    EXPECT_EQ(c.shots[1].alive, 0);
    EXPECT_EQ(c.shots[0].alive, c.bombClears ? 0 : 1);
  }
}

TEST_F(WeaponTest, StreamVelocitiesAndMuzzlesOfStrafer3Strafer5AndConvoy90) {
  struct Case {
    void (*fire)(int);
    void (*move)(int);
    ShotRecord* shots;
    float x, y;  // after firing from an enemy at (100, 100) and one second of flight
  };
  gZak9[0].x = gStrafer3[0].x = gStrafer5[0].x = gConvoy90[0].x = 100.0f;
  gZak9[0].y = gStrafer3[0].y = gStrafer5[0].y = gConvoy90[0].y = 100.0f;
  const Case cases[] = {
      {FireStrafer3Stream1, MoveStrafer3Stream1, gStrafer3Stream1, 122, 250},
      {FireStrafer5Stream1, MoveStrafer5Stream1, gStrafer5Stream1, 142, 260},
      {FireStrafer5Stream4, MoveStrafer5Stream4, gStrafer5Stream4, 122, 246},
      {FireConvoy90Stream1, MoveConvoy90Stream1, gConvoy90Stream1, 137, 270},
      {FireConvoy90Stream4, MoveConvoy90Stream4, gConvoy90Stream4, 97, 260},
  };
  gPlayerAlive = 0;
  gFrameScale = 1.0f;
  for (const Case& c : cases) {
    c.fire(0);
    c.move(0);
    EXPECT_EQ(c.shots[0].x, c.x) << c.x << "," << c.y;
    EXPECT_EQ(c.shots[0].y, c.y) << c.x << "," << c.y;
  }
  EXPECT_EQ(gConvoy90Stream1[4].alive, 0);  // five bullets: the fifth fired and removed too
  EXPECT_EQ(gConvoy90Stream1[4].x, -500.0f);
}

TEST_F(WeaponTest, Convoy90sFifthStreamHasATallerShipBox) {
  gConvoy90Stream4[0] = {0, 0, gPlayerX + 14.0f, gPlayerY + 20.0f, 0, 0, 0, 1};
  gConvoy90Stream5[0] = gConvoy90Stream4[0];
  MoveConvoy90Stream4(0);
  EXPECT_EQ(gPlayerAlive, 1);
  MoveConvoy90Stream5(0);
  EXPECT_EQ(gPlayerAlive, 0);
}

TEST_F(WeaponTest, Zak9StreamsAnimateLiveBulletsOnlyAndStrafer5AlsoItsFreeOnes) {
  gZak9Stream2[1] = {15, 0, 10.0f, 20.0f, 0, 0, 0, 1};
  gZak9Stream2[0].frame = gZak9Stream2[2].frame = 3;
  EXPECT_EQ(Render([] { DrawZak9Stream2(0); }),
            Render([] { koDraw::Blit(10, 20, gPicVal2, 240, 0, 256, 16); }));
  EXPECT_EQ(gZak9Stream2[1].frame, 0);
  EXPECT_EQ(gZak9Stream2[0].frame, 3);
  gStrafer5Stream3[0].frame = 15;
  gStrafer5Stream3[1].frame = 4;
  EXPECT_TRUE(Blank(Render([] { DrawStrafer5Stream3(0); })));
  EXPECT_EQ(gStrafer5Stream3[0].frame, 0);
  EXPECT_EQ(gStrafer5Stream3[1].frame, 5);
  gStrafer3Stream1[0] = {4, 0, 10.0f, 20.0f, 0, 0, 0, 1};
  EXPECT_EQ(Render([] { DrawStrafer3Stream1(0); }),
            Render([] { koDraw::Blit(10, 20, gPicVal13, 0, 0, 16, 16); }));
  EXPECT_EQ(gStrafer3Stream1[0].frame, 4);  // static: not stepped
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

TEST_F(WeaponTest, ClustersDriftFromTheirMuzzlesAndLeaveOnlyAtTheBottomOrUnderABomb) {
  struct Case {
    void (*fire)(int, int);
    void (*move)(int, int);
    ClusterRecord* blocks;
    float x, y;  // bullet 0 after one second, fired from an enemy at (0, 0)
  };
  const Case cases[] = {{FireZak9Cluster2, MoveZak9Cluster2, gZak9Cluster2, 22, 207},
                        {FireZak9Cluster3, MoveZak9Cluster3, gZak9Cluster3, 38, 207},
                        {FireZak9Cluster4, MoveZak9Cluster4, gZak9Cluster4, 13, 203},
                        {FireZak9Cluster5, MoveZak9Cluster5, gZak9Cluster5, 47, 203}};
  gZak9[2].x = gZak9[2].y = 0.0f;
  gPlayerAlive = 0;
  for (const Case& c : cases) {
    c.fire(0, 0);
    gFrameScale = 1.0f;
    c.move(0, 0);
    EXPECT_EQ(c.blocks[2].shots[0].x, c.x);
    EXPECT_EQ(c.blocks[2].shots[0].y, c.y);
    gFrameScale = 10.0f;  // far past the left or right edge
    c.blocks[2].shots[0].vy = 0.0f;
    c.move(0, 0);
    EXPECT_EQ(c.blocks[2].shots[0].alive, 1);
    gBombActive = 1;
    c.move(0, 0);
    gBombActive = 0;
    EXPECT_EQ(c.blocks[2].shots[0].alive, 0);
  }
}

TEST_F(WeaponTest, AClusterBulletHitsInItsOwnBoxAndIsDrawnFromTheUnloadedPicture) {
  gZak9Cluster3[0].shots[2] = {0, 0, gPlayerX + 10.0f, gPlayerY + 20.0f, 0, 0, 0, 1};
  gFrameScale = 0.0f;
  MoveZak9Cluster3(0, 0);
  EXPECT_EQ(gPlayerAlive, 0);
  EXPECT_EQ(gZak9Cluster3[0].shots[2].alive, 1);
  gPlayerAlive = 1;
  gZak9Cluster3[0].shots[2].x = gPlayerX + 9.5f;
  MoveZak9Cluster3(0, 0);
  EXPECT_EQ(gPlayerAlive, 1);
  gPicBullet20 = Strip(20, 1);
  EXPECT_EQ(Render([] { DrawZak9Cluster3(0, 0); }),
            Render([] { koDraw::Blit(309, 220, gPicBullet20, 0, 0, 20, 20); }));
}

}  // namespace
