// The homing missiles of the twelve lockable enemy kinds: launch conditions
// and start points, steering, flying on, loss before contact, the contact
// window, the strike, the opening spread of group A and the idle frames.
#include <numbers>

#include "enemies/big90.h"
#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "homing/enemy_homing.h"
#include "homing/lock_on.h"
#include "tests/game/homing_fixture.h"
#include "tests/support/alloc_counter.h"

namespace {

constexpr float kPi = std::numbers::pi_v<float>;

struct Member {
  const char* name;
  HomingMissile* missiles;
  TargetMarker* markers;
  int count;
  void (*launch)(), (*update)(), (*draw)();
  int (*dying)(int slot);
  float speed, launchY;
  int xBound;  // also the loss x
  float contactYLow;
  bool groupA;
  int spread[3];  // x push direction of missiles 0, 1, 2 (group A)
};

// clang-format off
#define MEMBER(K, n, speed, launchY, bound, low, groupA, ...)                                \
  {#K, gHoming##K, g##K##Markers, n, LaunchHoming##K, UpdateHoming##K, DrawHoming##K,       \
   [](int s) { return g##K[s].dying; }, speed, launchY, bound, low, groupA, __VA_ARGS__}
// clang-format on
const Member kMembers[] = {
    MEMBER(Zak2, 3, 700, 10, 540, 20, true, {-1, -1, 1}),
    MEMBER(Zak3, 3, 700, 10, 540, 20, true, {1, 1, -1}),
    MEMBER(Diver80L, 3, 700, 10, 540, 20, true, {-1, -1, 1}),
    MEMBER(Diver80R, 3, 700, 10, 540, 20, true, {1, 1, -1}),
    MEMBER(Gunner80L, 3, 700, 10, 540, 20, true, {-1, -1, 1}),
    MEMBER(Gunner80R, 3, 700, 10, 540, 20, true, {1, 1, -1}),
    MEMBER(Big90A, 3, 700, 10, 540, 20, true, {-1, -1, -1}),
    MEMBER(VolleyZakA, 3, 700, 10, 540, 20, true, {1, 1, 1}),
    MEMBER(Zak4A, 5, 750, 10, 540, 20, false, {}),
    MEMBER(Zak4B, 5, 750, 9, 541, 21, false, {}),
    MEMBER(Zak4C, 5, 750, 9, 542, 22, false, {}),
    MEMBER(Zak4D, 5, 750, 8, 543, 23, false, {}),
};
#undef MEMBER
// Big90A's missile 2 has no slot to strike.
int Targets(const Member& k) { return k.name == std::string("Big90A") ? 2 : k.count; }

using HomingEnemyTest = HomingTest;

TEST_F(HomingEnemyTest, IdleFramesParkEverythingDrawNothingAndAllocateNothing) {
  for (const Member& k : kMembers) {
    k.missiles[0].x = -510.0f;  // an idle missile pushed off its park point is parked again
    k.missiles[0].y = 503.0f;
    Lock(k.markers[1], 200, 100);  // a lock alone launches nothing
  }
  const std::vector<int> rands = NextRands(1);
  const auto frame = [] {
    for (const Member& k : kMembers) k.draw();
    for (const Member& k : kMembers) k.update();
  };
  alloc_counter::Start();
  for (int i = 0; i < 3; ++i) frame();
  EXPECT_EQ(alloc_counter::Stop(), 0u);
  EXPECT_TRUE(Blank(Render(frame)));
  EXPECT_EQ(koSystem::Rand(), rands[0]);  // no random number was drawn
  EXPECT_EQ(gScore, 0);
  for (const Member& k : kMembers) {
    SCOPED_TRACE(k.name);
    EXPECT_TRUE(homing::MissilesAtStart({k.missiles, static_cast<size_t>(k.count)}));
    EXPECT_EQ(k.markers[1].locked, 1);
    EXPECT_EQ(k.markers[1].x, 200);
  }
}

TEST_F(HomingEnemyTest, LaunchTakesLockedOnScreenMarkersWithIdleMissiles) {
  gPlayerX = 300.7f;
  gPlayerY = 200.2f;
  for (const Member& k : kMembers) {
    SCOPED_TRACE(k.name);
    // Off screen: each edge itself, then unlocked, then the last on-screen point.
    Lock(k.markers[0], 0, 100);
    Lock(k.markers[1], k.xBound, 100);
    Lock(k.markers[2], 100, 0);
    k.launch();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Parked(k.missiles[i])) << i;
    Lock(k.markers[0], 100, 480);
    Lock(k.markers[1], k.xBound - 1, 479);
    k.markers[1].locked = 0;
    k.missiles[2].angle = 1.25f;
    k.missiles[2].dx = 3.0f;
    k.missiles[2].spreadTimer = 300.0f;
    Lock(k.markers[2], k.xBound - 1, 479);
    k.launch();
    EXPECT_TRUE(Parked(k.missiles[0]));
    EXPECT_TRUE(Parked(k.missiles[1]));
    const HomingMissile& m = k.missiles[2];
    if (Targets(k) < 3) {
      EXPECT_TRUE(Parked(m));
      continue;
    }
    EXPECT_EQ(m.active, 1);
    EXPECT_EQ(m.x, 320.7f);
    EXPECT_EQ(m.y, 200.2f + k.launchY);
    EXPECT_EQ(m.speed, k.speed);
    EXPECT_EQ(m.angle, 1.25f);  // heading and aim are left as they were
    EXPECT_EQ(m.dx, 3.0f);
    if (k.groupA) {
      EXPECT_EQ(m.launchDx, static_cast<float>(k.xBound - 1 + 20) - 320.7f);
      EXPECT_EQ(m.launchDy, 499.0f - (200.2f + k.launchY));
      EXPECT_EQ(m.spreadTimer, 0.0f);
    } else {
      EXPECT_EQ(m.launchDx, 0.0f);
      EXPECT_EQ(m.launchDy, 0.0f);
      EXPECT_EQ(m.spreadTimer, 300.0f);
    }
    // A flying missile is not launched again.
    gPlayerX = 100.0f;
    k.launch();
    EXPECT_EQ(m.x, 320.7f);
    gPlayerX = 300.7f;
  }
}

TEST_F(HomingEnemyTest, SteeringHeadsForTheAimPointInEveryDirection) {
  struct Case {
    float dx, dy, angle;
  };
  const Case cases[] = {
      {0, 50, kPi / 2},
      {0, -50, static_cast<float>(kPi / 2 + std::numbers::pi)},
      {0, 0, static_cast<float>(kPi / 2 + std::numbers::pi)},
      {40, 30, static_cast<float>(std::atan(0.75))},
      {40, -30, static_cast<float>(std::atan(-0.75))},
      {-40, 30, static_cast<float>(static_cast<float>(std::atan(-0.75)) + std::numbers::pi)},
      {-40, -30, static_cast<float>(static_cast<float>(std::atan(0.75)) + std::numbers::pi)},
      {-40, 0, static_cast<float>(std::numbers::pi)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
    HomingMissile& m = gHomingZak4A[0];
    m = {};
    m.active = 1;
    m.speed = 750.0f;
    m.x = 300.0f;
    m.y = 200.0f;
    Lock(gZak4AMarkers[0], static_cast<int>(300 + c.dx) - 20, static_cast<int>(200 + c.dy) - 20);
    UpdateHomingZak4A();
    EXPECT_EQ(m.dx, c.dx);
    EXPECT_EQ(m.dy, c.dy);
    EXPECT_EQ(m.angle, c.angle);
    float x = 300.0f, y = 200.0f;
    Step(x, y, c.angle, 750.0f, kDt);
    EXPECT_EQ(m.x, x);
    EXPECT_EQ(m.y, y);
  }
}

TEST_F(HomingEnemyTest, WithItsMarkerOffScreenAMissileFliesOnAlongItsHeading) {
  gPlayerX = 300.0f;
  gPlayerY = 300.0f;
  Lock(gZak4BMarkers[0], 300, 100);
  LaunchHomingZak4B();
  HomingMissile& m = gHomingZak4B[0];
  EXPECT_EQ(m.angle, kParkedAngle);  // a fresh launch keeps the reset's heading
  gZak4BMarkers[0].x = 541;          // past Zak4B's bound: no steering
  UpdateHomingZak4B();
  float x = 320.0f, y = 309.0f;
  Step(x, y, kParkedAngle, 750.0f, kDt);
  EXPECT_EQ(m.x, x);
  EXPECT_EQ(m.y, y);
  EXPECT_EQ(m.dx, 0.0f);
  gZak4BMarkers[0].x = 540;  // back on screen: it turns
  UpdateHomingZak4B();
  EXPECT_EQ(m.dx, 560.0f - x);
}

TEST_F(HomingEnemyTest, LossBoundsParkTheMissileAndKeepTheLock) {
  for (const Member& k : kMembers) {
    SCOPED_TRACE(k.name);
    const float lossX = static_cast<float>(k.xBound);
    struct Case {
      float x, y;
      bool lost;
    };
    const Case cases[] = {{79.9f, 200, true},        {80.0f, 200, false},  {lossX, 200, false},
                          {lossX + 0.1f, 200, true}, {300, -20.0f, false}, {300, -20.1f, true},
                          {300, 480.0f, false},      {300, 480.1f, true}};
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
      Lock(k.markers[0], -500, 500);  // off screen: the missile stands still at speed 0
      Hover(k.missiles[0], c.x, c.y);
      k.update();
      EXPECT_EQ(Parked(k.missiles[0]), c.lost);
      EXPECT_EQ(k.markers[0].locked, 1);
    }
    Hover(k.missiles[0], 300, 200);
    gBombActive = 1;
    k.update();
    EXPECT_TRUE(Parked(k.missiles[0]));
    gBombActive = 0;
    k.missiles[0] = {};
    homing::ResetMissiles({k.missiles, 1});
  }
}

TEST_F(HomingEnemyTest, TheContactWindowIncludesItsEdgesAndStrikesTheSlot) {
  for (const Member& k : kMembers) {
    SCOPED_TRACE(k.name);
    const float low = k.contactYLow;
    struct Case {
      float ox, oy;
      bool strikes;
    };
    const Case cases[] = {{10, 30, true},     {30, low, true},         {9.5f, 25, false},
                          {30.5f, 25, false}, {20, low - 0.5f, false}, {20, 30.5f, false}};
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << c.ox << ", " << c.oy);
      const int slot = k.count - 1 - (Targets(k) < k.count);
      Lock(k.markers[slot], 200, 150);
      k.markers[slot].spare = 7;
      Hover(k.missiles[slot], 200 + c.ox, 150 + c.oy);
      gScore = 0;
      k.update();
      EXPECT_EQ(k.missiles[slot].active, c.strikes ? 0 : 1);
      EXPECT_EQ(k.dying(slot), c.strikes ? 1 : 0);
      EXPECT_EQ(gScore, c.strikes ? 300 : 0);
      if (c.strikes) {
        EXPECT_TRUE(Parked(k.missiles[slot]));
        EXPECT_EQ(k.markers[slot].locked, 0);
        EXPECT_EQ(k.markers[slot].x, -500);
        EXPECT_EQ(k.markers[slot].y, 500);
        EXPECT_EQ(k.markers[slot].spare, 7);
      }
      for (int s = 0; s < Targets(k); ++s) EXPECT_EQ(k.dying(s), s == slot && c.strikes) << s;
      ResetGameState();
      gDifficulty = 1;
      gDifficultyExtra = 0;
      gBombStock = 0;
    }
  }
}

