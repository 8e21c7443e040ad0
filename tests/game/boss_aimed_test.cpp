#include <cmath>
#include <numbers>
#include <set>
#include <vector>

#include "bosses/aimed_kinds.h"
#include "bosses/aimed_volleys.h"
#include "bosses/attack_kind.h"
#include "bosses/late_aimed.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kDeg = kPi / 180.0f;

void ResetAll() {
  for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k)
    ResetAimed(static_cast<AimedKindId>(k));
}

bool Parked(const AimedVolleySlot& s) { return s.active == 0 && s.x == kParkX && s.y == kParkY; }

using AimedVolleyTest = AttackTest;

TEST_F(AimedVolleyTest, AGroupOfFiveFansOutAboutTheAimAndTurnsWholeWhenAimingLeft) {
  ResetAll();
  gBoss1.x = 100.0f, gBoss1.y = 50.0f;   // start point (310, 180)
  gPlayerX = 390.0f, gPlayerY = 240.0f;  // aim point (410, 260): dx 100, dy 80
  for (int s = 5; s < 10; ++s) FireBoss1AimedVolley2(s, 5);
  const float base = std::atan(80.0f / 100.0f);
  for (int m = 0; m < 5; ++m) {
    const AimedVolleySlot& s = gBoss1AimedVolley2[5 + m];
    EXPECT_TRUE(s.active == 1 && s.x == 310.0f && s.y == 180.0f && s.dx == 100.0f) << m;
    EXPECT_NEAR(s.angle, base + (m - 2) * 12.0f * kDeg, 1e-5) << m;
  }
  gPlayerX = 190.0f;  // aim point 100 to the left, 80 down
  for (int s = 0; s < 5; ++s) FireBoss1AimedVolley2(s, 0);
  for (int m = 0; m < 5; ++m)
    EXPECT_NEAR(gBoss1AimedVolley2[m].angle, -base + (m - 2) * 12.0f * kDeg + kPi, 1e-5) << m;
}

TEST_F(AimedVolleyTest, MoveFreesStrictlyBeyondEachScreenEdgeAndTheStringsBeyond540) {
  ResetAll();
  gFrameScale = 0.5f;
  auto place = [](int slot, float x, float y, float angle) {
    AimedVolleySlot& s = gBoss3AimedVolley1[slot];
    s.active = 1, s.x = x, s.y = y, s.angle = angle, s.speed = 20.0f;
  };
  place(1, 630.0f, 100.0f, 0.0f);      // to 640: stays
  place(2, 631.0f, 100.0f, 0.0f);      // to 641: freed
  place(3, -10.0f, 100.0f, kPi);       // to -20: stays
  place(4, -11.0f, 100.0f, kPi);       // to -21: freed
  place(5, 100.0f, 470.0f, kPi / 2);   // to 480: stays
  place(6, 100.0f, 471.0f, kPi / 2);   // to 481: freed
  place(7, 100.0f, -10.0f, -kPi / 2);  // to -20: stays
  place(8, 100.0f, -11.0f, -kPi / 2);  // to -21: freed
  gBoss3AimedVolley1[9].x = 50.0f;     // idle off its parking: left alone
  MoveBoss3AimedVolley1();
  for (int s : {1, 3, 5, 7}) EXPECT_EQ(gBoss3AimedVolley1[s].active, 1) << s;
  for (int s : {2, 4, 6, 8}) EXPECT_TRUE(Parked(gBoss3AimedVolley1[s])) << s;
  EXPECT_EQ(gBoss3AimedVolley1[9].x, 50.0f);
  // Both strings stop at 540 on the right.
  for (AimedKindId id : {AimedKindId::Boss1AimedShot1, AimedKindId::Boss1AimedShot2}) {
    AimedVolleySlot* string = Aimed(id).slots;
    string[0] = {0, 0, 531.0f, 100.0f, 0, 0, 0.0f, 20.0f, 1};
    string[1] = {0, 0, 530.0f, 100.0f, 0, 0, 0.0f, 20.0f, 1};
    MoveAimed(id);
    EXPECT_TRUE(Parked(string[0])) << static_cast<int>(id);
    EXPECT_EQ(string[1].active, 1) << static_cast<int>(id);
  }
}

