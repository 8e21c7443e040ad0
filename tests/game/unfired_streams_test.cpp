// The straight streams that no stage fires (Big90B's five, VolleyZakB's five,
// VolleyZakC's and Convoy90's fifth) through their own named operations:
// each leaves its own kind's slots at its stream's muzzle and velocity.
#include <iterator>
#include <vector>

#include "enemies/big90.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"
#include "tests/game/boss_test_helpers.h"

namespace {

using StreamOp = void (*)(int);

struct Row {
  const char* name;
  ShotRecord* shots;
  int count;
  int stream;  // 1 to 5: the muzzle and velocity of that stream number
  void (*place)(int slot, float x, float y);
  StreamOp fire, move, draw;
};

#define STREAM(kind, n, count)                                                                     \
  {                                                                                                \
#kind "Stream" #n, g##kind##Stream##n, count, n, PlaceOwner < g##kind>, Fire##kind##Stream##n, \
        Move##kind##Stream##n, Draw##kind##Stream##n                                               \
  }

const Row kRows[] = {
    STREAM(Big90B, 1, 2),     STREAM(Big90B, 2, 2),     STREAM(Big90B, 3, 2),
    STREAM(Big90B, 4, 2),     STREAM(Big90B, 5, 2),     STREAM(VolleyZakB, 1, 2),
    STREAM(VolleyZakB, 2, 2), STREAM(VolleyZakB, 3, 2), STREAM(VolleyZakB, 4, 2),
    STREAM(VolleyZakB, 5, 2), STREAM(VolleyZakC, 5, 5), STREAM(Convoy90, 5, 5),
};
#undef STREAM

// Muzzle offsets and velocities of streams 1 to 5: vx signed as the bullet moves.
struct Flight {
  float mx, my, vx;
};
constexpr Flight kFlights[] = {
    {37, 40, 0}, {37, 44, -20}, {37, 44, 20}, {37, 30, -40}, {42, 30, 40}};
constexpr float kFall = 130.0f;

void Clear(const Row& r) { ParkRecords(Tables<ShotRecord>{{r.shots, r.count}}); }

using UnfiredStreamTest = AttackTest;

// Each row places its owner's slots apart from every other row's (the kinds
// share the stream numbers and their tables stay placed), so a stream that
// fires from another kind's slots misses its muzzles.
TEST_F(UnfiredStreamTest, FireStartsEachFreeBulletAtItsSlotsMuzzleAndMoveFliesIt) {
  gPlayerAlive = 0;
  gFrameScale = 0.1f;
  for (int n = 0; n < static_cast<int>(std::size(kRows)); ++n) {
    const Row& r = kRows[n];
    SCOPED_TRACE(r.name);
    const Flight& f = kFlights[r.stream - 1];
    const float x0 = 100.0f + 7.0f * n, y0 = 20.0f + 3.0f * n;
    Clear(r);
    for (int i = 0; i < r.count; ++i) r.place(i, x0 + 50.0f * i, y0 + 10.0f * i);
    r.shots[1].alive = 1;  // a flying bullet is left where it is
    r.shots[1].x = 7.0f;
    r.fire(0);
    for (int i = 0; i < r.count; ++i) {
      const ShotRecord& s = r.shots[i];
      EXPECT_EQ(s.alive, 1) << i;
      if (i == 1) {
        EXPECT_EQ(s.x, 7.0f);
        continue;
      }
      EXPECT_EQ(s.x, x0 + 50.0f * i + f.mx) << i;
      EXPECT_EQ(s.y, y0 + 10.0f * i + f.my) << i;
    }
    r.move(0);
    const ShotRecord& s = r.shots[0];
    EXPECT_FLOAT_EQ(s.y, y0 + f.my + kFall * 0.1f);
    EXPECT_FLOAT_EQ(s.x, x0 + f.mx + f.vx * 0.1f);
    Clear(r);
  }
}

using UnfiredStreamDrawTest = AttackDrawTest;

TEST_F(UnfiredStreamDrawTest, DrawShowsTheLiveBulletsOnly) {
  InGame([] {
    for (const Row& r : kRows) {
      SCOPED_TRACE(r.name);
      Clear(r);
      r.shots[0].alive = 1;
      r.shots[0].x = 300.0f;
      r.shots[0].y = 200.0f;
      r.shots[1].x = 100.0f;  // free: not drawn
      r.shots[1].y = 100.0f;
      ExpectDrawnOnlyInside([&r] { r.draw(0); }, 300, 200, 40);
      Clear(r);
    }
  });
}

}  // namespace
