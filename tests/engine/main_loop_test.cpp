#include <filesystem>
#include <vector>

#include "engine/draw/ko_draw.h"
#include "platform/keys.h"
#include "platform/posix.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/alloc_counter.h"
#include "tests/support/scratch_dir.h"

namespace {

using SceneCall = std::pair<int, int>;  // the scene, and whether it was just entered

TEST_F(EngineTest, SceneEnteredIsSetOnExactlyTheFirstCallOfEachEntry) {
  std::vector<SceneCall> calls;
  testgame::onScene = [&](int scene) {
    calls.push_back({scene, gSceneEntered});
    const int n = static_cast<int>(calls.size());
    if (n == 3) {  // a scene change to scene 2
      gScene = 2;
      gPrevScene = 0;
    }
    if (n == 5) gPrevScene = 0;  // scene 2 restarts itself
  };
  headless::Close(8);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(calls, (std::vector<SceneCall>{
                       {1, 1}, {1, 0}, {1, 0}, {2, 1}, {2, 0}, {2, 1}, {2, 0}, {2, 0}}));
}

TEST_F(EngineTest, EscapeSavesArmsWaitOneAndQuitsOnce) {
  int frames = 0;
  testgame::onScene = [&](int) { ++frames; };
  headless::TapKey(5, plat::kVkEscape);
  uint32_t pressedAt = 0;
  headless::OnFrame([&](int) { pressedAt = headless::Now(); });
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(frames, 5);  // no frame runs after the shutdown
  EXPECT_EQ(testgame::saves, 1);
  EXPECT_TRUE(gWaitArmed[0]);
  EXPECT_EQ(gWaitDeadline[0], pressedAt + 1000);
  EXPECT_EQ(gQuitDone, 1);
  EXPECT_EQ(gCloseState, 2);
  EXPECT_EQ(gInstanceLocked, 0);
  EXPECT_FALSE(headless::WindowOpen());
  // The display's shutdown minimised the full-screen window, though the
  // screen was never opened.
  EXPECT_EQ(headless::MinimizeRequests(), 1);
  EXPECT_EQ(koSystem::Quit(), 1);  // once only
  EXPECT_EQ(testgame::saves, 1);
  EXPECT_EQ(headless::MinimizeRequests(), 1);
}

TEST_F(EngineTest, SecondInstanceExitsAtOnceAndRaisesTheFirst) {
  const std::string dir = ScratchDir("lock-second");
  headless::SetLockDir(dir);
  const int held = plat::posix::LockFile(dir + plat::posix::LockFileName("Vorendalite:KoMutex"));
  ASSERT_GE(held, 0);
  bool loaded = false;
  testgame::onLoad = [&] { loaded = true; };
  EXPECT_EQ(Run(), 0);
  EXPECT_FALSE(loaded);
  EXPECT_FALSE(headless::WindowOpen());
  EXPECT_EQ(headless::RaiseRequests(), 1);
  plat::posix::UnlockFile(held);
  // Once the first instance is gone, a start succeeds and frees the lock on exit.
  headless::Close(1);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(loaded);
  const int again = plat::posix::LockFile(dir + plat::posix::LockFileName("Vorendalite:KoMutex"));
  EXPECT_GE(again, 0);
  plat::posix::UnlockFile(again);
  headless::SetLockDir("");
  headless::Reset();
}

TEST_F(EngineTest, InactiveApplicationRunsNoFramesAndResumesWithASmallStep) {
  std::vector<float> scales;
  testgame::onScene = [&](int) {
    EXPECT_EQ(gAppActive, 1);
    scales.push_back(gFrameScale);
  };
  headless::Activate(4, false);
  headless::Stall(5, 60000);  // a minute in another application, with no frames
  headless::Activate(5, true);
  headless::Close(8);
  EXPECT_EQ(Run(), 0);
  ASSERT_EQ(scales.size(), 8u);
  for (float s : scales) EXPECT_LT(s, 0.02f);
}

// Once shut down the loop runs no frame while it waits for the closing
// messages, here held back until the window system sends a close.
TEST_F(EngineTest, AfterTheShutdownTheLoopWaitsWithoutFramesForTheClosingMessages) {
  int frames = 0;
  testgame::onScene = [&](int) {
    if (++frames < 3) return;
    koSystem::Quit();
    plat::Message held;
    while (plat::PeekMessage(held)) {
    }
  };
  headless::Close(10);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(frames, 3);
  EXPECT_FALSE(headless::FrameLimitHit());
  EXPECT_FALSE(headless::WindowOpen());
}

// A hidden cursor shows again over another application and over a box.
TEST_F(EngineTest, AHiddenCursorComesBackWhenTheGameLosesTheFocusAndForABox) {
  const auto hide = [] {
    plat::ShowCursor(false);
    gCursorShown = 0;
  };
  std::vector<int> shown;
  testgame::onScene = [&](int) {
    shown.push_back(headless::CursorShown() + 10 * gCursorShown);
    if (shown.size() == 2) hide();
  };
  headless::Activate(2, false);
  headless::Activate(3, true);
  headless::Close(4);
  EXPECT_EQ(Run(), 0);
  // The full-screen window hides the pointer at start without counting it hidden.
  EXPECT_EQ(shown, (std::vector<int>{10, 10, 11, 11}));
  hide();
  koSystem::Message("%s", "box");
  EXPECT_EQ(headless::CursorShown(), 1);
  EXPECT_EQ(gCursorShown, 1);
}

// Without a window the start fails and leaves the instance free for a later one.
TEST_F(EngineTest, AWindowThatCannotOpenFailsTheStartAndFreesTheInstance) {
  bool loaded = false;
  testgame::onLoad = [&] { loaded = true; };
  headless::FailWindow(true);
  EXPECT_EQ(Run(), 1);
  EXPECT_FALSE(loaded);
  EXPECT_EQ(gInstanceLocked, 0);
  headless::FailWindow(false);
  headless::Close(1);
  EXPECT_EQ(Run(), 0);
  EXPECT_TRUE(loaded);
}

// A test that reads the count before its first Start, in a process where an
// earlier test counted, finds none.
TEST(AllocCounterTest, StopLeavesNoCountForTheNextReading) {
  alloc_counter::Start();
  int* volatile kept = new int(1);  // volatile: the pair cannot be elided
  delete kept;
  EXPECT_GT(alloc_counter::Stop(), 0u);
  EXPECT_EQ(alloc_counter::Stop(), 0u);
}

// A covering transition runs instead of the scene; the scene changes when it ends.
std::vector<SceneCall> RunCoveringTransitionTo(int next) {
  std::vector<SceneCall> calls;
  testgame::onLoad = [] {
    koDraw::Screen(640, 480, 1);
    gScene = 1;
  };
  testgame::onScene = [&](int scene) {
    calls.push_back({scene, gSceneEntered});
    if (calls.size() == 2) {
      gNextScene = next;
      koDraw::StartTransition();
    }
  };
  headless::Close(16);
  WinMain("");
  return calls;
}

TEST_F(EngineTest, CoveringTransitionHandsOverToTheNextScene) {
  for (const int next : {2, 1}) {
    SetUp();
    const std::vector<SceneCall> calls = RunCoveringTransitionTo(next);
    // Two title frames, ten covering frames without any scene, then the next
    // scene, entered only when it is another one.
    EXPECT_EQ(calls, (std::vector<SceneCall>{
                         {1, 1}, {1, 0}, {next, next == 2}, {next, 0}, {next, 0}, {next, 0}}));
  }
}

// The blink stays on for a second and off for a fifth, each switch on the
// first frame that reaches its deadline.
TEST_F(EngineTest, TheBlinkIsOnForASecondAndOffForAFifth) {
  std::vector<std::pair<uint32_t, int>> changes;  // when the frame saw a new blink state
  int last = -1;
  testgame::onScene = [&](int) {
    if (gBlink == last) return;
    changes.push_back({headless::Now(), gBlink});
    last = gBlink;
  };
  headless::Close(150);  // 2.5 s at 60 frames a second
  EXPECT_EQ(Run(), 0);
  ASSERT_GE(changes.size(), 4u);
  EXPECT_EQ(changes[0].second, 1);
  for (size_t i = 1; i < 4; ++i) {
    const uint32_t held = changes[i].first - changes[i - 1].first;
    const uint32_t period = changes[i - 1].second ? 1000 : 200;  // how long the state held
    SCOPED_TRACE(i);
    EXPECT_EQ(changes[i].second, 1 - changes[i - 1].second);
    EXPECT_GE(held + (i == 1 ? 17 : 0), period);  // the first frame comes after the start
    EXPECT_LE(held, period + 17 + 17);  // the switch and its sighting each wait a frame at most
  }
}

}  // namespace
