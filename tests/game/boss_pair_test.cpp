#include <vector>

#include "bosses/boss1_laser.h"
#include "bosses/drops.h"
#include "bosses/late_pairs.h"
#include "bosses/pair_shots.h"
#include "enemies/kind.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

void ResetAllPairs() {
  for (int k = 0; k < static_cast<int>(PairKindId::Count); ++k)
    ResetGroup(PairKind(static_cast<PairKindId>(k)));
  gBoss1LaserAnchored = 0;
}

bool Parked(const PairShotSlot& s) { return s.active == 0 && s.x == kParkX && s.y == kParkY; }

int LiveCount(const PairShotSlot* slots, int n) {
  int live = 0;
  for (int s = 0; s < n; ++s) live += slots[s].active;
  return live;
}

using PairShotTest = AttackTest;

// Both of boss 1's pairs fire their first pair side by side on the tenth
// call; counts 150 and 160 lie past the wrap at 150, so slots 16 to 19 never
// start, over several cycles, while the first eight pairs fire once per cycle.
TEST_F(PairShotTest, PairsFireSideBySideAndTheLastTwoPairsOfTheShortCycleNeverFly) {
  struct Pair {
    PairShotSlot* slots;
    void (*tick)();
  };
  for (const Pair& p :
       {Pair{gBoss1PairShot1, TickBoss1PairShot1}, Pair{gBoss1PairShot2, TickBoss1PairShot2}}) {
    SCOPED_TRACE(p.slots == gBoss1PairShot1 ? 1 : 2);
    ResetAllPairs();
    gBoss1.x = 100.0f, gBoss1.y = 10.0f;
    for (int c = 0; c < 10; ++c) p.tick();
    EXPECT_EQ(LiveCount(p.slots, kPairShotSlots), 2);
    EXPECT_TRUE(p.slots[0].x == 220.0f && p.slots[0].y == 140.0f);
    EXPECT_TRUE(p.slots[1].x == 380.0f && p.slots[1].y == 140.0f);
    std::vector<int> starts(kPairShotSlots, 0);
    for (int c = 0; c < 3 * 150; ++c) {
      for (int s = 0; s < kPairShotSlots; ++s) ParkSlot(p.slots[s]);
      p.tick();
      for (int s = 0; s < kPairShotSlots; ++s) starts[s] += p.slots[s].active;
    }
    for (int s = 0; s < kPairShotSlots; ++s) EXPECT_EQ(starts[s], s < 16 ? 3 : 0) << s;
  }
}

// Both of boss 3's pairs put their first pair at boss y + a and y + b across,
// boss x + c down, and fly on until they pass x -40.
TEST_F(PairShotTest, TheBossThreePairsReadTheBossCrosswiseAndLeaveAtTheLeftEdge) {
  struct Pair {
    PairShotSlot* slots;
    void (*tick)(), (*move)();
    float a, b, c;
  };
  const Pair pairs[] = {{gBoss3PairShot1, TickBoss3PairShot1, MoveBoss3PairShot1, 90, 135, 80},
                        {gBoss3PairShot2, TickBoss3PairShot2, MoveBoss3PairShot2, 30, 230, 150}};
  for (const Pair& p : pairs) {
    SCOPED_TRACE(&p - pairs + 1);
    ResetAllPairs();
    gPlayerAlive = 1;
    gFrameScale = 1.0f / 64.0f;
    gBoss3.x = 300.0f, gBoss3.y = 40.0f;
    for (int c = 0; c < 10; ++c) p.tick();
    EXPECT_EQ(p.slots[0].x, 40.0f + p.a);
    EXPECT_EQ(p.slots[1].x, 40.0f + p.b);
    EXPECT_EQ(p.slots[0].y, 300.0f + p.c);
    EXPECT_EQ(p.slots[1].y, 300.0f + p.c);
    gPlayerAlive = 0;
    gFrameScale = 0.1f;
    p.slots[0] = {0, 0, -20.0f, 100.0f, 0, 0, 0, 1};
    p.move();
    // At x -40 exactly it still flies.
    EXPECT_TRUE(p.slots[0].active == 1 && p.slots[0].x == -40.0f);
    p.move();
    EXPECT_TRUE(Parked(p.slots[0]));
  }
}

