#include <cstring>
#include <span>
#include <string>

#include "bosses/attack_resets.h"
#include "bosses/late_attack_resets.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

const std::span<const ResetTable> kLists[] = {
    kBoss1AttackTables, kBoss2AttackTables, kBoss3AttackTables, kBoss4AttackTables,
    kBoss5AttackTables, kBoss6AttackTables, kBoss7AttackTables, kBoss8AttackTables};

using AttackResetTest = AttackTest;

// Every attack table of bosses 1 to 8 comes back from garbage to its start
// pattern, and its check notices one spoiled word anywhere.
TEST_F(AttackResetTest, EveryTableComesBackFromGarbageToItsStartPattern) {
  for (std::span<const ResetTable> list : kLists)
    for (const ResetTable& t : list) {
      std::memset(t.data, 0xA5, t.bytes);
      EXPECT_FALSE(t.atStart()) << t.name;
      t.reset();
      EXPECT_TRUE(t.atStart()) << t.name;
      auto* words = static_cast<int32_t*>(t.data);
      const size_t last = t.bytes / sizeof(int32_t) - 1;
      for (size_t w : {size_t{0}, last / 2, last}) {
        words[w] ^= 0x40000000;
        EXPECT_FALSE(t.atStart()) << t.name << " word " << w;
        words[w] ^= 0x40000000;
      }
    }
}

// A stream's frame counter comes back with its first row.
TEST_F(AttackResetTest, AStreamsFrameCounterComesBackWithItsFirstRow) {
  gBoss1Hazard1Counter = 17;
  gBoss2Hazard3Counter = 9;
  for (std::span<const ResetTable> list : kLists)
    for (const ResetTable& t : list) {
      if (std::string(t.name) == "gBoss1Hazard1A") {
        EXPECT_FALSE(t.atStart());
      }
      t.reset();
    }
  EXPECT_EQ(gBoss1Hazard1Counter + gBoss2Hazard3Counter, 0);
}

}  // namespace
