// Runs the engine alone on the headless backend, with game hooks the test sets.
#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "engine/system/ko_system.h"
#include "platform/headless/headless.h"

namespace testgame {
// What the engine's calls into the game do in these tests.
extern std::function<void()> onLoad;
extern std::function<void(int)> onScene;
extern int saves;
extern int pauseKeys;
extern int sceneCalls;
}  // namespace testgame

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headless::Reset(1000);
    headless::SetFrameLimit(2000);
    testgame::onLoad = [] { gScene = 1; };
    testgame::onScene = nullptr;
    testgame::saves = testgame::pauseKeys = testgame::sceneCalls = 0;
  }
  // Runs the program until it quits; returns WinMain's result.
  int Run() { return WinMain(""); }
};
