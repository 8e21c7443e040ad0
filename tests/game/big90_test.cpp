// Big90A and Big90B: entries and their draws, the flight box with its
// inclusive bounds, the shared markers (kept, idled, drawn, and idled by the
// other kind's moves), and the drifting one-copy explosion that never writes
// hitSkip.
#include "enemies/big90.h"

#include "enemies/kind.h"
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

TEST_F(Big90Test, ACraftFliesDownAndRightInsideItsBoxBoundsIncluded) {
  gBig90A[0] = Flying(10, -90);  // the entry corner lies on the bounds
  gBig90A[1] = Flying(500, 100, 80, 40);
  MoveBig90A(0);
  EXPECT_EQ(gBig90A[0].alive, 1);
  EXPECT_EQ(gBig90A[1].x, 540.0f);
  EXPECT_EQ(gBig90A[1].y, 120.0f);
  EXPECT_EQ(gBig90A[1].alive, 1);
  gBig90A[1].vx = 0.2f;  // 540.1
  MoveBig90A(0);
  EXPECT_EQ(gBig90A[1].alive, 0);
  EXPECT_EQ(gBig90A[1].x, -500.0f);
  EXPECT_EQ(gBig90A[1].y, 500.0f);
  const float places[][2] = {{9.9f, 100}, {300, -90.1f}, {300, 480}, {300, 480.1f}};
  const int stays[] = {0, 0, 1, 0};
  for (int p = 0; p < 4; ++p) {
    gBig90B[0] = Flying(places[p][0], places[p][1]);
    MoveBig90B(0);
    EXPECT_EQ(gBig90B[0].alive, stays[p]) << p;
  }
}

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

TEST_F(Big90Test, TheWreckDriftsThroughThirtyTwoFramesInTheBlitOfTheModeThenFreesItsMarker) {
  gBig90A[1] = Flying(100, 100, 10, 20);
  gBig90A[1].hitSkip = 1;
  gBig90AMarkers[1] = {115, 115, 1, 0};
  HitBig90A(1);
  for (int call = 0; call < 32; ++call) {
    const int f = call % 8;
    gExplosionBlitMode = call % 3;
    const int X = 100 + 5 * call, Y = 100 + 10 * call;
    const auto drawn = Render([] { DrawBig90A(0); });
    const auto expected = Render([&] {
      if (gExplosionBlitMode == 1) koDraw::BlitAdd(X, Y, gPicZbak2b, 80 * f, 0, 80 * f + 80, 80);
      if (gExplosionBlitMode == 0) koDraw::Blit(X, Y, gPicZbak2b, 80 * f, 0, 80 * f + 80, 80);
    });
    ASSERT_EQ(drawn, expected) << "draw " << call;
    if (call < 31) {
      ASSERT_EQ(gBig90A[1].alive, 1);
      EXPECT_EQ(gBig90A[1].frame2, (call + 1) % 8);
      EXPECT_EQ(gBig90A[1].row, (call + 1) / 8);
      EXPECT_EQ(gBig90AMarkers[1].locked, 1);  // not drawn, but kept while the wreck burns
      MoveBig90A(0);                           // the burning craft drifts on
    }
  }
  EXPECT_EQ(gBig90A[1].alive + gBig90A[1].dying + gBig90A[1].frame2 + gBig90A[1].row, 0);
  EXPECT_EQ(gBig90A[1].x, -500.0f);
  EXPECT_EQ(gBig90A[1].hitSkip, 1);  // never written
  EXPECT_EQ(gBig90A[1].vx, 10.0f);
  EXPECT_EQ(gBig90AMarkers[1].locked, 0);
  EXPECT_EQ(gBig90AMarkers[1].x, -500);
}

TEST_F(Big90Test, TheMarkerResetParksAllThreeEntriesAndTheGameResetRestoresThem) {
  for (TargetMarker& m : gBig90AMarkers) m = {1, 2, 1, 4};
  EXPECT_FALSE(Big90AMarkersAtStart());
  ResetBig90AMarkers();
  EXPECT_TRUE(Big90AMarkersAtStart());
  for (const TargetMarker& m : gBig90AMarkers) {
    EXPECT_EQ(m.x, -500);
    EXPECT_EQ(m.y, 500);
    EXPECT_EQ(m.locked + m.spare, 0);
  }
  gBig90AMarkers[2].spare = 9;
  EXPECT_FALSE(Big90AMarkersAtStart());
  gBig90A[1] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  gBig90B[0] = gBig90A[1];
  ResetGameState();
  EXPECT_TRUE(enemy::RecordAtStart(gBig90A[1]));
  EXPECT_TRUE(enemy::RecordAtStart(gBig90B[0]));
  EXPECT_TRUE(Big90AMarkersAtStart());  // the game reset restores the shared markers too
}

}  // namespace
