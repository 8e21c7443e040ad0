#include "game/high_score.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "game/game_state.h"
#include "game/score.h"
#include "platform/keys.h"
#include "tests/game/game_fixture.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const char* name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const char* name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

// The value a well-formed file holds, or -1 when it is not 255 bytes.
int SavedScore(const char* name = "score.dat") {
  const std::string bytes = ReadFile(name);
  return bytes.size() == 255 ? ParseHighScore(bytes.data(), bytes.size()) : -1;
}

// A file as a save writes it.
std::string Padded(const std::string& digits) {
  return digits + std::string(255 - digits.size(), '\0');
}

// Entries of a directory: a save leaves no file of its own behind.
long Entries(const char* dir) { return std::distance(fs::directory_iterator(dir), {}); }

TEST_F(GameTest, HighScoreFileHoldsTheDigitsThenNulsTo255Bytes) {
  gHighScore = 12345;
  SaveHighScore();
  const std::string bytes = ReadFile("score.dat");
  ASSERT_EQ(bytes.size(), 255u);
  EXPECT_EQ(bytes.substr(0, 5), "12345");
  EXPECT_EQ(bytes.find_first_not_of('\0', 5), std::string::npos);
  EXPECT_EQ(Entries("."), 1);
  gHighScore = 1;
  gRunBestScore = 0;
  LoadHighScore();
  EXPECT_EQ(gHighScore, 12345);
  fs::remove("score.dat");
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
  fs::remove("score.dat");
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
  gDifficulty = 1;
  gDifficultyExtra = gBombStock = gScore = 0;
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
  EXPECT_EQ(Entries("."), 1);
}

// Every way out saves, and none lowers the file: not Esc or a close request
// (SIGTERM arrives as one) on the title, where the game still holds 500, nor
// a way out after a game while the file was raised meanwhile.
TEST_F(GameTest, NoWayOutLowersTheHighScoreFile) {
  struct Case {
    bool play;  // start a game, score `scored` in it, then set the file to `meanwhile`
    int scored, meanwhile;
    bool escape;  // else a close request
    int kept;
  };
  for (const Case c :
       {Case{false, 0, 0, true, 135467450}, Case{false, 0, 0, false, 135467450},
        Case{true, 200000000, 0, true, 200000000}, Case{true, 5000, 999999999, false, 999999999}}) {
    headless::Reset(1000);
    headless::SetProgramDir(VORENDALITE_ASSET_DIR);
    gRunBestScore = INT32_MIN;  // a fresh start of the program
    WriteFile("score.dat", Padded("135467450"));
    if (c.play) {
      headless::TapKey(10, plat::kVkReturn);
      headless::OnFrame([c](int f) {
        if (f != 50) return;
        AddScoreDirect(c.scored);
        if (c.meanwhile) WriteFile("score.dat", Padded(std::to_string(c.meanwhile)));
      });
    }
    if (c.escape)
      headless::TapKey(70, plat::kVkEscape);
    else
      headless::Close(70);
    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(SavedScore(), c.kept) << c.play << c.escape;
  }
}

// A directory, FIFO, device or unreadable file is never read or replaced (and
// nothing blocks), and the high score stays as it is.
TEST_F(GameTest, AScoreFileOfAnOddKindIsLeftAsItIs) {
  const std::function<void()> kinds[] = {
      [] { fs::create_directory("score.dat"); }, [] { ASSERT_EQ(::mkfifo("score.dat", 0644), 0); },
      [] { fs::create_symlink("/dev/null", "score.dat"); },
      [] { fs::create_symlink("/proc/self/mem", "score.dat"); },  // regular, every read fails
  };
  for (const auto& make : kinds) {
    fs::remove_all("score.dat");
    make();
    const fs::file_type kind = fs::symlink_status("score.dat").type();
    gRunBestScore = INT32_MIN;
    gHighScore = 500;
    LoadHighScore();
    EXPECT_EQ(gHighScore, 500) << int(kind);
    gHighScore = 900;
    testing::internal::CaptureStderr();
    SaveHighScore();
    EXPECT_NE(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(fs::symlink_status("score.dat").type(), kind);
    EXPECT_EQ(Entries("."), 1);
  }
}

// Links that lead round in a circle are neither read nor replaced, and the
// failed save names the loop, whatever an earlier call left in errno.
TEST_F(GameTest, LinksInACircleAreLeftAndTheSaveSaysWhy) {
  fs::create_symlink("other", "score.dat");
  fs::create_symlink("score.dat", "other");
  gRunBestScore = INT32_MIN;
  gHighScore = 500;
  LoadHighScore();
  EXPECT_EQ(gHighScore, 500);
  gHighScore = 900;
  errno = 0;
  testing::internal::CaptureStderr();
  SaveHighScore();
  EXPECT_NE(testing::internal::GetCapturedStderr().find(std::strerror(ELOOP)), std::string::npos);
  EXPECT_TRUE(fs::is_symlink("score.dat"));
  EXPECT_TRUE(fs::is_symlink("other"));
  EXPECT_EQ(Entries("."), 2);
}

// A link is written through and stays a link; the file keeps its permissions;
// a read-only file is kept (root too) and the failed save says so in one line.
TEST_F(GameTest, ASaveWritesThroughALinkAndLeavesAReadOnlyFileAlone) {
  fs::create_directory("elsewhere");
  WriteFile("elsewhere/best", Padded("100"));
  fs::permissions("elsewhere/best", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("elsewhere/best", "score.dat");
  gHighScore = 200;
  SaveHighScore();
  EXPECT_TRUE(fs::is_symlink("score.dat"));
  EXPECT_EQ(SavedScore("elsewhere/best"), 200);
  EXPECT_EQ(fs::status("elsewhere/best").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Entries("elsewhere"), 1);
  fs::permissions("elsewhere/best", fs::perms::owner_read | fs::perms::group_read);
  gHighScore = 300;
  testing::internal::CaptureStderr();
  SaveHighScore();
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(SavedScore("elsewhere/best"), 200);
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
  EXPECT_NE(said.find("score.dat"), std::string::npos);
}

}  // namespace
