// Strike rules met exactly on their bounds: a gate value, and hit points that
// run out to exactly zero.
#include <span>

#include "enemies/large_kinds.h"
#include "game/reset.h"
#include "player/shot_strikes.h"
#include "tests/game/enemy_fixture.h"

namespace {

class StrikeBoundsTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    ResetGameState();
    gScore = 0;
    gBombStock = 0;  // AddScore then adds the points alone
    gDifficulty = 1;
    gDifficultyExtra = 0;
  }
};

// Whether a shot at the corner of `target`'s rule box in `rules`, with slot 0
// of the target live at (x, y), scores.
bool Strikes(std::span<const StrikeRule> rules, TargetId target, float x, float y) {
  const TargetRef& t = kTargets[target];
  SlotField(t.x, t.stride, 0) = x;
  SlotField(t.y, t.stride, 0) = y;
  SlotField(t.hitSkip, t.stride, 0) = 0;
  if (target < kTBoss1) SlotField(t.hitSkip + 1, t.stride, 0) = 1;  // an enemy's alive word
  for (const StrikeRule& r : rules) {
    if (r.target != target) continue;
    const int64_t before = gScore;
    int active = 1;
    StrikeTargets({&r, 1}, static_cast<int>(x) + r.left, static_cast<int>(y) + r.top, &active);
    return gScore != before;
  }
  ADD_FAILURE() << "no rule for target " << int{target};
  return false;
}

TEST_F(StrikeBoundsTest, GatesOpenOnTheirBoundOrJustInsideIt) {
  // The bomb spares Zak3 from y -65 down.
  EXPECT_TRUE(Strikes(kBombShotStrikes, kTZak3, 300.0f, -65.0f));
  EXPECT_FALSE(Strikes(kBombShotStrikes, kTZak3, 300.0f, -65.5f));
  // Ship type 2's right shot meets Zak50A only left of 440.
  EXPECT_FALSE(Strikes(kBRightShotStrikes, kTZak50A, 440.0f, 200.0f));
  EXPECT_TRUE(Strikes(kBRightShotStrikes, kTZak50A, 439.5f, 200.0f));
}

TEST_F(StrikeBoundsTest, ShipType2sMainShotScoresEachBossItsOwnPoints) {
  constexpr int kPoints[] = {150, 150, 250, 250, 350, 250, 250, 350};
  for (int b = 0; b < 8; ++b) {
    gScore = 0;
    EXPECT_TRUE(Strikes(kBMainShotStrikes, static_cast<TargetId>(kTBoss1 + b), 200.0f, 100.0f));
    EXPECT_EQ(gScore, kPoints[b]) << "boss " << b + 1;
  }
}

TEST_F(StrikeBoundsTest, HitPointsRunningOutToExactlyZeroHitTheKind) {
  gZak54A.alive = 1;
  gZak54A.hp = 5.0f;  // one frame of 10 a second at frame scale 0.5
  const StrikeRule rule{kTZak54A, Gate::kXAtMost, 640,  -100,           100,  -100, 100,
                        0,        false,          true, Effect::kHpHit, 10.0f};
  int active = 1;
  StrikeTargets({&rule, 1}, static_cast<int>(gZak54A.x), static_cast<int>(gZak54A.y), &active);
  EXPECT_EQ(gZak54A.hp, 0.0f);
  EXPECT_EQ(active, 0);
  EXPECT_NE(gZak54A.dying, 0);
}

}  // namespace
