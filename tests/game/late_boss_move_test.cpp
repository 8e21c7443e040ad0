#include <gtest/gtest.h>

#include "bosses/boss_reset.h"
#include "bosses/late_boss_bodies.h"
#include "engine/system/ko_system.h"

namespace {

// Steps the boss at one clock unit per call until its clock reaches `clock`.
void MoveTo(void (*move)(), const BossState& b, float clock) {
  gFrameScale = 0.1f;
  for (int guard = 0; b.clock < clock && guard < 10000; ++guard) move();
  ASSERT_EQ(b.clock, clock);
}

void ExpectAt(const BossState& b, float x, float y) {
  EXPECT_NEAR(b.x, x, 0.01f) << "clock " << b.clock;
  EXPECT_NEAR(b.y, y, 0.01f) << "clock " << b.clock;
}

struct Stop {
  float clock, x, y;
};

void Visit(void (*move)(), const BossState& b, std::initializer_list<Stop> stops) {
  for (const Stop& s : stops) {
    MoveTo(move, b, s.clock);
    ExpectAt(b, s.x, s.y);
  }
}

// Boss 4 waits off the right edge drifting further right, jumps in, sways,
// bobs, darts, drops to the left edge for a faster bob and dart, and repeats.
TEST(LateBossMove, Boss4JumpsInFromTheRightAndLoopsBackTo80) {
  ResetBossRecords();
  gFrameScale = 0.0f;
  MoveBoss4();
  ExpectAt(gBoss4, -500, 500);  // clock 0 is outside the entry window
  Visit(MoveBoss4, gBoss4,
        {{1, 640, 90},    {30, 640, 90},  {31, 650.4f, 90}, {74, 1097.6f, 90}, {75, 240, 90},
         {115, 390, 90},  {140, 240, 90}, {141, 240, 90},   {162, 240, 98},    {171, 240, 170},
         {190, 88, 170},  {200, 88, 250}, {210, 138, 350},  {220, 88, 250},    {230, 138, 150},
         {240, 0, 100},   {250, 0, 115},  {260, 0, 265},    {280, 0, -35},     {290, 0, 115},
         {300, 100, 315}, {310, 0, 115},  {320, 100, -85},  {330, 0, 115}});
  MoveBoss4();
  EXPECT_EQ(gBoss4.clock, 80.0f);
  ExpectAt(gBoss4, 0, 115);  // the rewind moves nothing this call
  MoveBoss4();
  ExpectAt(gBoss4, 240, 90);
}

// Bosses 5 and 7 wait at the reset point behind their entry pictures and
// come in from above once their clock passes 60; boss 6 is placed above the
// top edge on its very first call.
TEST(LateBossMove, Bosses5And6DescendSwayAndLoopBackTo151) {
  ResetBossRecords();
  Visit(MoveBoss5, gBoss5,
        {{60, -500, 500},
         {61, 130, -460},
         {90, 130, -460},
         {134, 130, -20},
         {135, 130, 0},
         {162, 138, 0},
         {171, 210, 0},
         {190, 58, 0},
         {200, 138, 0},
         {210, 238, 50},
         {220, 138, 0},
         {230, 38, 50},
         {240, 138, 0}});
  MoveBoss5();
  EXPECT_EQ(gBoss5.clock, 151.0f);
  ExpectAt(gBoss5, 138, 0);
  MoveBoss5();
  ExpectAt(gBoss5, 130, 0);

  gFrameScale = 0.0f;
  MoveBoss6();
  ExpectAt(gBoss6, 90, -360);  // clock 0 counts
  Visit(MoveBoss6, gBoss6,
        {{90, 90, -360},
         {134, 90, -8},
         {135, 90, 0},
         {171, 170, 0},
         {190, 18, 0},
         {200, 98, 0},
         {210, 198, 50},
         {220, 98, 0},
         {230, -2, 50},
         {240, 98, 0}});
  MoveBoss6();
  EXPECT_EQ(gBoss6.clock, 151.0f);
}

TEST(LateBossMove, Boss7DartsWiderAndLoopsBackTo145) {
  ResetBossRecords();
  Visit(MoveBoss7, gBoss7,
        {{60, -500, 500},
         {61, 70, -400},
         {134, 70, 9.2f},
         {135, 70, 0},
         {171, 150, 0},
         {190, -2, 0},
         {200, 78, 0},
         {210, 178, 50},
         {220, 78, 0},
         {230, -22, 50},
         {240, 78, 0},
         {241, 70, 0},
         {270, 270, 100},
         {290, 70, 0},
         {310, -130, 100},
         {330, 70, 0}});
  MoveBoss7();
  EXPECT_EQ(gBoss7.clock, 145.0f);
  MoveBoss7();
  ExpectAt(gBoss7, 70, 0);
}

TEST(LateBossMove, Boss8DescendsAndSwaysAlongTheTop) {
  ResetBossRecords();
  gFrameScale = 0.0f;
  MoveBoss8();
  ExpectAt(gBoss8, -500, 500);  // clock 0 is outside the entry window
  Visit(MoveBoss8, gBoss8,
        {{1, 80, -400},
         {30, 80, -400},
         {74, 80, -21.6f},
         {75, 80, 0},
         {100, 80, 0},
         {130, 200, 0},
         {190, -40, 0},
         {220, 80, 0}});
  MoveBoss8();
  EXPECT_EQ(gBoss8.clock, 80.0f);
  MoveBoss8();
  ExpectAt(gBoss8, 80, 0);
  EXPECT_TRUE(BossRecordAtStart(4));  // each boss moves only its own record
}

}  // namespace
