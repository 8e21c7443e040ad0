#include <vector>

#include "bosses/boss1_laser.h"
#include "bosses/drops.h"
#include "bosses/pair_shots.h"
#include "enemies/kind.h"
#include "game/assets.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"
#include "tests/game/boss_test_helpers.h"

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

TEST_F(PairShotTest, PairsFireSideBySideAndTheLastTwoPairsOfTheShortCycleNeverFly) {
  ResetAllPairs();
  gBoss1.x = 100.0f, gBoss1.y = 10.0f;
  for (int c = 0; c < 10; ++c) TickBoss1PairShot1();
  EXPECT_EQ(LiveCount(gBoss1PairShot1, kPairShotSlots), 2);
  EXPECT_EQ(gBoss1PairShot1[0].x, 220.0f);
  EXPECT_EQ(gBoss1PairShot1[1].x, 380.0f);
  EXPECT_EQ(gBoss1PairShot1[0].y, 140.0f);
  EXPECT_EQ(gBoss1PairShot1[1].y, 140.0f);
  // Counts 150 and 160 lie past the wrap at 150: slots 16 to 19 never start,
  // over several cycles, while the first eight pairs fire once per cycle.
  std::vector<int> starts(kPairShotSlots, 0);
  for (int c = 0; c < 3 * 150; ++c) {
    for (PairShotSlot& s : gBoss1PairShot2) ParkSlot(s);
    TickBoss1PairShot2();
    for (int s = 0; s < kPairShotSlots; ++s) starts[s] += gBoss1PairShot2[s].active;
  }
  for (int s = 0; s < kPairShotSlots; ++s) EXPECT_EQ(starts[s], s < 16 ? 3 : 0) << s;
}

TEST_F(PairShotTest, ALiveGroupIsNotRefiredAndAFireOutsideItsGroupStartsNothing) {
  ResetAllPairs();
  gBoss1.x = 0.0f, gBoss1.y = 0.0f;
  gBoss1FallShot3[1] = {0, 0, 55.0f, 66.0f, 0, 0, 0, 1};
  FireBoss1FallShot3(0, 0);
  FireBoss1FallShot3(1, 0);
  EXPECT_EQ(gBoss1FallShot3[0].x, 110.0f);
  EXPECT_EQ(gBoss1FallShot3[0].y, 170.0f);
  EXPECT_EQ(gBoss1FallShot3[1].x, 310.0f);  // its mate's Fire moves it across
  EXPECT_EQ(gBoss1FallShot3[1].y, 66.0f);   // but not down: it was not restarted
  FireBoss1FallShot4(3, 0);
  FireBoss1FallShot4(20, 20);
  EXPECT_EQ(LiveCount(gBoss1FallShot4, kPairShotSlots), 0);
}

TEST_F(PairShotTest, FallShotsFireColumnsOfThreeThatFanOutAndFlyThroughABomb) {
  ResetAllPairs();
  gBoss2.x = 100.0f, gBoss2.y = 20.0f;
  for (int c = 0; c < 20; ++c) TickBoss2FallShot1();
  const float ys[] = {110, 133, 140};
  for (int m = 0; m < 3; ++m) {
    EXPECT_EQ(gBoss2FallShot1[m].active, 1);
    EXPECT_EQ(gBoss2FallShot1[m].x, 180.0f);
    EXPECT_EQ(gBoss2FallShot1[m].y, ys[m]);
  }
  gFrameScale = 0.5f;
  gBombActive = 1;
  gPlayerAlive = 0;
  MoveBoss2FallShot1();
  const float drift[] = {30, 105, 165};
  for (int m = 0; m < 3; ++m) {
    EXPECT_EQ(gBoss2FallShot1[m].active, 1) << m;
    EXPECT_EQ(gBoss2FallShot1[m].x, 180.0f + drift[m] * 0.5f) << m;
    EXPECT_EQ(gBoss2FallShot1[m].y, ys[m] + 95.0f) << m;
  }
  // The drift reaches the free slots too, and a second Move doubles it.
  EXPECT_EQ(gBoss2FallShot1[4].x, -500.0f + 52.5f);
  MoveBoss2FallShot1();
  EXPECT_EQ(gBoss2FallShot1[4].x, -500.0f + 105.0f);
  EXPECT_EQ(gBoss2FallShot1[4].y, 500.0f);
  // Boss 1's left column fans out to the left and leaves past the bottom.
  gBoss1FallShot2[2] = {0, 0, 300.0f, 468.0f, 0, 0, 0, 1};
  gFrameScale = 0.1f;
  MoveBoss1FallShot2();
  EXPECT_EQ(gBoss1FallShot2[2].x, 300.0f - 9.0f);
  EXPECT_EQ(gBoss1FallShot2[2].y, 480.0f);  // on the edge it still flies
  MoveBoss1FallShot2();
  EXPECT_TRUE(Parked(gBoss1FallShot2[2]));
}

