// The aimed shot family on Zak7A's shot and the straight streams on Zak8's:
// firing from the owner's slots, aim in every quadrant, flight, the keep area,
// the bomb, the ship's box and the animated and static pictures.
#include <cmath>
#include <numbers>

#include "enemies/template_kinds.h"
#include "tests/game/enemy_fixture.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

using AimedShotTest = EnemyTest;
using StreamTest = EnemyTest;

// Fires bullet 0 of Zak7A's shot from an enemy at (ex, ey) with the aim point
// (ship corner + 22) at (ax, ay); the other bullets stay in flight.
const AimedShotRecord& FireAt(float ex, float ey, float ax, float ay) {
  for (AimedShotRecord& s : gZak7AShot) s.alive = 1;
  gZak7AShot[0].alive = 0;
  gZak7A[0].x = ex;
  gZak7A[0].y = ey;
  gPlayerX = ax - 22.0f;
  gPlayerY = ay - 22.0f;
  FireZak7AShot(0);
  return gZak7AShot[0];
}

TEST_F(AimedShotTest, FireStartsFreeBulletsAtTheMuzzleWithTheirDrawsInOrder) {
  gZak7A[2].x = 100.0f;
  gZak7A[2].y = 50.5f;
  gZak7AShot[1].alive = 1;
  gZak7AShot[1].x = 7.0f;
  const std::vector<int> r = NextRands(9);
  FireZak7AShot(0);
  const AimedShotRecord& s = gZak7AShot[2];
  EXPECT_EQ(s.x, 132.0f);
  EXPECT_EQ(s.y, 72.5f);
  EXPECT_EQ(s.originX, 132.0f);
  EXPECT_EQ(s.originY, 72.5f);
  // Bullet 0 drew three values, bullet 1 none, bullet 2 the next three.
  EXPECT_EQ(s.spare1, static_cast<float>(r[3] % 40 + 30));
  EXPECT_EQ(s.spare2, static_cast<float>(r[4] % 80 + 80));
  EXPECT_EQ(s.speed, static_cast<float>(r[5] % 100 + 100));
  EXPECT_EQ(s.dx, 300.0f + 22.0f - 132.0f);
  EXPECT_EQ(s.dy, 200.0f + 22.0f - 72.5f);
  EXPECT_EQ(gZak7AShot[1].x, 7.0f);
  // A free enemy slot fires from its parked place.
  EXPECT_EQ(gZak7AShot[4].x, -468.0f);
  EXPECT_EQ(gZak7AShot[4].y, 522.0f);
}

TEST_F(AimedShotTest, TheAngleHeadsForTheAimPointInEveryQuadrant) {
  EXPECT_FLOAT_EQ(FireAt(100, 100, 132, 300).angle, kPi / 2);                // straight below
  EXPECT_FLOAT_EQ(FireAt(100, 100, 132, 122).angle, 3 * kPi / 2);            // level: straight up
  EXPECT_FLOAT_EQ(FireAt(100, 100, 132, 0).angle, 3 * kPi / 2);              // straight above
  EXPECT_FLOAT_EQ(FireAt(100, 100, 32, 22).angle, std::atan(1.0f) + kPi);    // up-left
  EXPECT_FLOAT_EQ(FireAt(100, 100, 32, 222).angle, std::atan(-1.0f) + kPi);  // down-left
  EXPECT_FLOAT_EQ(FireAt(100, 100, 232, 22).angle, std::atan(-1.0f));        // up-right
  EXPECT_FLOAT_EQ(FireAt(100, 100, 232, 122).angle, 0.0f);                   // right
  EXPECT_FLOAT_EQ(FireAt(100, 100, 32, 122).angle, kPi);                     // left
  // Flown for a second, each bullet lies on the line to its aim point.
  for (float ax : {32.0f, 232.0f}) {
    const AimedShotRecord& s = FireAt(100, 100, ax, 322);
    gZak7AShot[0].speed = 100.0f;
    gPlayerAlive = 0;
    gFrameScale = 1.0f;
    MoveZak7AShot(0);
    EXPECT_NEAR(s.x, 132.0f + (ax - 132.0f) / std::sqrt(5.0f), 1e-3f);
    EXPECT_NEAR(s.y, 122.0f + 200.0f / std::sqrt(5.0f), 1e-3f);
  }
}

TEST_F(AimedShotTest, BulletsStayInsideTheScreenBoundsIncludedAndAllVanishUnderABomb) {
  const float places[][2] = {{640.0f, 100.0f}, {640.5f, 100.0f}, {100.0f, -16.0f},
                             {100.0f, -16.5f}, {-16.0f, 480.0f}, {-16.5f, 480.0f}};
  for (int i = 0; i < 5; ++i) {
    gZak7AShot[i].alive = 1;
    gZak7AShot[i].x = places[i][0];
    gZak7AShot[i].y = places[i][1];
    gZak7AShot[i].speed = 0.0f;
  }
  MoveZak7AShot(0);
  EXPECT_EQ(gZak7AShot[0].alive, 1);
  EXPECT_EQ(gZak7AShot[1].alive, 0);
  EXPECT_EQ(gZak7AShot[1].x, -500.0f);
  EXPECT_EQ(gZak7AShot[2].alive, 1);
  EXPECT_EQ(gZak7AShot[3].alive, 0);
  EXPECT_EQ(gZak7AShot[4].alive, 1);
  gZak7AShot[4].x = -16.5f;
  MoveZak7AShot(0);
  EXPECT_EQ(gZak7AShot[4].alive, 0);
  gBombActive = 1;
  MoveZak7AShot(0);
  for (const AimedShotRecord& s : gZak7AShot) EXPECT_EQ(s.alive, 0);
  FireZak7AShot(0);  // fired during a bomb: gone on the next move
  MoveZak7AShot(0);
  for (const AimedShotRecord& s : gZak7AShot) EXPECT_EQ(s.alive, 0);
}

