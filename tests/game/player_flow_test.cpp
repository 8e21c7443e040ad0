#include <vector>

#include "game/scenes.h"
#include "player/life.h"
#include "player/shots.h"
#include "tests/game/player_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

using PlayerFlowTest = PlayerTest;

// A whole game on the headless backend: fly and fire for 30 seconds, die until
// the continue prompt, continue, die again, give up and reach the title.
TEST_F(PlayerFlowTest, DeathsContinueGiveUpAndTheTitleWithoutAllocating) {
  constexpr int kFlyUntil = kPlay + 30 * 60;
  enum Phase { kFlying, kDying, kContinued, kGivenUp, kTitle } phase = kFlying;
  std::vector<int> prompts;  // frames at which a prompt came up
  prompts.reserve(4);
  // Frames that allocated, and the one that stopped the music at the game over:
  // the music's stop goes through the MIDI player's command strings and is
  // the one allocation allowed, on a frame that is no steady play frame.
  std::vector<int> allocatingFrames;
  allocatingFrames.reserve(64);
  int musicStopFrame = -1;
  int deaths = 0, deathsAfterContinue = 0, shotsSeen = 0, bombsSeen = 0;
  int livesAtContinue = 0, titleFrame = -1, answerFrame = -1, answer = 0;
  headless::SetPad(0, 0, true);
  headless::KeyDown(kPlay, 'Z');
  headless::KeyDown(kPlay, plat::kVkUp);
  // Weave up and down with the stick while firing; drop a bomb now and then.
  for (int t = kPlay + 60, weave = 0; t < kFlyUntil; t += 120, ++weave) {
    headless::SetPad(t, 0, true, 32767, 65535, weave % 4 == 0 ? 3 : 1);
    headless::SetPad(t + 60, 0, true, 32767, 0, 1);
  }
  headless::SetPad(kFlyUntil, 0, true);
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
    for (const PlayerShot& s : gShotAMain) shotsSeen += s.active;
    bombsSeen += gBombActive;
    const bool prompt = gContinuePrompt && gPaused;
    if (phase == kFlying && f >= kFlyUntil) phase = kDying;
    if ((phase == kDying || phase == kContinued) && !prompt && gPlayerAlive && !gRespawning) {
      gPlayerAlive = 0;  // an enemy bullet's hit
      (phase == kDying ? deaths : deathsAfterContinue) += 1;
    }
    if (prompt && phase == kDying) {
      prompts.push_back(f);
      phase = kContinued;
      answerFrame = f + 5, answer = 'Y';
      livesAtContinue = -1;
    }
    if (phase == kContinued && livesAtContinue < 0 && !gPaused) livesAtContinue = gLives;
    if (prompt && phase == kContinued && livesAtContinue > 0) {
      prompts.push_back(f);
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
  RunFrames(kFlyUntil + 40000);
  EXPECT_GT(shotsSeen, 1000);
  EXPECT_GT(bombsSeen, 100);
  EXPECT_EQ(deaths, 49);  // 777 lives at 16 a death
  EXPECT_EQ(livesAtContinue, 111);
  EXPECT_EQ(deathsAfterContinue, 7);
  EXPECT_EQ(prompts.size(), 2u);
  EXPECT_GT(titleFrame, 0);
  EXPECT_TRUE(allocatingFrames.empty() || allocatingFrames == std::vector<int>{musicStopFrame})
      << allocatingFrames.size() << " frames allocated, the first " << allocatingFrames[0];
  EXPECT_GT(gGameOverBarHeight, 200.0f);  // the caption grew through the game-over wait
}

}  // namespace
