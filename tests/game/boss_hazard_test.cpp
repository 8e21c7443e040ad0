#include <vector>

#include "bosses/hazard_kinds.h"
#include "bosses/hazards.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

void ResetAllHazards() {
  for (int k = 0; k < static_cast<int>(HazardKindId::Count); ++k) {
    const HazardKindId id = static_cast<HazardKindId>(k);
    for (int r = 0; r < Hazard(id).rowCount; ++r) ResetHazardRow(id, r);
  }
}

class HazardTest : public AttackTest {
 protected:
  void SetUp() override {
    AttackTest::SetUp();
    ResetAllHazards();
    gDifficulty = 1;
    gDifficultyExtra = 0;
    gBombStock = 0;  // contacts cost exactly their points
  }
};

TEST_F(HazardTest, TickStartsSlotNOnCount4NAndNeverSlot0) {
  gBoss1.x = 100.0f, gBoss1.y = 50.0f;
  std::vector<int> startedOn(kHazardSlots, 0);
  for (int call = 1; call <= 48 * 3; ++call) {
    TickBoss1Hazard1();
    for (int n = 0; n < kHazardSlots; ++n)
      if (gBoss1Hazard1A[n].active && !startedOn[n]) startedOn[n] = call;
    if (call == 48) {
      EXPECT_EQ(gBoss1Hazard1Counter, 0);
    }
  }
  EXPECT_EQ(startedOn[0], 0);
  for (int n = 1; n < kHazardSlots; ++n) EXPECT_EQ(startedOn[n], 4 * n) << n;
  for (HazardSlot* row : {gBoss1Hazard1A, gBoss1Hazard1B, gBoss1Hazard1C})
    EXPECT_EQ(row[0].active, 0);
}

TEST_F(HazardTest, FireStartsOnlyTheIdleRowsFromTheTruncatedBoss) {
  gBoss3.x = -10.7f, gBoss3.y = 40.9f;     // truncated to (-10, 40)
  gBoss3Hazard1B[5] = {0, 1, 2, 3, 7, 1};  // still live in the upper row
  gBoss3Hazard1A[5].dy = 99;               // the middle row never writes its drift
  FireBoss3Hazard1(5);
  const HazardSlot& a = gBoss3Hazard1A[5];
  EXPECT_TRUE(a.active == 1 && a.x == 160 && a.y == 160 && a.speed == 20 && a.dy == 99);
  EXPECT_TRUE(gBoss3Hazard1B[5].x == 1 && gBoss3Hazard1B[5].dy == 7);  // left untouched
  EXPECT_TRUE(gBoss3Hazard1C[5].y == 190 && gBoss3Hazard1C[5].dy == -9);
  // A path block starts at boss + (130, offset) with its clock at 0.
  gBoss1.x = 3.5f, gBoss1.y = -0.5f;
  gBoss1Hazard4[2].pathClock = 77.0f;
  FireBoss1Hazard4(2);
  EXPECT_TRUE(gBoss1Hazard4[2].x == 133 && gBoss1Hazard4[2].y == 210);
  EXPECT_EQ(gBoss1Hazard4[2].pathClock, 0.0f);
  FireBoss1Hazard4(13);  // outside the table: nothing
  FireBoss1Hazard4(-1);
}

TEST_F(HazardTest, StraightBlocksStepWholePixelsAndGoIdleInPlacePastMinus59) {
  gFrameScale = 0.5f;  // ignored by the straight kinds
  gBoss2Hazard4A[1] = {0, 300, 100, 20, 50, 1};
  gBoss2Hazard4B[1] = {0, 300, 70, 20, 4, 1};
  gBoss2Hazard4C[1] = {0, -39, 130, 20, -4, 1};  // to -59: stays
  gBoss2Hazard4C[2] = {0, -40, 130, 20, -4, 1};  // to -60: idle where it is
  gBoss2Hazard1[0] = {0, 300, 100, 20, 6, 1};    // the first stream of boss 2 never drifts
  gBoss2Hazard2[0] = {0, 300, 100, 20, -4, 1};
  MoveBoss2Hazard4();
  MoveBoss2Hazard1();
  MoveBoss2Hazard2();
  EXPECT_TRUE(gBoss2Hazard4A[1].x == 280 && gBoss2Hazard4A[1].y == 100);
  EXPECT_EQ(gBoss2Hazard4B[1].y, 74);
  EXPECT_TRUE(gBoss2Hazard4C[1].active == 1 && gBoss2Hazard4C[1].x == -59);
  const HazardSlot& idle = gBoss2Hazard4C[2];
  EXPECT_TRUE(idle.active == 0 && idle.x == -60 && idle.y == 126);
  EXPECT_EQ(gBoss2Hazard1[0].y, 100);
  EXPECT_EQ(gBoss2Hazard2[0].y, 96);
}

