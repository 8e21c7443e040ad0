#include <cmath>
#include <utility>
#include <vector>

#include "game/assets.h"
#include "game/scenes.h"
#include "player/bomb.h"
#include "player/shots.h"
#include "tests/game/player_fixture.h"

namespace {

using StageFrameTest = PlayerTest;

// Enters a stage by seam, its clock at 0 and the controls free, so that what
// the stage's first frame sets shows.
void EnterStage(int scene) {
  gStageClock = 0.0f;
  gControlLocked = 0;
  ChangeScene(scene, 3, 30);
}

// Stages 2 to 8 hold the ship from their entry until their clock, at each
// stage's own speed, reaches exactly 16; stage 1 keeps a lock.
TEST_F(StageFrameTest, LaterStagesHoldTheShipUntilTheirClockReaches16) {
  const float justBelow = std::nextafter(16.0f, 0.0f);
  std::vector<int> locked, expected;
  int f = kPlay;
  for (auto [scene, speed] : {std::pair{SceneStage1, 20.0f},
                              {SceneStage2, 20.0f},
                              {SceneStage3, 18.0f},
                              {SceneStage4, 16.0f},
                              {SceneStage5, 14.0f},
                              {SceneStage6, 13.0f},
                              {SceneStage7, 20.0f},
                              {SceneStage8, 20.0f}}) {
    expected.insert(expected.end(), {1, 1, scene == SceneStage1 ? 1 : 0});
    At(f, [scene] {
      if (scene == SceneStage1)
        gControlLocked = 1;
      else
        EnterStage(scene);
    });
    At(f + 2, [&, speed] {
      locked.push_back(gControlLocked);
      gStageClock = ClockLandingOn(justBelow, speed);
    });
    At(f + 3, [&, speed] {
      locked.push_back(gControlLocked);
      gStageClock = ClockLandingOn(16.0f, speed);
    });
    At(f + 4, [&] { locked.push_back(gControlLocked); });
    f += 5;
  }
  RunFrames(f);
  EXPECT_EQ(locked, expected);
}

// The power item moves 10 pixels a frame: every stage draws it where it was
// but stage 2, which draws it where it has moved to.
TEST_F(StageFrameTest, OnlyStage2MovesThePowerItemBeforeDrawingIt) {
  constexpr uint16_t kItem = 0xFFE0;
  std::vector<int> drawn;  // columns 295 and 355: only a draw at 290 or at 300 covers them
  for (int scene = SceneStage1; scene <= SceneStage8; ++scene) {
    const int f = kPlay + scene - SceneStage1;
    At(f, [&, scene] {
      if (scene == SceneStage1)
        gPicPower = Picture(60, 60, kItem);
      else {
        drawn.push_back((Pixel(295, 330) == kItem) * 10 + (Pixel(355, 330) == kItem));
        EnterStage(scene);
      }
      gStageClock = 200.0f;  // between release windows
      gPowerItem = PowerItem{300.0f, 300.0f, 600.0f, 0, 1, 0, {0, 0}};
    });
  }
  At(kPlay + 8,
     [&] { drawn.push_back((Pixel(295, 330) == kItem) * 10 + (Pixel(355, 330) == kItem)); });
  RunFrames(kPlay + 9);
  EXPECT_EQ(drawn, (std::vector<int>{1, 10, 1, 1, 1, 1, 1, 1}));
}

// A bomb flag without the fire flag off: stage 1 leaves the bomb alone,
// stage 2 steps it.
TEST_F(StageFrameTest, Stage1StepsTheBombOnlyWhileFiringIsOff) {
  std::vector<int> timers;
  auto arm = [](int fireEnabled) {
    gBombActive = 1;
    gFireEnabled = fireEnabled;
    gBombTimer = 0;
  };
  At(kPlay, [&] { arm(1); });
  At(kPlay + 1, [&] {
    timers.push_back(gBombTimer);
    arm(0);
  });
  At(kPlay + 2, [&] {
    timers.push_back(gBombTimer);
    EnterStage(SceneStage2);
    arm(1);
  });
  At(kPlay + 3, [&] { timers.push_back(gBombTimer); });
  RunFrames(kPlay + 4);
  EXPECT_EQ(timers, (std::vector<int>{0, 1, 1}));
}

TEST_F(StageFrameTest, TheShotLimitIsClearedOnAFrameWithoutAFlyingShot) {
  int limitWithShot = -1, limitWithout = -1;
  At(kPlay, [&] {
    gShotLimit = 12;
    gShotAMain[1] = PlayerShot{300, 300, 0, 0, 1};
  });
  At(kPlay + 1, [&] {
    limitWithShot = gShotLimit;
    gShotAMain[1].active = 0;
  });
  At(kPlay + 2, [&] { limitWithout = gShotLimit; });
  RunFrames(kPlay + 3);
  EXPECT_EQ(limitWithShot, 12);
  EXPECT_EQ(limitWithout, 0);
}

}  // namespace
