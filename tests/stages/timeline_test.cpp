#include "stages/timeline.h"

#include "game/game_state.h"
#include "tests/game/game_fixture.h"

namespace {

int gRuns;
void Count(int) { ++gRuns; }
void JumpClock() { gStageClock = 500.0f; }

constexpr auto kFirst = StageClock::kFirst;

TEST_F(GameTest, StrictWindowsShutOnTheirBoundsAndInclusiveOnesOpen) {
  const TimelineRow strict{When::kBetween, kFirst, 100, 200, Ops<Count>};
  const TimelineRow inclusive{When::kWithin, kFirst, 100, 200, Ops<Count>};
  for (float clock : {99.9f, 100.0f, 150.0f, 200.0f, 200.1f}) {
    gStageClock = clock;
    const bool inside = clock > 100.0f && clock < 200.0f;
    const bool onBound = clock == 100.0f || clock == 200.0f;
    EXPECT_EQ(RowRuns(strict), inside) << clock;
    EXPECT_EQ(RowRuns(inclusive), inside || onBound) << clock;
  }
}

TEST_F(GameTest, ModeRowsFollowTheLevelChoice) {
  const TimelineRow extra = InMode(Mode::kExtra, Ops<Count>);
  const TimelineRow noExtra = InMode(Mode::kNoExtra, Ops<Count>);
  const TimelineRow notNormal = InMode(Mode::kNotNormal, Ops<Count>);
  const TimelineRow normal = InMode(Mode::kNormal, Ops<Count>);
  const TimelineRow hard = InMode(Mode::kHard, Ops<Count>);
  const TimelineRow hardOrExtra = InMode(Mode::kHardOrExtra, Ops<Count>);
  // 3: a difficulty the level choice never stores, where "hard" and "not normal" part.
  for (int difficulty : {1, 2, 3})
    for (int extraMode : {0, 1}) {
      gDifficulty = difficulty;
      gDifficultyExtra = extraMode;
      EXPECT_EQ(RowRuns(extra), extraMode == 1);
      EXPECT_EQ(RowRuns(noExtra), extraMode != 1);
      EXPECT_EQ(RowRuns(notNormal), difficulty != 1);
      EXPECT_EQ(RowRuns(normal), difficulty == 1);
      EXPECT_EQ(RowRuns(hard), difficulty == 2);
      EXPECT_EQ(RowRuns(hardOrExtra), difficulty == 2 || extraMode == 1);
    }
  // A window and a mode must both hold.
  gStageClock = 150.0f;
  gDifficulty = 1;
  EXPECT_FALSE(RowRuns(Between(kFirst, 100, 200, Ops<Count>, Mode::kHard)));
  gDifficulty = 2;
  EXPECT_TRUE(RowRuns(Between(kFirst, 100, 200, Ops<Count>, Mode::kHard)));
  gStageClock = 250.0f;
  EXPECT_FALSE(RowRuns(Between(kFirst, 100, 200, Ops<Count>, Mode::kHard)));
}

TEST_F(GameTest, RowsRunInOrderOnTheClockTheRowsBeforeLeft) {
  const TimelineRow rows[] = {
      {When::kBetween, kFirst, 0, 10, Ops<Count, Count>},
      {When::kBetween, kFirst, 0, 10, Ops<JumpClock>},
      {When::kBetween, kFirst, 0, 10, Ops<Count>},  // shut: the clock moved on
      {When::kWithin, kFirst, 500, 500, Ops<Count>},
      {When::kAlways, kFirst, 0, 0, Ops<Count>},
  };
  gRuns = 0;
  gStageClock = 5.0f;
  RunTimeline(rows);
  EXPECT_EQ(gRuns, 4);
}

}  // namespace
