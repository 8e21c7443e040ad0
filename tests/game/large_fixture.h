// The large kinds and their weapons on the engine's screen: the enemy
// fixture plus pictures for their bodies, strips and bullets, and a frame
// time of 1/45 s so that the Zak54 script clock steps by exactly 1.
#pragma once
#include "enemies/bars.h"
#include "enemies/beams.h"
#include "enemies/large_kinds.h"
#include "enemies/lasers_beams.h"
#include "tests/game/enemy_fixture.h"

class LargeTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gPicZak50 = Strip(200, 1);
    gPicZak51 = Strip(270, 1);
    gPicZak54 = Strip(200, 1);
    gPicLz1 = Strip(240, 1);
    gPicBlzs12 = Strip(200, 1);
    gPicVal3 = Strip(16, 16);
    gPicVal201 = Strip(20, 7);
    gPicBeam = Strip(40, 5);
  }
  void TearDown() override {
    gPicBeam = kNoPicture;
    EnemyTest::TearDown();
  }

  // A live, unhurt kind standing at (x, y).
  static void Place(LargeZakState& k, float x, float y) {
    k = LargeZakState{};
    k.alive = 1;
    k.x = x;
    k.y = y;
  }
};
