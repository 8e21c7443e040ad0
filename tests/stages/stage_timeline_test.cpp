// The stages' timelines and boss sections played through the real frames: the
// mid-boss switch, the forced explosions and the left-out rows of stage 3, the
// time-out and the hand-overs from boss to boss.
#include <algorithm>
#include <span>
#include <vector>

#include "bosses/boss1_laser.h"
#include "bosses/boss_bodies.h"
#include "enemies/gun_zak.h"
#include "enemies/template_kinds.h"
#include "enemies/zak52.h"
#include "game/scenes.h"
#include "platform/keys.h"
#include "tests/game/player_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

using StageTimelineTest = PlayerTest;

void EnterStage(int scene, float clock) {
  ChangeScene(scene, 3, 30);
  gStageClock = clock;
}

TEST_F(StageTimelineTest, Zak52DyingPast1840StopsTheFirstClockAndStartsTheSecond) {
  At(kPlay, [] {
    gStageClock = 1839.9f;
    gStageClock2 = 0.0f;
  });
  At(kPlay + 1, [&] {
    EXPECT_GT(gStageClock, 1840.0f);  // Zak52 lives: the clock runs on
    gZak52.dying = 1;
    gStageClock = ClockLandingOn(1840.0f);  // the switch holds from 1840 itself
  });
  At(kPlay + 2, [] { EXPECT_EQ(gStageClock, -100.0f); });
  At(kPlay + 4, [] {
    EXPECT_EQ(gStageClock, -100.0f);
    EXPECT_GT(gStageClock2, 0.0f);
  });
  RunFrames(kPlay + 5);
}

// Stage 3 would start Zak1B slots at the right edge without ever moving or
// drawing them, where the main shots would strike them unseen; it leaves that
// window out.
TEST_F(StageTimelineTest, Stage3StartsNoZak1BItWouldNeverShow) {
  At(kPlay, [] { EnterStage(SceneStage3, 1461.0f); });
  Every([](int f) {
    if (f <= kPlay + 1) return;
    for (const ZakRecord& r : gZak1B) {
      EXPECT_EQ(r.alive, 0) << gStageClock;
    }
  });
  RunFrames(kPlay + 120);
}

// Nor does it fire the GunZak shots, Zak52's stream or Zak52's spread, which
// it never moves or draws: they would hang invisible and hit the ship unseen.
TEST_F(StageTimelineTest, Stage3FiresNoShotItNeverShows) {
  At(kPlay, [] {
    EnterStage(SceneStage3, 1066.0f);  // Zak52 starts; then the GunZak waves of 1230..1500
    gDifficulty = 2;                   // GunZakC and GunZakD fire only in hard or extra play
  });
  Every([](int f) {
    if (gZak52.alive) gZak52.hp = 100.0f;  // inside the spread's hp band
    if (f <= kPlay) return;
    auto anyAlive = [](const auto& table) {
      return std::ranges::any_of(table, [](const auto& r) { return r.alive != 0; });
    };
    for (const auto* t : {gGunZakAShot, gGunZakBShot, gGunZakCShot, gGunZakDShot})
      EXPECT_FALSE(anyAlive(std::span(t, 5))) << gStageClock;
    for (const auto* t : {gZak52SpreadMid, gZak52SpreadUp, gZak52SpreadDown})
      EXPECT_FALSE(anyAlive(std::span(t, kSpreadSlots))) << gStageClock;
    EXPECT_FALSE(anyAlive(gZak52Stream)) << gStageClock;
  });
  RunFrames(kPlay + 1800);
  EXPECT_GT(gStageClock, 1500.0f);
}

