// The Diver kinds: dive and bounds, the marker kept on exit and the explosion.
#include "enemies/divers.h"

#include "tests/game/enemy_fixture.h"

namespace {

// A live slot at (x, y) with the given speeds and every other word 0.
template <typename Record>
void Live(Record& r, float x, float y, float vx = 0.0f, float vy = 0.0f) {
  r = Record{};
  r.x = x;
  r.y = y;
  r.vx = vx;
  r.vy = vy;
  r.alive = 1;
}

class DiverTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gPicDiver80 = Strip(80, 1);
    gPicTargetMarker = Strip(60, 1);
  }
  void TearDown() override {
    gPicDiver80 = kNoPicture;
    EnemyTest::TearDown();
  }
};

TEST_F(DiverTest, DiversDiveTowardsTheFarSideAndAreFreedOutsideTheirBoundsOnly) {
  Live(gDiver80L[0], 100, 50, 40, 20);
  Live(gDiver80R[0], 400, 50, 40, 20);
  MoveDiver80L(0);
  MoveDiver80R(0);
  EXPECT_EQ(gDiver80L[0].x, 120.0f);
  EXPECT_EQ(gDiver80L[0].y, 60.0f);
  EXPECT_EQ(gDiver80R[0].x, 380.0f);
  EXPECT_EQ(gDiver80R[0].y, 60.0f);
  gFrameScale = 0.0f;
  // Bounds included: x 10 and 540, y 480.
  const float kept[][2] = {{10.0f, 100.0f}, {300.0f, 480.0f}, {300.0f, -900.0f}};
  for (const auto& p : kept) {
    Live(gDiver80L[1], p[0], p[1]);
    MoveDiver80L(0);
    EXPECT_EQ(gDiver80L[1].alive, 1) << p[0] << ", " << p[1];
  }
  const float freed[][2] = {{540.1f, 100.0f}, {300.0f, 480.1f}};
  for (const auto& p : freed) {
    Live(gDiver80R[1], p[0], p[1]);
    gDiver80R[1].dying = 1;
    MoveDiver80R(0);
    EXPECT_EQ(gDiver80R[1].alive, 0) << p[0] << ", " << p[1];
    EXPECT_EQ(gDiver80R[1].x, -500.0f);
    EXPECT_EQ(gDiver80R[1].y, 500.0f);
    EXPECT_EQ(gDiver80R[1].dying, 1);  // an explosion cut short waits for the next spawn
  }
}

TEST_F(DiverTest, AFreedSlotsMarkerStaysLockedOnlyBetweenX30And540WhateverItsY) {
  const int xs[] = {30, 540, 29};
  for (int i = 0; i < 3; ++i) gDiver80LMarkers[i] = {xs[i], 2000, 1, 0};
  MoveDiver80L(0);  // every slot is free: the marker rule runs on each frame
  EXPECT_EQ(gDiver80LMarkers[0].locked, 1);
  EXPECT_EQ(gDiver80LMarkers[0].y, 2000);
  EXPECT_EQ(gDiver80LMarkers[1].locked, 1);
  EXPECT_EQ(gDiver80LMarkers[2].locked, 0);
  EXPECT_EQ(gDiver80LMarkers[2].x, -500);
  gDiver80RMarkers[1] = {541, 100, 1, 0};
  MoveDiver80R(0);
  EXPECT_EQ(gDiver80RMarkers[1].locked, 0);
  gDiver80RMarkers[0] = {541, 100, 1, 0};
  Live(gDiver80R[0], 300, 100);
  MoveDiver80R(0);  // alive and inside: the marker is left alone
  EXPECT_EQ(gDiver80RMarkers[0].locked, 1);
}

TEST_F(DiverTest, TheExplosionStopsTheWreckForEightCellsFourTimesThenFreesSlotAndMarker) {
  Live(gDiver80L[1], 100, 120, 40, 20);
  gDiver80L[1].hitSkip = 1;
  gDiver80LMarkers[1].locked = 1;
  HitDiver80L(1);
  EXPECT_EQ(gDiver80L[1].dying, 1);
  EXPECT_EQ(Render([] { DrawDiver80L(0); }),
            Render([] { koDraw::BlitAdd(100, 120, gPicZbak2b, 0, 0, 80, 80); }));
  EXPECT_EQ(gDiver80L[1].vx + gDiver80L[1].vy, 0.0f);
  gExplosionBlitMode = 0;
  EXPECT_EQ(Render([] { DrawDiver80L(0); }),
            Render([] { koDraw::Blit(100, 120, gPicZbak2b, 80, 0, 160, 80); }));
  gExplosionBlitMode = 2;  // no copy at all, but the counters run on
  for (int draw = 3; draw < 32; ++draw) EXPECT_TRUE(Blank(Render([] { DrawDiver80L(0); })));
  EXPECT_EQ(gDiver80L[1].alive, 1);
  EXPECT_EQ(gDiver80L[1].row, 3);
  EXPECT_EQ(gDiver80L[1].frame, 7);
  Render([] { DrawDiver80L(0); });  // the 32nd draw
  EXPECT_EQ(gDiver80L[1].alive + gDiver80L[1].dying + gDiver80L[1].hitSkip, 0);
  EXPECT_EQ(gDiver80L[1].row + gDiver80L[1].frame, 0);
  EXPECT_EQ(gDiver80L[1].x, -500.0f);
  EXPECT_EQ(gDiver80LMarkers[1].locked, 0);
  EXPECT_EQ(gDiver80LMarkers[1].x, -500);
}

}  // namespace
