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

// The path kinds' box is their own: x from +10 to +37, y from -44 to +44, each
// edge inclusive. A block whose clock lies between two windows stands still.
TEST_F(HazardTest, ThePathKindsBoxReaches37RightAnd44UpAndDownInclusive) {
  gPlayerX = 300.0f, gPlayerY = 200.0f;
  gFrameScale = 0.0f;
  const struct {
    const char* name;
    HazardSlot* slots;
    void (*move)();
  } kinds[] = {{"Boss1Hazard2", gBoss1Hazard2, MoveBoss1Hazard2},
               {"Boss1Hazard3", gBoss1Hazard3, MoveBoss1Hazard3},
               {"Boss1Hazard4", gBoss1Hazard4, MoveBoss1Hazard4},
               {"Boss1Hazard5", gBoss1Hazard5, MoveBoss1Hazard5}};
  struct Case {
    int32_t rx, ry;
    bool hits;
  };
  for (const auto& k : kinds)
    for (const Case c : {Case{10, -44, true}, Case{37, 44, true}, Case{9, 0, false},
                         Case{38, 0, false}, Case{20, -45, false}, Case{20, 45, false}}) {
      ResetAllHazards();
      gPlayerAlive = 1;
      k.slots[0] = {10.5f, 300 + c.rx, 200 + c.ry, 10, 0, 1};
      k.move();
      ASSERT_TRUE(k.slots[0].x == 300 + c.rx && k.slots[0].y == 200 + c.ry);  // stood still
      EXPECT_EQ(gPlayerAlive, c.hits ? 0 : 1) << k.name << ": " << c.rx << "," << c.ry;
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
  EXPECT_EQ(gBoss2Hazard4A[1].x, 280);
  EXPECT_EQ(gBoss2Hazard4A[1].y, 100);
  EXPECT_EQ(gBoss2Hazard4B[1].y, 74);
  EXPECT_EQ(gBoss2Hazard4C[1].active, 1);
  EXPECT_EQ(gBoss2Hazard4C[1].x, -59);
  EXPECT_EQ(gBoss2Hazard4C[2].active, 0);
  EXPECT_EQ(gBoss2Hazard4C[2].x, -60);
  EXPECT_EQ(gBoss2Hazard4C[2].y, 126);
  EXPECT_EQ(gBoss2Hazard1[0].y, 100);
  EXPECT_EQ(gBoss2Hazard2[0].y, 96);
}

}  // namespace
