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

TEST_F(FanVolleyTest, EachKindLeavesOnlyAtItsOwnEdgeOrInABomb) {
  ResetAllFans();
  gPlayerAlive = 0;
  gFrameScale = 0.0f;  // no flight or spread: the corners stay where they are put
  // Leftward stage-2 bullets stay live above, below and right of the screen.
  gBoss2FanVolley2[2] = {0, 0, -20.0f, -300.0f, 0, 0, 0, 1};
  gBoss2FanVolley2[7] = {0, 0, 100.0f, 900.0f, 0, 0, 0, 1};
  gBoss2FanVolley2[12] = {0, 0, -20.01f, 100.0f, 0, 0, 0, 1};
  // Falling stage-1 bullets leave only past the bottom.
  gBoss1FanVolley1[2] = {0, 0, -300.0f, 480.0f, 0, 0, 0, 1};
  gBoss1FanVolley1[7] = {0, 0, 100.0f, 480.01f, 0, 0, 0, 1};
  // Boss-3 bullets fly level to the left and leave past the left edge.
  gBoss3FanVolley2[2] = {0, 0, -20.0f, 100.0f, 0, 0, 0, 1};
  gBoss3FanVolley2[7] = {0, 0, -20.01f, 100.0f, 0, 0, 0, 1};
  MoveBoss2FanVolley2();
  MoveBoss1FanVolley1();
  MoveBoss3FanVolley2();
  EXPECT_EQ(gBoss2FanVolley2[2].active, 1);
  EXPECT_EQ(gBoss2FanVolley2[7].active, 1);
  EXPECT_TRUE(Parked(gBoss2FanVolley2[12]));
  EXPECT_EQ(gBoss1FanVolley1[2].active, 1);
  EXPECT_TRUE(Parked(gBoss1FanVolley1[7]));
  EXPECT_EQ(gBoss3FanVolley2[2].active, 1);
  EXPECT_TRUE(Parked(gBoss3FanVolley2[7]));
  gBombActive = 1;
  MoveBoss2FanVolley2();
  MoveBoss1FanVolley1();
  MoveBoss3FanVolley2();
  for (const FanVolleySlot* t : {gBoss2FanVolley2, gBoss1FanVolley1, gBoss3FanVolley2})
    for (int s = 0; s < kFanVolleySlots; ++s) EXPECT_TRUE(Parked(t[s])) << s;
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
