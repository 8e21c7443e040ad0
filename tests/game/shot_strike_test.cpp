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
#include "player/targets.h"
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

// The shot families, each fired here as a still shot: steps of 0, and the
// type-2 main shot's two-pixel climb made up for.
enum class Family { kAMain, kAUpper, kBMain, kBLeft, kBRight, kUpRight, kBomb };

void StillShotAt(Family f, int x, int y) {
  const PlayerShot still{x, y, 0, 0, 1};
  switch (f) {
    case Family::kAMain:
      gShotAMain[0] = still;
      break;
    case Family::kAUpper:
      gShotAUpper[0] = still;
      break;
    case Family::kBMain:
      gShotBMain[0] = PlayerShot{x, y + 2, 0, 0, 1};
      break;
    case Family::kBLeft:
      gShotBLeft[0] = still;
      break;
    case Family::kBRight:
      gShotBRight[0] = still;
      break;
    case Family::kUpRight:
      gShotUpRight[0] = still;
      break;
    case Family::kBomb:
      gBombShots[0] = BombShot{x, y, 0, 1, 0, 0, 0.0f};
      break;
  }
}

int ShotActive(Family f) {
  switch (f) {
    case Family::kAMain:
      return gShotAMain[0].active;
    case Family::kAUpper:
      return gShotAUpper[0].active;
    case Family::kBMain:
      return gShotBMain[0].active;
    case Family::kBLeft:
      return gShotBLeft[0].active;
    case Family::kBRight:
      return gShotBRight[0].active;
    case Family::kUpRight:
      return gShotUpRight[0].active;
    case Family::kBomb:
      return gBombShots[0].active;
  }
  return -1;
}

// One family against one target placed alone at (200, 150) after truncation:
// the box around that corner, the points of a strike, the target's hit
// points after it (from 100, or from 24 strikes counted; -1: none kept) and
// whether it takes the shot.
struct BoxCase {
  const char* name;
  Family family;
  TargetId target;
  int left, right, top, bottom;
  int points;
  float hpAfter;
  bool takesShot;
};

