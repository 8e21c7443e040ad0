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

}  // namespace
