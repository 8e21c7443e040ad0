// Every hazard stream of bosses 1 to 3 through its own Fire: slot n of each
// of its rows starts from its own boss's whole-pixel corner at the row's
// height, speed and drift, and no other block starts.
#include <vector>

#include "bosses/hazard_kinds.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

struct RowStart {
  HazardSlot* slots;
  int y;      // offset below the boss's truncated y
  int drift;  // dy of a straight row
};

struct Row {
  const char* name;
  void (*fire)(int slot);
  const BossState* boss;
  bool path;  // path kinds start 130 right of the boss at step 10, straight ones 170 at 20
  std::vector<RowStart> rows;
};

const Row kRows[] = {
    {"Boss1Hazard1",
     FireBoss1Hazard1,
     &gBoss1,
     false,
     {{gBoss1Hazard1A, 100, 0}, {gBoss1Hazard1B, 70, 4}, {gBoss1Hazard1C, 130, -4}}},
    {"Boss1Hazard2", FireBoss1Hazard2, &gBoss1, true, {{gBoss1Hazard2, 50, 0}}},
    {"Boss1Hazard3", FireBoss1Hazard3, &gBoss1, true, {{gBoss1Hazard3, 30, 0}}},
    {"Boss1Hazard4", FireBoss1Hazard4, &gBoss1, true, {{gBoss1Hazard4, 210, 0}}},
    {"Boss1Hazard5", FireBoss1Hazard5, &gBoss1, true, {{gBoss1Hazard5, 210, 0}}},
    {"Boss2Hazard1", FireBoss2Hazard1, &gBoss2, false, {{gBoss2Hazard1, 70, 0}}},
    {"Boss2Hazard2", FireBoss2Hazard2, &gBoss2, false, {{gBoss2Hazard2, 100, -4}}},
    {"Boss2Hazard3", FireBoss2Hazard3, &gBoss2, false, {{gBoss2Hazard3, 70, 4}}},
    {"Boss2Hazard4",
     FireBoss2Hazard4,
     &gBoss2,
     false,
     {{gBoss2Hazard4A, 100, 0}, {gBoss2Hazard4B, 70, 4}, {gBoss2Hazard4C, 130, -4}}},
    {"Boss3Hazard1",
     FireBoss3Hazard1,
     &gBoss3,
     false,
     {{gBoss3Hazard1A, 120, 0}, {gBoss3Hazard1B, 90, 9}, {gBoss3Hazard1C, 150, -9}}},
    {"Boss3Hazard2",
     FireBoss3Hazard2,
     &gBoss3,
     false,
     {{gBoss3Hazard2A, 10, 0}, {gBoss3Hazard2B, -20, 4}, {gBoss3Hazard2C, 40, -4}}},
    {"Boss3Hazard3",
     FireBoss3Hazard3,
     &gBoss3,
     false,
     {{gBoss3Hazard3A, 230, 0}, {gBoss3Hazard3B, 200, 4}, {gBoss3Hazard3C, 260, -4}}},
};

void ResetAllHazards() {
  for (int k = 0; k < static_cast<int>(HazardKindId::Count); ++k)
    for (int r = 0; r < Hazard(static_cast<HazardKindId>(k)).rowCount; ++r)
      ResetHazardRow(static_cast<HazardKindId>(k), r);
  // Corners with fractions: Fire reads them truncated.
  gBoss1 = BossState{11.7f, 21.7f, 0, 0, 0, 0, 0};
  gBoss2 = BossState{32.5f, 42.5f, 0, 0, 0, 0, 0};
  gBoss3 = BossState{53.9f, 63.9f, 0, 0, 0, 0, 0};
}

std::vector<std::pair<const HazardSlot*, int>> LiveBlocks() {
  std::vector<std::pair<const HazardSlot*, int>> live;
  for (int k = 0; k < static_cast<int>(HazardKindId::Count); ++k) {
    const HazardKind& kind = Hazard(static_cast<HazardKindId>(k));
    for (int r = 0; r < kind.rowCount; ++r)
      for (int s = 0; s < kHazardSlots; ++s)
        if (kind.rows[r].slots[s].active) live.emplace_back(kind.rows[r].slots, s);
  }
  return live;
}

using HazardKindsTest = AttackTest;

TEST_F(HazardKindsTest, EachFireStartsSlotNOfEveryOwnRowFromItsBoss) {
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.name);
    ResetAllHazards();
    r.fire(5);
    std::vector<std::pair<const HazardSlot*, int>> expected;
    for (const RowStart& row : r.rows) {
      const HazardSlot& s = row.slots[5];
      EXPECT_EQ(s.x, static_cast<int>(r.boss->x) + (r.path ? 130 : 170));
      EXPECT_EQ(s.y, static_cast<int>(r.boss->y) + row.y);
      EXPECT_EQ(s.speed, r.path ? 10 : 20);
      EXPECT_EQ(s.dy, row.drift);
      expected.emplace_back(row.slots, 5);
    }
    EXPECT_EQ(LiveBlocks(), expected);
    // A live block is left where it is; the fire starts nothing else.
    r.rows[0].slots[5].x = 7;
    r.fire(5);
    EXPECT_EQ(r.rows[0].slots[5].x, 7);
    EXPECT_EQ(LiveBlocks(), expected);
  }
}

}  // namespace