// Every kind hits the ship with the same inclusive box; of them all only
// boss 1's first volley frees the bullet that hits.
TEST_F(AimedVolleyTest, TheHitBoxIsInclusiveAndOnlyTheFirstVolleyIsFreedByAHit) {
  gFrameScale = 0.0f;  // bullets stand still
  struct Case {
    float rx, ry;
    bool hits;
  };
  const Case cases[] = {{10, 20, true},     {30, 30, true},     {9.9f, 25, false},
                        {30.1f, 25, false}, {20, 19.9f, false}, {20, 30.1f, false}};
  for (const Case& c : cases) {
    for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k) {
      const AimedKindId id = static_cast<AimedKindId>(k);
      ResetAll();
      gPlayerAlive = 1;
      AimedVolleySlot& s = Aimed(id).slots[3];
      s = {0, 0, gPlayerX + c.rx, gPlayerY + c.ry, 0, 0, 0.0f, 100.0f, 1};
      MoveAimed(id);
      EXPECT_EQ(gPlayerAlive, c.hits ? 0 : 1) << "kind " << k << " at " << c.rx << "," << c.ry;
      EXPECT_EQ(Parked(s), c.hits && id == AimedKindId::Boss1AimedVolley1) << "kind " << k;
    }
  }
}

// Boss 1's two strings and its first volley test idle slots too; every other
// kind skips them.
TEST_F(AimedVolleyTest, BossOneFormsTestIdleSlotsTooTheOthersSkipThem) {
  gFrameScale = 0.0f;
  for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k) {
    const AimedKindId id = static_cast<AimedKindId>(k);
    ResetAll();
    gPlayerAlive = 1;
    AimedVolleySlot& inBox = Aimed(id).slots[0];
    inBox.x = gPlayerX + 20, inBox.y = gPlayerY + 25;  // idle, yet inside the ship's box
    AimedVolleySlot& outside = Aimed(id).slots[1];
    outside.x = 700.0f, outside.y = 100.0f;  // idle beyond the screen
    MoveAimed(id);
    const bool visits = id == AimedKindId::Boss1AimedShot1 || id == AimedKindId::Boss1AimedShot2 ||
                        id == AimedKindId::Boss1AimedVolley1;
    EXPECT_EQ(gPlayerAlive, visits ? 0 : 1) << "kind " << k;
    EXPECT_EQ(outside.x, visits ? float(kParkX) : 700.0f) << "kind " << k;
  }
}

// Boss 5's seven-bullet volleys fire groups 0 to 3 at 30, 60, 90 and 120 of a
// 150-call cycle; group 4's count of 150 lies past the timer's last value.
TEST_F(AimedVolleyTest, TheFifthGroupOfBossFivesSevenBulletVolleysNeverFires) {
  ResetAll();
  gBoss5 = {100.0f, 40.0f, 0.0f, 0.0f, 0.0f, 0, 0};
  std::vector<int> fired;
  for (int call = 1; call <= 300; ++call) {
    TickBoss5AimedVolley1();
    for (int first = 0; first < 35; first += 7)
      if (gBoss5AimedVolley1[first].active) {
        fired.push_back(call);
        for (int s = first; s < first + 7; ++s) ParkSlot(gBoss5AimedVolley1[s]);
      }
  }
  EXPECT_EQ(fired, (std::vector<int>{30, 60, 90, 120, 180, 210, 240, 270}));
}

