#include <filesystem>
#include <vector>

#include "engine/draw/ko_draw.h"
#include "platform/keys.h"
#include "platform/posix.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

struct SceneCall {
  int scene, entered;
};

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
  ASSERT_EQ(calls.size(), 8u);
  const std::vector<SceneCall> want = {{1, 1}, {1, 0}, {1, 0}, {2, 1},
                                       {2, 0}, {2, 1}, {2, 0}, {2, 0}};
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(calls[i].scene, want[i].scene) << i;
    EXPECT_EQ(calls[i].entered, want[i].entered) << i;
  }
}

TEST_F(EngineTest, EscapeSavesArmsWaitOneAndQuitsOnce) {
  int frames = 0;
  testgame::onScene = [&](int) { ++frames; };
  headless::TapKey(5, plat::kVkEscape);
  uint32_t pressedAt = 0;
  headless::OnFrame([&](int) { pressedAt = headless::Now(); });
  EXPECT_EQ(Run(), 0);
  EXPECT_FALSE(headless::FrameLimitHit());
  EXPECT_EQ(frames, 5);  // no frame runs after the shutdown
  EXPECT_EQ(testgame::saves, 1);
  EXPECT_TRUE(gWaitArmed[0]);
  EXPECT_EQ(gWaitDeadline[0], pressedAt + 1000);
  EXPECT_EQ(gQuitDone, 1);
  EXPECT_EQ(gCloseState, 2);
  EXPECT_FALSE(headless::WindowOpen());
}

TEST_F(EngineTest, CloseFromOutsideSavesAndShutsDownOnce) {
  headless::Close(3);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(testgame::saves, 1);
  EXPECT_EQ(testgame::sceneCalls, 3);
  EXPECT_EQ(gCloseState, 2);
  EXPECT_EQ(gInstanceLocked, 0);
  EXPECT_FALSE(headless::FrameLimitHit());
}

TEST_F(EngineTest, SecondInstanceExitsAtOnceAndRaisesTheFirst) {
  const std::string dir = testing::TempDir() + "lock-second/";
  std::filesystem::create_directories(dir);
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

TEST_F(EngineTest, QuitRunsItsWorkOnce) {
  koSystem::InitProcessState();
  EXPECT_EQ(koSystem::Quit(), 1);
  EXPECT_EQ(koSystem::Quit(), 1);
  int closes = 0;
  plat::Message m;
  while (plat::PeekMessage(m)) closes += m.id == plat::kMsgClose;
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(gCloseState, 2);
}

TEST_F(EngineTest, FullScreenHidesThePointerExceptOverABox) {
  headless::Close(2);
  Run();
  EXPECT_EQ(headless::CursorShown(), 0);
  gMessageBoxUp = 1;
  koSystem::WndProc(plat::kMsgSetCursor, 0, 0);
  EXPECT_EQ(headless::CursorShown(), 1);
  gMessageBoxUp = 0;
}

TEST_F(EngineTest, ALockThatCannotBeMadeDoesNotStopTheGame) {
  headless::SetLockDir("/nonexistent-directory/");
  headless::Close(2);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(testgame::sceneCalls, 2);
  headless::SetLockDir("");  // back to the process's own directory
  headless::Reset();
}

TEST(System, VersionNumbersOfTheDesktopFamilies) {
  struct Case {
    int platform, major, minor, version;
  };
  for (Case c : {Case{0, 6, 1, -1}, Case{1, 3, 10, 310}, Case{2, 4, 0, 950}, Case{2, 4, 10, 980},
                 Case{2, 5, 2, 502}, Case{3, 5, 1, 2000}, Case{3, 6, 1, 6010}}) {
    headless::SetOsVersion(c.platform, c.major, c.minor);
    EXPECT_EQ(koSystem::GetWindowsVersion(), c.version) << c.platform << " " << c.major;
  }
  headless::SetOsVersion(0, 0, 0);
}

TEST_F(EngineTest, StartsActiveWithoutAnyFocusEvent) {
  headless::Close(2);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(testgame::sceneCalls, 2);
}

TEST_F(EngineTest, SteadyFramesAllocateNothing) {
  int keyState = 0;
  testgame::onScene = [&](int) { koSystem::KeyEdge('Z', &keyState); };
  headless::TapKey(40, 'Z', 10);
  headless::SetPad(50, 0, true, 60000, 100, 3);
  size_t allocations = 0;
  headless::OnFrame([&](int f) {
    if (f == 20) alloc_counter::Start();
    if (f == 120) allocations = alloc_counter::Stop();
  });
  headless::Close(121);
  EXPECT_EQ(Run(), 0);
  EXPECT_EQ(allocations, 0u);
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

}  // namespace

namespace {

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
  const std::vector<SceneCall> calls = RunCoveringTransitionTo(2);
  // Two title frames, ten covering frames without any scene, then scene 2 entered.
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[2].scene, 2);
  EXPECT_EQ(calls[2].entered, 1);
  EXPECT_EQ(calls[3].entered, 0);
}

TEST_F(EngineTest, CoveringTransitionToTheSameSceneDoesNotEnterItAgain) {
  const std::vector<SceneCall> calls = RunCoveringTransitionTo(1);
  ASSERT_EQ(calls.size(), 6u);
  EXPECT_EQ(calls[2].scene, 1);
  EXPECT_EQ(calls[2].entered, 0);
}

}  // namespace
