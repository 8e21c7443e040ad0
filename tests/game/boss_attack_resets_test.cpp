#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "bosses/attack_resets.h"
#include "tests/game/boss_attack_fixture.h"
#include "tests/game/reset_order.h"

namespace {

const std::vector<const char*>& GroupTables(const std::string& owner) {
  for (const ResetGroup& g : kResetOrder)
    if (owner == g.owner) return g.tables;
  static const std::vector<const char*> none;
  return none;
}

struct BossList {
  const char* owner;
  std::span<const ResetTable> tables;
};
const BossList kLists[] = {
    {"boss 1", kBoss1AttackTables}, {"boss 2", kBoss2AttackTables}, {"boss 3", kBoss3AttackTables}};

using AttackResetTest = AttackTest;

// Each list is a run of its boss's reset group, in the group's order, so the
// lists can be spliced among the boss's other tables.
TEST_F(AttackResetTest, EachBossListFollowsItsResetGroupsOrder) {
  for (const BossList& list : kLists) {
    const auto& group = GroupTables(list.owner);
    size_t at = 0;
    for (const ResetTable& t : list.tables) {
      while (at < group.size() && t.name != std::string(group[at])) ++at;
      EXPECT_LT(at, group.size()) << list.owner << ": " << t.name << " missing or out of order";
    }
  }
}

TEST_F(AttackResetTest, EveryTableComesBackFromGarbageToItsStartPattern) {
  for (const BossList& list : kLists)
    for (const ResetTable& t : list.tables) {
      std::memset(t.data, 0xA5, t.bytes);
      EXPECT_FALSE(t.atStart()) << t.name;
      t.reset();
      EXPECT_TRUE(t.atStart()) << t.name;
      // One spoiled word anywhere is noticed.
      auto* words = static_cast<int32_t*>(t.data);
      const size_t last = t.bytes / sizeof(int32_t) - 1;
      words[last] ^= 1;
      EXPECT_FALSE(t.atStart()) << t.name;
      words[last] ^= 1;
    }
}

TEST_F(AttackResetTest, AStreamsFrameCounterComesBackWithItsFirstRow) {
  gBoss1Hazard1Counter = 17;
  gBoss2Hazard3Counter = 9;
  for (const BossList& list : kLists)
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
