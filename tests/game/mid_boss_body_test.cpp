// The mid-bosses' picture, explosion, hit and reset.
#include <vector>

#include "enemies/mid_boss.h"
#include "game/reset.h"
#include "tests/game/mid_boss_fixture.h"

namespace {

class MidBossBodyTest : public MidBossTest {
 protected:
  // Hits a live craft at x 300 and draws it until its explosion has ended.
  template <typename Block>
  void ExplodeOnce(Block& b, void (*hit)(), void (*draw)());
};

// The pixel of a patterned strip at column u, row v.
uint16_t StripPixel(int picture, int u, int v) { return koDraw::ObjectSurface(picture)->Row(v)[u]; }

TEST_F(MidBossBodyTest, TheBodyIsDrawnWholeAtTheTruncatedPlaceEvenWhenFree) {
  gZak60A.x = -10.7f;  // truncated toward zero: -10
  gZak60A.y = 20.9f;
  const auto pixels = Render(DrawZak60A);
  auto at = [&](int x, int y) { return pixels[y * 640 + x]; };
  EXPECT_EQ(at(0, 20), kBody);
  EXPECT_EQ(at(229, 199), kBody);  // 240 x 180
  EXPECT_EQ(at(230, 100), kBackground);
  EXPECT_EQ(at(100, 200), kBackground);
  EXPECT_EQ(at(100, 19), kBackground);
  EXPECT_EQ(gZak60A.alive, 0);  // drawn although not alive
  gZak52.x = 100.0f;
  gZak52.y = 100.0f;
  const auto zak52 = Render(DrawZak52);
  EXPECT_EQ(zak52[299 * 640 + 359], kBody);  // 260 x 200
  EXPECT_EQ(zak52[300 * 640 + 359], kBackground);
  EXPECT_EQ(zak52[299 * 640 + 360], kBackground);
}

TEST_F(MidBossBodyTest, TheExplosionDrawsPlainCopiesWhateverTheBlitMode) {
  gZak52.x = 200.4f;
  gZak52.y = 150.6f;
  gZak52.dying = 1;
  gZak52.frame = 2;
  auto draw = [](int mode) {
    gExplosionBlitMode = mode;
    gZak52.frame = 2;
    return Render(DrawZak52);
  };
  const auto mode1 = draw(1);
  EXPECT_EQ(draw(0), mode1);
  EXPECT_EQ(draw(5), mode1);
  auto at = [&](int x, int y) { return mode1[y * 640 + x]; };
  const int X = 200, Y = 150, f = 2;
  // Only the second large copy reaches (X + 214, Y + 75): its last column, row 40.
  EXPECT_EQ(at(X + 214, Y + 75), StripPixel(gPicZbak3b, 80 * f + 79, 40));
  // The ninth, drawn last of the large ones, over the others at its corner.
  EXPECT_EQ(at(X + 55, Y + 35), StripPixel(gPicZbak2b, 80 * f, 0));
  // Small copies: the first alone at its far corner, the fifth on top at its own corner.
  EXPECT_EQ(at(X + 75 + 4 * f + 39, Y + 55 + 6 * f + 39), StripPixel(gPicZbak6b, 40 * f + 39, 39));
  EXPECT_EQ(at(X + 75 - 5 * f, Y + 55 + 5 * f), StripPixel(gPicZbak6b, 40 * f, 0));
  // No body under the explosion.
  EXPECT_NE(at(X + 250, Y + 190), kBody);
}

template <typename Block>
void MidBossBodyTest::ExplodeOnce(Block& b, void (*hit)(), void (*draw)()) {
  b.alive = 1;
  b.x = 300.0f;
  b.y = 100.0f;
  b.hitSkip = 1;
  b.hp = 15.0f;
  hit();
  EXPECT_EQ(b.dying, 1);
  for (int i = 0; i < 31; ++i) {
    draw();
    ASSERT_EQ(b.alive, 1) << i;
  }
  EXPECT_EQ(b.row, 3);
  EXPECT_EQ(b.frame, 7);
  draw();  // the 32nd frame ends it
  EXPECT_EQ(b.alive, 0);
  EXPECT_EQ(b.x, -500.0f);
  EXPECT_EQ(b.y, 500.0f);
  EXPECT_EQ(b.row, 0);
  EXPECT_EQ(b.frame, 0);
  // The stages read the kept dying flag as the craft's destruction.
  EXPECT_EQ(b.dying, 1);
  EXPECT_EQ(b.hitSkip, 1);
  EXPECT_EQ(b.hp, 15.0f);
  // Until the next spawn the explosion replays, unseen, at the parked place.
  EXPECT_TRUE(Blank(Render(draw)));
  EXPECT_EQ(b.frame, 1);
}

TEST_F(MidBossBodyTest, AnExplosionRuns32DrawsThenFreesTheCraftButKeepsItDying) {
  ExplodeOnce(gZak52, HitZak52, DrawZak52);
  ExplodeOnce(gZak60C, HitZak60C, DrawZak60C);
  // A later spawn starts it again with the hit points it had left.
  SpawnZak52();
  EXPECT_EQ(gZak52.dying, 0);
  EXPECT_EQ(gZak52.alive, 1);
  EXPECT_EQ(gZak52.hp, 15.0f);
  EXPECT_EQ(gZak52.row, 0);
  EXPECT_EQ(gZak52.frame, 0);
}

TEST_F(MidBossBodyTest, TheCraftFliesOnAndKeepsItsScriptWhileItExplodes) {
  gZak52.alive = 1;
  gZak52.x = 300.0f;
  gZak52.y = 200.0f;
  gZak52.phaseTimer = 151.0f;  // the dash to the left
  HitZak52();
  HitZak52();  // a second hit changes nothing but the sound
  EXPECT_EQ(gZak52.frame, 0);
  MoveZak52();
  DrawZak52();
  EXPECT_EQ(gZak52.x, 300.0f - kDash);
  EXPECT_EQ(gZak52.frame, 1);
}

TEST_F(MidBossBodyTest, TheResetRestoresHitPointsAndParksEveryBlockAndBullet) {
  for (Zak60State* b : {&gZak60A, &gZak60B, &gZak60C})
    *b = Zak60State{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  gZak52 = Zak52State{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  for (ShotRecord& s : gZak52Stream) s = ShotRecord{30, 1, 2, 3, 4, 5, 6, 1};
  gZak52BurstB[12] = SpreadShotRecord{3, 4, 5, 6, 7, 1};
  ResetGameState();
  for (const Zak60State* b : {&gZak60A, &gZak60B, &gZak60C}) {
    EXPECT_EQ(b->hp, 280.0f);
    EXPECT_EQ(b->x, -500.0f);
    EXPECT_EQ(b->spreadClock + b->spreadTick + b->alive + b->dying + b->hitSkip, 0);
  }
  EXPECT_EQ(gZak52.hp, 280.0f);
  EXPECT_EQ(gZak52.y, 500.0f);
  EXPECT_EQ(gZak52.spreadTick + gZak52.spreadClock + gZak52.burstATick + gZak52.burstBTick, 0);
  EXPECT_EQ(gZak52.phaseTimer, 0.0f);
  EXPECT_EQ(gZak52BurstB[12].alive, 0);
  EXPECT_EQ(gZak52BurstB[12].phaseTimer, 0.0f);
  EXPECT_EQ(gZak52BurstB[12].x, -500);
  for (const ShotRecord& s : gZak52Stream) {
    EXPECT_EQ(s.alive, 0);
    EXPECT_EQ(s.vx, 0.0f);
    EXPECT_EQ(s.x, -500.0f);
    EXPECT_GE(s.frame, 0);
    EXPECT_LT(s.frame, 10);
    EXPECT_EQ(s.spare1, 1);  // spare words are not written
  }
}

}  // namespace