TEST_F(HomingEnemyTest, LossComesBeforeContactSoAMarkerFarRightCannotBeStruck) {
  Lock(gZak2Markers[0], 531, 100);
  Hover(gHomingZak2[0], 541, 120);  // in the window, past the loss bound
  UpdateHomingZak2();
  EXPECT_TRUE(Parked(gHomingZak2[0]));
  EXPECT_EQ(gZak2Markers[0].locked, 1);
  EXPECT_EQ(gZak2[0].dying, 0);
  EXPECT_EQ(gScore, 0);
}

// Runs one Update with missile `steering` flying at an on-screen marker and
// the other two idle inside the screen at full speed with their spread open.
void SpreadPass(const Member& k, int steering) {
  for (int i = 0; i < 3; ++i) {
    HomingMissile& m = k.missiles[i];
    m = {300, 200, 0, 0, 0, 0, 0, kParkedAngle, 700, 0};
    k.markers[i] = {-500, 500, 0, 0};
  }
  k.missiles[steering].active = 1;
  k.missiles[steering].x = 200;
  HomingTest::Lock(k.markers[steering], 180, 400);  // aim point straight below
  k.update();
}

TEST_F(HomingEnemyTest, TheSpreadPushesEveryOpenMissileOfTheArrayItsOwnWay) {
  const float push = 700.0f * kDt / 2.0f, drop = 700.0f * kDt / 10.0f;
  for (const Member& k : kMembers) {
    if (!k.groupA) continue;
    SCOPED_TRACE(k.name);
    for (int steering : {0, 2}) {
      SpreadPass(k, steering);
      for (int i = 0; i < 3; ++i) {
        if (i == steering) continue;
        EXPECT_EQ(k.missiles[i].x, 300.0f + static_cast<float>(k.spread[i]) * push) << i;
        EXPECT_EQ(k.missiles[i].y, 200.0f + drop) << i;
        EXPECT_EQ(k.missiles[i].spreadTimer, 0.0f) << i;  // only the steering clock runs
      }
      const HomingMissile& own = k.missiles[steering];
      EXPECT_EQ(own.spreadTimer, 260.0f * kDt);
      const float x = 200.0f + static_cast<float>(k.spread[steering]) * push;
      EXPECT_EQ(own.dx, 200.0f - x);  // pushed before its aim is taken
      EXPECT_EQ(own.dy, 420.0f - (200.0f + drop));
    }
  }
  // Group B has no spread.
  HomingMissile& b = gHomingZak4A[1];
  b = {300, 200, 0, 0, 0, 0, 0, 0, 750, 0};
  Lock(gZak4AMarkers[0], 180, 180);
  Hover(gHomingZak4A[0], 200, 200);
  UpdateHomingZak4A();
  EXPECT_EQ(b.x, 300.0f);
  EXPECT_EQ(b.y, 200.0f);
}