// The stage-1 boss reads the second clock, which a hand-over leaves standing:
// the defeat that handed over must not time the next stage's boss out too.
TEST_F(StageTimelineTest, TheStage1LaserRunsTwiceOnTheFrameAfterTheCounterStoodAt1350) {
  At(kPlay, [] {
    gStageClock = -100.0f;
    gStageClock2 = 400.0f;
    gBoss1.hp = 500.0f;
    gBoss1AttackCounter = 1349;
  });
  At(kPlay + 1, [] {
    EXPECT_EQ(gBoss1AttackCounter, 1350);
    gBoss1LaserFrame = 0;
  });
  At(kPlay + 2, [] {
    EXPECT_EQ(gBoss1LaserFrame, 2);  // 1180..1350 and 1350..1500 both held 1350
    EXPECT_EQ(gBoss1AttackCounter, 1351);
  });
  At(kPlay + 3, [] { EXPECT_EQ(gBoss1LaserFrame, 3); });
  RunFrames(kPlay + 4);
}

TEST_F(StageTimelineTest, AnUnbeatenBossIsDefeatedByTheClockAndTheStageMovesOn) {
  std::vector<int> scenes;
  At(kPlay, [] {
    gStageClock = -100.0f;
    gStageClock2 = 9990.0f;
  });
  Every([&](int f) {
    if (f > kPlay + 1 && (scenes.empty() || scenes.back() != gScene)) scenes.push_back(gScene);
  });
  RunFrames(kPlay + 2000);
  EXPECT_EQ(scenes, (std::vector<int>{SceneStage1, SceneStage2}));
}

// The second clock outlives the hand-over's reset: a defeat that hands over
// inside the time-out window must not time the reset boss out again.
TEST_F(StageTimelineTest, AHandOverInsideTheTimeOutWindowIsNotTimedOutAgain) {
  int scene = 0;
  float defeatClock = -1;
  At(kPlay, [] {
    gStageClock = -100.0f;
    gStageClock2 = 10050.0f;
    gBoss1.hp = 0.0f;
    gBoss1.defeatClock = 119.9f;  // the frame's draw hands over
  });
  At(kPlay + 1, [&] { scene = gScene, defeatClock = gBoss1.defeatClock; });
  RunFrames(kPlay + 2);
  EXPECT_EQ(scene, SceneStage2);
  EXPECT_EQ(defeatClock, 0.0f);
}

// Every stage at a quick pace, the ship firing and bombing: every kind,
// bullet, attack and boss of the timelines runs, and no frame allocates.
class QuickStageTest : public StageTimelineTest, public ::testing::WithParamInterface<int> {};

TEST_P(QuickStageTest, AStageRunAtSpeedWithItsBossAttackingAllocatesNothing) {
  const int scene = GetParam();
  BossState* const bosses[] = {&gBoss1, &gBoss2, &gBoss3, &gBoss4,
                               &gBoss5, &gBoss6, &gBoss7, &gBoss8};
  BossState* const boss = bosses[scene - SceneStage1];
  std::vector<int> allocating;
  headless::KeyDown(kPlay, 'Z');
  for (int f = kPlay + 50; f < kPlay + 1500; f += 200) headless::TapKey(f, 'X', 3);
  At(kPlay, [&] {
    if (scene != SceneStage1) EnterStage(scene, 0.0f);
  });
  Every([&](int f) {
    if (f <= kPlay + 2) return;
    if (alloc_counter::Stop() > 0) allocating.push_back(f - 1);
    gLives = 777;  // the run goes on whatever hits the ship
    float& clock = scene == SceneStage1 && gStageClock < 0.0f ? gStageClock2 : gStageClock;
    clock += scene == SceneStage1 ? 3.0f : 1.5f;  // clock units before each frame
    if (scene == SceneStage1 && gStageClock >= 1840.0f) gZak52.dying = 1;  // the switch
    if (boss->hp > 300.0f) boss->hp = 300.0f;                              // attacking
    alloc_counter::Start();
  });
  RunFrames(kPlay + 1500);
  alloc_counter::Stop();
  EXPECT_EQ(gScene, scene);
  EXPECT_TRUE(allocating.empty()) << allocating.size() << " frames allocated, the first "
                                  << allocating.front();
}

INSTANTIATE_TEST_SUITE_P(Stages, QuickStageTest,
                         ::testing::Range(int{SceneStage1}, SceneStage8 + 1));

}  // namespace
