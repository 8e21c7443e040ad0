// The muzzle streams: whole volleys placed at once, the spread that grows
// with the number of live bullets, and the cells.
#include "tests/game/large_fixture.h"

namespace {

using MuzzleStreamTest = LargeTest;

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
  EXPECT_EQ(gZak54CStream[5].x, 260.0f - 28.0f * 0.5f * 6.0f);
  EXPECT_EQ(gZak54CStream[3].y, 220.0f + 75.0f);
  // One live bullet: the spread runs once, and moves free bullets as well.
  for (ShotRecord& s : gZak54CStream) s.alive = 0;
  gZak54CStream[2].alive = 1;
  const float x0 = gZak54CStream[0].x, x5 = gZak54CStream[5].x;
  MoveZak54CStream(0);
  EXPECT_EQ(gZak54CStream[0].x, x0 + 14.0f);
  EXPECT_EQ(gZak54CStream[5].x, x5 - 14.0f);
}

TEST_F(MuzzleStreamTest, AStartFramePastTheSevenCellsWrapsToTheFirst) {
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
