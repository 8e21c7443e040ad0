// A burst's timer period against its last firing count: Zak51A's rings fire
// on counts 60 to 600 of a 660-count period, so the tenth ring fires too.
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

}  // namespace
