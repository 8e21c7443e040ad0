// Every aim rule heads for its aim point in all four quadrants and along both
// axes: the boss kinds, the enemy bullets and the ship's death explosion, each
// through the operation that fires or starts. The homing missiles' steering
// has its own test beside their other rules.
#include <cmath>
#include <numbers>

#include "bosses/aimed_volleys.h"
#include "bosses/boss_state.h"
#include "bosses/lightning.h"
#include "enemies/aimed_fan.h"
#include "enemies/divers.h"
#include "enemies/large_kinds.h"
#include "enemies/template_kinds.h"
#include "player/life.h"
#include "tests/game/enemy_fixture.h"

namespace {

using AimTest = EnemyTest;

constexpr double kPi = std::numbers::pi;

// Aim points around the start point: the four quadrants, the four axis
// directions, and the start point itself.
struct Aim {
  float dx, dy;
};
constexpr Aim kAims[] = {{120, 50}, {-120, 50}, {-120, -50}, {120, -50}, {120, 0},
                         {-120, 0}, {0, 50},    {0, -50},    {0, 0}};

// The heading towards (dx, dy) as the rules keep it: 0 to the right, pi/2
// down, the left half from pi/2 to 3pi/2; straight up, and the start point
// itself, is 3pi/2.
double Heading(const Aim& a) {
  if (a.dx == 0 && a.dy <= 0) return 1.5 * kPi;
  const double h = std::atan2(a.dy, a.dx);
  return h < -kPi / 2 ? h + 2 * kPi : h;
}

::testing::Message Where(const Aim& a) { return ::testing::Message() << a.dx << ", " << a.dy; }

// The spread centres on the aim: on member 2 of a five-bullet volley and on
// member 3 of a seven-bullet one.
TEST_F(AimTest, BossVolleysAndWhipsHeadForTheirAimPoint) {
  constexpr double kStep = 2 * kPi / 30;
  gBoss1 = gBoss2 = gBoss3 = BossState{};
  gBoss1.x = 100.0f, gBoss1.y = 50.0f;  // the volley starts at (310, 180), aims at ship + 20
  for (const Aim& a : kAims) {
    SCOPED_TRACE(Where(a));
    for (AimedVolleySlot& s : gBoss1AimedVolley2) s.active = 0;
    gPlayerX = 290.0f + a.dx, gPlayerY = 160.0f + a.dy;
    for (int slot = 5; slot < 10; ++slot) FireBoss1AimedVolley2(slot, 5);
    for (int m = 0; m < 5; ++m) {
      const AimedVolleySlot& s = gBoss1AimedVolley2[5 + m];
      EXPECT_TRUE(s.dx == a.dx && s.dy == a.dy) << m;
      EXPECT_NEAR(s.angle, Heading(a) + (m - 2) * kStep, 1e-5) << m;
    }
    // Boss 3's seven-bullet volley starts at (210, 130).
    for (AimedVolleySlot& s : gBoss3AimedVolley4) s.active = 0;
    gPlayerX = 190.0f + a.dx, gPlayerY = 110.0f + a.dy;
    for (int slot = 0; slot < 7; ++slot) FireBoss3AimedVolley4(slot, 0);
    for (int m = 0; m < 7; ++m) {
      const AimedVolleySlot& s = gBoss3AimedVolley4[m];
      EXPECT_TRUE(s.dx == a.dx && s.dy == a.dy) << m;
      EXPECT_NEAR(s.angle, Heading(a) + (m - 3) * kStep, 1e-5) << m;
    }
    // The whip starts at (194, 44) and aims at ship + 24.
    for (LightningNode& n : gBoss2Lightning1) n.active = 0;
    gPlayerX = 170.0f + a.dx, gPlayerY = 20.0f + a.dy;
    FireBoss2Lightning1();
    for (const LightningNode& n : gBoss2Lightning1) EXPECT_NEAR(n.angle, Heading(a), 1e-5);
  }
}

TEST_F(AimTest, EnemyShotsFansAndBurstsHeadForTheirAimPoint) {
  constexpr double kStep = 2 * kPi / 30;
  gZak7A[0].x = 200.0f, gZak7A[0].y = 150.0f;       // muzzle (232, 172), aim at ship + 22
  gDiver80L[0].x = 100.0f, gDiver80L[0].y = 50.0f;  // muzzle (132, 90), aim at ship + 20
  gZak50A = LargeZakState{};
  gZak50A.alive = 1, gZak50A.x = 100.0f, gZak50A.y = 100.0f;  // muzzle (192, 170)
  for (const Aim& a : kAims) {
    SCOPED_TRACE(Where(a));
    for (AimedShotRecord& s : gZak7AShot) s.alive = 0;
    gPlayerX = 210.0f + a.dx, gPlayerY = 150.0f + a.dy;
    FireZak7AShot(0);
    EXPECT_TRUE(gZak7AShot[0].dx == a.dx && gZak7AShot[0].dy == a.dy);
    EXPECT_NEAR(gZak7AShot[0].angle, Heading(a), 1e-5);

    enemy::ResetFan(gDiver80LFan);
    gPlayerX = 112.0f + a.dx, gPlayerY = 70.0f + a.dy;
    for (int call = 0; call < 40; ++call) FireDiver80LFan(0);  // the first fan leaves
    for (int j = 0; j < 5; ++j) {
      const FanShotRecord& b = gDiver80LFan[j];
      EXPECT_TRUE(b.alive == 1 && b.dx == a.dx && b.dy == a.dy) << j;
      EXPECT_NEAR(b.angle, Heading(a) + (j - 2) * kStep, 1e-5) << j;
    }

    for (BurstShotRecord& s : gZak50AShot) s.alive = 0;
    gPlayerX = 172.0f + a.dx, gPlayerY = 150.0f + a.dy;
    for (int i = 5; i < 10; ++i) FireZak50AShot(i, 5);
    for (int i = 5; i < 10; ++i) {
      const BurstShotRecord& s = gZak50AShot[i];
      EXPECT_TRUE(s.dx == a.dx && s.dy == a.dy) << i;
      EXPECT_NEAR(s.angle, Heading(a) + (i - 7) * kStep, 1e-5) << i;
    }
  }
}

// Each ring of the ship's death explosion is 16 fragments 22.5 degrees
// apart, the first flying from the ship's corner towards the point (20, 20).
TEST_F(AimTest, TheFirstFragmentOfTheDeathRingFliesTowardsTheScreensCornerPoint) {
  for (const Aim& a : kAims) {
    SCOPED_TRACE(Where(a));
    ParkExplosionFragments();
    gPlayerX = 20.0f - a.dx, gPlayerY = 20.0f - a.dy;
    UpdateShipExplosion(0);  // the first frame of a death starts ring 0
    for (int i = 0; i < 16; ++i) {
      const ExplosionFragment& f = gExplosionFragments[i];
      ASSERT_EQ(f.started, 1) << i;
      EXPECT_TRUE(f.dx == a.dx && f.dy == a.dy) << i;
      EXPECT_NEAR(f.angle, Heading(a) + i * 2 * kPi / 16, 1e-5) << i;
    }
  }
}

}  // namespace
