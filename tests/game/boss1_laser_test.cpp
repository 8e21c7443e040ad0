#include "bosses/boss1_laser.h"

#include <vector>

#include "bosses/boss_state.h"
#include "bosses/pair_shots.h"
#include "game/game_state.h"
#include "game/reset.h"
#include "tests/game/player_fixture.h"

namespace {

using Boss1LaserTest = PlayerTest;

// The boss at (400.7, 100.2): the beam follows at (40, 220).
void PlaceBoss() {
  gBoss1.x = 400.7f;
  gBoss1.y = 100.2f;
}
constexpr int kX = 40, kY = 220;

// Only the burning frames destroy the ship, with the box of this call's
// anchor, all bounds included, bomb or no bomb.
TEST_F(Boss1LaserTest, OnlyBurningFramesDestroyAShipInsideTheBox) {
  At(kPlay, [&] {
    ResetGameState();
    PlaceBoss();
    gBombActive = 1;
    std::vector<int> killed;
    for (int k = 1; k <= 43; ++k) {
      gPlayerAlive = 1;
      gPlayerX = kX + 570.0f;
      gPlayerY = kY - 30.0f;
      DrawBoss1Laser();
      if (gPlayerAlive == 0) killed.push_back(k);
    }
    std::vector<int> burning;
    for (int k = 13; k <= 36; ++k) burning.push_back(k);
    EXPECT_EQ(killed, burning);
    struct Corner {
      float x, y;
      bool dies;
    };
    const Corner corners[] = {
        {kX - 30, kY, true},      {kX - 31, kY, false},  {kX + 570, kY, true},
        {kX + 570.5f, kY, false}, {kX + 571, kY, false}, {kX, kY - 30, true},
        {kX, kY - 31, false},     {kX, kY + 40, true},   {kX, kY + 40.5f, false},
        {kX - 29.5f, kY, true},
    };
    for (const Corner& c : corners) {
      gBoss1LaserFrame = 20;
      gPlayerAlive = 1;
      gPlayerX = c.x;
      gPlayerY = c.y;
      DrawBoss1Laser();
      EXPECT_EQ(gPlayerAlive == 0, c.dies) << c.x << ", " << c.y;
    }
    // The box is this call's anchor: a boss that moved moves the box at once.
    gBoss1LaserFrame = 20;
    gPlayerAlive = 1;
    gBoss1.y += 200.0f;
    gPlayerX = kX;
    gPlayerY = kY + 200;
    DrawBoss1Laser();
    EXPECT_EQ(gPlayerAlive, 0);
  });
  RunFrames(kPlay + 1);
}

// The anchor places the beam once, from the boss's whole-pixel corner; a
// second call leaves it, and the stage-1 chain then holds its fire.
TEST(Boss1LaserAnchorTest, PlacesTheBeamOnceAndHoldsTheChain) {
  ResetBoss1Laser();
  PlaceBoss();
  AnchorBoss1Laser();
  EXPECT_EQ(gBoss1LaserAnchored, 1);
  EXPECT_EQ(gBoss1LaserX, 0);    // 400 - 400
  EXPECT_EQ(gBoss1LaserY, 210);  // 100 + 110
  gBoss1.x = 10.0f;
  AnchorBoss1Laser();
  EXPECT_EQ(gBoss1LaserX, 0);
  EXPECT_EQ(gBoss1LaserY, 210);
  for (PairShotSlot& s : gBoss1Chain) s.active = 0;
  FireBoss1Chain(1, 0);
  EXPECT_EQ(gBoss1Chain[1].active, 0);
  ResetBoss1Laser();
  FireBoss1Chain(1, 0);
  EXPECT_EQ(gBoss1Chain[1].active, 1);
}

}  // namespace
