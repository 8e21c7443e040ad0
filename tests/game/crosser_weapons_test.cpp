// The Diver and Gunner weapons: the fixed-speed volleys fired from one slot
// and the three streams dropped from every slot.
#include <cmath>
#include <numbers>

#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "tests/game/enemy_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;

class CrosserWeaponTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    gPicVal201 = Strip(20, 7);
    gPicVal12 = Strip(16, 1);
  }
};

TEST_F(CrosserWeaponTest, AVolleyLeavesOneSlotAsAStringOfFixedSpeedsOnOneAimLine) {
  gDiver80L[0].x = 100.0f;
  gDiver80L[0].y = 40.0f;
  gDiver80L[1].x = 200.0f;
  gDiver80L[1].y = 60.0f;
  gPlayerX = 400.0f;
  gPlayerY = 300.0f;
  FireDiver80LShot1(0);
  FireDiver80LShot2(0);
  const double shot1Angle = std::atan((322.0 - 90.0) / (422.0 - 130.0));
  for (int k = 0; k < 4; ++k) {
    const AimedShotRecord& s = gDiver80LShot1[k];
    EXPECT_EQ(s.alive, 1);
    EXPECT_EQ(s.x, 130.0f);  // slot 0 for every bullet
    EXPECT_EQ(s.y, 90.0f);
    EXPECT_EQ(s.originX, 130.0f);
    EXPECT_EQ(s.dx, 292.0f);
    EXPECT_EQ(s.speed, 120.0f + 40.0f * k);
    EXPECT_NEAR(s.angle, shot1Angle, 1e-6);
  }
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(gDiver80LShot2[k].x, 230.0f);  // slot 1
    EXPECT_EQ(gDiver80LShot2[k].y, 110.0f);
    EXPECT_EQ(gDiver80LShot2[k].speed, 120.0f + 40.0f * k);
  }
}

TEST_F(CrosserWeaponTest, EveryStartRewritesTheWholeVolleysSpeedsButLeavesFlyingBulletsInPlace) {
  gGunner80L[0].x = 100.0f;
  gGunner80L[0].y = 40.0f;
  gGunner80LShot1[2].alive = 1;
  gGunner80LShot1[2].x = 7.0f;
  gGunner80LShot1[2].speed = 5.0f;
  FireGunner80LShot1(0);
  EXPECT_EQ(gGunner80LShot1[2].x, 7.0f);
  EXPECT_EQ(gGunner80LShot1[2].speed, 200.0f);
  EXPECT_EQ(gGunner80LShot1[3].x, 130.0f);
  // With no bullet free nothing is written.
  gGunner80LShot1[2].speed = 5.0f;
  FireGunner80LShot1(0);
  EXPECT_EQ(gGunner80LShot1[2].speed, 5.0f);
}

TEST_F(CrosserWeaponTest, AVolleyFromAFreeSlotStartsAtItsParkedPlaceAndVanishesUnseen) {
  FireDiver80LShot1(0);
  EXPECT_EQ(gDiver80LShot1[0].x, -470.0f);
  EXPECT_EQ(gDiver80LShot1[0].y, 550.0f);
  gPlayerX = -480.0f;  // the ship's box would meet the bullet where it stands
  gPlayerY = 527.0f;
  MoveDiver80LShot1(0);
  EXPECT_EQ(gDiver80LShot1[3].alive, 0);
  EXPECT_EQ(gPlayerAlive, 1);
}

// A flying stream bullet with every other word 0.
void Flying(ShotRecord& s, float x, float y, float vx = 0.0f, float vy = 0.0f) {
  s = ShotRecord{};
  s.x = x;
  s.y = y;
  s.vx = vx;
  s.vy = vy;
  s.alive = 1;
}

// One volley bullet standing at (x, y).
void StillShot(float x, float y) {
  AimedShotRecord& s = gDiver80LShot1[0];
  s.alive = 1;
  s.x = x;
  s.y = y;
  s.speed = 0.0f;
}

