#include <vector>

#include "platform/keys.h"
#include "platform/window.h"
#include "tests/engine/engine_fixture.h"

namespace {

// Takes every message and scripted pad change that is due, without a frame.
void Drain() {
  plat::Message m;
  while (plat::PeekMessage(m)) {
  }
}

// Polls key 'Z' once per frame and records the edge states.
std::vector<int> PollZ(int frames, const std::function<void(int)>& before = nullptr) {
  std::vector<int> states;
  int state = 0;
  testgame::onScene = [&](int) {
    if (before) before(static_cast<int>(states.size()));
    koSystem::KeyEdge('Z', &state);
    states.push_back(state);
  };
  headless::Close(frames);
  WinMain("");
  return states;
}

TEST_F(EngineTest, KeyEdgeGoesPressedHeldReleasedUp) {
  headless::KeyDown(1, 'Z');
  headless::KeyUp(4, 'Z');
  EXPECT_EQ(PollZ(7), (std::vector<int>{0, 1, 3, 3, 2, 0, 0}));
}

TEST_F(EngineTest, AOneFramePressReadsPressedThenReleased) {
  headless::KeyDown(1, 'Z');
  headless::KeyUp(2, 'Z');
  EXPECT_EQ(PollZ(4), (std::vector<int>{0, 1, 2, 0}));
}

TEST_F(EngineTest, KeyReleasedAndPressedBetweenPollsGoesFromReleasedToHeld) {
  headless::KeyDown(1, 'Z');
  headless::KeyUp(3, 'Z');
  headless::KeyDown(4, 'Z');
  EXPECT_EQ(PollZ(6), (std::vector<int>{0, 1, 3, 2, 3, 3}));
}

TEST_F(EngineTest, KeyEdgesReadZeroDuringATransitionButTheKeyStillCounts) {
  headless::KeyDown(1, 'Z');
  std::vector<int> keys;
  const auto states = PollZ(6, [&](int frame) {
    gTransitionCount = (frame >= 2 && frame <= 3) ? 5 : 0;
    keys.push_back(gKey);
  });
  EXPECT_EQ(states, (std::vector<int>{0, 1, 0, 0, 1, 3}));
  EXPECT_EQ(keys, (std::vector<int>{0, 'Z', 'Z', 'Z', 'Z', 'Z'}));
}

TEST_F(EngineTest, KeyUpClearsOnlyTheKeyLastPressed) {
  headless::KeyDown(1, 'A');
  headless::KeyDown(1, 'B');
  headless::KeyUp(2, 'A');
  std::vector<int> keys;
  testgame::onScene = [&](int) { keys.push_back(gKey); };
  headless::KeyUp(3, 'B');
  headless::Close(4);
  Run();
  EXPECT_EQ(keys, (std::vector<int>{0, 'B', 'B', 0}));
  EXPECT_EQ(gLastKey, 'B');
}

TEST_F(EngineTest, PauseKeyGoesToTheGameAndSystemKeysAreSwallowed) {
  testgame::onLoad = [] {
    gScene = 1;
    koSystem::InitWaits();  // the screen start-up sets the system-key policy to 0
  };
  headless::TapKey(1, 'S');
  headless::AtFrame(2, {plat::kMsgSysKeyDown, 'Q', 0});
  headless::AtFrame(3, {plat::kMsgSysKeyDown, plat::kVkF10, 0});
  std::vector<int> keys;
  testgame::onScene = [&](int) { keys.push_back(gKey); };
  headless::Close(4);
  Run();
  EXPECT_EQ(testgame::pauseKeys, 1);
  EXPECT_EQ(keys, (std::vector<int>{0, 'S', 0, 0}));
}

TEST_F(EngineTest, SystemKeyPolicies) {
  koSystem::InitProcessState();
  koSystem::SetSysKeyPolicy(2);
  koSystem::WndProc(plat::kMsgSysKeyDown, plat::kVkMenu, 0);
  EXPECT_EQ(gKey, 0);
  koSystem::WndProc(plat::kMsgSysKeyDown, 'Q', 0);
  EXPECT_EQ(gKey, 'Q');
  koSystem::BeginKeyCapture();
  koSystem::WndProc(plat::kMsgKeyDown, 'W', 0);
  EXPECT_EQ(gCapturedKey, 'W');
  EXPECT_EQ(gKey, 'Q');
  koSystem::EndKeyCapture();
  EXPECT_EQ(gKey, 0);
}

TEST_F(EngineTest, MouseClicksLastOneFrameAndMovementIsPerFrame) {
  std::vector<int> clicks, dx;
  testgame::onScene = [&](int) {
    clicks.push_back(gMouseLeftClick);
    dx.push_back(gMouseDX);
  };
  headless::AtFrame(1, {plat::kMsgMouseMove, 0, plat::PackXY(30, 40)});
  headless::AtFrame(1, {plat::kMsgLButtonDown, 0, 0});
  headless::AtFrame(3, {plat::kMsgLButtonUp, 0, 0});
  headless::AtFrame(3, {plat::kMsgMouseMove, 0, plat::PackXY(25, 40)});
  headless::Close(5);
  Run();
  EXPECT_EQ(clicks, (std::vector<int>{0, 1, 0, 0, 0}));
  EXPECT_EQ(dx, (std::vector<int>{0, 30, 0, -5, 0}));
  EXPECT_EQ(gMouseLeftLatch, 1);
  EXPECT_EQ(gMouseButton, 0);
  EXPECT_EQ(gLastButton, 1);
}

TEST_F(EngineTest, PadZonesSplitAtHalfAndOneAndAHalfTheCentre) {
  headless::SetPad(0, 0, true, 32767, 32767);
  koSystem::InitProcessState();
  Drain();
  koSystem::InitJoystick();
  int cx, cy;
  koSystem::GetJoyCentre(0, cx, cy);
  EXPECT_EQ(cx, 32767);
  struct Case {
    uint32_t x;
    int dx;
  };
  // Zones at c / 2 = 16383 and c + c / 2 = 49150.
  for (Case c : {Case{0, -1}, Case{16383, -1}, Case{16384, 0}, Case{32767, 0}, Case{49149, 0},
                 Case{49150, 1}, Case{65535, 1}}) {
    headless::SetPad(0, 0, true, c.x, 32767);
    Drain();
    int dx, dy;
    koSystem::JoyGetDirection(0, dx, dy);
    EXPECT_EQ(dx, c.dx) << c.x;
    EXPECT_EQ(dy, 0);
    EXPECT_EQ(koSystem::JoyKeypadDirection(0), 5 + c.dx);
  }
}

TEST_F(EngineTest, LatePadTakesItsCentreWhenItFirstAnswers) {
  std::vector<int> dxs;
  testgame::onLoad = [] {
    gScene = 1;
    koSystem::InitJoystick();
  };
  testgame::onScene = [&](int) {
    int dx, dy;
    koSystem::JoyGetDirection(0, dx, dy);
    dxs.push_back(dx);
  };
  headless::SetPad(3, 0, true, 40000, 30000);  // plugged in, resting off-centre
  headless::SetPad(5, 0, true, 65535, 30000);
  headless::SetPad(6, 0, false);
  headless::SetPad(7, 0, true, 20000, 30000);  // another pad in the same place
  headless::SetPad(8, 0, true, 0, 30000);
  headless::Close(9);
  Run();
  EXPECT_EQ(dxs, (std::vector<int>{0, 0, 0, 0, 0, 1, 0, 0, -1}));
  EXPECT_EQ(gJoyCentreX[0], 20000);
}

TEST_F(EngineTest, PadButtonsAndNumbersOutOfRange) {
  koSystem::InitProcessState();
  headless::SetPad(0, 1, true, 32767, 32767, 0b1010);
  Drain();
  EXPECT_EQ(koSystem::JoyButtonDown(1, 2), 1);
  EXPECT_EQ(koSystem::JoyButtonDown(1, 1), 0);
  EXPECT_EQ(koSystem::JoyButtonDown(1, 33), 0);
  EXPECT_EQ(koSystem::JoyButtonDown(2, 2), 0);
  EXPECT_EQ(koSystem::JoyButtonDown(0, 2), 0);  // pad 0 is absent
  EXPECT_EQ(koSystem::JoyButtonEdge(1, 4), 1);
  EXPECT_EQ(koSystem::JoyButtonEdge(1, 4), 3);
  EXPECT_EQ(koSystem::JoyButtonEdge(1, 5), 0);
  EXPECT_EQ(koSystem::JoyButtonEdge(-1, 1), 0);
  EXPECT_EQ(koSystem::JoyCharge(1, 0), 0);
  int e1, e2, e3, e4;
  koSystem::JoyButtonEdges(1, e1, e2, e3, e4);
  EXPECT_EQ(e1, 0);
  EXPECT_EQ(e2, 1);
  EXPECT_EQ(e4, 3);
}

TEST_F(EngineTest, ChargesAndMetersFollowTheFrameTime) {
  koSystem::InitProcessState();
  headless::SetPad(0, 0, true, 32767, 32767, 1);
  Drain();
  koSystem::SetJoyRates(0, 100.0f, 60.0f);
  gFrameScale = 0.5f;
  EXPECT_EQ(koSystem::JoyCharge(0, 1), 30);
  EXPECT_EQ(koSystem::JoyCharge(0, 1), 60);
  EXPECT_EQ(koSystem::JoyCharge(0, 1), 90);
  EXPECT_EQ(koSystem::JoyCharge(0, 1), 100);
  EXPECT_EQ(koSystem::JoyCharge(0, 2), 0);
  headless::SetPad(0, 0, true, 65535, 0, 0);
  Drain();
  int mx, my;
  koSystem::JoyAxisMeters(0, mx, my);
  EXPECT_EQ(mx, 50);
  EXPECT_EQ(my, -50);
  koSystem::JoyAxisMeters(0, mx, my);
  koSystem::JoyAxisMeters(0, mx, my);
  EXPECT_EQ(mx, 100);  // held within -100..100
  headless::SetPad(0, 0, true, 32767, 32767, 0);
  Drain();
  gFrameScale = 0.75f;
  koSystem::JoyAxisMeters(0, mx, my);
  EXPECT_EQ(mx, 25);
  EXPECT_EQ(my, -25);
  EXPECT_EQ(koSystem::JoyCharge(0, 1), 0);
}

TEST(Random, FifteenBitSequenceIsTheSameEverywhere) {
  koSystem::SeedRand(1);
  EXPECT_EQ(koSystem::Rand(), 16838);
  EXPECT_EQ(koSystem::Rand(), 5758);
  EXPECT_EQ(koSystem::Rand(), 10113);
  koSystem::SeedRand(12345);
  int lo = koSystem::kRandMax, hi = 0;
  for (int i = 0; i < 100000; ++i) {
    const int r = koSystem::Rand();
    lo = std::min(lo, r);
    hi = std::max(hi, r);
  }
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, koSystem::kRandMax);
}

TEST_F(EngineTest, ProgramDirectoryAndItsRedirect) {
  koSystem::InitProcessState();
  headless::SetProgramDir("/opt/games/vorendalite");
  EXPECT_EQ(koSystem::GetProgramDir(0), "/opt/games/vorendalite/");
  gDataDir = "/srv/data";
  EXPECT_EQ(koSystem::GetProgramDir(0), "/opt/games/vorendalite/");
  EXPECT_EQ(koSystem::GetProgramDir(1), "/srv/data/vorendalite/");
  gDataDir.clear();
  headless::SetProgramDir("./");
}

}  // namespace