const BoxCase kBoxCases[] = {
    {"type 1 main, Boss1", Family::kAMain, kTBoss1, 60, 400, 60, 240, 50, 75, true},
    {"type 1 main, Boss4", Family::kAMain, kTBoss4, 80, 300, 10, 200, 50, 80, true},
    {"type 1 main, Big90A", Family::kAMain, kTBig90A, 0, 30, -60, 50, 50, -1, false},
    {"type 1 main, Zak4A", Family::kAMain, kTZak4A, -60, 90, -60, 70, 250, -1, false},
    {"type 1 main, GunZakA", Family::kAMain, kTGunZakA, 0, 80, -40, 80, 50, -1, false},
    {"type 1 main, Zak52", Family::kAMain, kTZak52, 60, 140, 0, 140, 300, 52.5f, true},
    {"type 1 upper, Boss6", Family::kAUpper, kTBoss6, 50, 330, 10, 200, 250, 92.5f, true},
    {"type 2 main, Zak7A", Family::kBMain, kTZak7A, -120, 60, -60, 50, 150, -1, false},
    {"type 2 main, Zak2", Family::kBMain, kTZak2, -120, 80, -60, 60, 250, -1, false},
    {"type 2 main, VolleyZakC", Family::kBMain, kTVolleyZakC, -120, 90, -60, 50, 20, -1, false},
    {"type 2 main, Zak50B", Family::kBMain, kTZak50B, 0, 120, -60, 50, 450, -1, false},
    {"type 2 main, Zak60A", Family::kBMain, kTZak60A, 0, 120, -60, 180, 500, 25, true},
    {"type 2 main, Boss1", Family::kBMain, kTBoss1, 20, 300, 10, 200, 150, 70, true},
    {"type 2 main, Boss2", Family::kBMain, kTBoss2, 20, 300, 10, 200, 150, 70, true},
    {"type 2 main, Boss3", Family::kBMain, kTBoss3, 20, 320, 10, 200, 250, 70, true},
    {"type 2 main, Boss4", Family::kBMain, kTBoss4, 20, 300, 10, 200, 250, 70, true},
    {"type 2 main, Boss5", Family::kBMain, kTBoss5, -10, 270, 10, 200, 350, 70, true},
    {"type 2 main, Boss6", Family::kBMain, kTBoss6, -10, 330, 10, 200, 250, 70, true},
    {"type 2 main, Boss7", Family::kBMain, kTBoss7, -10, 390, 10, 200, 250, 70, true},
    {"type 2 main, Boss8", Family::kBMain, kTBoss8, -10, 370, 10, 200, 350, 70, true},
    {"type 2 left, Zak1", Family::kBLeft, kTZak1, -40, 50, -60, 50, 100, -1, false},
    {"type 2 left, Zak4A", Family::kBLeft, kTZak4A, 0, 60, -60, 50, 250, -1, false},
    {"type 2 left, Diver80L", Family::kBLeft, kTDiver80L, -40, 60, -60, 50, 150, -1, false},
    {"type 2 left, Boss3", Family::kBLeft, kTBoss3, 80, 320, 10, 200, 100, 90, true},
    {"up-right, Diver80L", Family::kUpRight, kTDiver80L, -40, 60, -60, 50, 150, -1, true},
    {"type 2 right, Zak52", Family::kBRight, kTZak52, 60, 80, -60, 50, 300, -1, true},
    {"bomb, Zak1", Family::kBomb, kTZak1, -80, 70, -60, 50, 200, -1, false},
    {"bomb, Zak1B", Family::kBomb, kTZak1B, -80, 80, -60, 50, 200, -1, false},
    {"bomb, Zak50A", Family::kBomb, kTZak50A, 80, 80, -60, 100, 200, -1, false},
    {"bomb, Zak52", Family::kBomb, kTZak52, 60, 140, 0, 140, 300, 84, false},
    {"bomb, Boss1", Family::kBomb, kTBoss1, 60, 300, 10, 200, 200, 92, false},
    {"bomb, Boss4", Family::kBomb, kTBoss4, 60, 240, 10, 200, 200, 75, false},
    {"bomb, Boss5", Family::kBomb, kTBoss5, 30, 270, 10, 200, 200, 75, false},
};

TEST_F(StrikeTest, EachFamilyStrikesItsTargetsInsideTheirBoxesEdgesIncluded) {
  for (const BoxCase& c : kBoxCases) {
    const int midX = (c.left + c.right) / 2, midY = (c.top + c.bottom) / 2;
    struct Probe {
      int dx, dy;
      bool strikes;
    };
    const Probe probes[] = {{c.left, midY, true},   {c.left - 1, midY, false},
                            {c.right, midY, true},  {c.right + 1, midY, false},
                            {midX, c.top, true},    {midX, c.top - 1, false},
                            {midX, c.bottom, true}, {midX, c.bottom + 1, false}};
    for (const Probe& p : probes) {
      SCOPED_TRACE(testing::Message() << c.name << " at " << p.dx << ", " << p.dy);
      ResetGameState();
      gBombStock = 0;
      gScore = 0;
      const TargetRef& t = kTargets[c.target];
      SlotField(t.x, t.stride, 0) = 200.9f;
      SlotField(t.y, t.stride, 0) = 150.9f;
      SlotField(t.hitSkip, t.stride, 0) = 0;
      const bool counted = c.target == kTZak60A && c.family == Family::kBMain;
      if (t.hp) *t.hp = counted ? 24.0f : 100.0f;
      StillShotAt(c.family, 200 + p.dx, 150 + p.dy);
      Pass();
      EXPECT_EQ(gScore, p.strikes ? c.points : 0);
      if (t.hp && c.hpAfter >= 0) {
        EXPECT_EQ(*t.hp, p.strikes ? c.hpAfter : counted ? 24 : 100);
      }
      EXPECT_EQ(ShotActive(c.family), p.strikes && c.takesShot ? 0 : 1);
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
