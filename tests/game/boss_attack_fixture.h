// Helpers for the attack kinds of bosses and enemies: a plain fixture that
// puts the play state the kinds read in a known shape, one that runs stage 1
// on the headless backend so a test can draw onto the real back surface, and
// the placing of the bosses and enemy slots the kinds fire from.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "bosses/boss_state.h"
#include "engine/system/ko_system.h"
#include "game/game_state.h"
#include "player/parking.h"
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

// Every boss at a corner of its own, so that a kind reading the wrong boss shows.
inline void PlaceBossesApart() {
  BossState* bosses[] = {&gBoss1, &gBoss2, &gBoss3, &gBoss4, &gBoss5, &gBoss6, &gBoss7, &gBoss8};
  for (int b = 0; b < 8; ++b)
    *bosses[b] = BossState{10.0f * (b + 1), 3.0f * (b + 1), 0, 0, 0, 0, 0};
}

// Puts slot `slot` of the enemy table `owner` at (x, y).
template <auto& owner>
void PlaceOwner(int slot, float x, float y) {
  owner[slot].x = x;
  owner[slot].y = y;
}

// Enemy weapon tables as (table, records).
template <typename Record>
using Tables = std::vector<std::pair<Record*, int>>;

// Every record of `tables` cleared and parked.
template <typename Record>
void ParkRecords(const Tables<Record>& tables) {
  for (auto [t, n] : tables)
    for (int i = 0; i < n; ++i) {
      t[i] = Record{};
      t[i].x = kParkX;
      t[i].y = kParkY;
    }
}

// The live records of `tables` as (table, record).
template <typename Record>
std::vector<std::pair<const Record*, int>> LiveRecords(const Tables<Record>& tables) {
  std::vector<std::pair<const Record*, int>> live;
  for (auto [t, n] : tables)
    for (int i = 0; i < n; ++i)
      if (t[i].alive) live.emplace_back(t, i);
  return live;
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
