// The Diver and Gunner volleys: fixed speeds fired from one slot.
#include <cmath>
#include <numbers>

#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "tests/game/enemy_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;

class CrosserWeaponTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gPicVal201 = Strip(20, 7);
    gPicVal12 = Strip(16, 1);
  }
};

TEST_F(CrosserWeaponTest, AVolleyLeavesOneSlotAsAStringOfFixedSpeedsOnOneAimLine) {
  gDiver80L[0].x = 100.0f;
  gDiver80L[0].y = 40.0f;
  gDiver80L[1].x = 200.0f;
  gDiver80L[1].y = 60.0f;
  gPlayerX = 400.0f;
  gPlayerY = 300.0f;
  FireDiver80LShot1(0);
  FireDiver80LShot2(0);
  const double shot1Angle = std::atan((322.0 - 90.0) / (422.0 - 130.0));
  for (int k = 0; k < 4; ++k) {
    const AimedShotRecord& s = gDiver80LShot1[k];
    EXPECT_EQ(s.alive, 1);
    EXPECT_EQ(s.x, 130.0f);  // slot 0 for every bullet
    EXPECT_EQ(s.y, 90.0f);
    EXPECT_EQ(s.originX, 130.0f);
    EXPECT_EQ(s.dx, 292.0f);
    EXPECT_EQ(s.speed, 120.0f + 40.0f * k);
    EXPECT_NEAR(s.angle, shot1Angle, 1e-6);
  }
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(gDiver80LShot2[k].x, 230.0f);  // slot 1
    EXPECT_EQ(gDiver80LShot2[k].y, 110.0f);
    EXPECT_EQ(gDiver80LShot2[k].speed, 120.0f + 40.0f * k);
  }
}

TEST_F(CrosserWeaponTest, EveryStartRewritesTheWholeVolleysSpeedsButLeavesFlyingBulletsInPlace) {
  gGunner80L[0].x = 100.0f;
  gGunner80L[0].y = 40.0f;
  gGunner80LShot1[2].alive = 1;
  gGunner80LShot1[2].x = 7.0f;
  gGunner80LShot1[2].speed = 5.0f;
  FireGunner80LShot1(0);
  EXPECT_EQ(gGunner80LShot1[2].x, 7.0f);
  EXPECT_EQ(gGunner80LShot1[2].speed, 200.0f);
  EXPECT_EQ(gGunner80LShot1[3].x, 130.0f);
  // With no bullet free nothing is written.
  gGunner80LShot1[2].speed = 5.0f;
  FireGunner80LShot1(0);
  EXPECT_EQ(gGunner80LShot1[2].speed, 5.0f);
}

}  // namespace
