#include <ostream>
#include <string>
#include <vector>

#include "bosses/boss_reset.h"
#include "bosses/late_boss_bodies.h"
#include "game/assets.h"
#include "game/background_sprites.h"
#include "game/game_state.h"
#include "game/scenes.h"
#include "tests/game/boss_test_helpers.h"

namespace {

struct LateDefeatCase {
  const char* name;
  BossState* boss;
  void (*draw)();
  void (*defeat)();
  int bonusPerLife;
  int transitionLength;
  int nextScene;
  const BossExplosion* large;
  const BossExplosion* small;
  int largeW, largeH, smallW, smallH;
};

void PrintTo(const LateDefeatCase& c, std::ostream* os) { *os << c.name; }

const LateDefeatCase kLateDefeats[] = {
    {"Boss4", &gBoss4, DrawBoss4, DefeatBoss4, 4000, 30, SceneEnding, gBoss4LargeExplosions,
     gBoss4SmallExplosions, 440, 320, 440, 310},
    {"Boss5", &gBoss5, DrawBoss5, DefeatBoss5, 5000, 30, SceneStage6, gBoss5LargeExplosions,
     gBoss5SmallExplosions, 380, 320, 380, 320},
    {"Boss6", &gBoss6, DrawBoss6, DefeatBoss6, 6000, 30, SceneStage7, gBoss6LargeExplosions,
     gBoss6SmallExplosions, 460, 330, 460, 330},
    {"Boss7", &gBoss7, DrawBoss7, DefeatBoss7, 7000, 60, SceneEnding, gBoss7LargeExplosions,
     gBoss7SmallExplosions, 500, 350, 500, 350},
    {"Boss8", &gBoss8, DrawBoss8, DefeatBoss8, 8000, 60, SceneEnding, gBoss8LargeExplosions,
     gBoss8SmallExplosions, 480, 320, 480, 320},
};

class LateBossDefeatTest : public PlayerTest,
                           public ::testing::WithParamInterface<LateDefeatCase> {};

constexpr uint16_t kBodyColour = 0x1234;

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  return v;
}

// Draws the downed boss once per frame at one defeat-clock unit per call:
// explosions and sound on every call, the bonus from 21 to 59, the hand-over
// on call 71 with the boss's own transition length and next scene.
TEST_P(LateBossDefeatTest, PaysAndHandsOverToItsNextScene) {
  const LateDefeatCase& c = GetParam();
  std::vector<int> bonusCalls, bonusSteps, soundCalls;
  int calls = 0, handOver = 0;
  At(kPlay, [&] {
    gPicBoss4Body = gPicBoss5Body = gPicBoss6Body = gPicBoss7Body = gPicBoss8Body =
        Picture(500, 460, kBodyColour);
    gLives = 777;
    gScore = 0;
    c.boss->x = 100.0f;
    c.boss->y = 50.0f;
    c.boss->hp = 0.0f;
    PlaysOf(gSndBom);
  });
  Every([&](int f) {
    if (f <= kPlay || handOver != 0) return;
    ++calls;
    const int score = gScore;
    gFrameScale = 0.1f;
    c.draw();
    if (gScore != score) {
      bonusCalls.push_back(calls);
      bonusSteps.push_back(gScore - score);
    }
    if (PlaysOf(gSndBom) == 1) soundCalls.push_back(calls);
    if (gScene == SceneStage1) return;
    handOver = calls;
    EXPECT_EQ(gScene, c.nextScene);
    EXPECT_EQ(gTransitionKind, 3);
    EXPECT_EQ(gTransitionLength, c.transitionLength);
    EXPECT_EQ(gTransitionCount, c.transitionLength);
    EXPECT_EQ(gTransitionState, -1);
    EXPECT_EQ(gPrevScene, 0);
    EXPECT_EQ(gControlLocked, 1);
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(BossRecordAtStart(n)) << n;
    EXPECT_EQ(koDraw::ObjectSurface(1)->Row(60)[110], kBodyColour);
  });
  RunFrames(kPlay + 100);
  EXPECT_EQ(handOver, 71);
  EXPECT_EQ(bonusCalls, Range(21, 59));
  EXPECT_EQ(bonusSteps, std::vector<int>(39, 777 * c.bonusPerLife));
  EXPECT_EQ(soundCalls, Range(1, 71));
}

// Large explosions land at boss + (rand() % W - 100, rand() % H), small ones
// at boss + (rand() % w - 40, rand() % h), each x drawn before its y.
TEST_P(LateBossDefeatTest, ExplosionsLandOverTheBodyWithTheBossSpreads) {
  const LateDefeatCase& c = GetParam();
  At(kPlay, [&] {
    ResetBossExplosions();
    c.boss->x = 100.0f;
    c.boss->y = 50.0f;
    c.boss->hp = 0.0f;
    c.boss->defeatClock = 0.0f;
    gFrameScale = 0.0f;
    koSystem::SeedRand(7);
    c.defeat();
    koSystem::SeedRand(7);
    for (int i = 0; i < kLargeExplosions; ++i) {
      const int dx = koSystem::Rand() % c.largeW - 100;
      const int dy = koSystem::Rand() % c.largeH;
      EXPECT_EQ(c.large[i].x, 100.0f + dx) << i;
      EXPECT_EQ(c.large[i].y, 50.0f + dy) << i;
      EXPECT_EQ(c.large[i].frame, 1);
    }
    for (int i = 0; i < kSmallExplosions; ++i) {
      const int dx = koSystem::Rand() % c.smallW - 40;
      const int dy = koSystem::Rand() % c.smallH;
      EXPECT_EQ(c.small[i].x, 100.0f + dx) << i;
      EXPECT_EQ(c.small[i].y, 50.0f + dy) << i;
      EXPECT_EQ(c.small[i].frame, 1);
    }
    ResetBossExplosions();
    EXPECT_TRUE(ExplosionsAtStart<gBoss4LargeExplosions>());
    EXPECT_TRUE(ExplosionsAtStart<gBoss8SmallExplosions>());
  });
  RunFrames(kPlay + 1);
}

INSTANTIATE_TEST_SUITE_P(Bosses, LateBossDefeatTest, ::testing::ValuesIn(kLateDefeats),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
