#include <cmath>
#include <vector>

#include "game/assets.h"
#include "game/game_state.h"
#include "game/scenes.h"
#include "platform/keys.h"
#include "platform/midi.h"
#include "tests/game/player_fixture.h"

namespace {

using EndingTest = PlayerTest;

constexpr uint16_t kGoodColour = 0x07E0, kZeroColour = 0x001F, kShipColour = 0xF81F;

// The ending entered by seam after a stage-1 game; each test frame starts
// from a clock that the frame's advance brings exactly onto a window's edge.
TEST_F(EndingTest, PicturesShowOnTheirInclusiveWindowsOverTheShipAndTheCycleRestartsAt781) {
  const float below = -1.0f, above = 1e9f;
  const float targets[] = {
      std::nextafter(50.0f, below),  50.0f,  300.0f, std::nextafter(300.0f, above),
      std::nextafter(351.0f, below), 351.0f, 780.0f, std::nextafter(780.0f, above),
      std::nextafter(781.0f, below), 781.0f};
  std::vector<float> clocks;
  std::vector<int> shown;  // 1: the first picture, 2: the second; 10: the ship
  At(kPlay, [&] {
    SwitchScene(SceneEnding);
    gPicMygoodn = Picture(300, 100, kGoodColour);
    gPicZerog1 = Picture(440, 480, kZeroColour);
    gPlayerSprite = Picture(80, 60, kShipColour);
    gPlayerX = 100.0f;  // clear of both pictures
    gPlayerY = 380.0f;
  });
  for (int i = 0; i < 10; ++i) {
    At(kPlay + 1 + 2 * i, [&, i] { gStageClock = ClockLandingOn(targets[i]); });
    At(kPlay + 2 + 2 * i, [&] {
      clocks.push_back(gStageClock);
      shown.push_back((Pixel(180, 200) == kGoodColour) + 2 * (Pixel(600, 400) == kZeroColour) +
                      10 * (Pixel(140, 410) == kShipColour));
    });
  }
  RunFrames(kPlay + 22);
  EXPECT_EQ(shown, (std::vector<int>{10, 11, 11, 10, 10, 12, 12, 10, 10, 10}));
  std::vector<float> expected(targets, targets + 10);
  expected[9] = 0.0f;
  EXPECT_EQ(clocks, expected);
}

// SPACE starts a new game's values and shows the title on the next frame,
// without a transition; the ending's song plays on.
TEST_F(EndingTest, SpaceGoesStraightToTheTitleWithTheSongStillPlaying) {
  std::vector<int> scenes;
  At(kPlay, [] { SwitchScene(SceneEnding); });
  At(kPlay + 3, [] {
    gScore = 4321;
    gLives = 2;
    gPlayerX = 400.0f;
  });
  headless::KeyDown(kPlay + 4, plat::kVkSpace);
  Every([&](int f) {
    if (f > kPlay) scenes.push_back(gScene * 10 + gSceneEntered);
  });
  RunFrames(kPlay + 7);
  // Read after each frame: the frame that sees SPACE leaves the title entered.
  EXPECT_EQ(scenes, (std::vector<int>{SceneEnding * 10, SceneEnding * 10, SceneEnding * 10,
                                      SceneEnding * 10, SceneTitle * 10 + 1, SceneTitle * 10}));
  EXPECT_EQ(gScore, 0);
  EXPECT_EQ(gLives, 777);
  EXPECT_EQ(gPlayerX, 60.0f);
  EXPECT_EQ(gTransitionCount, 0);
  EXPECT_EQ(plat::GetMidiMode(), plat::MidiMode::kPlaying);
}

}  // namespace
