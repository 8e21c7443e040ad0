// Every aimed kind of bosses 1 to 8 through its own named operations: each
// starts its own table from its own boss, at its offset and speed, on its
// first group's count, and its Move and Draw touch its own bullets only.
#include <algorithm>
#include <iterator>
#include <vector>

#include "bosses/aimed_kinds.h"
#include "bosses/aimed_volleys.h"
#include "bosses/late_aimed.h"
#include "player/parking.h"
#include "tests/game/boss_attack_fixture.h"
#include "tests/game/boss_test_helpers.h"

namespace {

using Op = void (*)();
using FireOp = void (*)(int slot, int first);

struct Row {
  const char* name;
  AimedVolleySlot* slots;
  const BossState* boss;
  int group;       // slots of one firing (the table for a string)
  int firstCount;  // Tick calls until group 0 fires; 0: no Tick
  float ox, oy;    // start offset from the boss's corner
  float speed;     // 0: drawn from a range
  FireOp fire;     // a string's Fire starts the whole string; nullptr: no Fire
  Op tick, move, draw;
};

#define VOLLEY(kind) [](int s, int f) { Fire##kind(s, f); }
#define RING(kind) [](int s, int) { Fire##kind(s); }
#define STRING(kind) [](int, int) { Fire##kind(); }

const Row kRows[] = {
    {"Boss1AimedShot1", gBoss1AimedShot1, &gBoss1, 5, 0, 90, 100, 260, STRING(Boss1AimedShot1),
     nullptr, MoveBoss1AimedShot1, DrawBoss1AimedShot1},
    {"Boss1AimedShot2", gBoss1AimedShot2, &gBoss1, 5, 0, 330, 100, 260, STRING(Boss1AimedShot2),
     nullptr, MoveBoss1AimedShot2, DrawBoss1AimedShot2},
    {"Boss1AimedVolley1", gBoss1AimedVolley1, &gBoss1, 4, 100, 150, 100, 0, nullptr,
     TickBoss1AimedVolley1, MoveBoss1AimedVolley1, DrawBoss1AimedVolley1},
    {"Boss1AimedVolley2", gBoss1AimedVolley2, &gBoss1, 5, 40, 210, 130, 220,
     VOLLEY(Boss1AimedVolley2), TickBoss1AimedVolley2, MoveBoss1AimedVolley2,
     DrawBoss1AimedVolley2},
    {"Boss1AimedVolley3", gBoss1AimedVolley3, &gBoss1, 7, 35, 210, 130, 200,
     VOLLEY(Boss1AimedVolley3), TickBoss1AimedVolley3, MoveBoss1AimedVolley3,
     DrawBoss1AimedVolley3},
    {"Boss1AimedVolley4", gBoss1AimedVolley4, &gBoss1, 5, 20, 145, 220, 220,
     VOLLEY(Boss1AimedVolley4), TickBoss1AimedVolley4, MoveBoss1AimedVolley4,
     DrawBoss1AimedVolley4},
    {"Boss2AimedShot1", gBoss2AimedShot1, &gBoss2, 12, 20, 110, 130, 140, RING(Boss2AimedShot1),
     TickBoss2AimedShot1, MoveBoss2AimedShot1, DrawBoss2AimedShot1},
    {"Boss2AimedShot2", gBoss2AimedShot2, &gBoss2, 12, 20, 310, 130, 140, RING(Boss2AimedShot2),
     TickBoss2AimedShot2, MoveBoss2AimedShot2, DrawBoss2AimedShot2},
    {"Boss3AimedVolley1", gBoss3AimedVolley1, &gBoss3, 5, 40, 210, 130, 220,
     VOLLEY(Boss3AimedVolley1), TickBoss3AimedVolley1, MoveBoss3AimedVolley1,
     DrawBoss3AimedVolley1},
    {"Boss3AimedVolley2", gBoss3AimedVolley2, &gBoss3, 5, 40, 210, 80, 220,
     VOLLEY(Boss3AimedVolley2), TickBoss3AimedVolley2, MoveBoss3AimedVolley2,
     DrawBoss3AimedVolley2},
    {"Boss3AimedVolley3", gBoss3AimedVolley3, &gBoss3, 5, 40, 210, 180, 220,
     VOLLEY(Boss3AimedVolley3), TickBoss3AimedVolley3, MoveBoss3AimedVolley3,
     DrawBoss3AimedVolley3},
    {"Boss3AimedVolley4", gBoss3AimedVolley4, &gBoss3, 7, 35, 210, 130, 200,
     VOLLEY(Boss3AimedVolley4), TickBoss3AimedVolley4, MoveBoss3AimedVolley4,
     DrawBoss3AimedVolley4},
    {"Boss3AimedVolley5", gBoss3AimedVolley5, &gBoss3, 7, 35, 210, 80, 200,
     VOLLEY(Boss3AimedVolley5), TickBoss3AimedVolley5, MoveBoss3AimedVolley5,
     DrawBoss3AimedVolley5},
    {"Boss3AimedVolley6", gBoss3AimedVolley6, &gBoss3, 7, 35, 210, 180, 200,
     VOLLEY(Boss3AimedVolley6), TickBoss3AimedVolley6, MoveBoss3AimedVolley6,
     DrawBoss3AimedVolley6},
    {"Boss3AimedShot1", gBoss3AimedShot1, &gBoss3, 20, 30, 220, 220, 140, RING(Boss3AimedShot1),
     TickBoss3AimedShot1, MoveBoss3AimedShot1, DrawBoss3AimedShot1},
    {"Boss3AimedShot2", gBoss3AimedShot2, &gBoss3, 30, 30, 220, 220, 120, RING(Boss3AimedShot2),
     TickBoss3AimedShot2, MoveBoss3AimedShot2, DrawBoss3AimedShot2},
    {"Boss4AimedShot1", gBoss4AimedShot1, &gBoss4, 12, 30, 110, 130, 140, RING(Boss4AimedShot1),
     TickBoss4AimedShot1, MoveBoss4AimedShot1, DrawBoss4AimedShot1},
    {"Boss4AimedShot2", gBoss4AimedShot2, &gBoss4, 12, 30, 310, 130, 140, RING(Boss4AimedShot2),
     TickBoss4AimedShot2, MoveBoss4AimedShot2, DrawBoss4AimedShot2},
    {"Boss4AimedVolley1", gBoss4AimedVolley1, &gBoss4, 3, 20, 60, 100, 150,
     VOLLEY(Boss4AimedVolley1), TickBoss4AimedVolley1, MoveBoss4AimedVolley1,
     DrawBoss4AimedVolley1},
    {"Boss4AimedVolley2", gBoss4AimedVolley2, &gBoss4, 3, 20, 360, 100, 150,
     VOLLEY(Boss4AimedVolley2), TickBoss4AimedVolley2, MoveBoss4AimedVolley2,
     DrawBoss4AimedVolley2},
    {"Boss5AimedVolley1", gBoss5AimedVolley1, &gBoss5, 7, 30, 50, 80, 200,
     VOLLEY(Boss5AimedVolley1), TickBoss5AimedVolley1, MoveBoss5AimedVolley1,
     DrawBoss5AimedVolley1},
    {"Boss5AimedVolley2", gBoss5AimedVolley2, &gBoss5, 7, 30, 210, 80, 200,
     VOLLEY(Boss5AimedVolley2), TickBoss5AimedVolley2, MoveBoss5AimedVolley2,
     DrawBoss5AimedVolley2},
    {"Boss5AimedVolley3", gBoss5AimedVolley3, &gBoss5, 5, 20, 30, 130, 150,
     VOLLEY(Boss5AimedVolley3), TickBoss5AimedVolley3, MoveBoss5AimedVolley3,
     DrawBoss5AimedVolley3},
    {"Boss5AimedVolley4", gBoss5AimedVolley4, &gBoss5, 5, 20, 330, 130, 150,
     VOLLEY(Boss5AimedVolley4), TickBoss5AimedVolley4, MoveBoss5AimedVolley4,
     DrawBoss5AimedVolley4},
    {"Boss6AimedShot1", gBoss6AimedShot1, &gBoss6, 30, 30, 220, 190, 100, RING(Boss6AimedShot1),
     TickBoss6AimedShot1, MoveBoss6AimedShot1, DrawBoss6AimedShot1},
    {"Boss7AimedShot1", gBoss7AimedShot1, &gBoss7, 12, 30, 140, 130, 140, RING(Boss7AimedShot1),
     TickBoss7AimedShot1, MoveBoss7AimedShot1, DrawBoss7AimedShot1},
    {"Boss7AimedShot2", gBoss7AimedShot2, &gBoss7, 12, 30, 340, 130, 140, RING(Boss7AimedShot2),
     TickBoss7AimedShot2, MoveBoss7AimedShot2, DrawBoss7AimedShot2},
    {"Boss8AimedShot1", gBoss8AimedShot1, &gBoss8, 30, 30, 230, 230, 100, RING(Boss8AimedShot1),
     TickBoss8AimedShot1, MoveBoss8AimedShot1, DrawBoss8AimedShot1},
};

#undef VOLLEY
#undef RING
#undef STRING

// Every table parked, and every boss at a corner of its own.
void ResetAllAimed() {
  for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k)
    ResetAimed(static_cast<AimedKindId>(k));
  PlaceBossesApart();
}

