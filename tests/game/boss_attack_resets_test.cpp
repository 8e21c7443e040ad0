#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "bosses/attack_resets.h"
#include "bosses/late_attack_resets.h"
#include "tests/game/boss_attack_fixture.h"
#include "tests/game/reset_group_tables.h"

namespace {

struct BossList {
  const char* owner;
  std::span<const ResetTable> tables;
};
const BossList kEarly[] = {
    {"boss 1", kBoss1AttackTables}, {"boss 2", kBoss2AttackTables}, {"boss 3", kBoss3AttackTables}};
const BossList kLate[] = {{"boss 4", kBoss4AttackTables},
                          {"boss 5", kBoss5AttackTables},
                          {"boss 6", kBoss6AttackTables},
                          {"boss 7", kBoss7AttackTables},
                          {"boss 8", kBoss8AttackTables}};

using AttackResetTest = AttackTest;

// Bosses 1 to 3: each list is a run of its boss's reset group, in the group's
// order, so the lists can be spliced among the boss's other tables.
TEST_F(AttackResetTest, EachEarlyBossListFollowsItsResetGroupsOrder) {
  for (const BossList& list : kEarly) {
    const auto& group = ResetGroupTables(list.owner);
    size_t at = 0;
    for (const ResetTable& t : list.tables) {
      while (at < group.size() && t.name != std::string(group[at])) ++at;
      EXPECT_LT(at, group.size()) << list.owner << ": " << t.name << " missing or out of order";
    }
  }
}

// Bosses 4 to 8: between the boss record and its two explosion tables, the
// list is the whole group.
TEST_F(AttackResetTest, EachLateBossListHoldsEveryAttackTableOfItsGroup) {
  for (const BossList& list : kLate) {
    const auto& group = ResetGroupTables(list.owner);
    ASSERT_EQ(group.size(), list.tables.size() + 3) << list.owner;
    for (size_t i = 0; i < list.tables.size(); ++i)
      EXPECT_EQ(std::string(list.tables[i].name), group[i + 1]) << list.owner;
  }
}

TEST_F(AttackResetTest, EveryTableComesBackFromGarbageToItsStartPattern) {
  for (const auto& lists : {std::span<const BossList>(kEarly), std::span<const BossList>(kLate)})
    for (const BossList& list : lists)
      for (const ResetTable& t : list.tables) {
        std::memset(t.data, 0xA5, t.bytes);
        EXPECT_FALSE(t.atStart()) << t.name;
        t.reset();
        EXPECT_TRUE(t.atStart()) << t.name;
        // One spoiled word anywhere is noticed.
        auto* words = static_cast<int32_t*>(t.data);
        const size_t last = t.bytes / sizeof(int32_t) - 1;
        for (size_t w : {size_t{0}, last / 2, last}) {
          words[w] ^= 0x40000000;
          EXPECT_FALSE(t.atStart()) << t.name << " word " << w;
          words[w] ^= 0x40000000;
        }
      }
}

TEST_F(AttackResetTest, AStreamsFrameCounterComesBackWithItsFirstRow) {
  gBoss1Hazard1Counter = 17;
  gBoss2Hazard3Counter = 9;
  for (const BossList& list : kEarly)
    for (const ResetTable& t : list.tables) {
      if (std::string(t.name) == "gBoss1Hazard1A") {
        EXPECT_FALSE(t.atStart());
      }
      t.reset();
    }
  EXPECT_EQ(gBoss1Hazard1Counter, 0);
  EXPECT_EQ(gBoss2Hazard3Counter, 0);
}

}  // namespace
