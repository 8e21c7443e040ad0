// The homing missiles of the lockable enemy kinds (one row per group and the
// two-slot Big90A): launch conditions and start points, loss before contact,
// the contact window, the strike, the opening spread of group A, and the
// bolt (bent by the launch vector for group A, straight for group B).
#include <numbers>

#include "enemies/big90.h"
#include "enemies/template_kinds.h"
#include "enemies/zak4.h"
#include "homing/enemy_homing.h"
#include "tests/game/homing_fixture.h"

namespace {

struct Member {
  const char* name;
  HomingMissile* missiles;
  TargetMarker* markers;
  int count;
  void (*launch)(), (*update)();
  int (*dying)(int slot);
  float speed, launchY;
  int xBound;  // also the loss x
  float contactYLow;
  bool groupA;
  int spread[3];  // x push direction of missiles 0, 1, 2 (group A)
};

// clang-format off
#define MEMBER(K, n, speed, launchY, bound, low, groupA, ...)                                \
  {#K, gHoming##K, g##K##Markers, n, LaunchHoming##K, UpdateHoming##K,                       \
   [](int s) { return g##K[s].dying; }, speed, launchY, bound, low, groupA, __VA_ARGS__}
// clang-format on
const Member kMembers[] = {
    MEMBER(Zak2, 3, 700, 10, 540, 20, true, {-1, -1, 1}),
    MEMBER(Big90A, 3, 700, 10, 540, 20, true, {-1, -1, -1}),
    MEMBER(Zak4B, 5, 750, 9, 541, 21, false, {}),
};
#undef MEMBER
// Big90A's missile 2 has no slot to strike.
int Targets(const Member& k) { return k.name == std::string("Big90A") ? 2 : k.count; }

using HomingEnemyTest = HomingTest;

TEST_F(HomingEnemyTest, LaunchTakesLockedOnScreenMarkersWithIdleMissiles) {
  gPlayerY = 200.2f;
  for (const Member& k : kMembers) {
    SCOPED_TRACE(k.name);
    gPlayerX = 300.7f;
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
    EXPECT_TRUE(Parked(k.missiles[0]) && Parked(k.missiles[1]));
    const HomingMissile& m = k.missiles[2];
    EXPECT_EQ(Parked(m), Targets(k) < 3);  // none at Big90A's third marker
    if (Targets(k) < 3) continue;
    EXPECT_TRUE(m.x == 320.7f && m.y == 200.2f + k.launchY && m.speed == k.speed);
    gPlayerX = 100.0f;  // a flying missile is not launched again
    k.launch();
    EXPECT_EQ(m.x, 320.7f);
    EXPECT_TRUE(m.angle == 1.25f && m.dx == 3.0f);  // heading and aim are left as they were
    EXPECT_EQ(m.launchDx, k.groupA ? static_cast<float>(k.xBound - 1 + 20) - 320.7f : 0.0f);
    EXPECT_EQ(m.launchDy, k.groupA ? 499.0f - (200.2f + k.launchY) : 0.0f);
    EXPECT_EQ(m.spreadTimer, k.groupA ? 0.0f : 300.0f);
  }
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
        const TargetMarker& t = k.markers[slot];
        EXPECT_TRUE(t.x == -500 && t.y == 500 && t.locked == 0 && t.spare == 7);
      }
      for (int s = 0; s < Targets(k); ++s) EXPECT_EQ(k.dying(s), s == slot && c.strikes) << s;
      ResetGameState();
      gDifficulty = 1;
      gDifficultyExtra = 0;
      gBombStock = 0;
    }
  }
}

// Each steering step aims at the marker's corner + 20 and flies one frame on
// that heading, y first. A missile at (300, y0) aims dx, dy away.
TEST_F(HomingEnemyTest, SteeringHeadsForTheAimPointInEveryDirection) {
  constexpr double pi = std::numbers::pi;
  const auto turned = [](double a) { return static_cast<float>(static_cast<float>(a) + pi); };
  struct Case {
    float y0, dx, dy, angle;
  };
  const Case cases[] = {
      {200, 0, 50, static_cast<float>(pi / 2)},
      {200, 0, -50, static_cast<float>(static_cast<float>(pi / 2) + pi)},
      {200, 0, 0, static_cast<float>(static_cast<float>(pi / 2) + pi)},
      {200, 40, 30, static_cast<float>(std::atan(0.75))},
      {200, 40, -30, static_cast<float>(std::atan(-0.75))},
      {200, -40, 30, turned(std::atan(-0.75))},
      {200, -40, -30, turned(std::atan(0.75))},
      {200, -40, 0, static_cast<float>(pi)},
      {200, 40, 0, 0.0f},
      // Half a pixel below on the left turns round as well.
      {199.5f, -40, 0.5f, turned(std::atan(static_cast<double>(0.5f / -40.0f)))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
    HomingMissile& m = gHomingZak4A[0];
    m = {};
    m.active = 1;
    m.speed = 750.0f;
    m.x = 300.0f;
    m.y = c.y0;
    const int aimY = static_cast<int>(c.y0 + c.dy);
    Lock(gZak4AMarkers[0], static_cast<int>(300 + c.dx) - 20, aimY - 20);
    UpdateHomingZak4A();
    EXPECT_EQ(m.dx, c.dx);
    EXPECT_EQ(m.dy, c.dy);
    EXPECT_EQ(m.angle, c.angle);
    float x = 300.0f, y = c.y0;
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

// ------------------------------------------------------------------ the bolt

struct Line {
  int x1, y1, x2, y2, width;
};

// Red 0; the first line is full blue.
void DrawLines(const std::vector<Line>& lines, int green, int blue) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const Line& l = lines[i];
    const uint32_t colour =
        256u * static_cast<uint32_t>(green) + 65536u * static_cast<uint32_t>(i == 0 ? 255 : blue);
    koDraw::DrawLine(l.x1, l.y1, l.x2, l.y2, colour, l.width);
  }
}

TEST_F(HomingEnemyTest, AGroupABoltBendsByNinthsOfItsLaunchVector) {
  gPlayerX = 100.9f;  // truncated to (100, 200)
  gPlayerY = 200.5f;
  gHomingZak2[1] = {400, 300, 1, 0, 0, -90.7f, 45.3f, 0, 700, 0};  // its own place is not drawn
  gZak2Markers[1] = {50, 60, 1, 0};
  const std::vector<int> r = NextRands(5);
  const auto drawn = Render(DrawHomingZak2);
  EXPECT_EQ(koSystem::Rand(), r[4]);  // four numbers for the one flying missile
  const int j = r[0] % 5 - r[1] % 5;
  const std::vector<Line> bolt = {
      {127 + j, 240, 77 + j, 240, 7}, {77 + j, 240, 47 + j, 245, 6}, {47 + j, 245, 37 + j, 250, 5},
      {37 + j, 250, 37 + j, 260, 4},  {37 + j, 260, 47 + j, 270, 3}, {47 + j, 270, 47 + j, 280, 2},
      {47 + j, 280, 79, 89, 2},
  };
  const auto expected = Render([&] { DrawLines(bolt, 155 - r[2] % 100, 255 - r[3] % 100); });
  EXPECT_TRUE(drawn == expected);
  EXPECT_FALSE(Blank(drawn));
}

}  // namespace
