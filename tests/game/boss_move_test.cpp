#include <gtest/gtest.h>

#include "bosses/boss_bodies.h"
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

// Boss 1 waits off the screen, slides in from the right, settles, bobs and
// darts, and loops back to the settle at 241; rows sharing a clock value run
// in table order.
TEST(BossMove, Boss1EntersSettlesBobsDartsAndLoops) {
  ResetBossRecords();
  Visit(MoveBoss1, gBoss1,
        {{60, -640, -800},  // the entry window opens only above 60
         {61, 640, 90},
         {134, 640 - 44 * 9.4f, 90},
         {135, 240, 90},  // the slide's last step, then the settle
         {162, 240, 98},  // the settle, then the first bob step
         {210, 290, 198},
         {240, 240, 98}});
  MoveBoss1();
  EXPECT_EQ(gBoss1.clock, 151.0f);
  ExpectAt(gBoss1, 240, 98);  // the rewind moves nothing this call
  MoveBoss1();
  ExpectAt(gBoss1, 240, 90);
}

// A frame that carries the clock from 240 past 270 skips the rewind: the boss
// later sinks to the lower left and stays parked below the screen.
TEST(BossMove, Boss1LeavesItsLoopOnAVeryLongFrameAndStaysParked) {
  ResetBossRecords();
  gBoss1 = BossState{240, 98, 240, 620, 0, 0, 0};
  gFrameScale = 3.5f;
  MoveBoss1();
  EXPECT_EQ(gBoss1.clock, 275.0f);
  ExpectAt(gBoss1, 240, 98);  // between windows nothing moves
  MoveTo(MoveBoss1, gBoss1, 297);
  ExpectAt(gBoss1, 240, 98);
  MoveBoss1();
  ExpectAt(gBoss1, 235, 113.5f);
  int calls = 1;
  while (gBoss1.clock < 5000 && calls < 100) {
    MoveBoss1();
    ++calls;
  }
  EXPECT_EQ(calls, 25);  // 98 + 25 x 15.5 reaches 480
  ExpectAt(gBoss1, 800, 500);
  EXPECT_EQ(gBoss1.clock, 5000.0f);
  MoveBoss1();
  ExpectAt(gBoss1, 800, 500);
  EXPECT_EQ(gBoss1.clock, 5000.0f);
}

// Each boss from its reset: where it waits, where it enters, a stop or two of
// its loop, the clock its rewind goes back to, and the first step after it.
// Every boss moves only its own record.
TEST(BossMove, EachLaterBossEntersLoopsAndRewindsOnItsOwnRecord) {
  struct Case {
    int boss;
    void (*move)();
    const BossState& b;
    Stop first;  // after one call at clock 0
    std::initializer_list<Stop> stops;
    float rewind;
    Stop after;  // the call after the rewind
  };
  const Case cases[] = {
      {2,
       MoveBoss2,
       gBoss2,
       {0, -500, 500},  // clock 0 is outside the entry window
       {{1, 640, 90}, {75, 240, 90}, {110, 140, 40}, {190, 240, 210}, {280, 240, 90}},
       80,
       {81, 240, 90}},
      {3,
       MoveBoss3,
       gBoss3,
       {0, -500, 500},
       {{1, 640, 90}, {130, 340, 40}, {250, 240, -30}, {280, 240, 90}},
       80,
       {81, 240, 90}},
      {4,
       MoveBoss4,
       gBoss4,
       {0, -500, 500},
       {{1, 640, 90},
        {31, 650.4f, 90},
        {75, 240, 90},
        {210, 138, 350},
        {300, 100, 315},
        {330, 0, 115}},
       80,
       {81, 240, 90}},
      {5,
       MoveBoss5,
       gBoss5,
       {0, -500, 500},
       {{60, -500, 500},
        {61, 130, -460},
        {134, 130, -20},
        {135, 130, 0},
        {230, 38, 50},
        {240, 138, 0}},
       151,
       {152, 130, 0}},
      {6,
       MoveBoss6,
       gBoss6,
       {0, 90, -360},  // placed on its very first call: clock 0 counts
       {{134, 90, -8}, {135, 90, 0}, {230, -2, 50}, {240, 98, 0}},
       151,
       {152, 90, 0}},
      {7,
       MoveBoss7,
       gBoss7,
       {0, -500, 500},
       {{60, -500, 500},
        {61, 70, -400},
        {134, 70, 9.2f},
        {241, 70, 0},
        {270, 270, 100},
        {310, -130, 100},
        {330, 70, 0}},
       145,
       {146, 70, 0}},
      {8,
       MoveBoss8,
       gBoss8,
       {0, -500, 500},
       {{1, 80, -400}, {74, 80, -21.6f}, {75, 80, 0}, {130, 200, 0}, {190, -40, 0}, {220, 80, 0}},
       80,
       {81, 80, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.boss);
    ResetBossRecords();
    gFrameScale = 0.0f;
    c.move();
    ExpectAt(c.b, c.first.x, c.first.y);
    Visit(c.move, c.b, c.stops);
    const Stop last = *(c.stops.end() - 1);
    c.move();
    EXPECT_EQ(c.b.clock, c.rewind);
    ExpectAt(c.b, last.x, last.y);  // the rewind moves nothing this call
    c.move();
    EXPECT_EQ(c.b.clock, c.after.clock);
    ExpectAt(c.b, c.after.x, c.after.y);
    for (int other = 1; other <= 8; ++other) {
      if (other != c.boss) {
        EXPECT_TRUE(BossRecordAtStart(other)) << other;
      }
    }
  }
}

}  // namespace
