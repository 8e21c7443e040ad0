#include "homing/lock_on.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "bosses/boss_state.h"
#include "enemies/big90.h"
#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "game/game_state.h"
#include "game/reset.h"
#include "homing/boss_markers.h"

namespace {

// What a test writes into a lockable slot.
template <auto& table>
void PlaceSlot(int slot, float x, float y, int32_t hitSkip) {
  table[slot].x = x;
  table[slot].y = y;
  table[slot].hitSkip = hitSkip;
}

struct KindCase {
  const char* name;
  void (*place)(int slot, float x, float y, int32_t hitSkip);
  std::span<TargetMarker> marks;
  int slots;
  int a, b, c, d;  // the lock box: x + a .. x + b, y + c .. y + d
};

const KindCase kKinds[] = {
    {"Zak2", PlaceSlot<gZak2>, gZak2Markers, 3, 20, 60, 40, 60},
    {"Zak3", PlaceSlot<gZak3>, gZak3Markers, 3, 40, 60, 60, 60},  // a box one pixel high
    {"Diver80L", PlaceSlot<gDiver80L>, gDiver80LMarkers, 3, 20, 60, 20, 60},
    {"Diver80R", PlaceSlot<gDiver80R>, gDiver80RMarkers, 3, 20, 60, 20, 60},
    {"Gunner80L", PlaceSlot<gGunner80L>, gGunner80LMarkers, 3, 20, 60, 0, 60},
    {"Gunner80R", PlaceSlot<gGunner80R>, gGunner80RMarkers, 3, 20, 60, 0, 60},
    {"Big90A", PlaceSlot<gBig90A>, gBig90AMarkers, 2, 30, 60, 30, 60},
    {"VolleyZakA", PlaceSlot<gVolleyZakA>, gVolleyZakAMarkers, 3, 30, 60, 30, 60},
    {"Zak4A", PlaceSlot<gZak4A>, gZak4AMarkers, 5, 40, 80, 40, 80},
    {"Zak4B", PlaceSlot<gZak4B>, gZak4BMarkers, 5, 40, 80, 40, 80},
    {"Zak4C", PlaceSlot<gZak4C>, gZak4CMarkers, 5, 40, 80, 40, 80},
    {"Zak4D", PlaceSlot<gZak4D>, gZak4DMarkers, 5, 40, 80, 40, 80},
};

int LockedCount(std::span<const TargetMarker> marks) {
  int n = 0;
  for (const TargetMarker& m : marks) n += m.locked;
  return n;
}

// Every lockable slot parked with a clear hit-skip word, every mark unlocked
// and parked, and every boss far away.
void ParkEverything() {
  ResetGameState();
  for (const KindCase& k : kKinds) {
    for (int i = 0; i < k.slots; ++i) k.place(i, -500, 500, 0);
    for (TargetMarker& m : k.marks) m = TargetMarker{-500, 500, 0, 0};
  }
  for (BossState* b : {&gBoss1, &gBoss2, &gBoss3, &gBoss4, &gBoss5, &gBoss6, &gBoss7, &gBoss8})
    *b = BossState{5000, 5000, 0, 0, 0, 0, 0};
}

// The parked slots and bosses lie far outside the sight at (100, 100).
void Clear() {
  ParkEverything();
  gSightX = gSightY = 100;
}

class LockKindTest : public ::testing::TestWithParam<KindCase> {};

// Places the kind's last slot, tests, and tells whether its mark locked.
bool LocksAt(const KindCase& k, float x, float y, int32_t hitSkip = 0) {
  const int slot = k.slots - 1;
  k.marks[slot].locked = 0;
  k.place(slot, x, y, hitSkip);
  TestLockSight();
  return k.marks[slot].locked == 1;
}

// The sight (100, 100) to (400, 340) and the slot's box lock when they touch
// on any side, not a pixel further; positions are truncated toward zero.
TEST_P(LockKindTest, ABoxTouchingTheSightOnAnySideLocks) {
  const KindCase& k = GetParam();
  Clear();
  const float midY = 200.0f - (k.c + k.d) / 2.0f, midX = 250.0f - (k.a + k.b) / 2.0f;
  EXPECT_TRUE(LocksAt(k, 100 - k.b, midY));  // box right edge on the sight's left edge
  EXPECT_FALSE(LocksAt(k, 99 - k.b, midY));
  EXPECT_TRUE(LocksAt(k, 400 - k.a, midY));  // box left edge on the sight's right edge
  EXPECT_FALSE(LocksAt(k, 401 - k.a, midY));
  EXPECT_TRUE(LocksAt(k, midX, 100 - k.d));  // box bottom on the sight's top
  EXPECT_FALSE(LocksAt(k, midX, 99 - k.d));
  EXPECT_TRUE(LocksAt(k, midX, 340 - k.c));  // box top on the sight's bottom
  EXPECT_FALSE(LocksAt(k, midX, 341 - k.c));
  EXPECT_FALSE(LocksAt(k, midX, midY, 1));  // a set hit-skip word passes over it
  gSightX = k.b;
  EXPECT_TRUE(LocksAt(k, -0.9f, midY));  // 0, not -1
  EXPECT_FALSE(LocksAt(k, -1.0f, midY));
  // A slot at y = -30 is tested; one above it is not, though its box is in the sight.
  gSightX = 100;
  gSightY = -200;
  EXPECT_TRUE(LocksAt(k, midX, -30.0f));
  EXPECT_FALSE(LocksAt(k, midX, -30.5f));
}

INSTANTIATE_TEST_SUITE_P(Kinds, LockKindTest, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.name); });

