// The bars of the Zak54 kinds and the muzzle streams: muzzles, growth up to
// 200, the taller ship box, whole volleys placed at once, the spread that
// grows with the number of live bullets, the fall, the bomb and the cells.
#include <cstring>

#include "tests/game/large_fixture.h"

namespace {

using BarTest = LargeTest;
using MuzzleStreamTest = LargeTest;

TEST_F(BarTest, ABarLeavesItsKindsTruncatedMuzzleOnlyWhenFree) {
  Place(gZak54A, 400.9f, 100.2f);
  FireZak54ABar2();
  EXPECT_EQ(gZak54ABar2.x, 520);
  EXPECT_EQ(gZak54ABar2.y, 195);
  EXPECT_EQ(gZak54ABar2.speed, 420.0f);
  EXPECT_EQ(gZak54ABar1.alive + gZak54BBar2.alive, 0);
  gZak54ABar2.width = 12;
  FireZak54ABar2();
  EXPECT_EQ(gZak54ABar2.width, 12);
}

TEST_F(BarTest, ABarFliesLeftInWholePixelsIsFreedPastMinus200AndABombLeavesIt) {
  gZak54BBar2 = {0, -100, 300, 420.0f, 1};
  gBombActive = 1;
  gFrameScale = 0.2f;  // 84 pixels
  MoveZak54BBar2();
  EXPECT_EQ(gZak54BBar2.x, -184);
  EXPECT_EQ(gZak54BBar2.alive, 1);
  gFrameScale = 0.04f;  // 16.8: 16
  MoveZak54BBar2();
  EXPECT_EQ(gZak54BBar2.x, -200);
  EXPECT_EQ(gZak54BBar2.alive, 1);
  MoveZak54BBar2();
  EXPECT_EQ(gZak54BBar2.alive, 0);
  EXPECT_EQ(gZak54BBar2.x, -500);
}

TEST_F(BarTest, ABarGrowsTo200AndAtFullWidthHitsAShipFrom60LeftTo170RightAnd54AboveTo24Below) {
  gZak54CBar1 = {0, 100, 50, 420.0f, 1};
  for (int i = 0; i < 49; ++i) DrawZak54CBar1();
  EXPECT_EQ(gZak54CBar1.width, 196);
  EXPECT_EQ(Render([] { DrawZak54CBar1(); }),
            Render([] { koDraw::Blit(100, 50, gPicBlzs12, 0, 0, 200, 20); }));
  DrawZak54CBar1();
  EXPECT_EQ(gZak54CBar1.width, 200);
  struct Case {
    float dx, dy;  // ship minus bar
    int hit;
  };
  const Case cases[] = {{-60, -54, 1},  {170, 24, 1},   {-60.5f, 0, 0},
                        {170.5f, 0, 0}, {0, -54.5f, 0}, {0, 24.5f, 0}};
  for (const Case& c : cases) {
    gPlayerAlive = 1;
    gPlayerX = 100.0f + c.dx;
    gPlayerY = 50.0f + c.dy;
    DrawZak54CBar1();
    EXPECT_EQ(gPlayerAlive, 1 - c.hit) << c.dx << ", " << c.dy;
  }
}

TEST_F(MuzzleStreamTest, AFireStartsEveryFreeBulletAndPutsTheWholeVolleyBackAtItsMuzzles) {
  Place(gZak50C, 200.0f, 100.0f);
  FireZak50CStream(0);
  const float muzzles[][2] = {{320, 160}, {320, 205}, {320, 220},
                              {260, 220}, {260, 205}, {260, 160}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(gZak50CStream[i].alive, 1);
    EXPECT_EQ(gZak50CStream[i].x, muzzles[i][0]) << i;
    EXPECT_EQ(gZak50CStream[i].y, muzzles[i][1]) << i;
  }
  for (ShotRecord& s : gZak50CStream) s.y = 400.0f;
  FireZak50CStream(0);  // all flying: nothing happens
  EXPECT_EQ(gZak50CStream[2].y, 400.0f);
  gZak50CStream[4].alive = 0;
  Place(gZak50C, 100.0f, 0.0f);
  FireZak50CStream(0);  // one free bullet: the whole volley snaps back
  EXPECT_EQ(gZak50CStream[4].alive, 1);
  EXPECT_EQ(gZak50CStream[2].x, 220.0f);
  EXPECT_EQ(gZak50CStream[2].y, 120.0f);
}

TEST_F(MuzzleStreamTest, TheOuterBulletsSpreadOnceForEveryLiveBulletOfTheVolley) {
  Place(gZak54C, 200.0f, 100.0f);
  FireZak54CStream(0);
  gPlayerAlive = 0;
  MoveZak54CStream(0);  // six live bullets, half a second
  EXPECT_EQ(gZak54CStream[0].x, 320.0f + 28.0f * 0.5f * 6.0f);
  EXPECT_EQ(gZak54CStream[1].x, 320.0f + 14.0f * 0.5f * 6.0f);
  EXPECT_EQ(gZak54CStream[2].x, 320.0f);
  EXPECT_EQ(gZak54CStream[5].x, 260.0f - 28.0f * 0.5f * 6.0f);
  EXPECT_EQ(gZak54CStream[3].y, 220.0f + 75.0f);
  EXPECT_EQ(gZak54CStream[3].vy, 150.0f);
  // One live bullet: the spread runs once, and moves free bullets as well.
  for (ShotRecord& s : gZak54CStream) s.alive = 0;
  gZak54CStream[2].alive = 1;
  const float x0 = gZak54CStream[0].x, x5 = gZak54CStream[5].x;
  MoveZak54CStream(0);
  EXPECT_EQ(gZak54CStream[0].x, x0 + 14.0f);
  EXPECT_EQ(gZak54CStream[5].x, x5 - 14.0f);
}

TEST_F(MuzzleStreamTest, BulletsAreFreedBelow480OrByABombAndHitTheShipInTheirBox) {
  gFrameScale = 0.0f;
  gZak50CStream[2].alive = gZak50CStream[3].alive = 1;
  gZak50CStream[2].y = 480.0f;
  gZak50CStream[3].y = 480.5f;
  MoveZak50CStream(0);
  EXPECT_EQ(gZak50CStream[2].alive, 1);
  EXPECT_EQ(gZak50CStream[3].alive, 0);
  EXPECT_EQ(gZak50CStream[3].x, -500.0f);
  const float offsets[][2] = {{10, 20}, {30, 30}, {9.5f, 25}, {30.5f, 25}, {20, 19.5f}};
  const int hits[] = {1, 1, 0, 0, 0};
  for (int i = 0; i < 5; ++i) {
    gPlayerAlive = 1;
    gZak50CStream[2].x = gPlayerX + offsets[i][0];
    gZak50CStream[2].y = gPlayerY + offsets[i][1];
    MoveZak50CStream(0);
    EXPECT_EQ(gPlayerAlive, 1 - hits[i]) << i;
    EXPECT_EQ(gZak50CStream[2].alive, 1);
  }
  gBombActive = 1;
  MoveZak50CStream(0);
  EXPECT_EQ(gZak50CStream[2].alive, 0);
}

TEST_F(MuzzleStreamTest, EveryBulletIsDrawnFromItsResetFrameWhichMayStartPastTheSevenCells) {
  const ResetTable* table = nullptr;
  for (const ResetTable& t : ResetTables())
    if (std::strcmp(t.name, "gZak51BStream") == 0) table = &t;
  ASSERT_NE(table, nullptr);
  gZak51BStream[1].spare1 = gZak51BStream[1].spare2 = 5;
  const std::vector<int> r = NextRands(4);
  table->reset();
  for (int i = 0; i < 4; ++i) EXPECT_EQ(gZak51BStream[i].frame, r[i] % 10);
  EXPECT_EQ(gZak51BStream[1].spare1 + gZak51BStream[1].spare2, 0);
  gZak51BStream[0].frame = 8;
  gZak51BStream[1].frame = 6;
  gZak51BStream[2].frame = 2;
  gZak51BStream[2].x = 100.0f;
  gZak51BStream[2].y = 200.9f;
  EXPECT_EQ(Render([] { DrawZak51BStream(0); }),
            Render([] { koDraw::Blit(100, 200, gPicVal201, 40, 0, 60, 20); }));
  EXPECT_EQ(gZak51BStream[0].frame, 0);  // 9 is past the strip: back to 0
  EXPECT_EQ(gZak51BStream[1].frame, 0);
  EXPECT_EQ(gZak51BStream[2].frame, 3);
}

}  // namespace
