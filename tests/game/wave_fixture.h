// The scripted wave kinds on the engine's screen: the enemy fixture plus
// patterned strips for their bodies, bullets and the marker, and one table
// of every kind's operations so that a test can run the same case on each.
#pragma once
#include <string>

#include "enemies/gun_zak.h"
#include "enemies/twin_gun_zak.h"
#include "enemies/zak4.h"
#include "tests/game/enemy_fixture.h"

// One scripted wave kind as the stage frames see it.
struct WaveOps {
  std::string name;
  WaveZakRecord* slots;
  void (*tick)(int);
  void (*move)(int);
};

inline const WaveOps kWaveKinds[] = {
    {"TwinGunZakA", gTwinGunZakA, TickWaveTwinGunZakA, MoveTwinGunZakA},
    {"TwinGunZakB", gTwinGunZakB, TickWaveTwinGunZakB, MoveTwinGunZakB},
    {"TwinGunZakC", gTwinGunZakC, TickWaveTwinGunZakC, MoveTwinGunZakC},
    {"TwinGunZakD", gTwinGunZakD, TickWaveTwinGunZakD, MoveTwinGunZakD},
    {"GunZakA", gGunZakA, TickWaveGunZakA, MoveGunZakA},
    {"GunZakB", gGunZakB, TickWaveGunZakB, MoveGunZakB},
    {"GunZakC", gGunZakC, TickWaveGunZakC, MoveGunZakC},
    {"GunZakD", gGunZakD, TickWaveGunZakD, MoveGunZakD},
    {"Zak4A", gZak4A, TickWaveZak4A, MoveZak4A},
    {"Zak4B", gZak4B, TickWaveZak4B, MoveZak4B},
    {"Zak4C", gZak4C, TickWaveZak4C, MoveZak4C},
    {"Zak4D", gZak4D, TickWaveZak4D, MoveZak4D},
};

class WaveTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gPicZak12 = Strip(100, 5);  // five cells that differ in every pixel
    for (int* body : {&gPicTwinGunZakB, &gPicTwinGunZakC, &gPicTwinGunZakD}) *body = Strip(100, 5);
    gPicZak4 = Strip(90, 1);
    gPicVal11 = Strip(16, 1);
    gPicVal201 = Strip(20, 10);  // room for the start frames beyond the 7 that cycle
    gPicVal2024 = Strip(20, 24);
    gPicTargetMarker = Strip(60, 1);
    gDifficulty = 1;
    gDifficultyExtra = 0;
  }
  void TearDown() override {
    gPicTwinGunZakB = gPicTwinGunZakC = gPicTwinGunZakD = kNoPicture;  // never loaded by the game
    EnemyTest::TearDown();
  }

  // Puts the slot in flight at (x, y) with its phase clock at t.
  static void Fly(WaveZakRecord& r, float x, float y, float t) {
    r.alive = 1;
    r.dying = 0;
    r.x = x;
    r.y = y;
    r.phaseTimer = t;
  }
};
