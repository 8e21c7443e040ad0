#include <numbers>
#include <vector>

#include "bosses/lightning.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

class LightningTest : public AttackTest {
 protected:
  void SetUp() override {
    AttackTest::SetUp();
    ResetBoss2Lightning1();
    ResetBoss2Lightning2();
  }
};

bool Parked(const LightningNode& n) { return n.active == 0 && n.x == kParkX && n.y == kParkY; }

TEST_F(LightningTest, BothWhipsLaunchWholeFromTheirPointsAtTheSameShipPosition) {
  gBoss2.x = 100.0f, gBoss2.y = 50.0f;   // launch points (294, 94) and (294, 294)
  gPlayerX = 370.0f, gPlayerY = 170.0f;  // aim point (394, 194)
  FireBoss2Lightning1();
  FireBoss2Lightning2();
  for (int i = 0; i < kLightningNodes; ++i) {
    const LightningNode &a = gBoss2Lightning1[i], &b = gBoss2Lightning2[i];
    EXPECT_TRUE(a.active == 1 && a.x == 294.0f && a.y == 94.0f && b.y == 294.0f) << i;
    EXPECT_EQ(a.speed, 260.0f + 20.0f * i);
    EXPECT_NEAR(a.angle, kPi / 4, 1e-6);
    EXPECT_NEAR(b.angle, -kPi / 4, 1e-6);
  }
  // A flying whip is not launched again.
  gBoss2.x = 0.0f;
  FireBoss2Lightning1();
  EXPECT_EQ(gBoss2Lightning1[4].x, 294.0f);
}

TEST_F(LightningTest, TheWhipIsLostWhenItsSlowestNodeLeavesNotBefore) {
  gBoss2.x = 0.0f, gBoss2.y = 0.0f;      // launch (194, 44)
  gPlayerX = -100.0f, gPlayerY = 20.0f;  // aim (-76, 44): straight left
  gPlayerAlive = 0;
  FireBoss2Lightning1();
  gFrameScale = 0.1f;  // node 0 moves 26 px a frame, node 4 34 px
  int lostAfter = 0;
  bool fastNodeOutWhileLeadIn = false;
  for (int f = 1; f <= 20; ++f) {
    MoveBoss2Lightning1();
    if (gBoss2Lightning1[0].active == 0) {
      lostAfter = f;
      break;
    }
    if (gBoss2Lightning1[4].x < -20.0f && gBoss2Lightning1[4].active) fastNodeOutWhileLeadIn = true;
  }
  EXPECT_TRUE(fastNodeOutWhileLeadIn);
  EXPECT_EQ(lostAfter, 9);  // 194 - 9 x 26 = -40 < -20; after 8 frames node 0 is at -14
  for (const LightningNode& n : gBoss2Lightning1) EXPECT_TRUE(Parked(n));
  // The next Fire relaunches it.
  FireBoss2Lightning1();
  EXPECT_EQ(gBoss2Lightning1[0].active, 1);
}

TEST_F(LightningTest, TheRightLimitIs540AndABombTakesBothWhips) {
  gPlayerX = 600.0f, gPlayerY = 20.0f;  // aim straight right from (194, 44)
  FireBoss2Lightning1();
  FireBoss2Lightning2();
  gBoss2Lightning1[0].x = 539.0f;
  gFrameScale = 1.0f / 260.0f;  // node 0 moves 1 px
  MoveBoss2Lightning1();
  EXPECT_EQ(gBoss2Lightning1[0].active, 1);  // at 540
  MoveBoss2Lightning1();
  EXPECT_EQ(gBoss2Lightning1[0].active, 0);  // at 541
  gBombActive = 1;
  MoveBoss2Lightning2();
  for (const LightningNode& n : gBoss2Lightning2) EXPECT_TRUE(Parked(n));
}

}  // namespace