// Live bullets of every aimed kind, as (table, slot).
std::vector<std::pair<const AimedVolleySlot*, int>> LiveBullets() {
  std::vector<std::pair<const AimedVolleySlot*, int>> live;
  for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k) {
    const AimedKind& kind = Aimed(static_cast<AimedKindId>(k));
    for (int s = 0; s < kind.count; ++s)
      if (kind.slots[s].active) live.emplace_back(kind.slots, s);
  }
  return live;
}

using AimedKindsTest = AttackTest;

TEST_F(AimedKindsTest, EachFireStartsItsOwnSlotFromItsBossAtItsOffsetAndSpeed) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    ResetAllAimed();
    if (!r.fire) continue;
    if (r.tick) {
      const int slot = r.group + 1;  // member 1 of group 1
      r.fire(slot, r.group);
      const AimedVolleySlot& s = r.slots[slot];
      EXPECT_EQ(s.x, r.boss->x + r.ox);
      EXPECT_EQ(s.y, r.boss->y + r.oy);
      EXPECT_EQ(s.speed, r.speed);
      EXPECT_EQ(LiveBullets(),
                (std::vector<std::pair<const AimedVolleySlot*, int>>{{r.slots, slot}}));
    } else {
      // A string starts all five idle slots on one line, each faster than the last.
      r.slots[3].active = 1;
      r.slots[3].x = 7.0f;
      r.fire(0, 0);
      for (int slot = 0; slot < 5; ++slot) {
        const AimedVolleySlot& s = r.slots[slot];
        EXPECT_EQ(s.active, 1) << slot;
        if (slot == 3) {
          EXPECT_EQ(s.x, 7.0f);  // a live slot is left alone
          continue;
        }
        EXPECT_EQ(s.x, r.boss->x + r.ox) << slot;
        EXPECT_EQ(s.y, r.boss->y + r.oy) << slot;
        EXPECT_EQ(s.speed, 260.0f + 20.0f * slot) << slot;
      }
      EXPECT_EQ(LiveBullets().size(), 5u);
    }
  }
}

