// The shared kind design on Zak1, Zak2 and Zak1B: spawn values and the order
// of their draws, the explosion drawing, the marker, the freeze of a wreck
// freed while it explodes and the steering towards the ship's row.
#include "enemies/template_kinds.h"
#include "homing/lock_on.h"
#include "tests/game/enemy_fixture.h"

namespace {

using KindTest = EnemyTest;

TEST_F(KindTest, SpawnStartsOnlyFreeSlotsWithTheirDrawsInOrder) {
  gZak1[1].alive = 1;
  gZak1[1].x = 123.0f;
  gZak1[0] = {2, 5, 5, 0.0f, 0.0f, 0.0f, 7.0f, 1, 0, 1};  // free, dying, row 2
  const std::vector<int> r = NextRands(4);
  SpawnZak1(0);
  EXPECT_EQ(gZak1[0].y, static_cast<float>(r[0] % 410 + 20));
  EXPECT_EQ(gZak1[0].x, 640.0f);
  EXPECT_EQ(gZak1[0].vx, static_cast<float>(r[1] % 70 + 90));
  EXPECT_EQ(gZak1[0].alive, 1);
  EXPECT_EQ(gZak1[0].dying, 0);
  EXPECT_EQ(gZak1[0].frame1 + gZak1[0].frame2, 0);
  EXPECT_EQ(gZak1[0].row, 2);  // left alone, with vy and hitSkip
  EXPECT_EQ(gZak1[0].vy, 7.0f);
  EXPECT_EQ(gZak1[0].hitSkip, 1);
  EXPECT_EQ(gZak1[1].x, 123.0f);  // live: not restarted, no draws taken
  EXPECT_EQ(gZak1[2].vx, static_cast<float>(r[3] % 70 + 90));  // the next free slot
}

// Mode 1 for fifteen draws, then mode 0 (the one the stage runs draw), whose
// copies are all plain and move the other way.
TEST_F(KindTest, Zak1ExplodesInItsModesCopiesForThirtyDrawsThenIsFreeAndParked) {
  gZak1[0] = {0, 0, 0, 100.0f, 200.7f, 120.0f, 3.0f, 1, 1, 0};  // live, hitSkip set
  HitZak1(0);
  const int s = gPicZbak3b, X = 100, Y = 200;
  for (int call = 0; call < 30; ++call) {
    const int f = call % 10;
    gExplosionBlitMode = call < 15 ? 1 : 0;
    const auto drawn = Render([] { DrawZak1(0); });
    const std::vector<Copy> mode1 = {{Copy::kAdd, s, 80, X, Y},
                                     {Copy::kHalf, s, 80, X + 20 - 6 * f, Y + 20 - 6 * f},
                                     {Copy::kAdd, s, 80, X + 20 + 6 * f, Y + 20 + 2 * f},
                                     {Copy::kPlain, s, 80, X + 20 - 6 * f, Y + 20 + 6 * f},
                                     {Copy::kAdd, s, 80, X + 20 + f, Y + 20 - 6 * f}};
    const std::vector<Copy> mode0 = {{Copy::kPlain, s, 80, X, Y},
                                     {Copy::kPlain, s, 80, X + 20 + 6 * f, Y + 20 + 6 * f},
                                     {Copy::kPlain, s, 80, X + 20 - 6 * f, Y + 20 - 2 * f},
                                     {Copy::kPlain, s, 80, X + 20 + 6 * f, Y + 20 - 6 * f},
                                     {Copy::kPlain, s, 80, X + 20 - f, Y + 20 + 6 * f}};
    ASSERT_EQ(drawn, Render([&] { DrawCopies(call < 15 ? mode1 : mode0, f); }))
        << "draw call " << call;
    EXPECT_EQ(gZak1[0].vx + gZak1[0].vy, 0.0f);  // the wreck stops
    if (call < 29) {
      ASSERT_EQ(gZak1[0].alive, 1);
      EXPECT_EQ(gZak1[0].frame1, (call + 1) % 10);
      EXPECT_EQ(gZak1[0].row, (call + 1) / 10);
    }
  }
  EXPECT_EQ(gZak1[0].alive + gZak1[0].dying + gZak1[0].hitSkip + gZak1[0].frame1 + gZak1[0].row, 0);
  EXPECT_EQ(gZak1[0].x, -500.0f);
  EXPECT_EQ(gZak1[0].y, 500.0f);
}

// The stage runs draw explosions in mode 0 only: Zak2B's mode-1 copies, frame 1.
TEST_F(KindTest, Zak2BsSmallCopiesFlyOutOfTheLargeOneInMode1) {
  gZak2B[0] = {0, 0, 0, 100.0f, 200.0f, 0.0f, 0.0f, 1, 1, 0};
  HitZak2B(0);
  Render([] { DrawZak2B(0); });
  const int s = gPicZbak2b, t = gPicZbak6b;
  EXPECT_EQ(Render([] { DrawZak2B(0); }), Render([&] {
              DrawCopies({{Copy::kAdd, s, 80, 100, 200},
                          {Copy::kAdd, t, 40, 116, 214},
                          {Copy::kAdd, t, 40, 126, 225},
                          {Copy::kAdd, t, 40, 114, 223},
                          {Copy::kAdd, t, 40, 126, 214},
                          {Copy::kAdd, t, 40, 125, 215}},
                         1);
            }));
}

TEST_F(KindTest, AZak2FreedWhileExplodingFreezesUntilItsNextSpawnWhichKeepsTheRow) {
  gZak2[0].alive = 1;
  gZak2[0].x = 300.0f;
  gZak2[0].y = -90.0f;
  gZak2[0].vy = -40.0f;
  HitZak2(0);
  for (int i = 0; i < 10; ++i) Render([] { DrawZak2(0); });
  EXPECT_EQ(gZak2[0].row, 1);
  EXPECT_EQ(gZak2[0].frame1, 2);
  EXPECT_EQ(gZak2[0].vy, -40.0f);  // the wreck keeps climbing
  MoveZak2(0);                     // past y -100: freed while exploding
  EXPECT_EQ(gZak2[0].alive, 0);
  EXPECT_EQ(gZak2[0].dying, 1);
  EXPECT_TRUE(Blank(Render([] { DrawZak2(0); })));
  EXPECT_EQ(gZak2[0].frame1, 2);  // paused
  SpawnZak2(0);
  EXPECT_EQ(gZak2[0].dying, 0);
  EXPECT_EQ(gZak2[0].row, 1);
  HitZak2(0);
  gZak2Markers[0].locked = 1;
  for (int i = 0; i < 23; ++i) Render([] { DrawZak2(0); });
  EXPECT_EQ(gZak2[0].alive, 1);
  Render([] { DrawZak2(0); });  // three rows left: 24 draws
  EXPECT_EQ(gZak2[0].alive, 0);
  EXPECT_EQ(gZak2Markers[0].locked, 0);  // the end of the explosion parks the marker
  EXPECT_EQ(gZak2Markers[0].x, -500);
}

TEST_F(KindTest, Zak1BAndZak2BCloseOnTheShipsRowAfterEveryMove) {
  gPlayerY = 260.0f;
  gFrameScale = 0.1f;
  gZak1B[0] = {0, 0, 0, 300.0f, 200.0f, 100.0f, 3.0f, 0, 1, 0};
  gZak2B[0] = {0, 0, 0, 300.0f, 262.0f, 100.0f, 0.0f, 0, 1, 0};
  MoveZak1B(0);
  MoveZak2B(0);
  EXPECT_FLOAT_EQ(gZak1B[0].y, 200.3f);  // the spawn speed acts on the first move only
  EXPECT_FLOAT_EQ(gZak1B[0].x, 290.0f);
  EXPECT_EQ(gZak1B[0].vy, 50.0f);
  EXPECT_EQ(gZak2B[0].vy, -55.0f);
  gZak1B[0].y = 270.0f;
  MoveZak1B(0);
  EXPECT_EQ(gZak1B[0].vy, -50.0f);
  gZak1B[0].y = 260.0f + 5.0f;
  MoveZak1B(0);  // lands exactly on the ship's row: vy keeps its value
  EXPECT_EQ(gZak1B[0].y, 260.0f);
  EXPECT_EQ(gZak1B[0].vy, -50.0f);
  gZak1B[1].vy = 7.0f;  // a free slot is not steered
  MoveZak1B(0);
  EXPECT_EQ(gZak1B[1].vy, 7.0f);
}

// A live slot shows its body at its truncated corner. A locked marker follows
// it at the kind's offset and is drawn over the body; an unlocked one is
// neither moved nor drawn. A free slot standing on the screen shows nothing.
TEST_F(KindTest, Zak2DrawsItsBodyOnlyWhileAliveAndALockedMarkerOverIt) {
  gPicTargetMarker = Strip(60, 1);
  gZak2[1] = {0, 0, 0, 100.9f, 200.4f, 0.0f, 0.0f, 0, 1, 0};  // alive
  const auto body = [] { koDraw::Blit(100, 200, gPicZak2, 0, 0, 80, 100); };
  EXPECT_EQ(Render([] { DrawZak2(0); }), Render(body));
  EXPECT_EQ(gZak2Markers[1].x, -500);  // unlocked: left parked
  LockMarkerZak2(1);
  EXPECT_EQ(Render([] { DrawZak2(0); }), Render([&] {
              body();
              koDraw::Blit(110, 220, gPicTargetMarker, 0, 0, 60, 60);
            }));
  EXPECT_EQ(gZak2Markers[1].x, 110);
  EXPECT_EQ(gZak2Markers[1].y, 220);
  gZak2[1].alive = 0;
  EXPECT_TRUE(Blank(Render([] { DrawZak2(0); })));
}

using TemplateKindTest = EnemyTest;

TEST_F(TemplateKindTest, Zak3FollowsZak2sDesignWithItsOwnOffsetsAndBox) {
  gPicTargetMarker = Strip(60, 1);
  gZak3[2] = {0, 0, 0, 100.0f, 200.0f, 0.0f, 0.0f, 0, 1, 0};
  gZak3Markers[2].locked = 1;
  EXPECT_EQ(Render([] { DrawZak3(0); }), Render([] {
              koDraw::Blit(100, 200, gPicZak3, 0, 0, 100, 120);
              koDraw::Blit(120, 230, gPicTargetMarker, 0, 0, 60, 60);
            }));
  gZak3[2].x = 0.0f;
  gZak3[2].y = -120.0f;
  MoveZak3(0);
  EXPECT_EQ(gZak3[2].alive, 1);  // both bounds included
  gZak3[2].x = -0.5f;
  MoveZak3(0);
  EXPECT_EQ(gZak3[2].alive, 0);
  EXPECT_EQ(gZak3Markers[2].locked, 1);  // (120, 230) lies in the keep area
}

}  // namespace
