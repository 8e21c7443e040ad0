#include <numbers>
#include <span>

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

struct WhipCase {
  LightningNode* nodes;
  void (*fire)(), (*move)();
  float launchY;  // below the boss's corner
};
const WhipCase kWhips[] = {
    {gBoss2Lightning1, FireBoss2Lightning1, MoveBoss2Lightning1, 44.0f},
    {gBoss2Lightning2, FireBoss2Lightning2, MoveBoss2Lightning2, 244.0f},
};

bool Parked(const LightningNode& n) { return n.active == 0 && n.x == kParkX && n.y == kParkY; }

TEST_F(LightningTest, BothWhipsLaunchWholeFromTheirPointsAtTheSameShipPosition) {
  gBoss2.x = 100.0f, gBoss2.y = 50.0f;   // launch points (294, 94) and (294, 294)
  gPlayerX = 370.0f, gPlayerY = 170.0f;  // aim point (394, 194)
  FireBoss2Lightning1();
  FireBoss2Lightning2();
  for (int i = 0; i < kLightningNodes; ++i) {
    const LightningNode &a = gBoss2Lightning1[i], &b = gBoss2Lightning2[i];
    EXPECT_TRUE(a.active == 1 && a.x == 294.0f && a.y == 94.0f) << i;
    EXPECT_TRUE(b.active == 1 && b.x == 294.0f && b.y == 294.0f) << i;
    EXPECT_EQ(a.speed, 260.0f + 20.0f * i);
    EXPECT_EQ(b.speed, 260.0f + 20.0f * i);
    EXPECT_NEAR(a.angle, kPi / 4, 1e-6);
    EXPECT_NEAR(b.angle, -kPi / 4, 1e-6);
  }
  // A flying whip is not launched again.
  gBoss2.x = 0.0f;
  FireBoss2Lightning1();
  FireBoss2Lightning2();
  EXPECT_EQ(gBoss2Lightning1[4].x, 294.0f);
  EXPECT_EQ(gBoss2Lightning2[4].x, 294.0f);
}

// Each whip is lost when its slowest node passes x -20, not while a faster
// one is out alone.
TEST_F(LightningTest, TheWhipIsLostWhenItsSlowestNodeLeavesNotBefore) {
  for (const WhipCase& w : kWhips) {
    SCOPED_TRACE(&w - kWhips + 1);
    gBoss2.x = 0.0f, gBoss2.y = 0.0f;                  // launch (194, launchY)
    gPlayerX = -100.0f, gPlayerY = w.launchY - 24.0f;  // aim straight left
    gPlayerAlive = 0;
    w.fire();
    gFrameScale = 0.1f;  // node 0 moves 26 px a frame, node 4 34 px
    int lostAfter = 0;
    bool fastNodeOutWhileLeadIn = false;
    for (int f = 1; f <= 20; ++f) {
      w.move();
      if (w.nodes[0].active == 0) {
        lostAfter = f;
        break;
      }
      if (w.nodes[4].x < -20.0f && w.nodes[4].active) fastNodeOutWhileLeadIn = true;
    }
    EXPECT_TRUE(fastNodeOutWhileLeadIn);
    EXPECT_EQ(lostAfter, 9);  // 194 - 9 x 26 = -40 < -20; after 8 frames node 0 is at -14
    for (const LightningNode& n : std::span(w.nodes, kLightningNodes)) EXPECT_TRUE(Parked(n));
    // The next Fire relaunches it.
    w.fire();
    EXPECT_EQ(w.nodes[0].active, 1);
  }
}

// Each whip flies on with its slowest node at x 540 and is lost past it; a
// running bomb takes each whip whole wherever it flies.
TEST_F(LightningTest, TheRightLimitIs540AndABombTakesBothWhips) {
  for (const WhipCase& w : kWhips) {
    SCOPED_TRACE(&w - kWhips + 1);
    ResetBoss2Lightning1();
    ResetBoss2Lightning2();
    gBombActive = 0;
    gPlayerX = 600.0f, gPlayerY = w.launchY - 24.0f;  // aim straight right from (194, launchY)
    w.fire();
    w.nodes[0].x = 539.0f;
    gFrameScale = 1.0f / 260.0f;  // node 0 moves 1 px
    w.move();
    EXPECT_EQ(w.nodes[0].x, 540.0f);
    EXPECT_EQ(w.nodes[0].active, 1);
    w.move();  // at 541
    for (const LightningNode& n : std::span(w.nodes, kLightningNodes)) EXPECT_TRUE(Parked(n));
    // Launched again, it flies in the middle of the screen until a bomb runs.
    w.fire();
    w.move();
    EXPECT_EQ(w.nodes[0].active, 1);
    gBombActive = 1;
    w.move();
    for (const LightningNode& n : std::span(w.nodes, kLightningNodes)) EXPECT_TRUE(Parked(n));
  }
}

}  // namespace
