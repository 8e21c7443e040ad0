// Keys, pads and the random numbers, read through the engine's frames.
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
  struct Case {
    std::vector<std::pair<int, bool>> changes;  // frame, down
    std::vector<int> states;
  };
  const Case cases[] = {
      {{{1, true}, {4, false}}, {0, 1, 3, 3, 2, 0, 0}},
      {{{1, true}, {2, false}}, {0, 1, 2, 0}},  // a one-frame press still reads as released
      {{{1, true}, {3, false}, {4, true}}, {0, 1, 3, 2, 3, 3}},
  };
  for (const Case& c : cases) {
    SetUp();
    for (const auto& [frame, down] : c.changes)
      down ? headless::KeyDown(frame, 'Z') : headless::KeyUp(frame, 'Z');
    EXPECT_EQ(PollZ(static_cast<int>(c.states.size())), c.states);
  }
  SetUp();  // a key held with Alt comes and goes as system key messages
  headless::AtFrame(1, {plat::kMsgSysKeyDown, 'Z', 0});
  headless::AtFrame(3, {plat::kMsgSysKeyUp, 'Z', 0});
  EXPECT_EQ(PollZ(5), (std::vector<int>{0, 1, 3, 2, 0}));
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

TEST_F(EngineTest, KeyUpClearsOnlyTheKeyLastPressedAndSystemKeysAreSwallowed) {
  testgame::onLoad = [] {
    gScene = 1;
    koSystem::InitWaits();  // the screen start-up sets the system-key policy to 0
  };
  headless::KeyDown(1, 'A');
  headless::KeyDown(1, 'B');
  headless::KeyUp(2, 'A');
  headless::KeyUp(3, 'B');
  headless::TapKey(4, 'S');
  headless::AtFrame(5, {plat::kMsgSysKeyDown, 'Q', 0});
  std::vector<int> keys;
  testgame::onScene = [&](int) { keys.push_back(gKey); };
  headless::Close(6);
  Run();
  EXPECT_EQ(keys, (std::vector<int>{0, 'B', 'B', 0, 'S', 0}));
  EXPECT_EQ(testgame::pauseKeys, 1);
}

// What the window's mouse messages leave, read at the start of each frame:
// the motion since the last frame, the right button's state, both double
// clicks and the click flags that last one frame; under key capture the
// right button and the double clicks are ignored.
TEST_F(EngineTest, MouseMessagesThroughTheWindowAndTheFlagsOfOneFrame) {
  struct Mouse {
    int dx, dy, right, click, latch, button, last, leftDouble, rightDouble;
    bool operator==(const Mouse&) const = default;
  };
  std::vector<Mouse> seen;
  testgame::onScene = [&](int) {
    seen.push_back({gMouseDX, gMouseDY, gMouseRight, gMouseRightClick, gMouseRightLatch,
                    gMouseButton, gLastButton, gMouseLeftDouble, gMouseRightDouble});
    if (seen.size() == 4) koSystem::BeginKeyCapture();
  };
  headless::AtFrame(1, {plat::kMsgMouseMove, 0, plat::PackXY(100, 50)});
  headless::AtFrame(2, {plat::kMsgMouseMove, 0, plat::PackXY(130, 40)});
  headless::AtFrame(2, {plat::kMsgRButtonDown, 0, 0});
  headless::AtFrame(3, {plat::kMsgRButtonUp, 0, 0});
  headless::AtFrame(3, {plat::kMsgRButtonDblClk, 0, 0});
  headless::AtFrame(3, {plat::kMsgLButtonDblClk, 0, 0});
  for (const uint32_t m : {plat::kMsgRButtonDown, plat::kMsgLButtonDblClk, plat::kMsgRButtonDblClk})
    headless::AtFrame(4, {m, 0, 0});
  headless::Close(5);
  WinMain("");
  koSystem::EndKeyCapture();
  EXPECT_EQ(seen, (std::vector<Mouse>{{0, 0, 0, 0, 0, 0, 0, 0, 0},
                                      {100, 50, 0, 0, 0, 0, 0, 0, 0},
                                      {30, -10, 1, 1, 1, 2, 2, 0, 0},
                                      {0, 0, 0, 0, 1, 0, 2, 1, 1},
                                      {0, 0, 0, 0, 1, 0, 2, 0, 0}}));
}

