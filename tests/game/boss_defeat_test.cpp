#include <ostream>
#include <string>
#include <vector>

#include "bosses/boss_bodies.h"
#include "bosses/boss_reset.h"
#include "bosses/late_boss_bodies.h"
#include "game/assets.h"
#include "game/background_sprites.h"
#include "game/game_state.h"
#include "game/reset.h"
#include "game/scenes.h"
#include "tests/game/boss_test_helpers.h"
#include "tests/game/mci_log.h"

namespace {

struct DefeatCase {
  const char* name;
  BossState* boss;
  int* bodyPicture;
  void (*draw)();
  int bonusPerLife;
  int firstExplodingCall;  // boss 1 explodes only once its defeat clock is past 0
  int handOverCall;        // at 10 defeat-clock units per call
  int transitionLength;
  int nextScene;
};

void PrintTo(const DefeatCase& c, std::ostream* os) { *os << c.name; }

#define BOSS(n, picture) "Boss" #n, &gBoss##n, &picture, DrawBoss##n, n * 1000
const DefeatCase kDefeats[] = {
    {BOSS(1, gPicBoss1), 2, 121, 30, SceneStage2},
    {BOSS(2, gPicBoss2), 1, 71, 30, SceneStage3},
    {BOSS(3, gPicBoss3), 1, 71, 30, SceneEnding},
    {BOSS(4, gPicBoss4Body), 1, 71, 30, SceneEnding},
    {BOSS(5, gPicBoss5Body), 1, 71, 30, SceneStage6},
    {BOSS(6, gPicBoss6Body), 1, 71, 30, SceneStage7},
    {BOSS(7, gPicBoss7Body), 1, 71, 60, SceneEnding},
    {BOSS(8, gPicBoss8Body), 1, 71, 60, SceneEnding},
};
#undef BOSS

class BossDefeatTest : public PlayerTest, public ::testing::WithParamInterface<DefeatCase> {};

constexpr uint16_t kBodyColour = 0x1234;
constexpr float kOneUnit = 0.1f;  // one defeat-clock unit per call

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  return v;
}

// Draws the downed boss once before every frame until it hands over, and
// records on which calls the bonus, the explosion sound and the song stop came.
TEST_P(BossDefeatTest, PaysStopsTheSongResetsAndHandsOverToTheNextScene) {
  const DefeatCase& c = GetParam();
  MciLog music;
  std::vector<int> bonusCalls, soundCalls, stopCalls, bonusSteps;
  int calls = 0, handOver = 0, nextFrameScene = 0;
  float clockBefore = 0.0f;
  At(kPlay, [&] {
    ResetBossExplosions();
    *c.bodyPicture = Picture(500, 460, kBodyColour);
    gLives = 777;
    gScore = 0;
    c.boss->x = 100.0f;
    c.boss->y = 50.0f;
    c.boss->hp = 0.0f;
    PlaysOf(gSndBom);
  });
  Every([&](int f) {
    if (f <= kPlay) return;
    if (handOver != 0) {
      if (nextFrameScene == 0) nextFrameScene = gScene;
      return;
    }
    ++calls;
    const int score = gScore;
    const size_t commands = music.Commands().size();
    clockBefore = gStageClock;
    gFrameScale = kOneUnit;
    c.draw();
    if (gScore != score) {
      bonusCalls.push_back(calls);
      bonusSteps.push_back(gScore - score);
    }
    if (PlaysOf(gSndBom) == 1) soundCalls.push_back(calls);
    for (size_t i = commands; i < music.Commands().size(); ++i)
      if (music.Commands()[i].text == "stop midi") stopCalls.push_back(calls);
    if (gScene == SceneStage1) return;
    handOver = calls;
    EXPECT_EQ(gScene, c.nextScene);
    EXPECT_TRUE(gTransitionKind == 3 && gTransitionState == -1 && gPrevScene == 0);
    EXPECT_EQ(gTransitionCount, c.transitionLength);
    EXPECT_EQ(gTransitionLength, c.transitionLength);
    EXPECT_EQ(gControlLocked, 1);
    // The game-state reset ran: the stage clock and the boss records are back at the start.
    EXPECT_TRUE(clockBefore > 0.0f && gStageClock == 0.0f);
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(BossRecordAtStart(n)) << n;
    // The capture holds the frame with this call's body on it.
    EXPECT_EQ(koDraw::ObjectSurface(1)->Row(60)[110], kBodyColour);
  });
  RunFrames(kPlay + 140);
  EXPECT_EQ(handOver, c.handOverCall);
  EXPECT_EQ(nextFrameScene, c.nextScene);
  EXPECT_EQ(bonusCalls, Range(21, 59));
  EXPECT_EQ(bonusSteps, std::vector<int>(39, 777 * c.bonusPerLife));
  EXPECT_EQ(stopCalls, std::vector<int>{51});  // later stops find no song open
  EXPECT_EQ(soundCalls, Range(c.firstExplodingCall, c.handOverCall));
}

INSTANTIATE_TEST_SUITE_P(Bosses, BossDefeatTest, ::testing::ValuesIn(kDefeats),
                         [](const auto& info) { return std::string(info.param.name); });

using BossDefeatEdgeTest = PlayerTest;

// On a time-out the stage frame runs the defeat a second time per frame: the
// sequence ends in half the frames, and the extra call after the hand-over
// finds the boss reset and does nothing.
TEST_F(BossDefeatEdgeTest, ATimeOutRunsTheDefeatTwicePerFrameAndStopsAtTheReset) {
  int frames = 0, handOverFrame = 0, countAfter = 0;
  float hpAfter = 0.0f;
  Every([&](int f) {
    if (f <= kPlay || handOverFrame != 0) return;
    ++frames;
    gFrameScale = kOneUnit;
    DrawBoss2();
    gBoss2.hp = 0.0f;
    DefeatBoss2();
    if (gScene != SceneStage1) {
      handOverFrame = frames;
      hpAfter = gBoss2.hp;
      countAfter = gTransitionCount;
    }
  });
  At(kPlay, [] { gBoss2.hp = 0.0f; });
  RunFrames(kPlay + 60);
  EXPECT_EQ(handOverFrame, 36);  // the 71st step is the first call of frame 36
  EXPECT_EQ(gScene, SceneStage3);
  EXPECT_EQ(countAfter, 30);
  EXPECT_EQ(hpAfter, 0.0f);  // the time-out's store, on the reset record
}

TEST_F(BossDefeatEdgeTest, TheBonusSaturatesAtTheScoreMaximumWhateverTheLives) {
  At(kPlay, [&] {
    gFrameScale = 0.0f;
    gBoss3.hp = 0.0f;
    gBoss3.defeatClock = 30.0f;
    gScore = kScoreMax - 5;
    gLives = 2000000;  // 6e9 points a step: past any 32-bit sum
    DefeatBoss3();
    EXPECT_EQ(gScore, kScoreMax);
    DefeatBoss3();
    EXPECT_EQ(gScore, kScoreMax);
  });
  RunFrames(kPlay + 1);
}

}  // namespace
