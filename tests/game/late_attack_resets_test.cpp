#include "bosses/late_attack_resets.h"

#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "tests/game/boss_attack_fixture.h"
#include "tests/game/reset_group_tables.h"

namespace {

struct BossList {
  const char* owner;
  std::span<const ResetTable> tables;
};
const BossList kLists[] = {{"boss 4", kBoss4AttackTables},
                           {"boss 5", kBoss5AttackTables},
                           {"boss 6", kBoss6AttackTables},
                           {"boss 7", kBoss7AttackTables},
                           {"boss 8", kBoss8AttackTables}};

using LateAttackResetTest = AttackTest;

// Between the boss record and its two explosion tables, the list is the whole group.
TEST_F(LateAttackResetTest, EachBossListHoldsEveryAttackTableOfItsGroup) {
  for (const BossList& list : kLists) {
    const auto& group = ResetGroupTables(list.owner);
    ASSERT_EQ(group.size(), list.tables.size() + 3) << list.owner;
    for (size_t i = 0; i < list.tables.size(); ++i)
      EXPECT_EQ(std::string(list.tables[i].name), group[i + 1]) << list.owner;
  }
}

TEST_F(LateAttackResetTest, EveryTableComesBackFromGarbageToItsStartPattern) {
  for (const BossList& list : kLists)
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

}  // namespace