TEST_F(PairShotTest, SplittingPairsPartBeforeTheyFallAndABombParksThem) {
  ResetAllPairs();
  gFrameScale = 0.25f;
  gPlayerAlive = 0;
  gBoss1PairShot2[0] = {0, 0, 200.0f, 100.0f, 0, 0, 0, 1};
  gBoss1PairShot2[1] = {0, 0, 300.0f, 100.0f, 0, 0, 0, 1};
  MoveBoss1PairShot2();
  EXPECT_EQ(gBoss1PairShot2[0].x, 170.0f);
  EXPECT_EQ(gBoss1PairShot2[1].x, 330.0f);
  EXPECT_EQ(gBoss1PairShot2[0].y, 162.5f);
  EXPECT_EQ(gBoss1PairShot2[0].vy, 250.0f);
  EXPECT_EQ(gBoss1PairShot2[3].x, -470.0f);  // a free odd slot drifts right
  gBombActive = 1;
  MoveBoss1PairShot2();
  MoveBoss2PairShot1();
  EXPECT_TRUE(Parked(gBoss1PairShot2[0]));
  EXPECT_TRUE(Parked(gBoss1PairShot2[1]));
}

TEST_F(PairShotTest, TheBossThreePairsReadTheBossCrosswiseAndLeaveAtTheLeftEdge) {
  ResetAllPairs();
  gBoss3.x = 300.0f, gBoss3.y = 40.0f;
  for (int c = 0; c < 10; ++c) TickBoss3PairShot2();
  EXPECT_EQ(gBoss3PairShot2[0].x, 70.0f);   // boss y + 30
  EXPECT_EQ(gBoss3PairShot2[1].x, 270.0f);  // boss y + 230
  EXPECT_EQ(gBoss3PairShot2[0].y, 450.0f);  // boss x + 150
  gPlayerAlive = 0;
  gFrameScale = 0.1f;
  gBoss3PairShot1[0] = {0, 0, -20.0f, 100.0f, 0, 0, 0, 1};
  MoveBoss3PairShot1();
  EXPECT_EQ(gBoss3PairShot1[0].active, 1);  // at x -40 exactly it still flies
  EXPECT_EQ(gBoss3PairShot1[0].x, -40.0f);
  EXPECT_EQ(gBoss3PairShot1[0].vx, -200.0f);
  MoveBoss3PairShot1();
  EXPECT_TRUE(Parked(gBoss3PairShot1[0]));
}

TEST_F(PairShotTest, ChainsLayTheirArcAndSpreadItAsTheyTravel) {
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
  // Boss 1's chain starts as a whole arc under the boss and falls.
  gBoss1.x = 100.0f, gBoss1.y = 10.0f;
  for (int c = 0; c < 25; ++c) TickBoss1Chain();
  const float drop[] = {154, 183, 194, 200, 194, 183, 154};
  for (int m = 0; m < 7; ++m) {
    EXPECT_EQ(gBoss1Chain[m].active, 1);
    EXPECT_EQ(gBoss1Chain[m].x, 300.0f);
    EXPECT_EQ(gBoss1Chain[m].y, 10.0f + drop[m]);
  }
  MoveBoss1Chain();
  EXPECT_EQ(gBoss1Chain[0].x, 300.0f - 105.0f);
  EXPECT_EQ(gBoss1Chain[0].y, 164.0f + 100.0f);
  EXPECT_EQ(gBoss1Chain[0].vy, 200.0f);
}

TEST_F(PairShotTest, BossOnesChainHoldsFireWhileTheLaserIsAnchored) {
  ResetAllPairs();
  gBoss1LaserAnchored = 1;
  for (int c = 0; c < 140; ++c) TickBoss1Chain();
  EXPECT_EQ(LiveCount(gBoss1Chain, kChainSlots), 0);
  gBoss1LaserAnchored = 0;
  for (int c = 0; c < 25; ++c) TickBoss1Chain();
  EXPECT_EQ(LiveCount(gBoss1Chain, kChainSlots), 7);
}

