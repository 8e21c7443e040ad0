// The aimed shot family on Zak7A's shot and the straight streams on Zak8's:
// the keep area, the bomb and the streams' velocities.
#include "enemies/template_kinds.h"
#include "tests/game/enemy_fixture.h"

namespace {

using AimedShotTest = EnemyTest;
using StreamTest = EnemyTest;

// Each edge of the screen keeps a bullet on it and frees one half a pixel
// beyond it; a bomb frees every flying bullet.
TEST_F(AimedShotTest, BulletsStayInsideTheScreenBoundsIncludedAndAllVanishUnderABomb) {
  struct Place {
    float x, y;
    int kept;
  };
  const Place places[] = {{640.0f, 100.0f, 1}, {640.5f, 100.0f, 0}, {-16.0f, 100.0f, 1},
                          {-16.5f, 100.0f, 0}, {100.0f, -16.0f, 1}, {100.0f, -16.5f, 0},
                          {100.0f, 480.0f, 1}, {100.0f, 480.5f, 0}};
  AimedShotRecord& s = gZak7AShot[0];
  for (const Place& p : places) {
    s.alive = 1;
    s.x = p.x;
    s.y = p.y;
    s.speed = 0.0f;
    MoveZak7AShot(0);
    EXPECT_EQ(s.alive, p.kept) << p.x << ", " << p.y;
    EXPECT_EQ(s.x, p.kept ? p.x : -500.0f) << p.x << ", " << p.y;
  }
  for (AimedShotRecord& b : gZak7AShot) {
    b.alive = 1;
    b.x = b.y = 100.0f;
    b.speed = 0.0f;
  }
  gBombActive = 1;
  MoveZak7AShot(0);
  for (const AimedShotRecord& b : gZak7AShot) EXPECT_EQ(b.alive, 0);
}

TEST_F(StreamTest, Zak8FiresItsThreeStreamsFromEachSlotWithTheirVelocities) {
  gZak8[1].alive = 1;
  gZak8[1].x = 400.0f;
  gZak8[1].y = 100.0f;
  const std::vector<int> r = NextRands(3);
  FireZak8Stream1(0);
  FireZak8Stream2(0);
  FireZak8Stream3(0);
  EXPECT_EQ(gZak8Stream1[1].x, 422.0f);
  EXPECT_EQ(gZak8Stream1[1].y, 130.0f);
  EXPECT_EQ(gZak8Stream1[1].vx, static_cast<float>(r[1] % 70 + 140));
  EXPECT_EQ(gZak8Stream1[1].vy, 0.0f);
  EXPECT_EQ(gZak8Stream2[1].vx, 150.0f);
  EXPECT_EQ(gZak8Stream3[1].vy, 20.0f);
  EXPECT_EQ(gZak8Stream3[0].x, -478.0f);  // a free enemy slot fires from its parked place
  gPlayerAlive = 0;
  gFrameScale = 1.0f;
  MoveZak8Stream1(0);
  MoveZak8Stream2(0);
  MoveZak8Stream3(0);
  EXPECT_EQ(gZak8Stream1[1].x, 422.0f - gZak8Stream1[1].vx);
  EXPECT_EQ(gZak8Stream2[1].y, 150.0f);
  EXPECT_EQ(gZak8Stream3[0].alive, 0);  // the parked bullet is removed on its first move
}

}  // namespace
