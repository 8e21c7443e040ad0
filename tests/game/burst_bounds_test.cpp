// Timer periods against their last firing counts: Zak51A's rings fire on
// counts 60 to 600 of a 660-count period, the bosses' chains on 25 to 125 of 140.
#include "bosses/boss_state.h"
#include "bosses/pair_shots.h"
#include "enemies/large_kinds.h"
#include "tests/game/enemy_fixture.h"

namespace {

using BurstBoundsTest = EnemyTest;

TEST_F(BurstBoundsTest, Zak51AFiresItsTenthRingOnCount600AndWrapsAt660) {
  for (int tick = 0; tick < 600; ++tick) TickZak51AShot2(0);
  EXPECT_EQ(gZak51AShot2[108].alive, 1);  // the tenth ring's first bullet
  for (BurstShotRecord& s : gZak51AShot2) s.alive = 0;
  for (int tick = 600; tick < 720; ++tick) TickZak51AShot2(0);
  EXPECT_EQ(gZak51AShot2[0].alive, 1);  // count 60 of the second period
  EXPECT_EQ(gZak51AShot2[12].alive, 0);
}

TEST_F(BurstBoundsTest, AChainFiresItsFifthGroupOnCount125) {
  gBoss2.x = 200.0f;
  gBoss2.y = 60.0f;
  for (int tick = 0; tick < 124; ++tick) TickBoss2Chain();
  EXPECT_EQ(gBoss2Chain[28].active, 0);
  EXPECT_EQ(gBoss2Chain[21].active, 1);
  TickBoss2Chain();
  EXPECT_EQ(gBoss2Chain[28].active, 1);  // the first of the fifth group of seven
}

}  // namespace
