#include <vector>

#include "game/assets.h"
#include "player/life.h"
#include "player/shots.h"
#include "tests/game/player_fixture.h"

namespace {

using GameOverTest = PlayerTest;

TEST_F(GameOverTest, TheLastLifeRaisesThePromptWhichStaysOnScreenWhileTheGamePauses) {
  const uint16_t cyan = 0x07FF;
  int promptFrame = -1, shownAtPrompt = 0, shownLater = 0;
  uint16_t promptPixel = 0, laterPixel = 0;
  PlayerShot mainShot{}, typeTwoShot{};
  std::vector<PlayerShot> taken;  // the families a game over takes away
  At(kPlay, [&] {
    gPicContinu1 = Picture(200, 100, cyan);
    gLives = 16;  // one death takes them all
    gShotAMain[3] = PlayerShot{300, 100, 0, 0, 1};
    gShotBMain[3] = PlayerShot{300, 100, 0, 0, 1};
    for (PlayerShot* family : {gShotAUpper, gShotALower, gShotUpLeft, gShotUpRight})
      family[4] = PlayerShot{300, 100, 0, 0, 1};
    gPlayerAlive = 0;
  });
  Every([&](int f) {
    if (f <= kPlay) return;
    if (promptFrame < 0 && gContinuePrompt) {
      promptFrame = f - 1 - kPlay + 1;  // frames of the death
      shownAtPrompt = headless::ShownFrames();
      promptPixel = Pixel(221, 191);
      mainShot = gShotAMain[3];
      typeTwoShot = gShotBMain[3];
      for (PlayerShot* family : {gShotAUpper, gShotALower, gShotUpLeft, gShotUpRight})
        taken.push_back(family[4]);
    }
    if (f == kPlay + 100) {
      shownLater = headless::ShownFrames();
      laterPixel = Pixel(221, 191);
    }
  });
  RunFrames(kPlay + 101);
  EXPECT_EQ(promptFrame, 40);  // the frame that charged the lives
  EXPECT_EQ(gLives, 0);
  EXPECT_EQ(gPaused, 1);
  EXPECT_EQ(gControlLocked, 1);
  EXPECT_EQ(gPlayerAlive, 0);
  EXPECT_EQ(promptPixel, cyan);
  EXPECT_EQ(shownLater, shownAtPrompt);  // paused frames present nothing
  EXPECT_EQ(laterPixel, cyan);
  EXPECT_EQ(mainShot.active, 0);
  EXPECT_EQ(mainShot.x, -500);
  ASSERT_EQ(taken.size(), 4u);
  for (const PlayerShot& s : taken) {
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.x, -500);
    EXPECT_EQ(s.y, 500);
  }
  EXPECT_EQ(typeTwoShot.active, 1);  // ship type 2's shots are not taken away
}

}  // namespace