TEST_F(AimedVolleyTest, FireOutsideTheTableOrItsGroupStartsNothing) {
  ResetAll();
  FireBoss1AimedVolley2(25, 20);
  FireBoss1AimedVolley2(-1, 0);
  FireBoss1AimedVolley2(5, 0);  // the first slot past the group that starts at 0
  FireBoss1AimedVolley2(7, 0);
  FireBoss3AimedShot1(200);
  FireBoss2AimedShot1(-1);
  for (const AimedVolleySlot& s : gBoss1AimedVolley2) EXPECT_EQ(s.active, 0);
  for (const AimedShotSlot& s : gBoss3AimedShot1) EXPECT_EQ(s.active, 0);
}

TEST_F(AimedVolleyTest, TheFirstVolleyPlacesItsWholeGroupAndDrawsItsSpeeds) {
  ResetAll();
  gBoss1.x = 10.0f, gBoss1.y = 20.0f;
  for (int call = 0; call < 200; ++call) TickBoss1AimedVolley1();
  const float starts[4][2] = {{160, 120}, {280, 120}, {100, 170}, {340, 170}};
  std::set<float> speeds;
  for (int s = 0; s < 8; ++s) {
    EXPECT_EQ(gBoss1AimedVolley1[s].active, 1) << s;
    EXPECT_EQ(gBoss1AimedVolley1[s].x, starts[s % 4][0]);
    EXPECT_EQ(gBoss1AimedVolley1[s].y, starts[s % 4][1]);
    EXPECT_GE(gBoss1AimedVolley1[s].speed, 180.0f);
    EXPECT_LE(gBoss1AimedVolley1[s].speed, 209.0f);
    EXPECT_EQ(gBoss1AimedVolley1[s].speed, std::floor(gBoss1AimedVolley1[s].speed));
    speeds.insert(gBoss1AimedVolley1[s].speed);
  }
  EXPECT_GT(speeds.size(), 1u);
  EXPECT_EQ(gBoss1AimedVolley1[8].active, 0);
  // One member still flies when its group comes round: it jumps back to its
  // start point and keeps its angle and speed; its mates fire again.
  for (int s = 0; s < 4; ++s) gBoss1AimedVolley1[s].active = 0;
  gBoss1AimedVolley1[1].active = 1;
  gBoss1AimedVolley1[1].x = 5.0f;
  gBoss1AimedVolley1[1].angle = 1.25f;
  const float speed = gBoss1AimedVolley1[1].speed;
  gBoss1.x = 30.0f;
  for (int call = 200; call < 630 + 100; ++call) TickBoss1AimedVolley1();
  EXPECT_EQ(gBoss1AimedVolley1[1].x, 300.0f);
  EXPECT_EQ(gBoss1AimedVolley1[1].angle, 1.25f);
  EXPECT_EQ(gBoss1AimedVolley1[1].speed, speed);
  EXPECT_EQ(gBoss1AimedVolley1[0].x, 180.0f);
}

// Each string aims all five bullets along one line from its own start point.
TEST_F(AimedVolleyTest, TheStringsAimAllFiveBulletsAlongOneLine) {
  ResetAll();
  gBoss1.x = 0.0f, gBoss1.y = 0.0f;     // string 1 starts at (90, 100), string 2 at (330, 100)
  gPlayerX = 68.0f, gPlayerY = 278.0f;  // aim (90, 300): straight down from string 1
  FireBoss1AimedShot1();
  FireBoss1AimedShot2();
  const float left = std::atan(200.0f / -240.0f) + kPi;  // from string 2: 240 left, 200 down
  for (int s = 0; s < 5; ++s) {
    EXPECT_EQ(gBoss1AimedShot1[s].dx, 0.0f) << s;
    EXPECT_EQ(gBoss1AimedShot1[s].dy, 200.0f) << s;
    EXPECT_NEAR(gBoss1AimedShot1[s].angle, kPi / 2, 1e-6) << s;
    EXPECT_EQ(gBoss1AimedShot2[s].dx, 90.0f - 330.0f) << s;
    EXPECT_EQ(gBoss1AimedShot2[s].dy, 200.0f) << s;
    EXPECT_NEAR(gBoss1AimedShot2[s].angle, left, 1e-6) << s;
  }
}

}  // namespace
