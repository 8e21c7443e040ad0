// The attack schedules of the bosses of stages 4 to 8 played through the real
// frames: overlapping rows, the gate and the drops on hp bands.
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/late_drops.h"
#include "bosses/late_fans.h"
#include "game/scenes.h"
#include "tests/game/player_fixture.h"

namespace {

using LateBossTest = PlayerTest;

void EnterStage(int scene, float clock) {
  ChangeScene(scene, 3, 30);
  gStageClock = clock;
}

// Stage 7's rows 500..700 and 700..1000 both tick FanVolley2 at 700.
TEST_F(LateBossTest, OverlappingRowsTickTwiceAndAClosedGateTicksNothing) {
  std::vector<int> ticks;
  At(kPlay, [] { EnterStage(SceneStage7, 1300.0f); });
  for (int i = 0; i < 5; ++i) {
    At(kPlay + 2 + i, [&, i] {
      if (i > 0) ticks.push_back(gBoss7FanVolley2[0].timer);
      gBoss7FanVolley2[0].timer = 0;
      gBoss7.hp = i == 4 ? 980.0f : 500.0f;  // the last frame on the gate
      if (i == 0) gBoss7AttackCounter = 697;
    });
  }
  At(kPlay + 7, [&] { ticks.push_back(gBoss7FanVolley2[0].timer); });
  RunFrames(kPlay + 8);
  // Counters 698 .. 701, then a frame on the gate.
  EXPECT_EQ(ticks, (std::vector<int>{1, 1, 2, 1, 0}));
}

struct Band {
  int difficulty;
  float hp;
  int fired;
};

// Outside normal play boss 4 drops its bullets while its hp lies in a band.
TEST_F(LateBossTest, Boss4DropsOnItsHpBandsOutsideNormalPlay) {
  const Band bands[] = {{2, 770.0f, 1}, {2, 770.5f, 0}, {1, 770.0f, 0}, {2, 740.0f, 1},
                        {2, 739.5f, 0}, {2, 475.0f, 1}, {2, 60.0f, 1},  {2, 90.5f, 0}};
  std::vector<int> fired;
  At(kPlay, [] { EnterStage(SceneStage4, 1400.0f); });
  int f = kPlay + 2;
  for (const Band& b : bands) {
    At(f, [b] {
      for (DropSlot& s : gBoss4Drop1) s.active = 0;
      gDifficulty = b.difficulty;
      gBoss4.hp = b.hp;
    });
    At(f + 1, [&] { fired.push_back(gBoss4Drop1[0].active); });
    f += 1;
  }
  RunFrames(f + 1);
  std::vector<int> expected;
  for (const Band& b : bands) expected.push_back(b.fired);
  EXPECT_EQ(fired, expected);
}

}  // namespace