TEST_F(HomingEnemyTest, TheSpreadEndsForGoodOnceItsOwnClockPassesThirty) {
  gFrameScale = 0.05f;  // 13 per steering step: 13, 26, then 39 ends it
  SpreadPass(kMembers[0], 0);
  EXPECT_EQ(gHomingZak2[0].spreadTimer, 13.0f);
  UpdateHomingZak2();
  EXPECT_EQ(gHomingZak2[0].spreadTimer, 26.0f);
  const float y1 = gHomingZak2[1].y;
  UpdateHomingZak2();
  EXPECT_EQ(gHomingZak2[0].spreadTimer, 300.0f);
  EXPECT_GT(gHomingZak2[1].y, y1);  // the pass that ends it still pushes the others
  const HomingMissile before = gHomingZak2[1];
  UpdateHomingZak2();
  EXPECT_EQ(gHomingZak2[0].spreadTimer, 300.0f);
  EXPECT_EQ(gHomingZak2[1].y, before.y + 0.0f + 700.0f * 0.05f / 10.0f);  // still pushed by 0
}

TEST_F(HomingEnemyTest, AnIdleLowerMissileStaysPushedUntilItsNextLossTest) {
  // Missile 0 was lost during its spread; missile 1 flies and spreads.
  gHomingZak2[0] = {-500, 500, 0, 0, 0, 0, 0, kParkedAngle, 700, 0};
  gHomingZak2[2] = {-500, 500, 0, 0, 0, 0, 0, kParkedAngle, 700, 0};
  gHomingZak2[1] = {300, 200, 1, 0, 0, 0, 0, kParkedAngle, 700, 0};
  Lock(gZak2Markers[1], 280, 300);
  UpdateHomingZak2();
  EXPECT_EQ(gHomingZak2[0].x, -500.0f - 700.0f * kDt / 2.0f);  // after its own loss test
  EXPECT_EQ(gHomingZak2[0].active, 0);
  EXPECT_TRUE(Parked(gHomingZak2[2]));  // a higher slot is parked again in the same Update
  UpdateHomingZak2();
  // Pushed once more by missile 1, then parked by its own loss test.
  EXPECT_EQ(gHomingZak2[0].x, -500.0f - 700.0f * kDt / 2.0f);
  gHomingZak2[1].active = 0;
  UpdateHomingZak2();
  EXPECT_TRUE(Parked(gHomingZak2[0]));
}

