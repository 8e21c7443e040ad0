// Helpers for the boss attack kinds: a plain fixture that puts the play state
// the kinds read in a known shape, and one that runs stage 1 on the headless
// backend so a test can draw onto the real back surface.
#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "bosses/boss_state.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"
#include "tests/game/player_fixture.h"

// The ship alive at (300, 200), no bomb, a 1/64 s frame, both bosses at the origin.
inline void SetPlayState() {
  gPlayerX = 300.0f;
  gPlayerY = 200.0f;
  gPlayerAlive = 1;
  gBombActive = 0;
  gFrameScale = 1.0f / 64.0f;
  gScore = 0;
  gBoss1 = gBoss2 = gBoss3 = BossState{};
}

class AttackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    koSystem::SeedRand(1);
    SetPlayState();
  }
};

class AttackDrawTest : public PlayerTest {
 protected:
  // Runs `f` inside stage 1, between two frames, with the back surface cleared.
  void InGame(std::function<void()> f) {
    At(kPlay, [f] {
      std::fill(gBackSurface->pixels.begin(), gBackSurface->pixels.end(), uint16_t{0});
      SetPlayState();
      f();
    });
    RunFrames(kPlay + 1);
  }
};
