// The craft over shared marker tables: Big90A and Big90B's markers (kept,
// and idled by the other kind's moves), and VolleyZak's wreck that drifts (A)
// or stops (B) and never writes hitSkip.
#include "enemies/big90.h"
#include "enemies/kind.h"
#include "enemies/volley_zak.h"
#include "tests/game/enemy_fixture.h"

namespace {

class Big90Test : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gPicBig90 = Strip(90, 1);
    gPicTargetMarker = Strip(60, 1);
    ResetBig90AMarkers();  // the lock-on's reset, not in this kind's tables
  }
  static ZakRecord Flying(float x, float y, float vx = 0, float vy = 0) {
    return {0, 0, 0, x, y, vx, vy, 0, 1, 0};
  }
};

TEST_F(Big90Test, AFreedSlotsMarkerIsKeptOnlyInsideTheKeepAreaAndEitherKindIdlesIt) {
  const int markers[][2] = {{70, -70}, {540, 480}, {69, 200}, {541, 200}, {300, -71}, {300, 481}};
  const int kept[] = {1, 1, 0, 0, 0, 0};
  for (int m = 0; m < 6; ++m) {
    gBig90A[1] = Flying(600, 100);  // outside: freed by this move
    gBig90AMarkers[1] = {markers[m][0], markers[m][1], 1, 0};
    MoveBig90A(0);
    EXPECT_EQ(gBig90A[1].alive, 0);
    EXPECT_EQ(gBig90AMarkers[1].locked, kept[m]) << m;
    EXPECT_EQ(gBig90AMarkers[1].x, kept[m] ? markers[m][0] : -500) << m;
  }
  // A Big90A flies on with its marker locked at (600, 200); the move of
  // Big90B, whose slot 0 is free, idles the shared entry under it.
  gBig90A[0] = Flying(300, 100);
  gBig90AMarkers[0] = {600, 200, 1, 0};
  MoveBig90A(0);
  EXPECT_EQ(gBig90AMarkers[0].locked, 1);
  MoveBig90B(0);
  EXPECT_EQ(gBig90AMarkers[0].locked, 0);
  EXPECT_EQ(gBig90A[0].alive, 1);
}

class VolleyZakTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    ResetVolleyZakAMarkers();  // the lock-on's reset, not in these kinds' tables
    for (WaveZakRecord& r : gVolleyZakC) r.waveCounter = 0;
  }
  static ZakRecord Flying(float x, float y, float vx = 0, float vy = 0) {
    return {0, 0, 0, x, y, vx, vy, 0, 1, 0};
  }
};

TEST_F(VolleyZakTest, VolleyZakAsWreckDriftsOnWhileVolleyZakBsStopsDead) {
  gVolleyZakA[2] = Flying(300, 100, 2, 4);
  gVolleyZakB[1] = Flying(300, 100, 2, 4);
  gVolleyZakA[2].hitSkip = gVolleyZakB[1].hitSkip = 1;
  gVolleyZakAMarkers[1] = gVolleyZakAMarkers[2] = {200, 200, 1, 0};
  HitVolleyZakA(2);
  HitVolleyZakB(1);
  gExplosionBlitMode = 0;
  for (int call = 0; call < 32; ++call) {
    const int f = call % 8;
    const float ax = 300.0f - call, ay = 100.0f + 2 * call;
    const auto drawn = Render([] {
      DrawVolleyZakA(0);
      DrawVolleyZakB(0);
    });
    const auto expected = Render([&] {
      koDraw::Blit(static_cast<int>(ax), static_cast<int>(ay), gPicZbak2b, 80 * f, 0, 80 * f + 80,
                   80);
      koDraw::Blit(300, 100, gPicZbak2b, 80 * f, 0, 80 * f + 80, 80);
    });
    ASSERT_EQ(drawn, expected) << "draw " << call;
    if (call < 31) {
      MoveVolleyZakA(0);
      MoveVolleyZakB(0);
      ASSERT_EQ(gVolleyZakA[2].alive + gVolleyZakB[1].alive, 2);
    }
  }
  EXPECT_EQ(gVolleyZakA[2].alive + gVolleyZakB[1].alive, 0);
  EXPECT_EQ(gVolleyZakA[2].vx, 2.0f);
  EXPECT_EQ(gVolleyZakB[1].vx + gVolleyZakB[1].vy, 0.0f);
  EXPECT_EQ(gVolleyZakA[2].hitSkip + gVolleyZakB[1].hitSkip, 2);  // never written
  EXPECT_EQ(gVolleyZakAMarkers[1].locked + gVolleyZakAMarkers[2].locked, 0);
  EXPECT_EQ(gVolleyZakAMarkers[1].x, -500);
}