TEST_F(HomingEnemyTest, AMissileChasesALiveZak2AndSetsItExploding) {
  SpawnZak2(0);
  gZak2[1].x = 420.0f;  // slot 1 somewhere ahead of the ship
  gZak2[1].y = 120.0f;
  gPlayerX = 150.0f;
  gPlayerY = 300.0f;
  LockMarkerZak2(1);
  DrawZak2(0);  // the kind puts the locked marker on the slot
  LaunchHomingZak2();
  ASSERT_EQ(gHomingZak2[1].active, 1);
  int frames = 0;
  while (gZak2[1].dying == 0 && gHomingZak2[1].active == 1 && frames < 120) {
    MoveZak2(0);
    DrawZak2(0);
    DrawHomingZak2();
    UpdateHomingZak2();
    ++frames;
  }
  EXPECT_EQ(gZak2[1].dying, 1);
  EXPECT_EQ(gScore, 300);
  EXPECT_EQ(gZak2Markers[1].locked, 0);
  EXPECT_TRUE(Parked(gHomingZak2[1]));
  EXPECT_GT(frames, 10);  // it flew there
}

TEST_F(HomingEnemyTest, TheResetLeavesTheSpreadClockAlone) {
  gHomingZak3[1].spreadTimer = 12.5f;
  gHomingZak3[1].active = 1;
  gHomingZak3[1].angle = 2.0f;
  ResetGameState();
  EXPECT_EQ(gHomingZak3[1].spreadTimer, 12.5f);
  EXPECT_TRUE(homing::MissilesAtStart(gHomingZak3));
}

}  // namespace