TEST_F(CrosserWeaponTest, VolleyBulletsStayLeftOf540AndTheirSizeBeyondTheLeftAndTopEdges) {
  const float kept[][2] = {{540.0f, 10.0f}, {-20.0f, 10.0f}, {10.0f, -20.0f}, {10.0f, 480.0f}};
  for (const auto& p : kept) {
    StillShot(p[0], p[1]);
    MoveDiver80LShot1(0);
    EXPECT_EQ(gDiver80LShot1[0].alive, 1) << p[0] << ", " << p[1];
  }
  const float freed[][2] = {{540.5f, 10.0f}, {-20.5f, 10.0f}, {10.0f, -20.5f}, {10.0f, 480.5f}};
  for (const auto& p : freed) {
    StillShot(p[0], p[1]);
    MoveDiver80LShot1(0);
    EXPECT_EQ(gDiver80LShot1[0].alive, 0) << p[0] << ", " << p[1];
    EXPECT_EQ(gDiver80LShot1[0].x, -500.0f);
  }
  StillShot(100.0f, 100.0f);
  gBombActive = 1;
  MoveDiver80LShot1(0);
  EXPECT_EQ(gDiver80LShot1[0].alive, 0);
}

TEST_F(CrosserWeaponTest, VolleysHitTheShipInTheirOwnBoxAndStreamsInTheirs) {
  gPlayerX = 200.0f;
  gPlayerY = 200.0f;
  // (dx, dy) from the ship, and whether the volley and the stream hit there.
  const struct {
    float dx, dy;
    bool volley, stream;
  } cases[] = {{10, 20, true, false},    {30, 30, true, true},      {14, 24, true, true},
               {9.9f, 20, false, false}, {10, 19.9f, false, false}, {30.1f, 30, false, false}};
  for (const auto& c : cases) {
    StillShot(200.0f + c.dx, 200.0f + c.dy);
    gPlayerAlive = 1;
    MoveDiver80LShot1(0);
    EXPECT_EQ(gPlayerAlive, c.volley ? 0 : 1) << c.dx << ", " << c.dy;
    EXPECT_EQ(gDiver80LShot1[0].alive, 1);  // the bullet flies on
    Flying(gGunner80RStream2[1], 200.0f + c.dx, 200.0f + c.dy);
    gPlayerAlive = 1;
    MoveGunner80RStream2(0);
    EXPECT_EQ(gPlayerAlive, c.stream ? 0 : 1) << c.dx << ", " << c.dy;
  }
}

TEST_F(CrosserWeaponTest, VolleysDrawEveryBulletThroughSevenCellsStreamsOnlyLiveOnes) {
  StillShot(100.5f, 50.0f);
  gDiver80LShot1[0].frame = 6;
  const int freeFrame = gDiver80LShot1[1].frame;
  EXPECT_EQ(Render([] { DrawDiver80LShot1(0); }),
            Render([] { koDraw::Blit(100, 50, gPicVal201, 120, 0, 140, 20); }));
  EXPECT_EQ(gDiver80LShot1[0].frame, 0);
  EXPECT_EQ(gDiver80LShot1[1].frame, freeFrame + 1 < 7 ? freeFrame + 1 : 0);  // drawn off screen
  // A start frame past the seven cells (the reset draws 0 to 9) shows nothing
  // once and then wraps to the first cell instead of counting on past the strip.
  gDiver80LShot1[0].frame = 8;
  EXPECT_TRUE(Blank(Render([] { DrawDiver80LShot1(0); })));
  EXPECT_EQ(gDiver80LShot1[0].frame, 0);
  EXPECT_EQ(Render([] { DrawDiver80LShot1(0); }),
            Render([] { koDraw::Blit(100, 50, gPicVal201, 0, 0, 20, 20); }));
  gDiver80LStream3[0].x = 200.0f;  // free on the screen: not drawn
  gDiver80LStream3[0].y = 200.0f;
  gDiver80LStream3[1].alive = 1;
  gDiver80LStream3[1].x = 300.0f;
  gDiver80LStream3[1].y = 100.0f;
  EXPECT_EQ(Render([] { DrawDiver80LStream3(0); }),
            Render([] { koDraw::Blit(300, 100, gPicVal12, 0, 0, 16, 16); }));
  gGunner80LStream1[2].alive = 1;
  gGunner80LStream1[2].x = 300.0f;
  gGunner80LStream1[2].y = 100.0f;
  EXPECT_EQ(Render([] { DrawGunner80LStream1(0); }),
            Render([] { koDraw::Blit(300, 100, gPicVal13, 0, 0, 16, 16); }));
}

