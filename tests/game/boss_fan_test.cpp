#include "bosses/fan_volleys.h"
#include "bosses/late_fans.h"
#include "enemies/kind.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

void ResetAllFans() {
  for (int k = 0; k < static_cast<int>(FanKindId::Count); ++k)
    ResetGroup(Fan(static_cast<FanKindId>(k)));
}

bool Parked(const FanVolleySlot& s) { return s.active == 0 && s.x == kParkX && s.y == kParkY; }

using FanVolleyTest = AttackTest;

// The edges that free a kind's bullets: stage 2's columns leave past the left
// edge only, stage 3's fans past the left edge or the bottom, every other kind
// past the bottom only.
struct Edges {
  bool left, bottom;
};
Edges EdgesOf(FanKindId id) {
  using enum FanKindId;
  if (id >= Boss2FanVolley1 && id <= Boss2FanVolley5) return {true, false};
  if (id >= Boss3FanVolley1 && id <= Boss3FanVolley5) return {true, true};
  return {false, true};
}

// Every kind's bullets stay live on both edges, right of the screen and above
// it, leave just past their own edges only, and all leave in a bomb.
TEST_F(FanVolleyTest, EachKindLeavesOnlyAtItsOwnEdgeOrInABomb) {
  struct Place {
    int slot;  // member 2 of its wave: the one that never drifts
    float x, y;
    bool pastLeft, pastBottom;
  };
  const Place places[] = {
      {2, -20.0f, 480.0f, false, false},   {7, -20.01f, 100.0f, true, false},
      {12, 100.0f, 480.01f, false, true},  {17, 700.0f, 100.0f, false, false},
      {22, 100.0f, -300.0f, false, false}, {27, -300.0f, 100.0f, true, false},
      {32, 100.0f, 900.0f, false, true},
  };
  gPlayerAlive = 0;
  gFrameScale = 0.0f;  // no flight or spread: the corners stay where they are put
  for (int k = 0; k < static_cast<int>(FanKindId::Count); ++k) {
    const FanKindId id = static_cast<FanKindId>(k);
    const GroupKind& kind = Fan(id);
    const Edges edges = EdgesOf(id);
    ResetAllFans();
    gBombActive = 0;
    for (const Place& p : places) kind.slots[p.slot] = {0, 0, p.x, p.y, 0, 0, 0, 1};
    MoveGroup(kind);
    for (const Place& p : places) {
      const bool leaves = (p.pastLeft && edges.left) || (p.pastBottom && edges.bottom);
      EXPECT_EQ(Parked(kind.slots[p.slot]), leaves) << "kind " << k << " slot " << p.slot;
      EXPECT_EQ(kind.slots[p.slot].active, leaves ? 0 : 1) << "kind " << k << " slot " << p.slot;
    }
    gBombActive = 1;
    MoveGroup(kind);
    for (const Place& p : places) EXPECT_TRUE(Parked(kind.slots[p.slot])) << "kind " << k;
  }
}

TEST_F(FanVolleyTest, ARefiredWavePullsLiveFanMembersToTheirRowsAndFiveWayMembersHome) {
  ResetAllFans();
  gBoss4 = BossState{100.0f, 40.0f, 0.0f, 0.0f, 0.0f, 0, 0};
  gBoss6 = gBoss4;
  // Fan: member 2 idle, the others live and moved.
  for (int m = 0; m < kFanWave; ++m)
    gBoss4FanVolley1[5 + m] = {0, 0, 50.0f + m, 300.0f, 0, 0, 0, m == 2 ? 0 : 1};
  for (int s = 5; s < 10; ++s) FireBoss4FanVolley1(s, 5);
  const float ys[] = {100, 123, 130, 123, 100};
  for (int m = 0; m < kFanWave; ++m) {
    EXPECT_EQ(gBoss4FanVolley1[5 + m].x, m == 2 ? 310.0f : 50.0f + m) << m;
    EXPECT_EQ(gBoss4FanVolley1[5 + m].y, ys[m]) << m;
  }
  // Five-way: the live members go back to their launch points.
  for (int m = 0; m < kFanWave; ++m)
    gBoss6FiveWay1[m] = {0, 0, 7.0f, 300.0f, 0, 0, 0, m == 0 ? 0 : 1};
  for (int s = 0; s < 5; ++s) FireBoss6FiveWay1(s, 0);
  const float fiveRows[] = {90, 113, 120, 113, 90};
  for (int m = 0; m < kFanWave; ++m) {
    EXPECT_EQ(gBoss6FiveWay1[m].active, 1);
    EXPECT_EQ(gBoss6FiveWay1[m].x, 176.0f + 22.0f * m) << m;
    EXPECT_EQ(gBoss6FiveWay1[m].y, fiveRows[m]) << m;
  }
  // A wave whose five members all fly fires nothing and moves nothing.
  gBoss6FiveWay1[2].x = 1.0f;
  for (int s = 0; s < 5; ++s) FireBoss6FiveWay1(s, 0);
  EXPECT_EQ(gBoss6FiveWay1[2].x, 1.0f);
  // A slot outside the wave it is given starts nothing.
  FireBoss8FanVolley2(12, 5);
  FireBoss8FanVolley2(50, 50);
  EXPECT_TRUE(Parked(gBoss8FanVolley2[12]));
}

}  // namespace
