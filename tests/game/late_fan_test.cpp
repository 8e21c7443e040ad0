#include <tuple>
#include <vector>

#include "bosses/late_fans.h"
#include "enemies/kind.h"
#include "game/assets.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

void ResetAllFans() {
  for (int k = 0; k < static_cast<int>(FanKindId::Count); ++k)
    ResetGroup(Fan(static_cast<FanKindId>(k)));
}

bool Parked(const FanVolleySlot& s) { return s.active == 0 && s.x == kParkX && s.y == kParkY; }

enum class Box { A, B };

// One kind as the stage designer lists it.
struct Row {
  const char* name;
  void (*tick)();
  void (*move)();
  FanVolleySlot* slots;
  BossState* boss;
  float x0, a;  // Fire's x offset and first row
  int firstCount, period;
  float vy, vx;
  float outerSpread;  // member 4's sideways drift, px/s
  bool fiveWay;
  Box box;
};

#define KIND(b, k) #k, Tick##k, Move##k, g##k, &gBoss##b
const Row kRows[] = {
    {KIND(4, Boss4FanVolley1), 210, 60, 10, 150, 210, 0, 100, false, Box::A},
    {KIND(4, Boss4FanVolley2), 180, 30, 10, 140, 250, 30, 100, false, Box::A},
    {KIND(4, Boss4FanVolley6), 90, 30, 60, 720, 280, 0, 100, false, Box::A},
    {KIND(5, Boss5FanVolley1), 170, 90, 10, 140, 155, 0, 100, false, Box::B},
    {KIND(5, Boss5FanVolley5), 200, 60, 10, 150, 120, -100, 100, false, Box::A},
    {KIND(6, Boss6FanVolley2), 170, 60, 80, 860, 120, 0, 100, false, Box::B},
    {KIND(6, Boss6FiveWay1), 76, 50, 10, 150, 180, 0, 200, true, Box::A},
    {KIND(6, Boss6FiveWay2), 276, 50, 10, 150, 180, 0, 100, true, Box::A},
    {KIND(7, Boss7FiveWay2), 316, 50, 10, 150, 180, 0, 100, true, Box::A},
    {KIND(8, Boss8FanVolley2), 180, 60, 60, 660, 120, 0, 100, false, Box::B},
};
#undef KIND

using LateFanTest = AttackTest;

TEST_F(LateFanTest, EveryKindLaysOutItsWaveOnItsCountFallsAndSpreadsAtItsSpeeds) {
  const float rows[] = {0, 23, 30, 23, 0};
  const float spread[] = {-1, -0.5f, 0, 0.5f, 1};
  for (const Row& r : kRows) {
    ResetAllFans();
    *r.boss = BossState{100.0f, 40.0f, 0.0f, 0.0f, 0.0f, 0, 0};
    for (int call = 1; call < r.firstCount; ++call) r.tick();
    EXPECT_EQ(r.slots[0].active, 0) << r.name;
    r.tick();
    for (int m = 0; m < kFanWave; ++m) {
      const FanVolleySlot& s = r.slots[m];
      EXPECT_EQ(s.active, 1) << r.name << " member " << m;
      EXPECT_EQ(s.x, 100.0f + r.x0 + (r.fiveWay ? 22.0f * m : 0.0f)) << r.name << " " << m;
      EXPECT_EQ(s.y, 40.0f + r.a + rows[m]) << r.name << " " << m;
    }
    EXPECT_EQ(r.slots[kFanWave].active, 0) << r.name;
    // The timers wrap to 0 after `period` calls.
    for (int call = r.firstCount; call < r.period; ++call) r.tick();
    EXPECT_EQ(r.slots[0].timer, 0) << r.name;
    EXPECT_EQ(r.slots[49].timer, 0) << r.name;
    // One frame of flight: the fall, the slide and the outer members' spread.
    const float x4 = r.slots[4].x, y4 = r.slots[4].y, x2 = r.slots[2].x;
    gFrameScale = 0.25f;
    gPlayerAlive = 0;
    r.move();
    EXPECT_NEAR(r.slots[4].x - x4, (r.vx + r.outerSpread * spread[4]) * 0.25f, 1e-3) << r.name;
    EXPECT_NEAR(r.slots[4].y - y4, r.vy * 0.25f, 1e-3) << r.name;
    EXPECT_NEAR(r.slots[2].x - x2, r.vx * 0.25f, 1e-3) << r.name;
    EXPECT_EQ(r.slots[4].vy, r.vy) << r.name;
    EXPECT_EQ(r.slots[4].vx, r.vx) << r.name;
    // Box A reaches 10 to 30 right and 20 to 30 down; box B 0 to 20 both ways.
    gFrameScale = 0.0f;
    for (const auto& [dx, dy, inA, inB] :
         {std::tuple{10.0f, 20.0f, true, true}, std::tuple{30.0f, 30.0f, true, false},
          std::tuple{0.0f, 0.0f, false, true}, std::tuple{20.0f, 20.0f, true, true},
          std::tuple{30.1f, 25.0f, false, false}, std::tuple{-0.1f, 10.0f, false, false}}) {
      gPlayerAlive = 1;
      r.slots[3] = {0, 0, gPlayerX + dx, gPlayerY + dy, 0, 0, 0, 1};
      r.move();
      EXPECT_EQ(gPlayerAlive == 0, r.box == Box::A ? inA : inB) << r.name << " " << dx << "," << dy;
      EXPECT_EQ(r.slots[3].active, 1) << r.name;  // a hit leaves the bullet flying
    }
  }
}