TEST_F(CrosserWeaponTest, StreamsDropFromEverySlotWithAFallSpeedDrawnPerBullet) {
  for (int i = 0; i < 3; ++i) {
    gDiver80R[i].x = 100.0f * i;
    gDiver80R[i].y = 0.0f;
    gGunner80L[i].x = 100.0f * i;
    gGunner80L[i].y = 10.0f;
  }
  gDiver80RStream2[1].alive = 1;  // still falling: not restarted, no draw taken
  std::vector<int> r = NextRands(2);
  FireDiver80RStream2(0);
  EXPECT_EQ(gDiver80RStream2[0].x, 32.0f);
  EXPECT_EQ(gDiver80RStream2[0].y, 50.0f);
  EXPECT_EQ(gDiver80RStream2[0].vy, static_cast<float>(r[0] % 50 + 100));
  EXPECT_EQ(gDiver80RStream2[2].vy, static_cast<float>(r[1] % 50 + 100));
  EXPECT_EQ(gDiver80RStream2[2].x, 232.0f);
  EXPECT_EQ(gDiver80RStream2[2].vx, 30.0f);
  r = NextRands(3);
  FireGunner80LStream1(0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(gGunner80LStream1[i].vy, static_cast<float>(r[i] % 30 + 100));
    EXPECT_EQ(gGunner80LStream1[i].vx, 0.0f);
    EXPECT_EQ(gGunner80LStream1[i].y, 60.0f);
  }
}

TEST_F(CrosserWeaponTest, StreamsFallStraightOrDriftAndLeaveOnlyAboveOrBelowTheScreen) {
  ShotRecord* streams[] = {gDiver80LStream1, gDiver80LStream2, gDiver80LStream3};
  for (ShotRecord* s : streams) {
    Flying(s[0], 100, 100, 30, 120);
    Flying(s[1], 2000, 480);  // beside the screen
    Flying(s[2], 100, -16);
  }
  MoveDiver80LStream1(0);
  MoveDiver80LStream2(0);
  MoveDiver80LStream3(0);
  EXPECT_EQ(gDiver80LStream1[0].x, 100.0f);
  EXPECT_EQ(gDiver80LStream2[0].x, 85.0f);
  EXPECT_EQ(gDiver80LStream3[0].x, 115.0f);
  for (ShotRecord* s : streams) {
    EXPECT_EQ(s[0].y, 160.0f);
    EXPECT_EQ(s[1].alive, 1);
    EXPECT_EQ(s[2].alive, 1);
  }
  gDiver80LStream2[1].y = 480.5f;
  gDiver80LStream2[2].y = -16.5f;
  MoveDiver80LStream2(0);
  EXPECT_EQ(gDiver80LStream2[1].alive, 0);
  EXPECT_EQ(gDiver80LStream2[2].alive, 0);
  EXPECT_EQ(gDiver80LStream2[0].alive, 1);
  gBombActive = 1;
  MoveGunner80RStream3(0);
  MoveDiver80LStream1(0);
  EXPECT_EQ(gDiver80LStream1[0].alive, 0);
}

}  // namespace
