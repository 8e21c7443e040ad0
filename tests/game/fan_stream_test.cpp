// The five-way falling fans, on VolleyZakA's: muzzle, speeds,
// drift and the y-only keep area that a bomb does not clear.
#include <functional>
#include <span>
#include <string>

#include "enemies/volley_zak.h"
#include "tests/game/enemy_fixture.h"

namespace {

struct Expected {
  float muzzleX, muzzleY, vx, vy, xSign, minDY;
};
// Straight down, then the left and right of two pairs.
constexpr Expected kCraftFan[5] = {{37, 40, 0, 130, 0, 24},
                                   {37, 44, 20, 130, -1, 24},
                                   {37, 44, 20, 130, 1, 24},
                                   {37, 30, 40, 130, -1, 24},
                                   {42, 30, 40, 130, 1, 20}};

struct Stream {
  std::string name;
  void (*fire)(int);
  void (*move)(int);
  std::span<ShotRecord> shots;
  std::function<void(int, float, float)> placeOwner;  // slot i of the firing kind at (x, y)
  Expected expected;
};

template <typename Record, size_t N>
std::function<void(int, float, float)> Owner(Record (&table)[N]) {
  return [&table](int i, float x, float y) {
    table[i].x = x;
    table[i].y = y;
  };
}

#define FAN_STREAM(kind, n, fan)                                                           \
  Stream {                                                                                 \
#kind " stream " #n, Fire##kind##Stream##n, Move##kind##Stream##n, g##kind##Stream##n, \
        Owner(g##kind), fan[n - 1]                                                         \
  }
#define FIVE(kind, fan)                                                         \
  FAN_STREAM(kind, 1, fan), FAN_STREAM(kind, 2, fan), FAN_STREAM(kind, 3, fan), \
      FAN_STREAM(kind, 4, fan), FAN_STREAM(kind, 5, fan)

std::vector<Stream> AllStreams() { return {FIVE(VolleyZakA, kCraftFan)}; }

using FanStreamTest = EnemyTest;

TEST_F(FanStreamTest, FireStartsEachFreeBulletAtItsOwnSlotsMuzzleWithTheStreamsSpeeds) {
  for (const Stream& s : AllStreams()) {
    SCOPED_TRACE(s.name);
    const Expected& e = s.expected;
    const int n = static_cast<int>(s.shots.size());
    for (int i = 0; i < n; ++i) s.placeOwner(i, 100.0f + 10 * i, 50.5f);
    s.shots[n - 1] = {3, 0, 7.0f, 8.0f, 1.0f, 2.0f, 0, 1};
    const std::vector<int> before = NextRands(1);
    s.fire(0);
    EXPECT_EQ(NextRands(1), before);  // fixed speeds: no random draws
    EXPECT_EQ(s.shots[0].alive, 1);
    EXPECT_EQ(s.shots[0].x, 100.0f + e.muzzleX);
    EXPECT_EQ(s.shots[0].y, 50.5f + e.muzzleY);
    EXPECT_EQ(s.shots[0].vx, e.vx);
    EXPECT_EQ(s.shots[0].vy, e.vy);
    EXPECT_EQ(s.shots[n - 1].x, 7.0f);  // in flight: left alone
    EXPECT_EQ(s.shots[n - 1].vx, 1.0f);
    // A free, parked enemy slot fires too, from below the screen.
    s.placeOwner(n - 1, -500.0f, 500.0f);
    s.shots[n - 1].alive = 0;
    s.fire(0);
    EXPECT_EQ(s.shots[n - 1].x, -500.0f + e.muzzleX);
    EXPECT_EQ(s.shots[n - 1].y, 500.0f + e.muzzleY);
    EXPECT_EQ(s.shots[n - 1].alive, 1);
    // It falls by vy and drifts by vx; the one from the parked slot is gone at once.
    gPlayerAlive = 0;
    s.move(0);
    EXPECT_EQ(s.shots[0].y, 50.5f + e.muzzleY + e.vy * 0.5f);
    EXPECT_EQ(s.shots[0].x, 100.0f + e.muzzleX + e.xSign * e.vx * 0.5f);
    EXPECT_EQ(s.shots[n - 1].alive, 0);
    EXPECT_EQ(s.shots[n - 1].x, -500.0f);
    EXPECT_EQ(s.shots[n - 1].y, 500.0f);
  }
}

TEST_F(FanStreamTest, BulletsLeaveOnlyByTheTopOrTheBottomAndABombLeavesThemFlying) {
  gFrameScale = 0.0f;
  gBombActive = 1;
  gPlayerAlive = 0;
  const float places[][2] = {{100, 480}, {100, 480.5f}, {-900, -16}, {700, -16.5f}, {5000, 300}};
  const int stays[] = {1, 0, 1, 0, 1};
  for (const Stream& s : AllStreams()) {
    SCOPED_TRACE(s.name);
    for (size_t p = 0; p < std::size(places); ++p) {
      s.shots[0] = {0, 0, places[p][0], places[p][1], 20, 130, 0, 1};
      s.move(0);
      EXPECT_EQ(s.shots[0].alive, stays[p]) << "place " << p;
      if (!stays[p]) {
        EXPECT_EQ(s.shots[0].y, 500.0f);
      }
    }
  }
}

}  // namespace
