#include <gtest/gtest.h>

#include "bosses/boss_bodies.h"
#include "bosses/boss_reset.h"
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

// Boss 1 waits off the screen, slides in from the right, settles, bobs and
// darts, and loops back to the settle at 241; rows sharing a clock value run
// in table order.
TEST(BossMove, Boss1EntersSettlesBobsDartsAndLoops) {
  ResetBossRecords();
  MoveTo(MoveBoss1, gBoss1, 60);
  ExpectAt(gBoss1, -640, -800);  // the entry window opens only above 60
  MoveTo(MoveBoss1, gBoss1, 61);
  ExpectAt(gBoss1, 640, 90);
  MoveTo(MoveBoss1, gBoss1, 134);
  ExpectAt(gBoss1, 640 - 44 * 9.4f, 90);
  MoveTo(MoveBoss1, gBoss1, 135);
  ExpectAt(gBoss1, 240, 90);  // the slide's last step, then the settle
  MoveTo(MoveBoss1, gBoss1, 162);
  ExpectAt(gBoss1, 240, 98);  // the settle, then the first bob step
  MoveTo(MoveBoss1, gBoss1, 171);
  ExpectAt(gBoss1, 240, 170);
  MoveTo(MoveBoss1, gBoss1, 190);
  ExpectAt(gBoss1, 240, 18);
  MoveTo(MoveBoss1, gBoss1, 210);
  ExpectAt(gBoss1, 290, 198);
  MoveTo(MoveBoss1, gBoss1, 220);
  ExpectAt(gBoss1, 240, 98);
  MoveTo(MoveBoss1, gBoss1, 230);
  ExpectAt(gBoss1, 290, -2);
  MoveTo(MoveBoss1, gBoss1, 240);
  ExpectAt(gBoss1, 240, 98);
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

// Bosses 2 and 3 share one script, each on its own record.
TEST(BossMove, Bosses2And3RunTheSameScriptOnTheirOwnRecords) {
  struct Case {
    void (*move)();
    const BossState& boss;
    int other;
  };
  for (const Case& c : {Case{MoveBoss2, gBoss2, 3}, Case{MoveBoss3, gBoss3, 2}}) {
    ResetBossRecords();
    const BossState& b = c.boss;
    void (*move)() = c.move;
    gFrameScale = 0.0f;
    move();
    ExpectAt(b, -500, 500);  // clock 0 is outside the entry window
    MoveTo(move, b, 1);
    ExpectAt(b, 640, 90);
    MoveTo(move, b, 75);
    ExpectAt(b, 240, 90);
    MoveTo(move, b, 110);
    ExpectAt(b, 140, 40);
    MoveTo(move, b, 130);
    ExpectAt(b, 340, 40);
    MoveTo(move, b, 140);
    ExpectAt(b, 240, 90);
    MoveTo(move, b, 190);
    ExpectAt(b, 240, 210);
    MoveTo(move, b, 250);
    ExpectAt(b, 240, -30);
    MoveTo(move, b, 280);
    ExpectAt(b, 240, 90);
    move();
    EXPECT_EQ(b.clock, 80.0f);
    move();
    ExpectAt(b, 240, 90);
    EXPECT_TRUE(BossRecordAtStart(c.other));
  }
}

}  // namespace
