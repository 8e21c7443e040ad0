#include <tuple>
#include <vector>

#include "game/assets.h"
#include "player/life.h"
#include "player/shots.h"
#include "tests/game/player_fixture.h"

namespace {

using GameOverTest = PlayerTest;

TEST_F(GameOverTest, TheLastLifeRaisesThePromptWhichStaysOnScreenWhileTheGamePauses) {
  const uint16_t cyan = 0x07FF;
  int promptFrame = -1, shownAtPrompt = 0;
  PlayerShot typeTwoShot{};
  std::vector<PlayerShot> taken;  // the families a game over takes away
  At(kPlay, [&] {
    gPicContinu1 = Picture(200, 100, cyan);
    gLives = 16;  // one death takes them all
    gShotBMain[3] = PlayerShot{300, 100, 0, 0, 1};
    for (PlayerShot* family : {gShotAMain, gShotAUpper, gShotALower, gShotUpLeft, gShotUpRight})
      family[4] = PlayerShot{300, 100, 0, 0, 1};
    gPlayerAlive = 0;
  });
  Every([&](int f) {
    if (f <= kPlay || promptFrame >= 0 || !gContinuePrompt) return;
    promptFrame = f - 1 - kPlay + 1;  // frames of the death
    shownAtPrompt = headless::ShownFrames();
    typeTwoShot = gShotBMain[3];
    for (PlayerShot* family : {gShotAMain, gShotAUpper, gShotALower, gShotUpLeft, gShotUpRight})
      taken.push_back(family[4]);
  });
  RunFrames(kPlay + 101);
  EXPECT_EQ(promptFrame, 40);  // the frame that charged the lives
  EXPECT_EQ(gLives + gPlayerAlive, 0);
  EXPECT_EQ(gPaused + gControlLocked, 2);
  EXPECT_EQ(headless::ShownFrames(), shownAtPrompt);  // paused frames present nothing
  EXPECT_EQ(Pixel(221, 191), cyan);
  for (const PlayerShot& s : taken)
    EXPECT_EQ(std::tuple(s.active, s.x, s.y), std::tuple(0, -500, 500));
  EXPECT_EQ(typeTwoShot.active, 1);  // ship type 2's shots are not taken away
}

}  // namespace
