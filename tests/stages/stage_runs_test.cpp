// Stages 4 to 8 played through the real frames: the boss sections' gates,
// wraps, and the one stage that sleeps.
#include <string>
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/boss_state.h"
#include "enemies/divers.h"
#include "game/scenes.h"
#include "player/power_item.h"
#include "tests/game/player_fixture.h"

namespace {

struct LateStage {
  const char* name;
  int scene;
  float speed;
  BossState* boss;
  int32_t* counter;
  float openAfter, gate;
  int wrap;
  int continueBombs;
};

const LateStage kLateStages[] = {
    {"Stage4", SceneStage4, 16, &gBoss4, &gBoss4AttackCounter, 1300, 780, 1099, 5},
    {"Stage5", SceneStage5, 14, &gBoss5, &gBoss5AttackCounter, 1300, 980, 999, 5},
    {"Stage6", SceneStage6, 13, &gBoss6, &gBoss6AttackCounter, 1250, 980, 959, 5},
    {"Stage7", SceneStage7, 20, &gBoss7, &gBoss7AttackCounter, 1260, 980, 1299, 3},
    {"Stage8", SceneStage8, 20, &gBoss8, &gBoss8AttackCounter, 1800, 1200, 1219, 5},
};

void PrintTo(const LateStage& s, std::ostream* os) { *os << s.name; }

void EnterStage(int scene, float clock) {
  ChangeScene(scene, 3, 30);
  gStageClock = clock;
}

class LateStageTest : public PlayerTest, public ::testing::WithParamInterface<LateStage> {};

// The boss moves only strictly after the section opens; its counter runs only
// while 0 < hp < gate, runs 1 to wrap + 1 and starts again at 0.
TEST_P(LateStageTest, TheBossSectionOpensAfterItsBoundAndItsCounterRunsInsideTheGateAndWraps) {
  const LateStage s = GetParam();
  float clockAtBound = -1, clockInside = -1;
  std::vector<int> counts;
  At(kPlay, [&] { EnterStage(s.scene, 0.0f); });
  At(kPlay + 2, [&] {
    gStageClock = ClockLandingOn(s.openAfter, s.speed);
    s.boss->hp = s.gate;  // on the gate: closed
  });
  At(kPlay + 3, [&] {
    clockAtBound = s.boss->clock;
    counts.push_back(*s.counter);
  });
  At(kPlay + 4, [&] {
    clockInside = s.boss->clock;
    counts.push_back(*s.counter);
    s.boss->hp = s.gate - 1.0f;
  });
  At(kPlay + 5, [&] { counts.push_back(*s.counter); });
  At(kPlay + 6, [&] {
    counts.push_back(*s.counter);
    *s.counter = s.wrap - 1;
  });
  for (int f = kPlay + 7; f <= kPlay + 10; ++f) At(f, [&] { counts.push_back(*s.counter); });
  At(kPlay + 10, [&] { s.boss->hp = 0.0f; });  // hit down to exactly 0: shut
  At(kPlay + 11, [&] { counts.push_back(*s.counter); });
  RunFrames(kPlay + 12);
  EXPECT_EQ(clockAtBound, 0.0f);
  EXPECT_GT(clockInside, 0.0f);
  EXPECT_EQ(counts, (std::vector<int>{0, 0, 1, 2, s.wrap, 0, 1, 2, 2}));
}

INSTANTIATE_TEST_SUITE_P(Stages, LateStageTest, ::testing::ValuesIn(kLateStages),
                         [](const auto& info) { return std::string(info.param.name); });

using StagesTest = PlayerTest;

// Stage 8 alone gives the rest of its time slice away, once a frame.
TEST_F(StagesTest, OnlyStage8SleepsAndOnceAFrame) {
  std::vector<int> sleeps;
  int before = 0;
  for (int scene = SceneStage1; scene <= SceneStage8; ++scene) {
    const int f = kPlay + 8 * (scene - SceneStage1);
    At(f, [=] { EnterStage(scene, 100.0f); });
    At(f + 2, [&] { before = headless::SleepCount(); });
    At(f + 7, [&] { sleeps.push_back(headless::SleepCount() - before); });
  }
  RunFrames(kPlay + 65);
  EXPECT_EQ(sleeps, (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 5}));
}

// Stage 4's first dive lasts to 500, and its item window, shared with stage 8,
// releases on its upper bound.
TEST_F(StagesTest, Stage4DivesTo500AndReleasesItsItemAt350) {
  int divers = 0, item = -1;
  At(kPlay, [] { EnterStage(SceneStage4, 470.0f); });
  Every([&](int f) {
    if (f > kPlay + 2 && f < kPlay + 12) gStageClock = 470.0f;
  });
  At(kPlay + 12, [&] {
    for (const auto& r : gDiver80L) divers += r.alive != 0;
    gPowerItem.active = 0;
    gStageClock = ClockLandingOn(350.0f, 16.0f);
  });
  At(kPlay + 13, [&] { item = gPowerItem.active; });
  RunFrames(kPlay + 14);
  EXPECT_GT(divers, 0);
  EXPECT_EQ(item, 1);
}

TEST_P(LateStageTest, TheContinueGivesTheStagesBombStock) {
  const LateStage s = GetParam();
  At(kPlay, [&] { EnterStage(s.scene, 100.0f); });
  At(kPlay + 3, [&] {
    gPaused = gContinuePrompt = 1;
    gBombStock = 0;
    gScore = 5000;
  });
  At(kPlay + 5, [&] { gKey = 'Y'; });
  At(kPlay + 6, [&] { gKey = 0; });
  RunFrames(kPlay + 7);
  EXPECT_EQ(gPaused, 0);
  EXPECT_EQ(gBombStock, s.continueBombs);
  EXPECT_EQ(gLives, 111);
  EXPECT_EQ(gScore, 0);
}

}  // namespace
