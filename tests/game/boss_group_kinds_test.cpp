// Every grouped kind of bosses 1 to 8 (fan volleys, five-ways, pair shots,
// fall shots, chains and drops) through its own named operations: each
// starts its own table from its own boss at its offsets, fires its first
// group on its count, and its Move and Draw touch its own bullets only.
#include <algorithm>
#include <iterator>
#include <vector>

#include "bosses/boss1_laser.h"
#include "bosses/drops.h"
#include "bosses/fan_kinds.h"
#include "bosses/fan_volleys.h"
#include "bosses/late_drops.h"
#include "bosses/late_fans.h"
#include "bosses/late_pairs.h"
#include "bosses/pair_kinds.h"
#include "bosses/pair_shots.h"
#include "tests/game/boss_attack_fixture.h"
#include "tests/game/boss_test_helpers.h"

namespace {

using Op = void (*)();
using FireOp = void (*)(int slot, int first);

struct Row {
  const char* name;
  FanVolleySlot* slots;
  const BossState* boss;
  int group;       // slots of one firing; a drop's whole table
  int firstCount;  // Tick calls until group 0 fires; 0: no Tick
  float ex, ey;    // where member 1 of a group (every slot of a drop) starts
  bool crosswise;  // x from the boss's y and y from the boss's x
  FireOp fire;     // Fire(slot, first), or nullptr
  Op fireAll;      // a drop's Fire, or nullptr
  Op tick, move, draw;
};

#define OPS(kind) Tick##kind, Move##kind, Draw##kind
#define GROUP(b, kind, group, count, x, y, cross)                                  \
  {                                                                                \
    "Boss" #b #kind, gBoss##b##kind, &gBoss##b, group, count, x, y, cross,         \
        [](int s, int f) { FireBoss##b##kind(s, f); }, nullptr, OPS(Boss##b##kind) \
  }
#define FAN(b, kind, count, x, y) GROUP(b, kind, 5, count, x, y, false)
#define PAIR(b, kind, count, x, y) GROUP(b, kind, 2, count, x, y, false)
#define FALL(b, kind, count, x, y) GROUP(b, kind, 3, count, x, y, false)
#define DROP(b, n, slots, x, y)                                                        \
  {                                                                                    \
    "Boss" #b "Drop" #n, gBoss##b##Drop##n, &gBoss##b, slots, 0, x, y, false, nullptr, \
        FireBoss##b##Drop##n, nullptr, MoveBoss##b##Drop##n, DrawBoss##b##Drop##n      \
  }

const Row kRows[] = {
    // Fan volleys of bosses 1 to 3 (the boss-1 kinds fire from their Tick).
    {"Boss1FanVolley1", gBoss1FanVolley1, &gBoss1, 5, 30, 150, 113, false, nullptr, nullptr,
     OPS(Boss1FanVolley1)},
    {"Boss1FanVolley2", gBoss1FanVolley2, &gBoss1, 5, 30, 270, 113, false, nullptr, nullptr,
     OPS(Boss1FanVolley2)},
    FAN(2, FanVolley1, 30, 144, 140),
    FAN(2, FanVolley2, 10, 120, 113),
    FAN(2, FanVolley3, 10, 160, 113),
    FAN(2, FanVolley4, 30, 140, 93),
    FAN(2, FanVolley5, 30, 140, 253),
    FAN(3, FanVolley1, 30, 220, 133),
    FAN(3, FanVolley2, 30, 170, 113),
    FAN(3, FanVolley3, 30, 270, 113),
    FAN(3, FanVolley4, 80, 140, 193),
    FAN(3, FanVolley5, 80, 300, 193),
    // Fan volleys and five-ways of bosses 4 to 8.
    FAN(4, FanVolley1, 10, 210, 83),
    FAN(4, FanVolley2, 10, 180, 53),
    FAN(4, FanVolley3, 10, 240, 53),
    FAN(4, FanVolley4, 10, 150, 83),
    FAN(4, FanVolley5, 10, 270, 83),
    FAN(4, FanVolley6, 60, 90, 53),
    FAN(4, FanVolley7, 60, 330, 53),
    FAN(5, FanVolley1, 10, 170, 113),
    FAN(5, FanVolley2, 10, 110, 83),
    FAN(5, FanVolley3, 10, 230, 83),
    FAN(5, FanVolley4, 10, 160, 83),
    FAN(5, FanVolley5, 10, 200, 83),
    FAN(5, FanVolley6, 30, 130, 83),
    FAN(5, FanVolley7, 30, 230, 83),
    FAN(6, FanVolley1, 30, 220, 133),
    FAN(6, FanVolley2, 80, 170, 83),
    FAN(6, FanVolley3, 80, 250, 83),
    FAN(6, FanVolley4, 80, 90, 83),
    FAN(6, FanVolley5, 80, 330, 83),
    FAN(6, FiveWay1, 10, 98, 73),
    FAN(6, FiveWay2, 10, 298, 73),
    FAN(7, FanVolley1, 20, 240, 133),
    FAN(7, FanVolley2, 80, 200, 83),
    FAN(7, FanVolley3, 80, 260, 83),
    FAN(7, FanVolley4, 10, 110, 83),
    FAN(7, FanVolley5, 10, 350, 83),
    FAN(7, FiveWay1, 10, 98, 73),
    FAN(7, FiveWay2, 10, 338, 73),
    FAN(8, FanVolley1, 20, 230, 133),
    FAN(8, FanVolley2, 60, 180, 83),
    FAN(8, FanVolley3, 60, 260, 83),
    FAN(8, FanVolley4, 60, 100, 83),
    FAN(8, FanVolley5, 60, 340, 83),
    // Pair shots, fall shots and chains.
    PAIR(1, PairShot1, 10, 280, 130),
    PAIR(1, PairShot2, 10, 280, 130),
    FALL(1, FallShot1, 60, 90, 113),
    FALL(1, FallShot2, 60, 330, 113),
    PAIR(1, FallShot3, 10, 310, 170),
    PAIR(1, FallShot4, 10, 345, 150),
    GROUP(1, Chain, 7, 25, 200, 183, false),
    GROUP(2, Chain, 7, 25, 130, 263, true),
    FALL(2, FallShot1, 20, 80, 113),
    FALL(2, FallShot2, 20, 320, 113),
    PAIR(2, PairShot1, 10, 340, 180),
    PAIR(2, PairShot2, 10, 370, 160),
    GROUP(3, PairShot1, 2, 10, 135, 80, true),
    GROUP(3, PairShot2, 2, 10, 230, 150, true),
    PAIR(4, PairShot1, 10, 280, 200),
    PAIR(4, PairShot2, 10, 300, 180),
    PAIR(4, PairShot3, 10, 320, 180),
    PAIR(6, PairShot1, 10, 310, 200),
    PAIR(6, PairShot2, 10, 350, 180),
    PAIR(7, PairShot1, 10, 310, 130),
    PAIR(7, PairShot2, 10, 310, 130),
    // Drops.
    DROP(1, 1, 2, 212, 200),
    DROP(1, 2, 3, 212, 200),
    DROP(1, 3, 4, 212, 200),
    DROP(2, 1, 2, 212, 200),
    DROP(2, 2, 3, 212, 200),
    DROP(2, 3, 3, 182, 150),
    DROP(2, 4, 3, 282, 150),
    DROP(2, 5, 4, 232, 200),
    DROP(3, 1, 2, 222, 200),
    DROP(3, 2, 3, 222, 200),
    DROP(3, 3, 3, 172, 150),
    DROP(3, 4, 3, 272, 150),
    DROP(3, 5, 3, 142, 110),
    DROP(3, 6, 3, 302, 110),
    DROP(3, 7, 4, 222, 200),
    DROP(4, 1, 2, 212, 200),
    DROP(4, 2, 2, 182, 110),
    DROP(4, 3, 2, 242, 110),
    DROP(4, 4, 3, 212, 200),
    DROP(4, 5, 3, 162, 150),
    DROP(4, 6, 3, 262, 150),
    DROP(4, 7, 3, 132, 110),
    DROP(4, 8, 3, 292, 110),
    DROP(4, 9, 4, 212, 200),
    DROP(5, 1, 2, 182, 200),
    DROP(5, 2, 2, 152, 110),
    DROP(5, 3, 2, 212, 110),
    DROP(5, 4, 3, 182, 200),
    DROP(5, 5, 3, 132, 150),
    DROP(5, 6, 3, 232, 150),
    DROP(5, 7, 3, 102, 110),
    DROP(5, 8, 3, 262, 110),
    DROP(5, 9, 4, 182, 200),
    DROP(6, 1, 2, 222, 200),
    DROP(6, 2, 2, 182, 110),
    DROP(6, 3, 2, 242, 110),
    DROP(6, 4, 3, 222, 200),
    DROP(6, 5, 3, 172, 150),
    DROP(6, 6, 3, 272, 150),
    DROP(6, 7, 3, 142, 110),
    DROP(6, 8, 3, 302, 110),
    DROP(6, 9, 4, 222, 200),
    DROP(7, 1, 2, 242, 200),
    DROP(7, 2, 2, 212, 110),
    DROP(7, 3, 2, 272, 110),
    DROP(7, 4, 3, 242, 200),
    DROP(7, 5, 3, 192, 150),
    DROP(7, 6, 3, 292, 150),
    DROP(7, 7, 3, 162, 110),
    DROP(7, 8, 3, 322, 110),
    DROP(7, 9, 4, 242, 200),
    DROP(8, 1, 2, 232, 200),
    DROP(8, 2, 2, 202, 110),
    DROP(8, 3, 2, 262, 110),
    DROP(8, 4, 3, 232, 200),
    DROP(8, 5, 3, 182, 150),
    DROP(8, 6, 3, 282, 150),
    DROP(8, 7, 3, 152, 110),
    DROP(8, 8, 3, 312, 110),
    DROP(8, 9, 4, 232, 200),
};

#undef OPS
#undef GROUP
#undef FAN
#undef PAIR
#undef FALL
#undef DROP

std::vector<const GroupKind*> AllKinds() {
  std::vector<const GroupKind*> kinds;
  for (int k = 0; k < static_cast<int>(FanKindId::Count); ++k)
    kinds.push_back(&Fan(static_cast<FanKindId>(k)));
  for (int k = 0; k < static_cast<int>(PairKindId::Count); ++k)
    kinds.push_back(&PairKind(static_cast<PairKindId>(k)));
  return kinds;
}

// Every table parked, the laser loose, and every boss at a corner of its own.
void ResetAllGroups() {
  for (const GroupKind* k : AllKinds()) ResetGroup(*k);
  gBoss1LaserAnchored = 0;
  PlaceBossesApart();
}

using Live = std::vector<std::pair<const FanVolleySlot*, int>>;

Live LiveBullets() {
  Live live;
  for (const GroupKind* k : AllKinds())
    for (int s = 0; s < k->count; ++s)
      if (k->slots[s].active) live.emplace_back(k->slots, s);
  return live;
}

void ExpectStartPoint(const Row& r, const FanVolleySlot& s) {
  const float x = r.crosswise ? r.boss->y : r.boss->x;
  const float y = r.crosswise ? r.boss->x : r.boss->y;
  EXPECT_EQ(s.x, x + r.ex);
  EXPECT_EQ(s.y, y + r.ey);
}

using GroupKindsTest = AttackTest;

TEST_F(GroupKindsTest, EachFireStartsItsOwnSlotsFromItsBossAtTheirOffsets) {
  for (const Row& r : kRows) {
    if (!r.fire && !r.fireAll) continue;
    SCOPED_TRACE(r.name);
    ResetAllGroups();
    Live expected;
    if (r.fire) {
      const int slot = r.group + 1;  // member 1 of group 1
      r.fire(slot, r.group);
      ExpectStartPoint(r, r.slots[slot]);
      expected.emplace_back(r.slots, slot);
    } else {
      r.fireAll();
      for (int slot = 0; slot < r.group; ++slot) {
        ExpectStartPoint(r, r.slots[slot]);
        expected.emplace_back(r.slots, slot);
      }
    }
    EXPECT_EQ(LiveBullets(), expected);
  }
}

TEST_F(GroupKindsTest, EachTickFiresItsFirstGroupOnItsCountAndNothingBefore) {
  for (const Row& r : kRows) {
    if (!r.tick) continue;
    SCOPED_TRACE(r.name);
    ResetAllGroups();
    for (int call = 1; call < r.firstCount; ++call) r.tick();
    EXPECT_TRUE(LiveBullets().empty());
    r.tick();
    Live group;
    for (int slot = 0; slot < r.group; ++slot) group.emplace_back(r.slots, slot);
    EXPECT_EQ(LiveBullets(), group);
    ExpectStartPoint(r, r.slots[1]);
  }
}

TEST_F(GroupKindsTest, EachMoveFliesItsOwnBulletsOnly) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    ResetAllGroups();
    for (const GroupKind* k : AllKinds()) k->slots[0] = {0, 0, 100.0f, 100.0f, 0, 0, 0, 1};
    r.move();
    for (const GroupKind* k : AllKinds()) {
      const FanVolleySlot& s = k->slots[0];
      EXPECT_EQ(s.x != 100.0f || s.y != 100.0f, k->slots == r.slots) << k->slots;
      EXPECT_EQ(s.active, 1);
    }
  }
}

