#include <cmath>
#include <map>
#include <vector>

#include "game/assets.h"
#include "player/bomb.h"
#include "tests/game/player_fixture.h"

namespace {

using BombTest = PlayerTest;

int ActiveBombShots() {
  int n = 0;
  for (const BombShot& s : gBombShots) n += s.active;
  return n;
}

// Frees every bomb shot before each frame of (from, to], so each start of the
// frame before shows as a live shot; counts them by the bomb's step.
std::function<void(int)> CountStartsByStep(int from, int to, std::map<int, int>& starts) {
  return [&starts, from, to](int f) {
    if (f <= from || f > to) return;
    if (const int n = ActiveBombShots()) starts[gBombTimer] += n;
    for (BombShot& s : gBombShots) s.active = 0;
  };
}

TEST_F(BombTest, ABombRuns48FramesOfVolleysEvenWhenLockedAndCostsOneBombAtItsEnd) {
  std::map<int, int> starts;
  std::vector<int> timers, active, fire;
  headless::KeyDown(kPlay, 'X');
  headless::KeyUp(kPlay + 3, 'X');
  At(kPlay, [&] { gPlayerX = 300.0f, gPlayerY = 200.0f; });
  At(kPlay + 2, [&] { gControlLocked = 1; });  // the controls stop; the bomb runs on
  Every(CountStartsByStep(kPlay + 1, kPlay + 60, starts));
  Every([&](int f) {
    if (f <= kPlay + 1 || f > kPlay + 50) return;
    timers.push_back(gBombTimer);
    active.push_back(gBombActive);
    fire.push_back(gFireEnabled);
  });
  RunFrames(kPlay + 61);
  std::map<int, int> expected;
  for (int v = 1; v <= 7; ++v) expected[3 * v] = expected[3 * v + 24] = 10;
  expected[24] = 10;
  EXPECT_EQ(starts, expected);  // 150 starts
  // Started in the controls of the key's held frame, stepped in that frame and
  // 47 more; the 48th step ends it.
  std::vector<int> steps, running(47, 1);
  for (int t = 1; t < 48; ++t) steps.push_back(t);
  steps.insert(steps.end(), 2, 0);
  running.insert(running.end(), 2, 0);
  EXPECT_EQ(timers, steps);
  EXPECT_EQ(active, running);
  for (int& f : fire) f = 1 - f;
  EXPECT_EQ(fire, running);
  EXPECT_EQ(gBombStock, 4);
  EXPECT_EQ(gBombReady, 1);
}

TEST_F(BombTest, TheLastBombRunsFullyAndAStartWithoutStockEndsAtOnce) {
  std::map<int, int> starts;
  int stockAfterFirst = -1, timerAfterSecond = -1, activeAfterSecond = -1;
  At(kPlay, [&] { gBombStock = 1; });
  headless::TapKey(kPlay, 'X', 2);
  At(kPlay + 60, [&] { stockAfterFirst = gBombStock; });
  headless::TapKey(kPlay + 60, 'X', 2);
  Every(CountStartsByStep(kPlay + 61, kPlay + 70, starts));
  At(kPlay + 62, [&] {
    timerAfterSecond = gBombTimer;
    activeAfterSecond = gBombActive;
  });
  RunFrames(kPlay + 71);
  EXPECT_EQ(stockAfterFirst, 0);
  EXPECT_EQ(activeAfterSecond, 0);
  EXPECT_EQ(timerAfterSecond, 1);  // the timer keeps its step
  EXPECT_TRUE(starts.empty());
  EXPECT_EQ(gBombStock, 0);
}

TEST_F(BombTest, CtrlsBombStopsZButNotShiftInTheSameFrame) {
  int counter = -1, bomb = -1;
  for (int vk : {int{plat::kVkShift}, int{plat::kVkControl}, int{'Z'}})
    headless::TapKey(kPlay, vk, 2);
  At(kPlay + 2, [&] {
    counter = gFireCounterA;
    bomb = gBombActive;
  });
  RunFrames(kPlay + 3);
  EXPECT_EQ(counter, 1);
  EXPECT_EQ(bomb, 1);
}

TEST_F(BombTest, BombShotsStepInWholePixelsAndLeaveAtTheInclusiveEdges) {
  const uint16_t violet = 0x801F;
  BombShot first{};
  std::vector<BombShot> after;
  uint16_t drawn = 0;
  int moves = -1;
  At(kPlay, [&] {
    gPicFbom1 = Picture(80, 80, violet);
    gPlayerX = 300.9f;
    gPlayerY = 200.0f;
    SpawnBombShot(0);
    first = gBombShots[0];
    // Directions of ring records: record 0 steps (-15, +36), record 3 (-30, -25),
    // record 5 (+15, -36).
    SpawnBombShot(3);
    SpawnBombShot(5);
    const float angle[6] = {first.angle, 0, 0, gBombShots[3].angle, 0, gBombShots[5].angle};
    gBombShots[3].active = gBombShots[5].active = 0;
    auto place = [&angle](int i, int ring, int x, int y) {
      gBombShots[i] = BombShot{x, y, 40, 1, 0.0f, 0.0f, angle[ring]};
    };
    place(10, 5, 625, 100);  // to x 640: stays
    place(11, 5, 626, 100);  // to x 641: parked
    place(13, 3, 100, 5);    // to y -20: stays
    place(14, 3, 100, 4);    // to y -21: parked
    place(15, 3, -50, 200);  // to x -80: stays
    place(16, 3, -51, 200);  // to x -81: parked
    place(17, 0, 100, 444);  // to y 480: stays
    place(18, 0, 100, 445);  // to y 481: parked
  });
  At(kPlay + 1, [&] {
    after.assign(gBombShots, gBombShots + 19);
    drawn = Pixel(295, 195);  // where shot 0 was drawn before its first step
    moves = gBombShotMoves;
  });
  RunFrames(kPlay + 2);
  EXPECT_EQ(first.x, 290);
  EXPECT_EQ(first.y, 190);
  EXPECT_EQ(first.speed, 40);
  EXPECT_NEAR(first.angle, 5 * M_PI / 8, 1e-6);
  EXPECT_EQ(after[0].x, 290 - 15);
  EXPECT_EQ(after[0].y, 190 + 36);
  for (int i : {10, 13, 15, 17}) EXPECT_EQ(after[i].active, 1) << i;
  for (int i : {11, 14, 16, 18}) {
    EXPECT_EQ(after[i].active, 0) << i;
    EXPECT_EQ(after[i].x, -500) << i;
    EXPECT_EQ(after[i].y, 500) << i;
  }
  EXPECT_EQ(after[10].x, 640);
  EXPECT_EQ(after[13].y, -20);
  EXPECT_EQ(after[15].x, -80);
  EXPECT_EQ(after[17].y, 480);
  EXPECT_EQ(drawn, violet);
  EXPECT_EQ(moves, 9);
}

// A volley's start leaves a shot of its record that is still flying where it is.
TEST_F(BombTest, AStartLeavesAFlyingBombShotAlone) {
  ResetBombShots();
  gPlayerX = 300.0f;
  gPlayerY = 200.0f;
  gBombShots[3] = BombShot{120, 80, 40, 1, 0.0f, 0.0f, 1.5f};
  SpawnBombShot(3);
  SpawnBombShot(4);
  EXPECT_EQ(gBombShots[3].x, 120);
  EXPECT_EQ(gBombShots[3].y, 80);
  EXPECT_EQ(gBombShots[3].angle, 1.5f);
  EXPECT_EQ(gBombShots[4].x, 290);  // a free one starts at the ship
  EXPECT_EQ(gBombShots[4].y, 190);
  EXPECT_EQ(gBombShots[4].active, 1);
}

}  // namespace