// Boss 2's chain reads the boss crosswise; boss 1's, when fired, is marked
// live and placed as a whole arc under the boss, and falls.
TEST_F(PairShotTest, ChainsLayTheirArcAndBossOnesIsPlacedAndFalls) {
  ResetAllPairs();
  gBoss2.x = 200.0f, gBoss2.y = 60.0f;
  for (int c = 0; c < 25; ++c) TickBoss2Chain();
  EXPECT_TRUE(gBoss2Chain[3].x == 190.0f && gBoss2Chain[3].y == 446.0f);  // y + 130, x + 246
  gPlayerAlive = 0;
  gFrameScale = 0.5f;
  gBoss1.x = 100.0f, gBoss1.y = 10.0f;
  for (int c = 0; c < 25; ++c) TickBoss1Chain();
  const float drop[] = {154, 183, 194, 200, 194, 183, 154};
  for (int m = 0; m < 7; ++m)
    EXPECT_TRUE(gBoss1Chain[m].active && gBoss1Chain[m].x == 300.0f &&
                gBoss1Chain[m].y == 10.0f + drop[m])
        << m;
  MoveBoss1Chain();
  EXPECT_TRUE(gBoss1Chain[0].x == 300.0f - 105.0f && gBoss1Chain[0].y == 164.0f + 100.0f);
}

// Boss 1's chain fires its five groups on counts 25 to 125 of its 140-call
// cycle, and holds fire while the laser is anchored.
TEST_F(PairShotTest, BossOnesChainFiresOnItsCountsAndHoldsWhileTheLaserIsAnchored) {
  ResetAllPairs();
  gBoss1LaserAnchored = 1;
  for (int c = 0; c < 140; ++c) TickBoss1Chain();
  EXPECT_EQ(LiveCount(gBoss1Chain, kChainSlots), 0);
  gBoss1LaserAnchored = 0;
  std::vector<int> fired;  // call * 100 + first slot of the group that went live
  for (int c = 1; c <= 140; ++c) {
    TickBoss1Chain();
    for (int s = 0; s < kChainSlots; s += 7)
      if (gBoss1Chain[s].active) fired.push_back(c * 100 + s);
    for (PairShotSlot& s : gBoss1Chain) ParkSlot(s);
  }
  EXPECT_EQ(fired, (std::vector<int>{2500, 5007, 7514, 10021, 12528}));
}

using DropTest = AttackTest;

TEST_F(DropTest, TheDriftComesInOneStepPerSlotSoEarlySlotsAreTestedPartWay) {
  ResetAllPairs();
  gFrameScale = 1.0f;
  // Slot 0 drifts left 28 px/s in four steps of 7; after one step it lies 14
  // right of the ship, inside the box; after all four it would be outside.
  const float x0 = gPlayerX + 21.0f, y0 = gPlayerY + 26.0f - 260.0f;
  gBoss1Drop3[0] = {0, 0, x0, y0, 0, 0, 0, 1};
  gBoss1Drop3[3] = {0, 0, 100.0f, 0.0f, 0, 0, 0, 1};
  MoveBoss1Drop3();
  EXPECT_EQ(gPlayerAlive, 0);
  EXPECT_TRUE(gBoss1Drop3[0].x == x0 - 28.0f && gBoss1Drop3[0].y == y0 + 260.0f);
  EXPECT_EQ(gBoss1Drop3[3].x, 180.0f);
  EXPECT_EQ(gBoss1Drop3[1].x, -472.0f);  // a free slot drifts, off the screen
  EXPECT_EQ(gBoss1Drop3[2].x, -580.0f);
}

// Boss 2's chain lays its whole arc crosswise from the boss and spreads it
// as it travels.
TEST_F(PairShotTest, BossTwosChainLaysItsArcAndSpreadsItAsItTravels) {
  ResetAllPairs();
  gBoss2.x = 200.0f, gBoss2.y = 60.0f;
  for (int c = 0; c < 25; ++c) TickBoss2Chain();
  const float arc[] = {280, 263, 252, 246, 252, 263, 280};
  for (int m = 0; m < 7; ++m) {
    EXPECT_EQ(gBoss2Chain[m].active, 1);
    EXPECT_EQ(gBoss2Chain[m].x, 190.0f);           // boss y + 130
    EXPECT_EQ(gBoss2Chain[m].y, 200.0f + arc[m]);  // boss x + the arc
  }
  gPlayerAlive = 0;
  gFrameScale = 0.5f;
  MoveBoss2Chain();
  EXPECT_EQ(gBoss2Chain[0].y, 480.0f - 105.0f);
  EXPECT_EQ(gBoss2Chain[6].y, 480.0f + 105.0f);
  EXPECT_EQ(gBoss2Chain[3].x, 190.0f - 87.5f);
  EXPECT_EQ(gBoss2Chain[6].active, 1);  // below the screen, yet it flies on
}

}  // namespace
