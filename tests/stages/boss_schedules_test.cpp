// The attack schedules of the bosses of stages 4 to 8 played through the real
// frames: overlapping rows, the gate, the drops on hp bands, and the boss-8
// attacks drawn under the enemies.
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/late_drops.h"
#include "bosses/late_fans.h"
#include "enemies/kind.h"
#include "enemies/template_kinds.h"
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

// Stage 8 runs its boss's attacks before its enemies: a Strafer3 hides a
// boss bullet under it.
TEST_F(LateBossTest, Stage8DrawsItsEnemiesOverItsBossesBullets) {
  constexpr uint16_t kBullet = 0x07E0, kCraft = 0xF81F;
  uint16_t covered = 0, open = 0;
  At(kPlay, [] { EnterStage(SceneStage8, 1700.0f); });
  // After the 30 frames of the entry's dissolve.
  At(kPlay + 32, [] {
    gPicFanStripC = Picture(400, 100, kBullet);
    gPicStrafer3 = Picture(60, 80, kCraft);
    gBoss8FanVolley4[0] = FanVolleySlot{0, 0, 300, 200, 0, 0, 0, 1};
    gBoss8FanVolley4[1] = FanVolleySlot{0, 0, 450, 200, 0, 0, 0, 1};
    gStrafer3[0] = ZakRecord{0, 0, 0, 290, 190, 0, 0, 0, 1, 0};
  });
  At(kPlay + 33, [&] {
    covered = Pixel(305, 206);
    open = Pixel(455, 206);
  });
  RunFrames(kPlay + 34);
  EXPECT_EQ(covered, kCraft);
  EXPECT_EQ(open, kBullet);
}

}  // namespace
