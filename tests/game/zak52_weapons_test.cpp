// Zak52's pattern bullets and its stream.
#include "tests/game/mid_boss_fixture.h"

namespace {

using Zak52WeaponTest = MidBossTest;

constexpr float kBurstStep = 110.0f * kScale;  // 1.71875

// A live pattern bullet at (x, y) whose next move brings its clock to t.
void Poise(SpreadShotRecord& s, float t, int step, int x = 300, int y = 200) {
  s = {t - kBurstStep, x, y, step, 0, 1};
}

struct At {
  int x, y;
  bool operator==(const At&) const = default;
};

At MoveBurstAAt(float t) {
  Poise(gZak52BurstA[2], t, 15);
  MoveZak52BurstA();
  return {gZak52BurstA[2].x, gZak52BurstA[2].y};
}
TEST_F(Zak52WeaponTest, BurstALegsClimbHookAndFall) {
  EXPECT_EQ(MoveBurstAAt(0.0f + kBurstStep), (At{315, 185}));
  EXPECT_EQ(MoveBurstAAt(10.0f), (At{315, 185}));
  EXPECT_EQ(MoveBurstAAt(10.5f), (At{300, 200}));
  EXPECT_EQ(MoveBurstAAt(11.0f), (At{300, 181}));
  EXPECT_EQ(MoveBurstAAt(45.0f), (At{285, 215}));
  EXPECT_EQ(MoveBurstAAt(251.0f), (At{285, 215}));
  EXPECT_EQ(gZak52BurstA[2].phaseTimer, 0.0f);  // from 251 on it starts over
  MoveBurstAAt(250.5f);
  EXPECT_EQ(gZak52BurstA[2].phaseTimer, 250.5f);
}

TEST_F(Zak52WeaponTest, BurstBHalvesOddStepsDownAndKeepsInTheOpenBoxWhileBurstAMindsOnlyTheLeft) {
  Poise(gZak52BurstB[7], 5.0f, 15);
  MoveZak52BurstB();
  EXPECT_EQ(gZak52BurstB[7].y, 193);  // 200 - 15 / 2
  struct Case {
    int x, y;
    bool kept;
  };
  gBombActive = 1;  // no bomb test
  for (const Case c : {Case{-59, 100, true}, Case{-60, 100, false}, Case{639, 100, true},
                       Case{640, 100, false}, Case{100, 479, true}, Case{100, 480, false}}) {
    Poise(gZak52BurstB[0], 10.5f, 16, c.x, c.y);  // between legs: it stands
    MoveZak52BurstB();
    EXPECT_EQ(gZak52BurstB[0].alive, c.kept ? 1 : 0) << c.x << ", " << c.y;
    EXPECT_EQ(gZak52BurstB[0].x, c.x);
  }
  for (const Case c : {Case{-59, 100, true}, Case{-60, 100, false}, Case{900, 100, true},
                       Case{100, -900, true}, Case{100, 900, true}}) {
    Poise(gZak52BurstA[0], 10.5f, 15, c.x, c.y);
    MoveZak52BurstA();
    EXPECT_EQ(gZak52BurstA[0].alive, c.kept ? 1 : 0) << c.x << ", " << c.y;
  }
}

}  // namespace
