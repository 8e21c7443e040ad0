#include "game/score.h"

#include <vector>

#include "engine/sound/ko_sound.h"
#include "game/game_state.h"
#include "platform/midi.h"
#include "tests/game/game_fixture.h"

namespace {

void SetMode(int difficulty, int extra, int bombs) {
  gDifficulty = difficulty;
  gDifficultyExtra = extra;
  gBombStock = bombs;
}

TEST_F(GameTest, AddScoreBonusGrowsWithModeAndBombs) {
  struct Case {
    int difficulty, extra, bombs, points, added;
  };
  for (Case c : {Case{1, 0, 5, 100, 105}, Case{2, 0, 5, 100, 110}, Case{1, 1, 5, 100, 130},
                 Case{2, 1, 5, 100, 150}, Case{1, 1, 0, 100, 100}, Case{3, 0, 5, 100, 0},
                 Case{1, 2, 5, 100, 0}, Case{1, 0, 3, -2000, -1997}}) {
    gScore = 0;
    gHighScore = 500;
    SetMode(c.difficulty, c.extra, c.bombs);
    AddScore(c.points);
    EXPECT_EQ(gScore, c.added) << c.difficulty << "," << c.extra;
    EXPECT_EQ(gHighScore, 500);
  }
  // A pair outside the table adds nothing but still clamps and raises.
  SetMode(3, 0, 5);
  gScore = kScoreMax + 5;
  AddScore(100);
  EXPECT_EQ(gScore, kScoreMax);
  EXPECT_EQ(gHighScore, kScoreMax);
}

TEST_F(GameTest, ScoreClampsAtItsMaximumAndRaisesTheHighScore) {
  SetMode(1, 0, 5);
  gScore = 999999950;
  gHighScore = 500;
  AddScore(100);
  EXPECT_EQ(gScore, kScoreMax);
  EXPECT_EQ(gHighScore, kScoreMax);
  gScore = 999999000;
  AddScoreDirect(int64_t{777} * 3000);  // a boss bonus saturates too
  EXPECT_EQ(gScore, kScoreMax);
  gScore = 100;
  gHighScore = 200;
  AddScoreDirect(777000);
  EXPECT_EQ(gScore, 777100);
  EXPECT_EQ(gHighScore, 777100);
}

// The game end hands over to the title `ms` from now, and not a millisecond sooner.
void ExpectTitleAfter(uint32_t ms) {
  headless::AdvanceClock(ms - 1);
  UpdateGameEnd();
  EXPECT_EQ(gScene, 3);
  headless::AdvanceClock(1);
  UpdateGameEnd();
  EXPECT_EQ(gScene, 1);
  EXPECT_EQ(gPrevScene, 0);
}

TEST_F(GameTest, GameEndWaitsNineSecondsThenGoesToTheTitle) {
  headless::Reset(1000000000u);  // the clock is far past the old "off" value
  koSystem::InitProcessState();
  koSystem::InitWaits();
  gScene = 3;
  gPrevScene = 3;
  gGameOver = gGiveUp = 0;
  gLives = 0;
  UpdateGameEnd();
  EXPECT_EQ(gGameOver, 0);  // still playing: nothing happens
  EXPECT_EQ(gScene, 3);
  gGiveUp = 1;
  UpdateGameEnd();
  EXPECT_EQ(gGameOver, 1);
  ExpectTitleAfter(9000);
  EXPECT_EQ(koSystem::IsWaitOver(1), 0);
  EXPECT_FALSE(gWaitArmed[0]);
}

// Once the player has given up with lives left, each second the wait ends
// takes one from the time left; at 0 the music stops and the game over
// waits three seconds before the title.
TEST_F(GameTest, GivingUpWithLivesLeftCountsTheTimeDownASecondAtATime) {
  koSystem::InitProcessState();
  koSystem::InitWaits();
  koSound::InitMidi();
  koSound::PlayMidi("MBGM14.MID", 1);
  ASSERT_EQ(plat::GetMidiMode(), plat::MidiMode::kPlaying);
  gScene = gPrevScene = 3;
  gGameOver = 0;
  gGiveUp = 1;
  gLives = 2;
  gTimeLeft = 3;
  koSystem::SetWait(1, 0);
  std::vector<int> left;
  for (int second = 0; second < 3; ++second) {
    UpdateGameEnd();
    left.push_back(gTimeLeft);
    EXPECT_EQ(gGameOver, second == 2 ? 1 : 0);
    EXPECT_EQ(plat::GetMidiMode() == plat::MidiMode::kPlaying, second < 2);
    headless::AdvanceClock(999);
    UpdateGameEnd();
    EXPECT_EQ(gTimeLeft, left.back());  // not a second yet
    headless::AdvanceClock(1);
  }
  EXPECT_EQ(left, (std::vector<int>{2, 1, 0}));
  ExpectTitleAfter(2000);  // 3000 ms in all since the count reached 0
  koSound::CloseMidi();
}

}  // namespace
