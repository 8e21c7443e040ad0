// The player's shots and the bomb's shots against the enemies and bosses:
// boxes around truncated corners, what a strike takes and awards, and the
// order in which one shot meets its targets.
#include "bosses/boss_bodies.h"
#include "enemies/big90.h"
#include "enemies/large_kinds.h"
#include "enemies/shot_pass_targets.h"
#include "enemies/template_kinds.h"
#include "enemies/zak52.h"
#include "enemies/zak60.h"
#include "game/scenes.h"
#include "player/bomb.h"
#include "player/shot_pass.h"
#include "player/shots.h"
#include "tests/game/enemy_fixture.h"

namespace {

class StrikeTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    ResetGameState();  // every target parked, the bosses' records too
    gShipType = 1;
    gDifficulty = 1;
    gDifficultyExtra = 0;
    gBombStock = 0;  // AddScore then adds the points alone
    gScore = gHighScore = 0;
    gReplay = 0;
  }
  // One pass, as a stage frame runs it.
  static void Pass() {
    gLiveShotsA = gLiveShotsB = gBombShotMoves = 0;
    UpdateBombShots(0);
    HitTestShots();
  }
  static void Place(ZakRecord& r, float x, float y) { r = ZakRecord{0, 0, 0, x, y, 0, 0, 0, 1, 0}; }
  static void PlaceBoss(BossState& b, float x, float y) { b = BossState{x, y, 0, 620, 0, 0, 0}; }
};

TEST_F(StrikeTest, BossesTakeAShotFromItsFirstFrameInsideAllAtOnce) {
  PlaceBoss(gBoss1, 100, 50);
  PlaceBoss(gBoss2, 100, 50);
  gShotAMain[0] = PlayerShot{139, 110, 20, 0, 1};  // lands at 159: one short of the box
  Pass();
  EXPECT_EQ(gBoss1.hp, 620.0f);
  Pass();  // the shot boss 1 takes still strikes boss 2; hit points go by frame time
  EXPECT_EQ(gShotAMain[0].active, 0);
  EXPECT_EQ(gBoss1.hp, 620.0f - 50.0f * 0.5f);
  EXPECT_EQ(gBoss2.hp, 595.0f);
  EXPECT_EQ(gScore, 100);
}

TEST_F(StrikeTest, TheLowerSideShotStrikesStrafer3OnlyFromHigherUp) {
  Place(gStrafer3[0], 300, -10);  // inside the upper shot's gate (-30), not the lower's (-3)
  gShotALower[0] = PlayerShot{290, -4, 20, 4, 1};  // lands at (310, 0)
  Pass();
  EXPECT_EQ(gScore, 0);
  gShotAUpper[0] = PlayerShot{290, 4, 20, 4, 1};  // lands at (310, 0)
  Pass();
  EXPECT_EQ(gScore, 100);
}

TEST_F(StrikeTest, AKindWithHitPointsTakesTheShotAndIsHitAgainOnceItHasNone) {
  gZak52.x = 300;
  gZak52.y = 100;
  gZak52.hp = 95.0f * 0.5f;  // the strike takes it to exactly 0
  gZak52.alive = 1;
  for (int shot = 1; shot <= 2; ++shot) {  // struck again below zero: hit and scored again
    gShotAMain[0] = PlayerShot{360, 150, 20, 0, 1};
    Pass();
    EXPECT_EQ(gShotAMain[0].active, 0);
    EXPECT_EQ(gZak52.dying, 1);
    EXPECT_EQ(gScore, shot * 300);
  }
}

TEST_F(StrikeTest, ShipType2CountsStrikesOnZak60AAndScoresTheTwentyFifth) {
  gShipType = 2;
  gZak60A.x = 300;
  gZak60A.y = 100;
  gZak60A.hp = 23;
  for (int shot = 0; shot < 2; ++shot) {
    gShotBMain[0] = PlayerShot{340, 222, 0, 20, 1};
    Pass();
    EXPECT_EQ(gShotBMain[0].active, 0);
  }
  EXPECT_EQ(gZak60A.hp, 25.0f);
  EXPECT_EQ(gZak60A.dying, 1);
  EXPECT_EQ(gScore, 500);
}

// Bomb shots.

BombShot BombAt(int x, int y, float angle) { return BombShot{x, y, 40, 1, 0, 0, angle}; }