// ------------------------------------------------------------------ bosses

struct BossCase {
  const char* name;
  BossState* boss;
  std::span<TargetMarker> a, b;
  float lowestY;
  int right, bottom;  // the centre box: bx + 40 .. bx + right, by + 40 .. by + bottom
};

const BossCase kBosses[] = {
    {"Boss1", &gBoss1, gBoss1MarkersA, gBoss1MarkersB, -10, 400, 320},
    {"Boss2", &gBoss2, gBoss2MarkersA, gBoss2MarkersB, -10, 400, 340},
    {"Boss3", &gBoss3, gBoss3MarkersA, gBoss3MarkersB, -10, 420, 340},
    {"Boss4", &gBoss4, gBoss4MarkersA, gBoss4MarkersB, -10, 340, 340},
    {"Boss5", &gBoss5, gBoss5MarkersA, gBoss5MarkersB, -10, 340, 340},
    {"Boss6", &gBoss6, gBoss6MarkersA, gBoss6MarkersB, 0, 400, 340},
    {"Boss7", &gBoss7, gBoss7MarkersA, gBoss7MarkersB, 0, 460, 340},
    {"Boss8", &gBoss8, gBoss8MarkersA, gBoss8MarkersB, 0, 440, 340},
};

class LockBossTest : public ::testing::TestWithParam<BossCase> {};

// Puts the sight's centre at (px, py), unlocks the boss's marks and tests.
bool LocksWithCentreAt(const BossCase& c, int px, int py) {
  for (TargetMarker& m : c.a) m.locked = 0;
  for (TargetMarker& m : c.b) m.locked = 0;
  gSightX = px - 150;
  gSightY = py - 120;
  TestLockSightBosses();
  const int a = LockedCount(c.a), b = LockedCount(c.b);
  EXPECT_TRUE(a == b && (a == 0 || a == static_cast<int>(c.a.size())))
      << "a boss locks all its parts in both sets or none: " << a << ", " << b;
  return a > 0;
}

// The centre box includes its edges; the top limit is tested itself; a set
// hitSkip word passes over the boss.
TEST_P(LockBossTest, TheCentreLocksEveryPartInsideTheBoxUpToItsEdges) {
  const BossCase& c = GetParam();
  Clear();
  c.boss->x = 100.5f;
  c.boss->y = c.lowestY;
  const int bx = 100, by = static_cast<int>(c.lowestY);
  EXPECT_TRUE(LocksWithCentreAt(c, bx + 40, by + 40));
  EXPECT_TRUE(LocksWithCentreAt(c, bx + c.right, by + c.bottom));
  EXPECT_FALSE(LocksWithCentreAt(c, bx + 39, by + 100));
  EXPECT_FALSE(LocksWithCentreAt(c, bx + c.right + 1, by + 100));
  EXPECT_FALSE(LocksWithCentreAt(c, bx + 100, by + 39));
  EXPECT_FALSE(LocksWithCentreAt(c, bx + 100, by + c.bottom + 1));
  c.boss->y = c.lowestY - 0.5f;
  EXPECT_FALSE(LocksWithCentreAt(c, bx + 100, by + 100));
  c.boss->y = c.lowestY;
  c.boss->hitSkip = 1;
  EXPECT_FALSE(LocksWithCentreAt(c, bx + 100, by + 100));
}

INSTANTIATE_TEST_SUITE_P(Bosses, LockBossTest, ::testing::ValuesIn(kBosses),
                         [](const auto& info) { return std::string(info.param.name); });

BossState BossAt(float x, float y) { return BossState{x, y, 0, 0, 0, 0, 0}; }

void CentreOn(const BossState& b) {
  gSightX = static_cast<int>(b.x) + 200 - 150;
  gSightY = static_cast<int>(b.y) + 200 - 120;
}

struct Point {
  int x, y;
};

