#include <algorithm>
#include <cstring>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "bosses/attack_resets.h"
#include "bosses/hazards.h"
#include "bosses/late_attack_resets.h"
#include "tests/game/boss_attack_fixture.h"

namespace {

const std::span<const ResetTable> kLists[] = {
    kBoss1AttackTables, kBoss2AttackTables, kBoss3AttackTables, kBoss4AttackTables,
    kBoss5AttackTables, kBoss6AttackTables, kBoss7AttackTables, kBoss8AttackTables};

using AttackResetTest = AttackTest;

// Every attack table of bosses 1 to 8 comes back from garbage to its start
// pattern, and its check notices one spoiled word anywhere: each word of the
// table is spoiled in turn.
TEST_F(AttackResetTest, EveryTableComesBackFromGarbageToItsStartPattern) {
  for (std::span<const ResetTable> list : kLists)
    for (const ResetTable& t : list) {
      std::memset(t.data, 0xA5, t.bytes);
      EXPECT_FALSE(t.atStart()) << t.name;
      t.reset();
      EXPECT_TRUE(t.atStart()) << t.name;
      auto* words = static_cast<int32_t*>(t.data);
      std::vector<size_t> unnoticed;
      for (size_t w = 0; w < t.bytes / sizeof(int32_t); ++w) {
        words[w] ^= 0x40000000;
        if (t.atStart()) unnoticed.push_back(w);
        words[w] ^= 0x40000000;
      }
      EXPECT_EQ(unnoticed, std::vector<size_t>{}) << t.name;
    }
}

// Each stream's frame counter belongs to the stream's first row: that row's
// check notices a counter left running, and that row's reset, and no other
// table's, brings the counter back.
TEST_F(AttackResetTest, AStreamsFrameCounterComesBackWithItsFirstRow) {
  struct Stream {
    const char* firstRow;
    int32_t* counter;
  };
  const Stream streams[] = {
      {"gBoss1Hazard1A", &gBoss1Hazard1Counter}, {"gBoss1Hazard2", &gBoss1Hazard2Counter},
      {"gBoss1Hazard3", &gBoss1Hazard3Counter},  {"gBoss1Hazard4", &gBoss1Hazard4Counter},
      {"gBoss1Hazard5", &gBoss1Hazard5Counter},  {"gBoss2Hazard1", &gBoss2Hazard1Counter},
      {"gBoss2Hazard2", &gBoss2Hazard2Counter},  {"gBoss2Hazard3", &gBoss2Hazard3Counter},
      {"gBoss2Hazard4A", &gBoss2Hazard4Counter}, {"gBoss3Hazard1A", &gBoss3Hazard1Counter},
      {"gBoss3Hazard2A", &gBoss3Hazard2Counter}, {"gBoss3Hazard3A", &gBoss3Hazard3Counter},
  };
  for (std::span<const ResetTable> list : kLists)
    for (const ResetTable& t : list) t.reset();
  for (const Stream& s : streams) *s.counter = 17;
  std::set<std::string> firstRowsReset;
  for (std::span<const ResetTable> list : kLists)
    for (const ResetTable& t : list) {
      const bool firstRow =
          std::any_of(std::begin(streams), std::end(streams),
                      [&](const Stream& s) { return t.name == std::string(s.firstRow); });
      EXPECT_EQ(t.atStart(), !firstRow) << t.name;
      t.reset();
      if (firstRow) firstRowsReset.insert(t.name);
      for (const Stream& s : streams)
        EXPECT_EQ(*s.counter, firstRowsReset.count(s.firstRow) ? 0 : 17)
            << s.firstRow << " after the reset of " << t.name;
    }
  EXPECT_EQ(firstRowsReset.size(), std::size(streams));
}

}  // namespace
