#include "enemies/aimed_fan.h"

#include <cmath>
#include <cstring>
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
    EXPECT_EQ(b.originX, 132.0f);
    EXPECT_EQ(b.originY, 90.0f);
    EXPECT_EQ(b.speed, 180.0f);
    EXPECT_EQ(b.dx, 0.0f);
    EXPECT_EQ(b.dy, 230.0f);
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

TEST_F(AimedFanTest, EachKindThrowsFromItsOwnSlotZeroAndTurnsLeftAndUpwardAims) {
  enemy::ResetFan(gDiver80RFan);
  gDiver80R[0].x = 300.0f;
  gDiver80R[0].y = 100.0f;
  gDiver80L[0].x = -500.0f;
  gPlayerX = 312.0f;  // level with the muzzle (332, 140): straight up
  gPlayerY = 120.0f;
  for (int call = 0; call < 40; ++call) FireDiver80RFan(0);
  EXPECT_EQ(gDiver80RFan[0].x, 332.0f);
  EXPECT_NEAR(gDiver80RFan[2].angle, 3 * kPi / 2, 2e-6);
  EXPECT_NEAR(gDiver80RFan[4].angle, 3 * kPi / 2 + 2 * kPi / 15, 2e-6);
  // Up and to the left: the spread is added before the half turn.
  gPlayerX = 200.0f;
  gPlayerY = 0.0f;
  for (int call = 40; call < 80; ++call) FireDiver80RFan(0);
  const double base = std::atan((20.0 - 140.0) / (220.0 - 332.0));
  EXPECT_NEAR(gDiver80RFan[5].angle, base - 2 * kPi / 15 + kPi, 2e-6);
  EXPECT_NEAR(gDiver80RFan[7].angle, base + kPi, 2e-6);
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
  const float kept[][2] = {{640.0f, 10.0f}, {-16.0f, 10.0f}, {10.0f, 480.0f}, {10.0f, -16.0f}};
  for (const auto& p : kept) {
    StillBullet(p[0], p[1]);
    MoveDiver80LFan(0);
    EXPECT_EQ(gDiver80LFan[0].alive, 1) << p[0] << ", " << p[1];
  }
  const float freed[][2] = {{std::nextafter(640.0f, 700.0f), 10.0f},
                            {std::nextafter(-16.0f, -20.0f), 10.0f},
                            {10.0f, std::nextafter(480.0f, 500.0f)},
                            {10.0f, std::nextafter(-16.0f, -20.0f)}};
  for (const auto& p : freed) {
    StillBullet(p[0], p[1]);
    MoveDiver80LFan(0);
    EXPECT_EQ(gDiver80LFan[0].alive, 0) << p[0] << ", " << p[1];
    EXPECT_EQ(gDiver80LFan[0].x, -500.0f);
    EXPECT_EQ(gDiver80LFan[0].y, 500.0f);
  }
  StillBullet(100.0f, 100.0f);
  gBombActive = 1;
  MoveDiver80LFan(0);
  EXPECT_EQ(gDiver80LFan[0].alive, 0);
}

TEST_F(AimedFanTest, MoveFliesAlongTheAngleAndLeavesFreeBulletsAlone) {
  StillBullet(100.0f, 100.0f);
  gDiver80LFan[0].speed = 100.0f;
  gDiver80LFan[0].angle = static_cast<float>(kPi / 6);
  gDiver80LFan[1].x = 700.0f;  // free and off the screen: not even parked
  gDiver80LFan[1].speed = 100.0f;
  gFrameScale = 0.5f;
  MoveDiver80LFan(0);
  EXPECT_NEAR(gDiver80LFan[0].x, 100.0f + 50.0f * std::cos(kPi / 6), 1e-4);
  EXPECT_NEAR(gDiver80LFan[0].y, 125.0f, 1e-4);
  EXPECT_EQ(gDiver80LFan[1].x, 700.0f);
  EXPECT_EQ(gDiver80LFan[1].y, 500.0f);
}

TEST_F(AimedFanTest, ABulletInTheShipsBoxKillsTheShipAndFliesOn) {
  gPlayerX = 200.0f;
  gPlayerY = 200.0f;
  StillBullet(214.0f, 224.0f);  // the box's corner: (14, 24) from the ship's
  MoveDiver80LFan(0);
  EXPECT_EQ(gPlayerAlive, 0);
  EXPECT_EQ(gDiver80LFan[0].alive, 1);
  StillBullet(213.9f, 224.0f);
  gPlayerAlive = 1;
  MoveDiver80LFan(0);
  EXPECT_EQ(gPlayerAlive, 1);
}

TEST_F(AimedFanTest, DrawShowsEachBulletsCellAndAnimatesFreeBulletsToo) {
  gDiver80LFan[3].alive = 1;
  gDiver80LFan[3].x = 100.7f;  // truncated to 100
  gDiver80LFan[3].y = 50.0f;
  gDiver80LFan[3].frame = 15;
  EXPECT_EQ(Render([] { DrawDiver80LFan(0); }),
            Render([] { koDraw::Blit(100, 50, gPicVal1, 240, 0, 256, 16); }));
  EXPECT_EQ(gDiver80LFan[3].frame, 0);  // the strip wraps after its sixteenth cell
  EXPECT_EQ(gDiver80LFan[0].frame, 1);  // free bullets step too, drawn off the screen
  EXPECT_EQ(Render([] { DrawDiver80LFan(0); }),
            Render([] { koDraw::Blit(100, 50, gPicVal1, 0, 0, 16, 16); }));
}

TEST_F(AimedFanTest, ResetClearsEveryWordButTheSpareAndParksAtTheDownwardAngle) {
  std::memset(gDiver80LFan, 0x5A, sizeof gDiver80LFan);
  EXPECT_FALSE(enemy::FanAtStart(gDiver80LFan));
  enemy::ResetFan(gDiver80LFan);
  EXPECT_TRUE(enemy::FanAtStart(gDiver80LFan));
  EXPECT_EQ(gDiver80LFan[24].timer, 0);
  EXPECT_NEAR(gDiver80LFan[24].angle, -3 * kPi / 180, 1e-7);
  EXPECT_EQ(gDiver80LFan[24].spare3, 0x5A5A5A5A);  // the reset leaves it alone
}

}  // namespace