TEST_F(PairShotTest, HitBoxesAreInclusiveAtBothEndsAndAHitLeavesTheShotFlying) {
  struct Case {
    void (*move)();
    PairShotSlot* slot;
    float dx, dy;
    bool hits;
  };
  const Case cases[] = {
      {MoveBoss1PairShot1, &gBoss1PairShot1[0], 20, 0, true},
      {MoveBoss1PairShot1, &gBoss1PairShot1[0], 20.1f, 0, false},
      {MoveBoss1PairShot1, &gBoss1PairShot1[0], 0, -0.1f, false},
      {MoveBoss2PairShot2, &gBoss2PairShot2[0], -10, 30, true},
      {MoveBoss2PairShot2, &gBoss2PairShot2[0], -10.1f, 30, false},
      {MoveBoss2Chain, &gBoss2Chain[3], -10, -10, true},
      {MoveBoss2Chain, &gBoss2Chain[3], -10, -10.1f, false},
      {MoveBoss1FallShot4, &gBoss1FallShot4[0], 10, 20, true},
      {MoveBoss1FallShot4, &gBoss1FallShot4[0], 10, 19.9f, false},
      {MoveBoss2Drop1, &gBoss2Drop1[1], 14, 24, true},
      {MoveBoss2Drop1, &gBoss2Drop1[1], 13.9f, 24, false},
      {MoveBoss2Drop1, &gBoss2Drop1[1], 30, 30.1f, false},
  };
  for (const Case& c : cases) {
    ResetAllPairs();
    gPlayerAlive = 1;
    gFrameScale = 0.0f;
    *c.slot = {0, 0, gPlayerX + c.dx, gPlayerY + c.dy, 0, 0, 0, 1};
    c.move();
    EXPECT_EQ(gPlayerAlive, c.hits ? 0 : 1) << c.dx << ", " << c.dy;
    EXPECT_EQ(c.slot->active, 1);
  }
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
  EXPECT_EQ(gBoss1Drop3[0].x, x0 - 28.0f);
  EXPECT_EQ(gBoss1Drop3[0].y, y0 + 260.0f);
  EXPECT_EQ(gBoss1Drop3[3].x, 180.0f);
  EXPECT_EQ(gBoss1Drop3[1].x, -472.0f);  // a free slot drifts, off the screen
  EXPECT_EQ(gBoss1Drop3[2].x, -580.0f);
  // A three-slot drop keeps its middle slot straight.
  gBoss2Drop4[1] = {0, 0, 100.0f, 0.0f, 0, 0, 0, 1};
  MoveBoss2Drop4();
  EXPECT_EQ(gBoss2Drop4[1].x, 100.0f);
  EXPECT_EQ(gBoss2Drop4[1].y, 220.0f);
  gBombActive = 1;
  MoveBoss2Drop4();
  EXPECT_TRUE(Parked(gBoss2Drop4[1]));
}

TEST_F(DropTest, TheResetDrawsOneCellPerSlotExceptForBossTwosChain) {
  koSystem::SeedRand(7);
  ResetGroup(PairKind(PairKindId::Boss2Chain));
  ResetGroup(PairKind(PairKindId::Boss1Drop3));
  const int afterChainAndDrop = koSystem::Rand();
  koSystem::SeedRand(7);
  for (int s = 0; s < 4; ++s) koSystem::Rand();
  EXPECT_EQ(koSystem::Rand(), afterChainAndDrop);
  for (const PairShotSlot& s : gBoss2Chain) EXPECT_EQ(s.frame, 0);
}

using PairDrawTest = AttackDrawTest;

TEST_F(PairDrawTest, EverySlotBlitsItsMembersCellAndFreeSlotsAreClippedAway) {
  std::vector<uint16_t> seen;
  InGame([&] {
    const int savedShot = gPicShotStrip40, savedBlz = gPicBlzbs2_7;
    gPicShotStrip40 = ColourStrip(7, 40, 40, 0x2000);
    gPicBlzbs2_7 = ColourStrip(7, 40, 40, 0x3000, true);
    ResetAllPairs();
    gBoss2FallShot2[0].x = 10.0f, gBoss2FallShot2[0].y = 10.0f;  // free, yet drawn
    gBoss2FallShot2[2].x = 60.0f, gBoss2FallShot2[2].y = 10.0f;
    DrawBoss2FallShot2();
    gBoss1PairShot2[0].x = 110.0f, gBoss1PairShot2[0].y = 10.0f;
    gBoss1PairShot2[1].x = 160.0f, gBoss1PairShot2[1].y = 10.0f;
    DrawBoss1PairShot2();
    gBoss2Chain[5].x = 210.5f, gBoss2Chain[5].y = 10.9f;
    DrawBoss2Chain();
    gBoss3PairShot1[1].x = 260.0f, gBoss3PairShot1[1].y = 10.0f;
    DrawBoss3PairShot1();
    seen = {BackPixel(10, 10),  BackPixel(60, 10),  BackPixel(110, 10), BackPixel(160, 10),
            BackPixel(209, 10), BackPixel(249, 49), BackPixel(260, 10), BackPixel(300, 10)};
    gPicShotStrip40 = savedShot;
    gPicBlzbs2_7 = savedBlz;
  });
  EXPECT_EQ(seen, (std::vector<uint16_t>{0x2002, 0x2000, 0x2002, 0x2004, 0, 0x3005, 0x3003, 0}));
}

}  // namespace