TEST_F(StrikeTest, TheBombSparesZak3FromThenOnInsteadOfHittingIt) {
  Place(gZak3[1], 300, 200);
  gZak3[1].frame1 = 4;
  gBombShots[0] = BombAt(260, 200, 0.0f);
  Pass();
  EXPECT_TRUE(gZak3[1].hitSkip == 1 && gZak3[1].frame1 == 0 && gZak3[1].dying == 0);
  EXPECT_EQ(gScore, 200);
  gShotAMain[0] = PlayerShot{280, 210, 20, 0, 1};
  Pass();  // neither bomb nor shot strikes it now
  EXPECT_EQ(gScore, 200);
  Place(gZak3[2], 300, -65);               // on the bomb's gate
  gBombShots[1] = BombAt(260, -20, 0.0f);  // the bomb's top edge
  Pass();
  EXPECT_EQ(gZak3[2].hitSkip, 1);
}

TEST_F(StrikeTest, TheBombStrikesZak50AOnlyAtOnePixelColumn) {
  gZak50A.x = 300;
  gZak50A.y = 100;
  for (int x : {379, 380, 381}) {
    gScore = 0;
    gBombShots[0] = BombAt(x - 40, 100, 0.0f);
    Pass();
    EXPECT_EQ(gScore, x == 380 ? 200 : 0) << x;
  }
}

TEST_F(StrikeTest, ShipType2PaysEachBossItsOwnPointsAndItsRightShotSparesZak50AFrom440) {
  gShipType = 2;
  PlaceBoss(gBoss8, 100, 50);
  gShotBMain[0] = PlayerShot{300, 222, 0, 20, 1};  // climbs 22 to y 200
  Pass();
  EXPECT_EQ(gScore, 350);
  for (float x : {439.0f, 440.0f}) {
    gScore = 0;
    gZak50A.x = x;
    gZak50A.y = 100;
    gShotBRight[0] = PlayerShot{504, 120, 6, 20, 1};  // lands at (510, 100)
    Pass();
    EXPECT_EQ(gScore, x < 440.0f ? 100 : 0) << x;
  }
}

// Ship type 2's main shot against each boss: the four edges of its box around
// the truncated corner, each on and one pixel past, and what a strike is worth.
TEST_F(StrikeTest, ShipType2MainShotStrikesEachBossInsideItsOwnBoxEdgesIncluded) {
  gShipType = 2;
  BossState* const bosses[] = {&gBoss1, &gBoss2, &gBoss3, &gBoss4,
                               &gBoss5, &gBoss6, &gBoss7, &gBoss8};
  struct Box {
    int left, right, points;
  };
  const Box boxes[] = {{20, 300, 150},  {20, 300, 150},  {20, 320, 250},  {20, 300, 250},
                       {-10, 270, 350}, {-10, 330, 250}, {-10, 390, 250}, {-10, 370, 350}};
  for (int b = 0; b < 8; ++b) {
    const Box& box = boxes[b];
    struct Probe {
      int dx, dy;
      bool strikes;
    };
    const Probe probes[] = {{box.left, 10, true},
                            {box.left - 1, 100, false},
                            {box.right, 200, true},
                            {box.right + 1, 100, false},
                            {box.left + 1, 9, false},
                            {box.right - 1, 201, false},
                            {(box.left + box.right) / 2, 100, true}};
    for (const Probe& p : probes) {
      SCOPED_TRACE(testing::Message() << "boss " << b + 1 << " at " << p.dx << ", " << p.dy);
      ResetGameState();
      gBombStock = 0;
      gScore = 0;
      PlaceBoss(*bosses[b], 100.9f, 50.9f);  // the box counts from (100, 50)
      gShotBMain[0] = PlayerShot{100 + p.dx, 50 + p.dy + 22, 0, 20, 1};  // climbs 22
      Pass();
      EXPECT_EQ(gScore, p.strikes ? box.points : 0);
      EXPECT_EQ(bosses[b]->hp, p.strikes ? 620.0f - 60.0f * 0.5f : 620.0f);
      EXPECT_EQ(gShotBMain[0].active, p.strikes ? 0 : 1);
    }
  }
}

TEST_F(StrikeTest, TheSlotsNoKindOwnsAreStruckByShotsAndBombWithoutPoints) {
  Place(gShotPassTargets[2], 300, 200);
  gShotAMain[0] = PlayerShot{420, 210, 20, 0, 1};  // lands at 440: Zak51R's box ends there
  Pass();
  EXPECT_EQ(gShotPassTargets[2].dying, 1);
  EXPECT_EQ(gShotAMain[0].active, 1);
  Place(gShotPassTargets[0], 300, 200);
  gBombShots[0] = BombAt(340, 200, 0.0f);  // lands at 380
  Pass();
  EXPECT_EQ(gShotPassTargets[0].dying, 1);
  EXPECT_EQ(gScore, 0);
  ResetGameState();
  EXPECT_EQ(gShotPassTargets[2].x, -500.0f);
  EXPECT_EQ(gShotPassTargets[2].dying, 0);
}

}  // namespace
