#include "bosses/boss1_laser.h"

#include <vector>

#include "bosses/boss_state.h"
#include "bosses/pair_shots.h"
#include "game/assets.h"
#include "game/game_state.h"
#include "game/reset.h"
#include "tests/game/boss_test_helpers.h"

namespace {

using Boss1LaserTest = PlayerTest;

constexpr uint16_t kWarm = 0x1000, kBurn = 0x2000, kEdge = 0x3000;

// Band rows of 600 x 80 and edge rows of 600 x 45, each row its own colour.
void BeamPictures() {
  gPicHlb1 = ColourStrip(6, 600, 80, kWarm, true);
  gPicHlb11 = ColourStrip(6, 600, 80, kBurn, true);
  gPicHlbt1 = ColourStrip(4, 600, 45, kEdge, true);
}

// The boss at (400.7, 100.2): the beam follows at (40, 220).
void PlaceBoss() {
  gBoss1.x = 400.7f;
  gBoss1.y = 100.2f;
}
constexpr int kX = 40, kY = 220;

struct Look {
  uint16_t band, upper, lower;
  bool operator==(const Look&) const = default;
};

// Band alone at the bottom, the upper edge alone at the top, the lower edge
// over the band in the middle.
Look LookAt(int x, int y) {
  return {BackPixel(x + 1, y + 78), BackPixel(x + 1, y - 3), BackPixel(x + 1, y + 50)};
}

// Only the burning frames destroy the ship, with the box of this call's
// anchor, all bounds included, bomb or no bomb.
TEST_F(Boss1LaserTest, OnlyBurningFramesDestroyAShipInsideTheBox) {
  At(kPlay, [&] {
    std::vector<int> burning;
    for (int k = 13; k <= 36; ++k) burning.push_back(k);
    for (int bomb : {0, 1}) {
      ResetGameState();
      PlaceBoss();
      gBombActive = bomb;
      std::vector<int> killed;
      for (int k = 1; k <= 43; ++k) {
        gPlayerAlive = 1;
        gPlayerX = kX + 570.0f;
        gPlayerY = kY - 30.0f;
        DrawBoss1Laser();
        if (gPlayerAlive == 0) killed.push_back(k);
      }
      EXPECT_EQ(killed, burning) << "bomb " << bomb;
    }
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

// Frame 1 after a reset is drawn at the park point; then 12 warm-up, 24
// burning and 6 fading frames follow the boss, and the 43rd call is blank.
TEST_F(Boss1LaserTest, TheCycleWarmsBurnsFadesAndRestsOneCall) {
  At(kPlay, [&] {
    BeamPictures();
    PlaceBoss();
    gPlayerX = gPlayerY = 0.0f;
    ResetGameState();
    PlaceBoss();
    koDraw::ClearScreen();
    DrawBoss1Laser();
    EXPECT_EQ(CountBackPixels(0), 640 * 480);
    EXPECT_EQ(gBoss1LaserFrame, 1);
    EXPECT_EQ(gBoss1LaserX, kX);
    EXPECT_EQ(gBoss1LaserY, kY);
    std::vector<Look> seen, expected;
    for (int k = 2; k <= 42; ++k) {
      koDraw::ClearScreen();
      DrawBoss1Laser();
      seen.push_back(LookAt(kX, kY));
      const int e = (k - 1) % 4;
      const uint16_t band = k <= 12   ? kWarm + (k - 1) % 6
                            : k <= 36 ? kBurn + (k - 13) % 6
                                      : kWarm + (42 - k);
      expected.push_back({band, static_cast<uint16_t>(kEdge + e),
                          static_cast<uint16_t>(k == 42 ? kEdge : kEdge + 3 - e)});
    }
    EXPECT_EQ(seen, expected);
    koDraw::ClearScreen();
    DrawBoss1Laser();
    EXPECT_EQ(CountBackPixels(0), 640 * 480);
    EXPECT_EQ(gBoss1LaserFrame, 0);
    // The next cycle starts where the last call anchored it, then follows the boss.
    gBoss1.x += 100.0f;
    koDraw::ClearScreen();
    DrawBoss1Laser();
    EXPECT_EQ(LookAt(kX, kY), (Look{kWarm, kEdge, kEdge + 3}));
    EXPECT_EQ(gBoss1LaserX, kX + 100);
  });
  RunFrames(kPlay + 1);
}

// While anchored, the stage-1 chain holds its fire; the reset frees it.
TEST_F(Boss1LaserTest, TheAnchorIsSetOnceAtItsOwnOffsetsAndTheResetClearsIt) {
  At(kPlay, [&] {
    ResetGameState();
    PlaceBoss();
    AnchorBoss1Laser();
    EXPECT_EQ(gBoss1LaserAnchored, 1);
    EXPECT_EQ(gBoss1LaserX, 0);
    EXPECT_EQ(gBoss1LaserY, 210);
    FireBoss1Chain(1, 0);
    EXPECT_EQ(gBoss1Chain[1].active, 0);
    gBoss1.x = 100.0f;
    AnchorBoss1Laser();
    EXPECT_EQ(gBoss1LaserX, 0);
    DrawBoss1Laser();  // the beam follows the boss with its own offsets
    EXPECT_EQ(gBoss1LaserX, -260);
    EXPECT_EQ(gBoss1LaserY, 220);
    EXPECT_EQ(gBoss1LaserAnchored, 1);
    EXPECT_FALSE(Boss1LaserAtStart());
    ResetGameState();
    EXPECT_TRUE(Boss1LaserAtStart());
    EXPECT_EQ(gBoss1LaserX, -500);
    EXPECT_EQ(gBoss1LaserY, 500);
    FireBoss1Chain(1, 0);
    EXPECT_EQ(gBoss1Chain[1].active, 1);
  });
  RunFrames(kPlay + 1);
}

}  // namespace
