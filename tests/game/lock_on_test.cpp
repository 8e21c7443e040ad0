#include "homing/lock_on.h"

#include <gtest/gtest.h>

#include <ostream>
#include <span>
#include <string>

#include "bosses/boss_state.h"
#include "enemies/kind.h"
#include "enemies/template_kinds.h"
#include "game/game_state.h"
#include "game/reset.h"
#include "homing/boss_markers.h"

namespace {

// Every table back at its start and the sight at (100, 100): the parked
// slots and bosses lie far outside it.
void Clear() {
  ResetGameState();
  for (ZakRecord& r : gZak3) enemy::ResetRecord(r);  // parked, hit-skip word 0
  gBoss1 = gBoss2 = gBoss3 = gBoss4 = gBoss5 = gBoss6 = gBoss7 = gBoss8 = BossState{};
  for (BossState* b : {&gBoss1, &gBoss2, &gBoss3, &gBoss4, &gBoss5, &gBoss6, &gBoss7, &gBoss8})
    b->x = b->y = 5000.0f;
  gSightX = gSightY = 100;
}

bool LocksZak2At(float x, float y) {
  gZak2Markers[0].locked = 0;
  gZak2[0].x = x;
  gZak2[0].y = y;
  TestLockSight();
  return gZak2Markers[0].locked == 1;
}

// The sight (100, 100) to (400, 340) and the Zak2 box x + 20 .. x + 60,
// y + 40 .. y + 60 lock when they touch on any side, not a pixel further.
TEST(LockSight, AnEnemyBoxTouchingTheSightOnAnySideLocks) {
  Clear();
  EXPECT_TRUE(LocksZak2At(40, 150));  // box right edge on the sight's left edge
  EXPECT_FALSE(LocksZak2At(39, 150));
  EXPECT_TRUE(LocksZak2At(380, 150));  // box left edge on the sight's right edge
  EXPECT_FALSE(LocksZak2At(381, 150));
  EXPECT_TRUE(LocksZak2At(200, 40));  // box bottom on the sight's top
  EXPECT_FALSE(LocksZak2At(200, 39));
  EXPECT_TRUE(LocksZak2At(200, 300));  // box top on the sight's bottom
  EXPECT_FALSE(LocksZak2At(200, 301));
  // Positions are truncated toward zero before the box is formed.
  gSightX = 120;
  EXPECT_FALSE(LocksZak2At(59.9f, 150));  // 59 + 60 falls short of 120
  gSightX = 60;
  EXPECT_TRUE(LocksZak2At(-0.9f, 150));  // 0, not -1
  EXPECT_FALSE(LocksZak2At(-1.0f, 150));
  // Only Zak2's slot 0 was ever under the sight.
  EXPECT_EQ(gZak2Markers[1].locked + gZak2Markers[2].locked, 0);
  for (const TargetMarker& m : gZak3Markers) EXPECT_EQ(m.locked, 0);
}

TEST(LockSight, Zak3LocksOnlyByItsOnePixelRowAndTheTopLimitIsTested) {
  Clear();
  auto locksZak3At = [](float x, float y) {
    gZak3Markers[2].locked = 0;
    gZak3[2].x = x;
    gZak3[2].y = y;
    TestLockSight();
    return gZak3Markers[2].locked == 1;
  };
  EXPECT_TRUE(locksZak3At(200, 40));  // row y + 60 on the sight's top edge
  EXPECT_FALSE(locksZak3At(200, 39));
  EXPECT_TRUE(locksZak3At(200, 280));  // row on the bottom edge
  EXPECT_FALSE(locksZak3At(200, 281));
  EXPECT_TRUE(locksZak3At(60, 150));  // x + 40 .. x + 60 still touches
  EXPECT_FALSE(locksZak3At(39, 150));
  // A slot at y = -30 is tested, one above it is not, though its box is in the sight.
  gSightY = -200;
  EXPECT_TRUE(LocksZak2At(200, -30.0f));
  EXPECT_FALSE(LocksZak2At(200, -30.5f));
  EXPECT_TRUE(locksZak3At(200, -30.0f));
  EXPECT_FALSE(locksZak3At(200, -30.5f));
}

// Nothing but the hit-skip word and the position counts: a free slot parked
// at the reset place lies in the sight parked at its own reset place.
TEST(LockSight, JudgesEverySlotByItsPositionAndHitSkipWordAlone) {
  ResetGameState();
  for (ZakRecord& r : gZak3) enemy::ResetRecord(r);  // parked, hit-skip word 0
  gZak2[1].hitSkip = 1;
  gZak3[0].hitSkip = -1;
  TestLockSight();
  EXPECT_EQ(gZak2Markers[0].locked, 1);
  EXPECT_EQ(gZak2Markers[1].locked, 0);
  EXPECT_EQ(gZak2Markers[2].locked, 1);
  EXPECT_EQ(gZak3Markers[0].locked, 0);
  EXPECT_EQ(gZak3Markers[1].locked, 1);
  EXPECT_EQ(gZak3Markers[2].locked, 1);
  // The marks keep the places the kinds gave them.
  EXPECT_EQ(gZak2Markers[2].x, -500);
  EXPECT_EQ(gZak2Markers[2].y, 500);
  // A second test locks them again; nothing unlocks.
  TestLockSight();
  EXPECT_EQ(gZak2Markers[0].locked, 1);
  EXPECT_EQ(gZak2Markers[1].locked, 0);
}

TEST(LockSight, TheSettersOnlyRaiseTheFlagOfASlotInsideTheirArray) {
  ResetGameState();
  gZak3Markers[1] = TargetMarker{12, 34, 0, 7};
  for (int i = 0; i < 2; ++i) LockMarkerZak3(1);
  EXPECT_EQ(gZak3Markers[1].locked, 1);
  EXPECT_EQ(gZak3Markers[1].x, 12);
  EXPECT_EQ(gZak3Markers[1].y, 34);
  EXPECT_EQ(gZak3Markers[1].spare, 7);
  LockMarkerZak2(-1);
  LockMarkerZak2(3);
  for (const TargetMarker& m : gZak2Markers) EXPECT_EQ(m.locked, 0);

  gSpareMarkers1[2] = TargetMarker{1, 2, 0, 3};
  gSpareMarkers2[0] = TargetMarker{4, 5, 0, 6};
  LockMarkerSpare1(2);
  LockMarkerSpare2(0);
  LockMarkerSpare2(3);
  EXPECT_EQ(gSpareMarkers1[2].locked, 1);
  EXPECT_EQ(gSpareMarkers1[2].x, 1);
  EXPECT_EQ(gSpareMarkers2[0].locked, 1);
  EXPECT_EQ(gSpareMarkers2[0].y, 5);
  // Nothing resets the spare marks.
  ResetGameState();
  EXPECT_EQ(gSpareMarkers1[2].locked, 1);
  EXPECT_EQ(gSpareMarkers2[0].x, 4);
}

// ------------------------------------------------------------------ bosses

struct BossCase {
  const char* name;
  BossState* boss;
  std::span<TargetMarker> a, b;
  float lowestY;
  int right, bottom;  // the centre box: bx + 40 .. bx + right, by + 40 .. by + bottom
};

void PrintTo(const BossCase& c, std::ostream* os) { *os << c.name; }

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

int LockedCount(std::span<const TargetMarker> marks) {
  int n = 0;
  for (const TargetMarker& m : marks) n += m.locked;
  return n;
}

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
// hitSkip word passes over the boss; no other boss's marks move.
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
  c.boss->hitSkip = 0;
  EXPECT_TRUE(LocksWithCentreAt(c, bx + 100, by + 100));
  for (const BossCase& other : kBosses) {
    if (other.boss == c.boss) continue;
    EXPECT_EQ(LockedCount(other.a) + LockedCount(other.b), 0) << other.name;
    EXPECT_EQ(other.a[0].x, -500) << other.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Bosses, LockBossTest, ::testing::ValuesIn(kBosses),
                         [](const auto& info) { return std::string(info.param.name); });

BossState BossAt(float x, float y) { return BossState{x, y, 0, 0, 0, 0, 0}; }

struct Point {
  int x, y;
};

void ExpectMarksAt(std::span<const TargetMarker> marks, std::initializer_list<Point> at, int bx,
                   int by) {
  size_t i = 0;
  for (const Point p : at) {
    EXPECT_EQ(marks[i].x, bx + p.x) << "mark " << i;
    EXPECT_EQ(marks[i].y, by + p.y) << "mark " << i;
    ++i;
  }
  EXPECT_EQ(i, marks.size());
}

void CentreOn(const BossState& b) {
  gSightX = static_cast<int>(b.x) + 200 - 150;
  gSightY = static_cast<int>(b.y) + 200 - 120;
}

TEST(LockBoss, EachLockPlacesTheSetOverTheBossPartsOfThatMoment) {
  Clear();
  gBoss2 = BossAt(-0.9f, 20.7f);  // truncated to (0, 20)
  CentreOn(gBoss2);
  TestLockSightBosses();
  ExpectMarksAt(gBoss2MarkersA, {{190, 160}, {120, 120}, {260, 120}}, 0, 20);
  ExpectMarksAt(gBoss2MarkersB, {{190, 160}, {120, 120}, {260, 120}}, 0, 20);
  gBoss3 = BossAt(10, 0);
  CentreOn(gBoss3);
  TestLockSightBosses();
  ExpectMarksAt(gBoss3MarkersB, {{200, 160}, {130, 90}, {270, 90}, {80, 10}, {320, 10}}, 10, 0);
  gBoss4 = BossAt(20, 5);
  CentreOn(gBoss4);
  TestLockSightBosses();
  ExpectMarksAt(gBoss4MarkersA, {{190, 160}, {120, 100}, {260, 100}}, 20, 5);
  gBoss5 = BossAt(30, 6);
  CentreOn(gBoss5);
  TestLockSightBosses();
  ExpectMarksAt(gBoss5MarkersB, {{160, 120}, {110, 80}, {210, 80}, {40, 130}, {280, 130}}, 30, 6);
  gBoss7 = BossAt(40, 7);
  CentreOn(gBoss7);
  TestLockSightBosses();
  ExpectMarksAt(gBoss7MarkersA, {{220, 120}, {150, 210}, {290, 210}, {80, 70}, {360, 70}}, 40, 7);
  gBoss8 = BossAt(50, 8);
  CentreOn(gBoss8);
  TestLockSightBosses();
  ExpectMarksAt(gBoss8MarkersB, {{220, 100}, {150, 150}, {290, 150}, {80, 70}, {360, 70}}, 50, 8);
  // Boss 6's last part: set A's mark 40 pixels above the body, set B's inside it.
  gBoss6 = BossAt(60, 50);
  CentreOn(gBoss6);
  TestLockSightBosses();
  const std::initializer_list<Point> parts6 = {{190, 170}, {100, 170}, {280, 170},
                                               {20, 10},   {360, 10},  {110, 120},
                                               {270, 120}, {70, 70},   {310, 70}};
  ExpectMarksAt(gBoss6MarkersB, parts6, 60, 50);
  EXPECT_EQ(gBoss6MarkersA[8].x, 370);
  EXPECT_EQ(gBoss6MarkersA[8].y, 10);
  EXPECT_EQ(gBoss6MarkersA[7].y, 120);
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
  for (const TargetMarker& m : gBoss1MarkersA) {
    EXPECT_EQ(m.locked, 1);
    EXPECT_EQ(m.x, 290);  // all three on the one point
    EXPECT_EQ(m.y, 200);
  }
  EXPECT_EQ(LockedCount(gBoss1MarkersB), 3);
  EXPECT_EQ(gBoss1MarkersB[2].x, 290);
  EXPECT_EQ(LockedCount(gBoss2MarkersA), 3);

  gBoss1.x = gBoss2.x = 110;
  TestLockSightBosses();
  EXPECT_EQ(gBoss1MarkersA[0].x, 290);
  EXPECT_EQ(gBoss2MarkersA[0].x, 290);

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

TEST(LockBoss, TheSettersLockOnlyPartsInsideTheirSet) {
  Clear();
  gBoss6 = BossAt(0, 0);
  LockMarkersBoss6A(9);
  LockMarkersBoss6B(-1);
  EXPECT_EQ(LockedCount(gBoss6MarkersA) + LockedCount(gBoss6MarkersB), 0);
  EXPECT_EQ(gBoss6MarkersA[0].x, -500);
  LockMarkersBoss6A(8);
  EXPECT_EQ(LockedCount(gBoss6MarkersA), 1);
  EXPECT_EQ(gBoss6MarkersA[8].locked, 1);
  EXPECT_EQ(gBoss6MarkersA[0].x, 190);  // the whole set placed
  LockMarkersBoss1B(2);
  EXPECT_EQ(gBoss1MarkersB[2].x, 5190);
  EXPECT_EQ(gBoss1MarkersB[1].x, -500);
}

// At the reset place the sight's centre (-350, 620) falls in the box of every
// boss parked at (-500, 500); boss 1 waits above the screen and is passed over.
TEST(LockBoss, AtTheResetPlaceEveryParkedBossButBoss1Locks) {
  ResetGameState();
  TestLockSightBosses();
  for (const BossCase& c : kBosses) {
    const int expected = c.boss == &gBoss1 ? 0 : static_cast<int>(c.a.size());
    EXPECT_EQ(LockedCount(c.a), expected) << c.name;
    EXPECT_EQ(LockedCount(c.b), expected) << c.name;
  }
  EXPECT_EQ(gBoss4MarkersA[0].x, -310);
  EXPECT_EQ(gBoss4MarkersA[0].y, 660);
  ResetGameState();
  for (const BossCase& c : kBosses) EXPECT_EQ(LockedCount(c.a) + LockedCount(c.b), 0) << c.name;
}

}  // namespace
