#include "enemies/aimed_fan.h"

#include <cmath>
#include <numbers>

#include "enemies/divers.h"
#include "game/assets.h"
#include "tests/game/enemy_fixture.h"

namespace {

using AimedFanTest = EnemyTest;

constexpr double kPi = std::numbers::pi;

int AliveFanShots(const FanShotRecord (&fan)[kFanShots]) {
  int n = 0;
  for (const FanShotRecord& b : fan) n += b.alive;
  return n;
}

TEST_F(AimedFanTest, ThrowsOneFanEveryFortiethCallFiveTimesACycleOf250) {
  enemy::ResetFan(gDiver80LFan);
  gDiver80L[0].x = 100.0f;
  gDiver80L[0].y = 50.0f;
  gPlayerX = 112.0f;  // aim point straight below the muzzle (132, 90)
  gPlayerY = 300.0f;
  for (int call = 1; call < 40; ++call) FireDiver80LFan(0);
  EXPECT_EQ(AliveFanShots(gDiver80LFan), 0);
  FireDiver80LFan(0);
  ASSERT_EQ(AliveFanShots(gDiver80LFan), 5);
  for (int j = 0; j < 5; ++j) {
    const FanShotRecord& b = gDiver80LFan[j];
    EXPECT_EQ(b.x, 132.0f);
    EXPECT_EQ(b.y, 90.0f);
    EXPECT_NEAR(b.angle, kPi / 2 + (j - 2) * kPi / 15, 2e-6) << j;
  }
  // The second group's bullet 7 is still flying when its count comes: the
  // rest of its fan leaves without it.
  gDiver80LFan[7].alive = 1;
  gDiver80LFan[7].x = 3.0f;
  for (int call = 41; call <= 80; ++call) FireDiver80LFan(0);
  EXPECT_EQ(AliveFanShots(gDiver80LFan), 10);
  EXPECT_EQ(gDiver80LFan[7].x, 3.0f);
  EXPECT_EQ(gDiver80LFan[6].x, 132.0f);
  int maxTimer = 0;
  for (int call = 81; call <= 250; ++call) {
    FireDiver80LFan(0);
    for (const FanShotRecord& b : gDiver80LFan) maxTimer = std::max(maxTimer, b.timer);
  }
  EXPECT_EQ(maxTimer, 249);
  EXPECT_EQ(AliveFanShots(gDiver80LFan), 25);
  for (const FanShotRecord& b : gDiver80LFan) EXPECT_EQ(b.timer, 0);
}

// One flying bullet at (x, y) that the move leaves in place.
void StillBullet(float x, float y) {
  enemy::ResetFan(gDiver80LFan);
  FanShotRecord& b = gDiver80LFan[0];
  b.alive = 1;
  b.x = x;
  b.y = y;
  b.speed = 0.0f;
}

TEST_F(AimedFanTest, MoveKeepsBulletsOnTheScreenAndItsLeftAndTopBorder) {
  gPlayerX = 300.0f;
  gPlayerY = 300.0f;
  const float places[][3] = {{640.0f, 10.0f, 1}, {-16.0f, 480.0f, 1}, {640.5f, 10.0f, 0},
                             {-16.5f, 10.0f, 0}, {10.0f, 480.5f, 0},  {10.0f, -16.5f, 0}};
  for (const auto& p : places) {
    StillBullet(p[0], p[1]);
    MoveDiver80LFan(0);
    EXPECT_EQ(gDiver80LFan[0].alive, p[2]) << p[0] << ", " << p[1];
  }
  StillBullet(100.0f, 100.0f);
  gBombActive = 1;
  MoveDiver80LFan(0);
  EXPECT_EQ(gDiver80LFan[0].alive, 0);
}

// Diver80R's fan leaves from its own slot 0 and flies; each Draw shows its
// own fan's flying bullet as its cell of the strip, and animates every bullet
// of its own fan, free ones included.
TEST_F(AimedFanTest, EachDiverFansOperationsWorkOnItsOwnFan) {
  enemy::ResetFan(gDiver80LFan);
  enemy::ResetFan(gDiver80RFan);
  gDiver80R[0].x = 200.0f;
  gDiver80R[0].y = 30.0f;
  for (int call = 1; call <= 40; ++call) FireDiver80RFan(0);
  EXPECT_EQ(AliveFanShots(gDiver80RFan), 5);
  EXPECT_EQ(AliveFanShots(gDiver80LFan), 0);
  EXPECT_TRUE(gDiver80RFan[0].x == 232.0f && gDiver80RFan[0].y == 70.0f);
  EXPECT_EQ(gDiver80RFan[0].speed, 180.0f);
  const float y = gDiver80RFan[2].y;
  MoveDiver80RFan(0);
  EXPECT_GT(gDiver80RFan[2].y, y);  // the ship lies below: the middle bullet falls
  for (FanShotRecord* fan : {gDiver80LFan, gDiver80RFan}) {
    enemy::ResetFan(fan == gDiver80LFan ? gDiver80LFan : gDiver80RFan);
    fan[0].alive = 1, fan[0].x = 100.0f, fan[0].y = 100.0f, fan[0].frame = 15;
    fan[1].frame = 3;
    EXPECT_EQ(Render([fan] { (fan == gDiver80LFan ? DrawDiver80LFan : DrawDiver80RFan)(0); }),
              Render([] { koDraw::Blit(100, 100, gPicVal1, 240, 0, 256, 16); }));
    EXPECT_EQ(fan[0].frame, 0);  // 16 cells, then round
    EXPECT_EQ(fan[1].frame, 4);  // a free bullet animates too
  }
  EXPECT_EQ(gDiver80LFan[2].frame, 1);
  EXPECT_EQ(gDiver80RFan[2].frame, 1);
}

}  // namespace