void ExpectMarksAt(std::span<const TargetMarker> marks, std::span<const Point> at, int bx, int by) {
  ASSERT_EQ(at.size(), marks.size());
  for (size_t i = 0; i < at.size(); ++i) {
    EXPECT_EQ(marks[i].x, bx + at[i].x) << "mark " << i;
    EXPECT_EQ(marks[i].y, by + at[i].y) << "mark " << i;
  }
}

// Bosses 2 to 8: one lock places both sets over the parts, from the truncated
// corner. Boss 6's last mark of set A stands 40 pixels above the body, set B's inside it.
TEST(LockBoss, EachLockPlacesTheSetOverTheBossPartsOfThatMoment) {
  struct PartsCase {
    BossState* boss;
    std::span<TargetMarker> a, b;
    std::vector<Point> parts;
  };
  const std::vector<Point> parts6 = {{190, 170}, {100, 170}, {280, 170}, {20, 10}, {360, 10},
                                     {110, 120}, {270, 120}, {70, 70},   {310, 70}};
  const PartsCase cases[] = {
      {&gBoss2, gBoss2MarkersA, gBoss2MarkersB, {{190, 160}, {120, 120}, {260, 120}}},
      {&gBoss3,
       gBoss3MarkersA,
       gBoss3MarkersB,
       {{200, 160}, {130, 90}, {270, 90}, {80, 10}, {320, 10}}},
      {&gBoss4, gBoss4MarkersA, gBoss4MarkersB, {{190, 160}, {120, 100}, {260, 100}}},
      {&gBoss5,
       gBoss5MarkersA,
       gBoss5MarkersB,
       {{160, 120}, {110, 80}, {210, 80}, {40, 130}, {280, 130}}},
      {&gBoss6, gBoss6MarkersA, gBoss6MarkersB, parts6},
      {&gBoss7,
       gBoss7MarkersA,
       gBoss7MarkersB,
       {{220, 120}, {150, 210}, {290, 210}, {80, 70}, {360, 70}}},
      {&gBoss8,
       gBoss8MarkersA,
       gBoss8MarkersB,
       {{220, 100}, {150, 150}, {290, 150}, {80, 70}, {360, 70}}},
  };
  for (const PartsCase& c : cases) {
    SCOPED_TRACE(&c - cases + 2);
    Clear();
    *c.boss = BossAt(-0.9f, 20.7f);  // truncated to (0, 20)
    CentreOn(*c.boss);
    TestLockSightBosses();
    EXPECT_EQ(LockedCount(c.a), static_cast<int>(c.a.size()));
    ExpectMarksAt(c.b, c.parts, 0, 20);
    if (c.boss != &gBoss6) {
      ExpectMarksAt(c.a, c.parts, 0, 20);
      continue;
    }
    std::vector<Point> partsA = parts6;
    partsA.back().y = -40;
    ExpectMarksAt(c.a, partsA, 0, 20);
  }
}

// Locked marks stay where they were locked; a mark freed by its missile
// brings the whole set to the boss's new place on the next lock, except for
// boss 1, whose lock places only the mark it locks.
TEST(LockBoss, LockedMarksStayAndARelockPlacesTheWholeSetExceptForBoss1) {
  Clear();
  gBoss1 = BossAt(100.7f, 50.2f);
  gBoss2 = BossAt(100, 50);
  CentreOn(gBoss2);
  TestLockSightBosses();
  for (const TargetMarker& m : gBoss1MarkersA)
    EXPECT_TRUE(m.locked == 1 && m.x == 290 && m.y == 200);  // all three on the one point
  EXPECT_TRUE(gBoss2MarkersA[1].y == 170 && gBoss2MarkersA[2].x == 360 &&
              gBoss2MarkersA[2].y == 170);  // boss 2's parts each have their own place

  gBoss1.x = gBoss2.x = 110;
  TestLockSightBosses();
  EXPECT_TRUE(gBoss1MarkersA[0].x == 290 && gBoss2MarkersA[0].x == 290);

  // A missile's contact parks mark 1; the next lock comes from the new place.
  for (TargetMarker* m : {&gBoss1MarkersA[1], &gBoss2MarkersA[1]})
    *m = TargetMarker{-500, 500, 0, 0};
  TestLockSightBosses();
  EXPECT_EQ(gBoss2MarkersA[1].x, 230);
  EXPECT_EQ(gBoss2MarkersA[0].x, 300);  // the locked ones move with the set
  EXPECT_EQ(gBoss2MarkersB[0].x, 290);  // set B was all locked: untouched
  EXPECT_EQ(gBoss1MarkersA[1].x, 300);
  EXPECT_EQ(gBoss1MarkersA[0].x, 290);  // boss 1 moves only the mark it locks
  EXPECT_EQ(gBoss1MarkersA[1].locked, 1);
}

}  // namespace
