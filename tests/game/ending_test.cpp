#include <cmath>
#include <ostream>
#include <vector>

#include "game/assets.h"
#include "game/scenes.h"
#include "tests/game/player_fixture.h"

namespace {

using EndingTest = PlayerTest;

constexpr uint16_t kGoodColour = 0x07E0, kZeroColour = 0x001F, kShipColour = 0xF81F;

struct EndingFrame {
  float clock;  // after the frame
  bool good, zero, ship;
  bool operator==(const EndingFrame&) const = default;
};

void PrintTo(const EndingFrame& e, std::ostream* os) {
  *os << "{" << e.clock << ", " << e.good << ", " << e.zero << ", " << e.ship << "}";
}

// The ending entered by seam after a stage-1 game; each test frame starts
// from a clock that the frame's advance brings exactly onto a window's edge.
TEST_F(EndingTest, PicturesShowOnTheirInclusiveWindowsOverTheShipAndTheCycleRestartsAt781) {
  const float below = -1.0f, above = 1e9f;
  const float targets[] = {
      std::nextafter(50.0f, below),  50.0f,  300.0f, std::nextafter(300.0f, above),
      std::nextafter(351.0f, below), 351.0f, 780.0f, std::nextafter(780.0f, above),
      std::nextafter(781.0f, below), 781.0f};
  std::vector<EndingFrame> seen;
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
      seen.push_back({gStageClock, Pixel(180, 200) == kGoodColour, Pixel(600, 400) == kZeroColour,
                      Pixel(140, 410) == kShipColour});
    });
  }
  RunFrames(kPlay + 22);
  const std::vector<EndingFrame> expected = {
      {targets[0], false, false, true}, {50.0f, true, false, true},
      {300.0f, true, false, true},      {targets[3], false, false, true},
      {targets[4], false, false, true}, {351.0f, false, true, true},
      {780.0f, false, true, true},      {targets[7], false, false, true},
      {targets[8], false, false, true}, {0.0f, false, false, true},
  };
  EXPECT_EQ(seen, expected);
}

TEST_F(EndingTest, SpaceStartsAFreshGameAndShowsTheTitle) {
  At(kPlay, [&] { SwitchScene(SceneEnding); });
  At(kPlay + 5, [&] {  // left behind by the game that reached the ending
    gLives = 5;
    gScore = 1234;
    gStageClock2 = 500.0f;
    gControlLocked = 1;
  });
  headless::TapKey(kPlay + 5, plat::kVkSpace);
  RunFrames(kPlay + 7);
  EXPECT_EQ(gScene, SceneTitle);
  EXPECT_EQ(gLives, 777);  // a new game's values and a reset play state
  EXPECT_EQ(gScore, 0);
  EXPECT_EQ(gStageClock2, 0.0f);
  EXPECT_EQ(gControlLocked, 0);
}

}  // namespace