// Keys pressed while the engine's pause screen is up go to the pause key only.
TEST_F(EngineTest, KeysUnderTheEnginePauseGoToThePauseKeyAndNotToTheGame) {
  gKey = gLastKey = 'A';
  gEnginePause = 1;
  koSystem::OnKeyDown(plat::kVkDown);
  EXPECT_EQ(gPauseScrollKey, plat::kVkDown);
  EXPECT_EQ(gKey, 'A');
  EXPECT_EQ(gLastKey, 'A');
  koSystem::OnKeyUp(plat::kVkDown);
  EXPECT_EQ(gPauseScrollKey, 0);
  gEnginePause = 0;
}

// Policy 1 lets every system key through as a key; policy 2 all but Alt.
// The two hot keys press keys 44 and 257, except under key capture.
TEST_F(EngineTest, SystemKeysFollowThePolicyAndHotKeysPressTheirKeys) {
  testgame::onLoad = [] {
    gScene = 1;
    koSystem::SetSysKeyPolicy(1);
  };
  std::vector<int> keys;
  testgame::onScene = [&](int) {
    keys.push_back(gKey);
    if (keys.size() == 3) koSystem::SetSysKeyPolicy(2);
    if (keys.size() == 7) koSystem::BeginKeyCapture();
  };
  headless::AtFrame(1, {plat::kMsgSysKeyDown, 'Q', 0});
  headless::AtFrame(2, {plat::kMsgKeyUp, 'Q', 0});
  headless::AtFrame(3, {plat::kMsgSysKeyDown, plat::kVkMenu, 0});
  headless::AtFrame(4, {plat::kMsgSysKeyDown, 'W', 0});
  headless::AtFrame(5, {plat::kMsgHotKey, 0xBF01, 0});
  headless::AtFrame(6, {plat::kMsgHotKey, 0xBF02, 0});
  headless::AtFrame(7, {plat::kMsgHotKey, 0xBF01, 0});
  headless::Close(8);
  Run();
  koSystem::EndKeyCapture();
  EXPECT_EQ(keys, (std::vector<int>{0, 'Q', 0, 0, 'W', 44, 257, 257}));
}

TEST_F(EngineTest, PadZonesSplitAtHalfAndOneAndAHalfTheCentreAndButtonsRunOneToFour) {
  headless::SetPad(0, 0, true, 32767, 32767);
  koSystem::InitProcessState();
  Drain();
  koSystem::InitJoystick();
  // Zones at c / 2 = 16383 and c + c / 2 = 49150.
  for (const auto& [x, want] :
       {std::pair{0u, -1}, {16383u, -1}, {16384u, 0}, {49149u, 0}, {49150u, 1}, {65535u, 1}}) {
    headless::SetPad(0, 0, true, x, 32767);
    Drain();
    int dx, dy;
    koSystem::JoyGetDirection(0, dx, dy);
    EXPECT_EQ(dx, want) << x;
    EXPECT_EQ(dy, 0);
  }
  headless::SetPad(0, 1, true, 32767, 32767, 0x8000000Bu);
  Drain();
  EXPECT_EQ(koSystem::JoyButtonDown(1, 2), 1);
  EXPECT_EQ(koSystem::JoyButtonDown(1, 3), 0);
  EXPECT_EQ(koSystem::JoyButtonDown(1, 32), 1);
  EXPECT_EQ(koSystem::JoyButtonDown(1, 0), 0);
  EXPECT_EQ(koSystem::JoyButtonEdge(1, 0), 0);  // edges and charges are kept for 1 to 4 only
  EXPECT_EQ(koSystem::JoyButtonEdge(1, 5), 0);
  EXPECT_EQ(koSystem::JoyButtonDown(2, 2), 0);
  EXPECT_EQ(koSystem::JoyButtonEdge(1, 4), 1);
  EXPECT_EQ(koSystem::JoyButtonEdge(1, 4), 3);
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
}

TEST(Random, FifteenBitSequenceIsTheSameEverywhere) {
  koSystem::SeedRand(1);
  EXPECT_EQ(koSystem::Rand(), 16838);
  EXPECT_EQ(koSystem::Rand(), 5758);
  EXPECT_EQ(koSystem::Rand(), 10113);
}

// Under key capture a key goes to the captured key, not to the game's; the
// end of the capture clears the game's key.
TEST_F(EngineTest, ACapturedKeyMissesTheGameAndTheCaptureEndClearsItsKey) {
  koSystem::InitProcessState();
  koSystem::WndProc(plat::kMsgKeyDown, 'Q', 0);
  EXPECT_EQ(gKey, 'Q');
  koSystem::BeginKeyCapture();
  koSystem::WndProc(plat::kMsgKeyDown, 'W', 0);
  EXPECT_EQ(gCapturedKey, 'W');
  EXPECT_EQ(gKey, 'Q');
  koSystem::EndKeyCapture();
  EXPECT_EQ(gKey, 0);
}

}  // namespace
