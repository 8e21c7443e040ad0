#include "game/score.h"

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <string>

#include "game/game_state.h"
#include "game/high_score.h"
#include "tests/game/game_fixture.h"

namespace {

std::string ReadFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const char* name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

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

TEST_F(GameTest, HighScoreFileHoldsTheDigitsThenNulsTo255Bytes) {
  gHighScore = 12345;
  SaveHighScore();
  const std::string bytes = ReadFile("score.dat");
  ASSERT_EQ(bytes.size(), 255u);
  EXPECT_EQ(bytes.substr(0, 5), "12345");
  EXPECT_EQ(bytes.find_first_not_of('\0', 5), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("score.dat.tmp"));
  gHighScore = 1;
  gRunBestScore = 0;
  LoadHighScore();
  EXPECT_EQ(gHighScore, 12345);
  gHighScore = -42;
  SaveHighScore();
  gRunBestScore = -100;
  LoadHighScore();
  EXPECT_EQ(gHighScore, -42);
}

TEST_F(GameTest, HighScoreFileContentsAreReadSafely) {
  struct Case {
    std::string bytes;
    int score;
  };
  gRunBestScore = -2147483647 - 1;
  for (const Case& c : {Case{"  +300", 300}, Case{"", 0}, Case{"abc", 0},
                        Case{"99999999999999999999", kScoreMax}, Case{"-99999999999", INT32_MIN},
                        Case{std::string(255, '7'), kScoreMax}, Case{"42\n junk", 42}}) {
    WriteFile("score.dat", c.bytes);
    gHighScore = 500;
    LoadHighScore();
    EXPECT_EQ(gHighScore, c.score) << c.bytes;
  }
  // Only the file's 255 bytes are read: digits past them never count.
  const std::string longer = std::string(255, ' ') + "42";
  EXPECT_EQ(ParseHighScore(longer.data(), longer.size()), 0);
  std::filesystem::remove("score.dat");
  gHighScore = 500;
  LoadHighScore();
  EXPECT_EQ(gHighScore, 500);
}

TEST_F(GameTest, ANewGameKeepsTheBestScoreOfThisRun) {
  WriteFile("score.dat", "300");
  gRunBestScore = 0;
  gHighScore = 500;
  LoadHighScore();
  EXPECT_EQ(gHighScore, 300);  // nothing played yet: the file's value
  SetMode(1, 0, 0);
  gScore = 0;
  AddScore(5000);
  LoadHighScore();
  EXPECT_EQ(gHighScore, 5000);  // not yet saved, still not lost
}

TEST_F(GameTest, AFailedWriteKeepsTheOldFile) {
  gHighScore = 777;
  SaveHighScore();
  // A write that runs out of room: the file size limit stops it part-way.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit small = old;
  small.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  gHighScore = 999;
  SaveHighScore();
  setrlimit(RLIMIT_FSIZE, &old);
  EXPECT_EQ(ReadFile("score.dat").substr(0, 4), std::string("777\0", 4));
  EXPECT_FALSE(std::filesystem::exists("score.dat.tmp"));
  // A place where the new file cannot be made at all.
  std::filesystem::create_directory("score.dat.tmp");
  SaveHighScore();
  EXPECT_EQ(ReadFile("score.dat").substr(0, 3), "777");
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
  headless::AdvanceClock(8999);
  UpdateGameEnd();
  EXPECT_EQ(gScene, 3);
  headless::AdvanceClock(1);
  UpdateGameEnd();
  EXPECT_EQ(gScene, 1);
  EXPECT_EQ(gPrevScene, 0);
  EXPECT_EQ(koSystem::IsWaitOver(1), 0);
  EXPECT_FALSE(gWaitArmed[0]);
}

TEST_F(GameTest, TimeLeftCountsDownOncePerSecondAfterGivingUp) {
  koSystem::InitProcessState();
  koSystem::InitWaits();
  gGameOver = 0;
  gGiveUp = 1;
  gLives = 3;  // lives left: the countdown path
  gTimeLeft = 2;
  koSystem::SetWait(1, 0);
  UpdateGameEnd();
  EXPECT_EQ(gTimeLeft, 1);
  EXPECT_EQ(gGameOver, 0);
  headless::AdvanceClock(1000);
  UpdateGameEnd();
  EXPECT_EQ(gTimeLeft, 0);
  EXPECT_EQ(gGameOver, 1);
  EXPECT_EQ(gWaitDeadline[0], headless::Now() + 3000);
}

}  // namespace
