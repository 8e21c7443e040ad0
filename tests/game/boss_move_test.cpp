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

}  // namespace