TEST_F(Big90Test, SpawnStartsFreeSlotsAtTheLeftEdgeAndIdlesTheirSharedMarker) {
  for (TargetMarker& m : gBig90AMarkers) m = {300, 200, 1, 0};
  gBig90A[0] = {3, 4, 4, 0, 0, 0, 0, 1, 0, 1};
  gBig90A[1] = Flying(123, 45, 6, 7);
  const std::vector<int> r = NextRands(2);
  SpawnBig90A(0);
  EXPECT_EQ(gBig90A[0].x, 10.0f);
  EXPECT_EQ(gBig90A[0].y, -90.0f);
  EXPECT_EQ(gBig90A[0].vx, static_cast<float>(r[0] % 70 + 60));
  EXPECT_EQ(gBig90A[0].vy, static_cast<float>(r[1] % 70 + 70));
  EXPECT_EQ(gBig90A[0].alive, 1);
  EXPECT_EQ(gBig90A[0].dying + gBig90A[0].frame1 + gBig90A[0].frame2, 0);
  EXPECT_EQ(gBig90A[0].row, 3);  // left alone
  EXPECT_EQ(gBig90A[0].hitSkip, 1);
  EXPECT_EQ(gBig90A[1].x, 123.0f);
  EXPECT_EQ(gBig90AMarkers[0].locked, 0);
  EXPECT_EQ(gBig90AMarkers[0].x, -500);
  EXPECT_EQ(gBig90AMarkers[0].y, 500);
  EXPECT_EQ(gBig90AMarkers[1].locked, 1);  // its slot was live
  SpawnBig90B(0);                          // both of Big90B's slots start and idle entry 1 too
  EXPECT_EQ(gBig90B[0].alive + gBig90B[1].alive, 2);
  EXPECT_EQ(gBig90AMarkers[1].locked, 0);
  EXPECT_EQ(gBig90AMarkers[2].locked, 1);  // the third entry belongs to no slot
}

TEST_F(Big90Test, OnlyLiveSlotsShowTheirBodyWithALockedMarkerOverIt) {
  gBig90B[1] = Flying(200.8f, 300.3f);
  gBig90B[0] = Flying(50, 50);
  gBig90B[0].alive = 0;  // free but standing on the screen
  gBig90AMarkers[1].locked = 1;
  gBig90AMarkers[0].locked = 1;
  EXPECT_EQ(Render([] { DrawBig90B(0); }), Render([] {
              koDraw::Blit(200, 300, gPicBig90, 0, 0, 90, 90);
              koDraw::Blit(215, 315, gPicTargetMarker, 0, 0, 60, 60);
            }));
  EXPECT_EQ(gBig90AMarkers[1].x, 215);
  EXPECT_EQ(gBig90AMarkers[1].y, 315);
  EXPECT_EQ(gBig90AMarkers[0].x, -500);  // a free slot does not move its marker
  gBig90AMarkers[1].locked = 0;
  EXPECT_EQ(Render([] { DrawBig90B(0); }),
            Render([] { koDraw::Blit(200, 300, gPicBig90, 0, 0, 90, 90); }));
}

TEST_F(VolleyZakTest, TheResetFreesVolleyZakCButItsCountersGoOnFromWhereTheyStood) {
  for (int call = 0; call < 40; ++call) TickWaveVolleyZakC(0);
  gVolleyZakC[2] = {1, 2, gVolleyZakC[2].waveCounter, 4, 5.5f, 6, 7, 8, 9, 10, 11, 12};
  EXPECT_FALSE(VolleyZakCAtStart());
  ResetGameState();
  EXPECT_TRUE(VolleyZakCAtStart());
  for (const WaveZakRecord& r : gVolleyZakC) {
    EXPECT_EQ(r.waveCounter, 40);
    EXPECT_EQ(r.alive + r.dying + r.row + r.frame + r.spare + r.hitSkip, 0);
    EXPECT_EQ(r.x, -500.0f);
    EXPECT_EQ(r.y, 500.0f);
    EXPECT_EQ(r.vx + r.vy, 0.0f);
  }
  EXPECT_EQ(gVolleyZakC[2].phaseTimer, 5.5f);
  // The markers have a reset of their own, for the lock-on's group.
  gVolleyZakAMarkers[2] = {1, 2, 1, 4};
  EXPECT_FALSE(enemy::MarkersAtStart(gVolleyZakAMarkers));
  ResetVolleyZakAMarkers();
  EXPECT_TRUE(enemy::MarkersAtStart(gVolleyZakAMarkers));
  // After the reset, slot 1 is the first whose counter reaches its mark.
  for (int call = 41; call < 60; ++call) TickWaveVolleyZakC(0);
  EXPECT_EQ(gVolleyZakC[1].alive, 0);
  TickWaveVolleyZakC(0);
  EXPECT_EQ(gVolleyZakC[1].alive, 1);
  EXPECT_EQ(gVolleyZakC[0].alive, 0);
}

}  // namespace
