// The named defeat steps of bosses 4 to 8, which the stages run a second time
// per frame on a time-out: each steps only its own downed boss.
#include "bosses/boss_reset.h"
#include "bosses/late_boss_bodies.h"
#include "game/game_state.h"
#include "tests/game/player_fixture.h"

namespace {

using LateBossDefeatTest = PlayerTest;

TEST_F(LateBossDefeatTest, EachDefeatStepsItsOwnDownedBossOnly) {
  BossState* bosses[] = {&gBoss4, &gBoss5, &gBoss6, &gBoss7, &gBoss8};
  void (*defeats[])() = {DefeatBoss4, DefeatBoss5, DefeatBoss6, DefeatBoss7, DefeatBoss8};
  At(kPlay, [&] {
    ResetBossExplosions();
    gFrameScale = 0.1f;  // one defeat-clock unit per step
    for (int n = 0; n < 5; ++n) {
      for (BossState* b : bosses) *b = BossState{100.0f, 50.0f, 0, 0.0f, 0, 0, 0};
      defeats[n]();
      for (int m = 0; m < 5; ++m) EXPECT_EQ(bosses[m]->defeatClock, m == n ? 1.0f : 0.0f) << n;
      // A boss with hit points left takes no step.
      bosses[n]->hp = 1.0f;
      defeats[n]();
      EXPECT_EQ(bosses[n]->defeatClock, 1.0f) << n;
    }
  });
  RunFrames(kPlay + 1);
}

}  // namespace