TEST_F(AimedShotTest, TheShipsBoxIncludesItsBoundsAndTheBulletFliesOn) {
  const float offsets[][2] = {{14, 24}, {30, 30}, {13.9f, 24}, {14, 30.1f}, {30.1f, 30}};
  const int hits[] = {1, 1, 0, 0, 0};
  for (int i = 0; i < 5; ++i) {
    gPlayerAlive = 1;
    for (AimedShotRecord& s : gZak7AShot) s.alive = 0;
    gZak7AShot[0].alive = 1;
    gZak7AShot[0].speed = 0.0f;
    gZak7AShot[0].x = gPlayerX + offsets[i][0];
    gZak7AShot[0].y = gPlayerY + offsets[i][1];
    MoveZak7AShot(0);
    EXPECT_EQ(gPlayerAlive, 1 - hits[i]) << i;
    EXPECT_EQ(gZak7AShot[0].alive, 1);
  }
}

TEST_F(AimedShotTest, DrawAnimatesLiveBulletsThroughTheirStripFromTheirResetFrame) {
  int starts[5];
  for (int i = 0; i < 5; ++i) {
    starts[i] = gZak7AShot[i].frame;
    EXPECT_TRUE(starts[i] >= 0 && starts[i] < 10);
  }
  gZak7AShot[3].alive = 1;
  gZak7AShot[3].x = 50.7f;
  gZak7AShot[3].y = 60.2f;
  for (int n = 0; n < 30; ++n) {
    const int f = (starts[3] + n) % 24;
    ASSERT_EQ(Render([] { DrawZak7AShot(0); }),
              Render([f] { koDraw::Blit(50, 60, gPicVal1624, 16 * f, 0, 16 * f + 16, 16); }));
  }
  EXPECT_EQ(gZak7AShot[0].frame, starts[0]);  // free bullets are neither drawn nor animated
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
  EXPECT_EQ(gZak8Stream1[1].y, 130.0f);
  EXPECT_EQ(gZak8Stream2[1].x, 272.0f);
  EXPECT_EQ(gZak8Stream2[1].y, 150.0f);
  EXPECT_EQ(gZak8Stream3[1].y, 110.0f);
  EXPECT_EQ(gZak8Stream3[0].alive, 0);  // the parked bullet is removed on its first move
}

TEST_F(StreamTest, Zak8BulletsLeaveOnlyByTheLeftEdgeOrTheBottomOrUnderABomb) {
  ShotRecord* streams[] = {gZak8Stream1, gZak8Stream2, gZak8Stream3};
  const float places[][2] = {{-16.0f, 480.0f}, {-16.5f, 100.0f}, {100.0f, 480.5f}};
  for (ShotRecord* s : streams)
    for (int i = 0; i < 3; ++i) s[i] = {0, 0, places[i][0], places[i][1], 0, 0, 0, 1};
  gZak8Stream3[0].x = 700.0f;  // far right and above the screen: no test there
  gZak8Stream3[0].y = -300.0f;
  MoveZak8Stream1(0);
  MoveZak8Stream2(0);
  MoveZak8Stream3(0);
  for (ShotRecord* s : streams) {
    EXPECT_EQ(s[0].alive, 1);
    EXPECT_EQ(s[1].alive, 0);
    EXPECT_EQ(s[2].alive, 0);
    EXPECT_EQ(s[2].y, 500.0f);
  }
  gBombActive = 1;
  MoveZak8Stream3(0);
  EXPECT_EQ(gZak8Stream3[0].alive, 0);
  EXPECT_EQ(gZak8Stream1[0].alive, 1);
}

TEST_F(StreamTest, Zak8HitsTheShipInItsBoxAndDrawsLiveBulletsOnly) {
  gZak8Stream2[2] = {0, 0, gPlayerX + 13.5f, gPlayerY + 24.0f, 0, 0, 0, 1};
  MoveZak8Stream2(0);
  EXPECT_EQ(gPlayerAlive, 1);
  gZak8Stream2[2].x = gPlayerX + 14.0f;
  MoveZak8Stream2(0);
  EXPECT_EQ(gPlayerAlive, 0);
  EXPECT_EQ(gZak8Stream2[2].alive, 1);
  gZak8Stream2[0].x = gZak8Stream2[0].y = 10.0f;  // free on the screen: not drawn
  EXPECT_EQ(Render([] { DrawZak8Stream2(0); }),
            Render([] { koDraw::Blit(314, 224, gPicVal13, 0, 0, 16, 16); }));
  EXPECT_EQ(gZak8Stream2[2].frame, 0);
}

}  // namespace
