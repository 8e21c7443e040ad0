#include "game/timeline.h"

#include "game/game_state.h"
#include "tests/game/game_fixture.h"

namespace {

int gRuns;
void Count() { ++gRuns; }
void JumpClock() { gStageClock = 500.0f; }

TEST_F(GameTest, StrictWindowsShutOnTheirBoundsAndInclusiveOnesOpen) {
  const TimelineRow strict{TimelineBounds::kStrict, 100, 200, {Count}};
  const TimelineRow inclusive{TimelineBounds::kInclusive, 100, 200, {Count}};
  for (float clock : {99.9f, 100.0f, 150.0f, 200.0f, 200.1f}) {
    gStageClock = clock;
    const bool inside = clock > 100.0f && clock < 200.0f;
    const bool onBound = clock == 100.0f || clock == 200.0f;
    EXPECT_EQ(WindowOpen(strict), inside) << clock;
    EXPECT_EQ(WindowOpen(inclusive), inside || onBound) << clock;
  }
}

TEST_F(GameTest, RowsRunInOrderOnTheClockTheRowsBeforeLeft) {
  const TimelineRow rows[] = {
      {TimelineBounds::kStrict, 0, 10, {Count, Count}},
      {TimelineBounds::kStrict, 0, 10, {JumpClock}},
      {TimelineBounds::kStrict, 0, 10, {Count}},  // shut: the clock moved on
      {TimelineBounds::kInclusive, 500, 500, {Count}},
  };
  gRuns = 0;
  gStageClock = 5.0f;
  RunTimeline(rows);
  EXPECT_EQ(gRuns, 3);
}

}  // namespace