using GroupKindsDrawTest = AttackDrawTest;

// The kinds that draw their live bullets only; every other kind draws each
// slot, idle or live.
const FanVolleySlot* const kLiveOnly[] = {gBoss2FanVolley1, gBoss2FanVolley2, gBoss2FanVolley3,
                                          gBoss2FanVolley4, gBoss2FanVolley5};

// Slot 0 of every kind flies at a place of its own and the last slot of the
// drawn kind idles below them all: each Draw shows its own live bullet within
// 40 pixels right of and below its place, its idle slot only when it draws
// every slot, and no other kind's bullets.
TEST_F(GroupKindsDrawTest, EachDrawShowsItsOwnLiveBulletAtItsCorner) {
  InGame([] {
    const PaintedObjectZero painted;
    const std::vector<const GroupKind*> kinds = AllKinds();
    std::vector<const FanVolleySlot*> drawn;
    for (const Row& r : kRows) {
      SCOPED_TRACE(r.name);
      ResetAllGroups();
      std::vector<Box> shows;
      for (int k = 0; k < static_cast<int>(kinds.size()); ++k) {
        const Box place = KindPlace(k, 40);
        FanVolleySlot* slots = kinds[k]->slots;
        slots[0] = {0, 0, static_cast<float>(place.x), static_cast<float>(place.y), 0, 0, 0, 1};
        if (slots != r.slots) continue;
        const Box idle = IdlePlace(40);
        slots[kinds[k]->count - 1] = {
            0, 0, static_cast<float>(idle.x), static_cast<float>(idle.y), 0, 0, 0, 0};
        shows = {place};
        if (std::ranges::find(kLiveOnly, r.slots) == std::end(kLiveOnly)) shows.push_back(idle);
      }
      ASSERT_FALSE(shows.empty()) << "not a kind's table";
      ExpectDrawnOnlyInside(r.draw, shows);
      drawn.push_back(r.slots);
    }
    std::vector<const FanVolleySlot*> tables;
    for (const GroupKind* k : kinds) tables.push_back(k->slots);
    EXPECT_TRUE(std::ranges::is_permutation(drawn, tables)) << "every kind has a row of its own";
  });
}

}  // namespace
