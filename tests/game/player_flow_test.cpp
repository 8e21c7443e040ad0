#include <vector>

#include "game/scenes.h"
#include "player/life.h"
#include "player/shots.h"
#include "tests/game/player_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

using PlayerFlowTest = PlayerTest;

// A game on the headless backend, firing and bombing: die until the continue
// prompt, continue, die again, give up and reach the title.
TEST_F(PlayerFlowTest, DeathsContinueGiveUpAndTheTitleWithoutAllocating) {
  enum Phase { kDying, kContinued, kGivenUp, kTitle } phase = kDying;
  int prompts = 0, deaths = 0, deathsAfterContinue = 0, livesAtContinue = 0;
  int answerFrame = -1, answer = 0, titleFrame = -1;
  // Frames that allocated, and the one that stopped the music at the game over:
  // the music's stop goes through the MIDI player's command strings and is
  // the one allocation allowed, on a frame that is no steady play frame.
  std::vector<int> allocatingFrames;
  allocatingFrames.reserve(64);
  int musicStopFrame = -1;
  headless::KeyDown(kPlay, 'Z');
  for (int f = kPlay + 30; f < kPlay + 3000; f += 200) headless::TapKey(f, 'X', 3);
  Every([&](int f) {
    if (f < kPlay || phase == kTitle) return;
    if (f > kPlay && alloc_counter::Stop() > 0) allocatingFrames.push_back(f - 1);
    alloc_counter::Start();
    if (musicStopFrame < 0 && gGameOver) musicStopFrame = f - 1;
    // Before the first window of the stage: no enemy takes a life but the test's own.
    if (gScene == SceneStage1) gStageClock = 50.0f;
    // The prompt's answer: what the key handler stores while a key is down.
    if (f == answerFrame) gKey = answer;
    if (f == answerFrame + 1) gKey = 0;
    const bool prompt = gContinuePrompt && gPaused;
    if (phase != kGivenUp && !prompt && gPlayerAlive && !gRespawning) {
      gPlayerAlive = 0;  // an enemy bullet's hit
      (phase == kDying ? deaths : deathsAfterContinue) += 1;
    }
    if (prompt && phase == kDying) {
      ++prompts;
      phase = kContinued;
      answerFrame = f + 5, answer = 'Y';
      livesAtContinue = -1;
    }
    if (phase == kContinued && livesAtContinue < 0 && !gPaused) livesAtContinue = gLives;
    if (prompt && phase == kContinued && livesAtContinue > 0) {
      ++prompts;
      phase = kGivenUp;
      answerFrame = f + 5, answer = 'N';
    }
    if (phase == kGivenUp && gScene == SceneTitle) {
      phase = kTitle;
      titleFrame = f;
      alloc_counter::Stop();
      headless::Close(f + 2);
    }
  });
  RunAtMost(kPlay + 40000);
  EXPECT_EQ(deaths, 49);  // 777 lives at 16 a death
  EXPECT_EQ(livesAtContinue, 111);
  EXPECT_EQ(deathsAfterContinue, 7);
  EXPECT_EQ(prompts, 2);
  EXPECT_GT(titleFrame, 0);
  EXPECT_TRUE(allocatingFrames.empty() || allocatingFrames == std::vector<int>{musicStopFrame})
      << allocatingFrames.size() << " frames allocated, the first " << allocatingFrames[0];
  EXPECT_GT(gGameOverBarHeight, 200.0f);  // the caption grew through the game-over wait
}

}  // namespace
