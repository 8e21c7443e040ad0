// Stage-frame conditions met exactly on their bounds: stage 1's clock switch,
// a boss defeat handing over inside its time-out window, the ship's fire gate.
#include <cmath>

#include "bosses/boss_bodies.h"
#include "bosses/boss_state.h"
#include "enemies/zak52.h"
#include "game/scenes.h"
#include "platform/keys.h"
#include "tests/game/player_fixture.h"

namespace {

using StageBoundsTest = PlayerTest;

TEST_F(StageBoundsTest, DyingZak52SwitchesStage1sClocksFromExactly1840) {
  At(kPlay, [] {
    gZak52.dying = 1;
    gStageClock = ClockLandingOn(std::nextafter(1840.0f, 0.0f));
  });
  At(kPlay + 1, [] {
    EXPECT_GT(gStageClock, 1839.0f);  // still running
    gZak52.dying = 1;                 // its explosion may have run out
    gStageClock = ClockLandingOn(1840.0f);
  });
  At(kPlay + 2, [] { EXPECT_EQ(gStageClock, -100.0f); });
  RunFrames(kPlay + 3);
}

// Stage 1's boss times out on the second clock, which the hand-over's reset
// leaves standing: the time-out must not strike the fresh boss record again.
TEST_F(StageBoundsTest, ABossHandingOverInsideItsTimeOutLeavesItsRecordReset) {
  At(kPlay, [] {
    gStageClock = -100.0f;
    gStageClock2 = 10050.0f;
    gBoss1.hp = 0.0f;
    gBoss1.defeatClock = 1000.0f;  // the next defeat step hands over
  });
  At(kPlay + 1, [] {
    EXPECT_EQ(gScene, SceneStage2);
    EXPECT_GT(gBoss1.hp, 0.0f);
    EXPECT_EQ(gBoss1.defeatClock, 0.0f);
  });
  RunFrames(kPlay + 2);
}

// Nothing in play raises the shot limit; the gate still shuts from 12 on.
TEST_F(StageBoundsTest, TheShipFiresOnlyWhileTheShotLimitIsBelow12) {
  constexpr int kSwitch = kPlay + 30;
  headless::KeyDown(kPlay, 'Z');
  Every([](int f) { gShotLimit = f < kSwitch ? 12 : 11; });
  At(kSwitch, [] { EXPECT_EQ(gLiveShotsA, 0); });
  At(kSwitch + 30, [] { EXPECT_GT(gLiveShotsA, 0); });
  RunFrames(kSwitch + 31);
}

}  // namespace
