// The timer-fired bursts: the group schedule and the wrap of the timers, the
// fan and ring directions, flight, bounds, bomb and ship box.
#include <cmath>
#include <numbers>

#include "tests/game/large_fixture.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kFan = 2.0f * kPi / 30.0f;

using BurstTest = LargeTest;

std::vector<int> AliveSlots(std::span<const BurstShotRecord> shots) {
  std::vector<int> alive;
  for (size_t i = 0; i < shots.size(); ++i)
    if (shots[i].alive) alive.push_back(static_cast<int>(i));
  return alive;
}
std::vector<int> Range(int first, int count) {
  std::vector<int> r;
  for (int i = first; i < first + count; ++i) r.push_back(i);
  return r;
}

TEST_F(BurstTest, EachGroupFiresWholeAtItsCountAndTheTimersWrapAtThePeriod) {
  Place(gZak50A, 300.0f, 100.0f);
  for (int call = 1; call <= 80; ++call) {
    TickZak50AShot(0);
    const int groups = call / 15;  // counts 15, 30, 45, 60, 75
    ASSERT_EQ(AliveSlots(gZak50AShot), Range(0, 5 * std::min(groups, 5))) << call;
  }
  for (const BurstShotRecord& s : gZak50AShot) EXPECT_EQ(s.timer, 0);  // 80 wraps at once
  // A bullet still flying when its count comes again is left alone.
  gZak50AShot[2].x = 11.0f;
  for (int call = 1; call <= 15; ++call) TickZak50AShot(0);
  EXPECT_EQ(gZak50AShot[2].x, 11.0f);
}

TEST_F(BurstTest, Zak50BShot1FiresItsLastGroupFiveCountsAfterTheFourthAndTheSideBurstsAt60) {
  Place(gZak50B, 300.0f, 100.0f);
  for (int call = 1; call <= 64; ++call) TickZak50BShot1(0);
  EXPECT_EQ(AliveSlots(gZak50BShot1), Range(0, 20));
  TickZak50BShot1(0);
  EXPECT_EQ(AliveSlots(gZak50BShot1), Range(0, 25));
  // The side bursts wait for 60 of their 370 counts.
  for (int call = 1; call <= 59; ++call) TickZak50BShot2(0);
  EXPECT_TRUE(AliveSlots(gZak50BShot2).empty());
  TickZak50BShot2(0);
  EXPECT_EQ(AliveSlots(gZak50BShot2), Range(0, 5));
  EXPECT_EQ(gZak50BShot2[0].x, 302.0f);  // from the left muzzle
  EXPECT_EQ(gZak50BShot2[0].speed, 160.0f);
  for (int call = 1; call <= 60; ++call) TickZak50BShot3(0);
  EXPECT_EQ(gZak50BShot3[0].x, 522.0f);  // from the right muzzle
}

TEST_F(BurstTest, AFanLeavesAtTwelveDegreeStepsAboutTheAimLineInEveryQuadrant) {
  Place(gZak50A, 100.0f, 100.0f);  // muzzle at (192, 170)
  struct Case {
    float shipX, shipY, base;
  };
  const Case cases[] = {
      {272, 150, 0.0f},                   // level, to the right
      {72, 150, kPi},                     // level, to the left: turned by pi
      {172, 350, kPi / 2},                // straight below (dx 0)
      {172, 0, kPi / 2 + kPi},            // straight above: pi / 2 turned by pi
      {72, 250, std::atan(-1.0f) + kPi},  // down-left
  };
  for (const Case& c : cases) {
    gPlayerX = c.shipX;
    gPlayerY = c.shipY;
    for (BurstShotRecord& s : gZak50AShot) s.alive = 0;
    for (int i = 5; i < 10; ++i) FireZak50AShot(i, 5);
    for (int i = 5; i < 10; ++i) {
      const BurstShotRecord& s = gZak50AShot[i];
      EXPECT_NEAR(s.angle, c.base + kFan * static_cast<float>(i - 7), 1e-5f) << c.shipX;
      EXPECT_EQ(s.dx, c.shipX + 20.0f - 192.0f);
      EXPECT_EQ(s.dy, c.shipY + 20.0f - 170.0f);
    }
  }
  const BurstShotRecord& s = gZak50AShot[9];
  EXPECT_EQ(s.x, 192.0f);
  EXPECT_EQ(s.originY, 170.0f);
  EXPECT_EQ(s.speed, 280.0f);
}

TEST_F(BurstTest, TheRingOfZak51ALeavesInThirtyDegreeStepsCountedFromItsFirstBullet) {
  Place(gZak51A, 100.0f, 100.0f);  // muzzle at (192, 132)
  gPlayerX = 400.0f;
  gPlayerY = 112.0f;  // level to the right
  for (int call = 1; call <= 60; ++call) TickZak51AShot2(0);
  EXPECT_EQ(AliveSlots(gZak51AShot2), Range(0, 12));
  for (int i = 0; i < 12; ++i)
    EXPECT_NEAR(gZak51AShot2[i].angle, static_cast<float>(i) * kPi / 6.0f, 1e-5f) << i;
  EXPECT_EQ(gZak51AShot2[0].y, 132.0f);
  EXPECT_EQ(gZak51AShot2[0].speed, 150.0f);
  // The second ring counts on from bullet 0: its first bullet is twelve steps round.
  FireZak51AShot2(13);
  EXPECT_NEAR(std::remainder(gZak51AShot2[13].angle, 2.0f * kPi), kPi / 6.0f, 1e-5f);
  EXPECT_GT(gZak51AShot2[13].angle, 2.0f * kPi);
  // The ring timers wrap at 660.
  for (int call = 61; call < 660; ++call) TickZak51AShot2(0);
  EXPECT_EQ(gZak51AShot2[0].timer, 659);
  TickZak51AShot2(0);
  EXPECT_EQ(gZak51AShot2[0].timer, 0);
}

}  // namespace
