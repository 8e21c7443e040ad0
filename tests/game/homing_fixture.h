// The homing missiles on the engine's screen: every table at its reset
// values, a 60 frames-per-second frame time, the ship at a known place and a
// score rule that adds exactly the points.
#pragma once
#include <cmath>
#include <vector>

#include "homing/homing_missile.h"
#include "tests/game/enemy_fixture.h"

class HomingTest : public EnemyTest {
 protected:
  static constexpr float kDt = 1.0f / 60.0f;

  void SetUp() override {
    EnemyTest::SetUp();
    gFrameScale = kDt;
    gDifficulty = 1;
    gDifficultyExtra = 0;
    gBombStock = 0;
    gScore = 0;
  }

 public:
  static void Lock(TargetMarker& m, int x, int y) { m = {x, y, 1, 0}; }

  // A flying missile at (x, y) that neither moves nor spreads.
  static void Hover(HomingMissile& m, float x, float y) {
    m.x = x;
    m.y = y;
    m.active = 1;
    m.speed = 0.0f;
    m.spreadTimer = 300.0f;
  }

  // The move of one frame along `angle`, y first, in double as the flight does.
  static void Step(float& x, float& y, float angle, float speed, float dt) {
    y = static_cast<float>(y + std::sin(static_cast<double>(angle)) * speed * dt);
    x = static_cast<float>(x + std::cos(static_cast<double>(angle)) * speed * dt);
  }

  static bool Parked(const HomingMissile& m) {
    return m.active == 0 && m.x == -500.0f && m.y == 500.0f;
  }
};
