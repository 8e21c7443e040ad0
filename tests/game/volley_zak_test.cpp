// The VolleyZak kinds: VolleyZakA's three slots and VolleyZakB's two over one
// shared marker table, the right-edge entries flying down and left, the wreck
// that drifts (A) or stops (B), and the wave kind VolleyZakC with its ticker,
// its crossing and its counters that outlive a reset.
#include "enemies/volley_zak.h"

#include "enemies/kind.h"
#include "tests/game/enemy_fixture.h"

namespace {

class VolleyZakTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gPicVolleyZak = Strip(90, 1);
    gPicTargetMarker = Strip(60, 1);
    ResetVolleyZakAMarkers();  // the lock-on's reset, not in these kinds' tables
    for (WaveZakRecord& r : gVolleyZakC) r.waveCounter = 0;
  }
  void TearDown() override {
    gPicVolleyZak = kNoPicture;
    EnemyTest::TearDown();
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

TEST_F(VolleyZakTest, TheWaveStartsSlotI30TicksAfterSlotIMinus1AndSkipsALiveSlotForACycle) {
  const std::vector<int> before = NextRands(1);
  for (int call = 1; call <= 151; ++call) {
    TickWaveVolleyZakC(0);
    for (int i = 0; i < 5; ++i) {
      const bool started = call >= 30 * (i + 1);
      ASSERT_EQ(gVolleyZakC[i].alive, started ? 1 : 0) << "call " << call << " slot " << i;
    }
  }
  EXPECT_EQ(NextRands(1), before);  // no random draws
  for (const WaveZakRecord& r : gVolleyZakC) EXPECT_EQ(r.waveCounter, 0);
  // Slot 0 is still alive at its next turn: skipped. Slot 1 was freed: restarted.
  gVolleyZakC[1] = {2, 3, gVolleyZakC[1].waveCounter, 9, 1.5f, 0, 0, 0, 0, 1, 0, 1};
  gVolleyZakC[0].x = 123;
  for (int call = 1; call <= 60; ++call) TickWaveVolleyZakC(0);
  EXPECT_EQ(gVolleyZakC[0].x, 123.0f);
  EXPECT_EQ(gVolleyZakC[1].alive, 1);
  EXPECT_EQ(gVolleyZakC[1].dying + gVolleyZakC[1].frame + gVolleyZakC[1].spare, 0);
  EXPECT_EQ(gVolleyZakC[1].row, 2);  // left alone, with hitSkip and the phase timer
  EXPECT_EQ(gVolleyZakC[1].hitSkip, 1);
  EXPECT_EQ(gVolleyZakC[1].phaseTimer, 1.5f);
}

}  // namespace
