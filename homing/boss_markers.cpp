#include "homing/boss_markers.h"

#include <array>
#include <span>

#include "bosses/boss_state.h"
#include "player/parking.h"

TargetMarker gBoss1MarkersA[3], gBoss1MarkersB[3], gBoss2MarkersA[3], gBoss2MarkersB[3],
    gBoss3MarkersA[5], gBoss3MarkersB[5], gBoss4MarkersA[3], gBoss4MarkersB[3], gBoss5MarkersA[5],
    gBoss5MarkersB[5], gBoss6MarkersA[9], gBoss6MarkersB[9], gBoss7MarkersA[5], gBoss7MarkersB[5],
    gBoss8MarkersA[5], gBoss8MarkersB[5];

int gPicLockMarker = kNoPicture;

namespace {

// Where a part's mark goes, from the boss's truncated corner.
struct PartOffset {
  int x, y;
};

struct BossMarkerSet {
  std::span<TargetMarker> marks;
  const BossState* boss;
  std::span<const PartOffset> parts;  // one per mark
  // Bosses 2 to 8 place the whole set on every lock; boss 1 only the mark it locks.
  bool placesWholeSet;
};

// Boss 1's three parts share one point, so marks locked together sit on it together.
constexpr std::array<PartOffset, 3> kBoss1Parts{{{190, 150}, {190, 150}, {190, 150}}};
constexpr std::array<PartOffset, 3> kBoss2Parts{{{190, 160}, {120, 120}, {260, 120}}};
constexpr std::array<PartOffset, 5> kBoss3Parts{
    {{200, 160}, {130, 90}, {270, 90}, {80, 10}, {320, 10}}};
constexpr std::array<PartOffset, 3> kBoss4Parts{{{190, 160}, {120, 100}, {260, 100}}};
constexpr std::array<PartOffset, 5> kBoss5Parts{
    {{160, 120}, {110, 80}, {210, 80}, {40, 130}, {280, 130}}};
// Boss 6's last part: set A's mark stands 40 pixels above the body, set B's over it.
constexpr std::array<PartOffset, 9> kBoss6PartsA{{{190, 170},
                                                  {100, 170},
                                                  {280, 170},
                                                  {20, 10},
                                                  {360, 10},
                                                  {110, 120},
                                                  {270, 120},
                                                  {70, 70},
                                                  {310, -40}}};
constexpr std::array<PartOffset, 9> kBoss6PartsB{{{190, 170},
                                                  {100, 170},
                                                  {280, 170},
                                                  {20, 10},
                                                  {360, 10},
                                                  {110, 120},
                                                  {270, 120},
                                                  {70, 70},
                                                  {310, 70}}};
constexpr std::array<PartOffset, 5> kBoss7Parts{
    {{220, 120}, {150, 210}, {290, 210}, {80, 70}, {360, 70}}};
constexpr std::array<PartOffset, 5> kBoss8Parts{
    {{220, 100}, {150, 150}, {290, 150}, {80, 70}, {360, 70}}};

template <auto& marks, auto& parts>
constexpr BossMarkerSet Set(const BossState& boss, bool placesWholeSet = true) {
  static_assert(std::size(marks) == std::size(parts));
  return {marks, &boss, parts, placesWholeSet};
}

constexpr BossMarkerSet kBoss1A = Set<gBoss1MarkersA, kBoss1Parts>(gBoss1, false);
constexpr BossMarkerSet kBoss1B = Set<gBoss1MarkersB, kBoss1Parts>(gBoss1, false);
constexpr BossMarkerSet kBoss2A = Set<gBoss2MarkersA, kBoss2Parts>(gBoss2);
constexpr BossMarkerSet kBoss2B = Set<gBoss2MarkersB, kBoss2Parts>(gBoss2);
constexpr BossMarkerSet kBoss3A = Set<gBoss3MarkersA, kBoss3Parts>(gBoss3);
constexpr BossMarkerSet kBoss3B = Set<gBoss3MarkersB, kBoss3Parts>(gBoss3);
constexpr BossMarkerSet kBoss4A = Set<gBoss4MarkersA, kBoss4Parts>(gBoss4);
constexpr BossMarkerSet kBoss4B = Set<gBoss4MarkersB, kBoss4Parts>(gBoss4);
constexpr BossMarkerSet kBoss5A = Set<gBoss5MarkersA, kBoss5Parts>(gBoss5);
constexpr BossMarkerSet kBoss5B = Set<gBoss5MarkersB, kBoss5Parts>(gBoss5);
constexpr BossMarkerSet kBoss6A = Set<gBoss6MarkersA, kBoss6PartsA>(gBoss6);
constexpr BossMarkerSet kBoss6B = Set<gBoss6MarkersB, kBoss6PartsB>(gBoss6);
constexpr BossMarkerSet kBoss7A = Set<gBoss7MarkersA, kBoss7Parts>(gBoss7);
constexpr BossMarkerSet kBoss7B = Set<gBoss7MarkersB, kBoss7Parts>(gBoss7);
constexpr BossMarkerSet kBoss8A = Set<gBoss8MarkersA, kBoss8Parts>(gBoss8);
constexpr BossMarkerSet kBoss8B = Set<gBoss8MarkersB, kBoss8Parts>(gBoss8);

void Place(TargetMarker& m, PartOffset part, int bx, int by) {
  m.x = bx + part.x;
  m.y = by + part.y;
}

// A mark that is locked already keeps its place: nothing refreshes it.
void LockBossPart(const BossMarkerSet& set, int part) {
  if (part < 0 || static_cast<size_t>(part) >= set.marks.size()) return;
  TargetMarker& mark = set.marks[static_cast<size_t>(part)];
  if (mark.locked != 0) return;
  mark.locked = 1;
  const int bx = static_cast<int>(set.boss->x);
  const int by = static_cast<int>(set.boss->y);
  if (!set.placesWholeSet) {
    Place(mark, set.parts[static_cast<size_t>(part)], bx, by);
    return;
  }
  for (size_t i = 0; i < set.marks.size(); ++i) Place(set.marks[i], set.parts[i], bx, by);
}

}  // namespace

void LockMarkersBoss1A(int part) { LockBossPart(kBoss1A, part); }
void LockMarkersBoss1B(int part) { LockBossPart(kBoss1B, part); }
void LockMarkersBoss2A(int part) { LockBossPart(kBoss2A, part); }
void LockMarkersBoss2B(int part) { LockBossPart(kBoss2B, part); }
void LockMarkersBoss3A(int part) { LockBossPart(kBoss3A, part); }
void LockMarkersBoss3B(int part) { LockBossPart(kBoss3B, part); }
void LockMarkersBoss4A(int part) { LockBossPart(kBoss4A, part); }
void LockMarkersBoss4B(int part) { LockBossPart(kBoss4B, part); }
void LockMarkersBoss5A(int part) { LockBossPart(kBoss5A, part); }
void LockMarkersBoss5B(int part) { LockBossPart(kBoss5B, part); }
void LockMarkersBoss6A(int part) { LockBossPart(kBoss6A, part); }
void LockMarkersBoss6B(int part) { LockBossPart(kBoss6B, part); }
void LockMarkersBoss7A(int part) { LockBossPart(kBoss7A, part); }
void LockMarkersBoss7B(int part) { LockBossPart(kBoss7B, part); }
void LockMarkersBoss8A(int part) { LockBossPart(kBoss8A, part); }
void LockMarkersBoss8B(int part) { LockBossPart(kBoss8B, part); }