TEST_F(HazardTest, OuterRowsCrossTheMiddleRowAfterThirtyOverDriftFrames) {
  gBoss1.x = 400.0f;
  FireBoss1Hazard1(1);
  std::vector<int> gaps;  // upper row's height minus the middle's after each frame
  for (int f = 0; f < 9; ++f) {
    MoveBoss1Hazard1();
    gaps.push_back(gBoss1Hazard1B[1].y - gBoss1Hazard1A[1].y);
  }
  EXPECT_EQ(gaps, (std::vector<int>{-26, -22, -18, -14, -10, -6, -2, 2, 6}));
  EXPECT_EQ(gBoss1Hazard1C[1].y - gBoss1Hazard1A[1].y, -6);
}

TEST_F(HazardTest, AContactCosts2000OnceAndTheBlockFliesOnThroughBombsAndHits) {
  gPlayerX = 300.9f, gPlayerY = 200.9f;  // truncated to (300, 200)
  gBombActive = 1;
  gScore = 5000;
  // Both blocks land in the box this frame: x 310 and 340, y 140 and 250.
  gBoss3Hazard2A[3] = {0, 330, 140, 20, 0, 1};
  gBoss3Hazard2B[3] = {0, 360, 246, 20, 4, 1};
  MoveBoss3Hazard2();
  EXPECT_TRUE(gPlayerAlive == 0 && gScore == 3000);
  EXPECT_TRUE(gBoss3Hazard2A[3].active == 1 && gBoss3Hazard2B[3].active == 1);
  MoveBoss3Hazard2();  // the ship is away: nothing more to pay
  EXPECT_EQ(gScore, 3000);
  // Box bounds are inclusive: x from +10 to +40, y from -60 to +50.
  struct Case {
    int32_t rx, ry;
    bool hits;
  };
  for (const Case c : {Case{10, -60, true}, Case{40, 50, true}, Case{9, 0, false},
                       Case{41, 0, false}, Case{20, -61, false}, Case{20, 51, false}}) {
    ResetAllHazards();
    gPlayerAlive = 1;
    gBoss3Hazard3C[0] = {0, 300 + c.rx + 20, 200 + c.ry + 4, 20, -4, 1};
    MoveBoss3Hazard3();
    EXPECT_EQ(gPlayerAlive, c.hits ? 0 : 1) << c.rx << "," << c.ry;
  }
}

TEST_F(HazardTest, ThePathClockRestartsAt251WithOrWithoutTheLastStep) {
  gFrameScale = 1.0f / 110.0f;  // one clock unit per frame
  gBoss1Hazard2[0] = {250.0f, 300, 100, 10, 0, 1};
  MoveBoss1Hazard2();  // clock 251: the last window's step, then 0
  EXPECT_EQ(gBoss1Hazard2[0].pathClock, 0.0f);
  EXPECT_TRUE(gBoss1Hazard2[0].x == 290 && gBoss1Hazard2[0].y == 110);
  gBoss1Hazard2[1] = {250.0f, 300, 100, 10, 0, 1};
  gFrameScale = 3.0f / 110.0f;  // clock 253: past the profile
  MoveBoss1Hazard2();
  EXPECT_EQ(gBoss1Hazard2[1].pathClock, 0.0f);
  EXPECT_EQ(gBoss1Hazard2[1].x, 300);
}

}  // namespace
