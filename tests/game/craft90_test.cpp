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

}  // namespace