TEST_F(AimedKindsTest, EachTickFiresItsFirstGroupOnItsCountAndNothingBefore) {
  for (const Row& r : kRows) {
    if (!r.tick) continue;
    SCOPED_TRACE(r.name);
    ResetAllAimed();
    for (int call = 1; call < r.firstCount; ++call) r.tick();
    EXPECT_TRUE(LiveBullets().empty());
    r.tick();
    std::vector<std::pair<const AimedVolleySlot*, int>> group;
    for (int slot = 0; slot < r.group; ++slot) group.emplace_back(r.slots, slot);
    EXPECT_EQ(LiveBullets(), group);
    EXPECT_EQ(r.slots[0].x, r.boss->x + r.ox);
    EXPECT_EQ(r.slots[0].y, r.boss->y + r.oy);
  }
}

TEST_F(AimedKindsTest, EachMoveFliesItsOwnBulletsOnly) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    ResetAllAimed();
    // One bullet of every kind flying right at 64 px/s; a 1/64 s frame.
    for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k)
      Aimed(static_cast<AimedKindId>(k)).slots[1] = {0, 0, 100.0f, 100.0f, 0, 0, 0.0f, 64.0f, 1};
    r.move();
    for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k) {
      const AimedKind& kind = Aimed(static_cast<AimedKindId>(k));
      EXPECT_EQ(kind.slots[1].x, kind.slots == r.slots ? 101.0f : 100.0f) << k;
    }
  }
}

using AimedKindsDrawTest = AttackDrawTest;

// The kinds that draw their live bullets only; every other kind draws each
// slot, idle or live.
const AimedVolleySlot* const kLiveOnly[] = {
    gBoss1AimedVolley1, gBoss1AimedVolley2, gBoss1AimedVolley3, gBoss1AimedVolley4,
    gBoss3AimedVolley1, gBoss3AimedVolley2, gBoss3AimedVolley3, gBoss3AimedVolley4,
    gBoss3AimedVolley5, gBoss3AimedVolley6};

// Slot 1 of every kind flies at a place of its own and the last slot of the
// drawn kind idles below them all: each Draw shows its own live bullet inside
// its 20 x 20 cell at its place, its idle slot only when it draws every slot,
// and no other kind's bullets.
TEST_F(AimedKindsDrawTest, EachDrawShowsItsOwnLiveBulletAtItsCorner) {
  InGame([] {
    const PaintedObjectZero painted;
    std::vector<const AimedVolleySlot*> drawn;
    for (const Row& r : kRows) {
      SCOPED_TRACE(r.name);
      ResetAllAimed();
      std::vector<Box> shows;
      for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k) {
        const AimedKind& kind = Aimed(static_cast<AimedKindId>(k));
        const Box place = KindPlace(k, 20);
        kind.slots[1] = {
            0, 0, static_cast<float>(place.x), static_cast<float>(place.y), 0, 0, 0.0f, 0.0f, 1};
        if (kind.slots != r.slots) continue;
        const Box idle = IdlePlace(20);
        kind.slots[kind.count - 1] = {
            0, 0, static_cast<float>(idle.x), static_cast<float>(idle.y), 0, 0, 0.0f, 0.0f, 0};
        shows = {place};
        if (std::ranges::find(kLiveOnly, r.slots) == std::end(kLiveOnly)) shows.push_back(idle);
      }
      ASSERT_FALSE(shows.empty()) << "not a kind's table";
      ExpectDrawnOnlyInside(r.draw, shows);
      drawn.push_back(r.slots);
    }
    std::vector<const AimedVolleySlot*> tables;
    for (int k = 0; k < static_cast<int>(AimedKindId::Count); ++k)
      tables.push_back(Aimed(static_cast<AimedKindId>(k)).slots);
    EXPECT_TRUE(std::ranges::is_permutation(drawn, tables)) << "every kind has a row of its own";
  });
}

}  // namespace