TEST_F(LateFanTest, TheTwoBossFourKindsWithoutAScheduleStillFireWhenTicked) {
  // Nothing calls their Tick in play; the kinds work all the same.
  ResetAllFans();
  gBoss4 = BossState{0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0, 0};
  for (int call = 0; call < 10; ++call) {
    TickBoss4FanVolley2();
    TickBoss4FanVolley3();
  }
  EXPECT_EQ(gBoss4FanVolley2[4].active, 1);
  EXPECT_EQ(gBoss4FanVolley3[4].x, 240.0f);
}

TEST_F(LateFanTest, ARefiredWavePullsLiveFanMembersToTheirRowsAndFiveWayMembersHome) {
  ResetAllFans();
  gBoss4 = BossState{100.0f, 40.0f, 0.0f, 0.0f, 0.0f, 0, 0};
  gBoss6 = gBoss4;
  // Fan: member 2 idle, the others live and moved.
  for (int m = 0; m < kFanWave; ++m)
    gBoss4FanVolley1[5 + m] = {0, 0, 50.0f + m, 300.0f, 0, 0, 0, m == 2 ? 0 : 1};
  for (int s = 5; s < 10; ++s) FireBoss4FanVolley1(s, 5);
  const float ys[] = {100, 123, 130, 123, 100};
  for (int m = 0; m < kFanWave; ++m) {
    EXPECT_EQ(gBoss4FanVolley1[5 + m].x, m == 2 ? 310.0f : 50.0f + m) << m;
    EXPECT_EQ(gBoss4FanVolley1[5 + m].y, ys[m]) << m;
  }
  // Five-way: the live members go back to their launch points.
  for (int m = 0; m < kFanWave; ++m)
    gBoss6FiveWay1[m] = {0, 0, 7.0f, 300.0f, 0, 0, 0, m == 0 ? 0 : 1};
  for (int s = 0; s < 5; ++s) FireBoss6FiveWay1(s, 0);
  const float fiveRows[] = {90, 113, 120, 113, 90};
  for (int m = 0; m < kFanWave; ++m) {
    EXPECT_EQ(gBoss6FiveWay1[m].active, 1);
    EXPECT_EQ(gBoss6FiveWay1[m].x, 176.0f + 22.0f * m) << m;
    EXPECT_EQ(gBoss6FiveWay1[m].y, fiveRows[m]) << m;
  }
  // A wave whose five members all fly fires nothing and moves nothing.
  gBoss6FiveWay1[2].x = 1.0f;
  for (int s = 0; s < 5; ++s) FireBoss6FiveWay1(s, 0);
  EXPECT_EQ(gBoss6FiveWay1[2].x, 1.0f);
  // A slot outside the wave it is given starts nothing.
  FireBoss8FanVolley2(12, 5);
  FireBoss8FanVolley2(50, 50);
  EXPECT_TRUE(Parked(gBoss8FanVolley2[12]));
}

TEST_F(LateFanTest, IdleOuterMembersDriftBelowTheScreen) {
  ResetAllFans();
  // Idle members spread too: x moves, y stays below the screen.
  gFrameScale = 0.5f;
  MoveBoss7FiveWay1();
  MoveBoss8FanVolley3();
  EXPECT_EQ(gBoss7FiveWay1[0].x, -550.0f);
  EXPECT_EQ(gBoss7FiveWay1[1].x, -500.0f);
  EXPECT_EQ(gBoss7FiveWay1[4].x, -450.0f);
  EXPECT_EQ(gBoss8FanVolley3[6].x, -525.0f);
  EXPECT_EQ(gBoss8FanVolley3[6].y, 500.0f);
  EXPECT_EQ(gBoss8FanVolley3[6].active, 0);
}

using LateFanDrawTest = AttackDrawTest;

TEST_F(LateFanDrawTest, PlainAnimatedAndStripKindsDrawEverySlot) {
  std::vector<uint16_t> seen;
  std::vector<int> frames;
  InGame([&] {
    gPicVal201 = Strip(7);
    gPicBullet20 = Picture(20, 20, 0x0777);
    gPicFanStripB = Strip(10, 40);  // 20-pixel columns: member m shows colours 2m and 2m + 1
    ResetAllFans();
    // Plain: every slot, idle ones too.
    gBoss8FanVolley1[1] = {3, 0, 20.0f, 20.0f, 0, 0, 0, 0};
    DrawBoss8FanVolley1();
    // Animated: every slot advances, idle or live, wrapping at 7 cells.
    gBoss6FanVolley1[0] = {6, 0, 100.0f, 20.0f, 0, 0, 0, 1};
    gBoss6FanVolley1[1].frame = 9;
    gBoss6FanVolley1[2].frame = 2;
    DrawBoss6FanVolley1();
    // Strip: member 3 shows the fourth 40 x 40 cell.
    gBoss6FanVolley3[8] = {5, 0, 200.0f, 20.0f, 0, 0, 0, 1};
    DrawBoss6FanVolley3();
    seen = {Back(20, 20),  Back(39, 39),  Back(100, 20), Back(119, 39),
            Back(120, 20), Back(200, 20), Back(239, 59)};
    frames = {gBoss8FanVolley1[1].frame, gBoss6FanVolley1[0].frame, gBoss6FanVolley1[1].frame,
              gBoss6FanVolley1[2].frame, gBoss6FanVolley3[8].frame};
    gPicBullet20 = gPicFanStripB = kNoPicture;
  });
  EXPECT_EQ(seen, (std::vector<uint16_t>{0x0777, 0x0777, CellColour(6), CellColour(6), 0,
                                         CellColour(6), CellColour(7)}));
  EXPECT_EQ(frames, (std::vector<int>{3, 0, 0, 3, 5}));
}

}  // namespace
