#include "homing/lock_on.h"

#include <cstdint>
#include <iterator>
#include <span>

#include "bosses/boss_state.h"
#include "enemies/big90.h"
#include "enemies/divers.h"
#include "enemies/gunners.h"
#include "enemies/template_kinds.h"
#include "enemies/volley_zak.h"
#include "enemies/zak4.h"
#include "game/game_state.h"
#include "homing/boss_markers.h"

TargetMarker gSpareMarkers1[3], gSpareMarkers2[3];

namespace {

constexpr int kSightWidth = 300, kSightHeight = 240;
// An enemy slot above this y is not locked; y = -30 itself is tested.
constexpr float kEnemyLowestY = -30.0f;
// A boss's centre box starts this far right of and below its corner.
constexpr int kBossBoxInset = 40;

// What the sight reads of an enemy slot.
struct LockTarget {
  float x, y;
  int32_t hitSkip;
};

// The slot's lock box, from its truncated corner: x + left .. x + right, y + top .. y + bottom.
struct LockBox {
  int left, right, top, bottom;
};

struct LockableKind {
  LockTarget (*slot)(size_t i);
  size_t slots;
  LockBox box;
  void (*lock)(int slot);
};

template <auto& table>
LockTarget SlotOf(size_t i) {
  return {table[i].x, table[i].y, table[i].hitSkip};
}

template <auto& table, auto& marks>
constexpr LockableKind Kind(LockBox box, void (*lock)(int)) {
  static_assert(std::size(marks) >= std::size(table));
  return {SlotOf<table>, std::size(table), box, lock};
}

// In the order the sight tests them.
constexpr LockableKind kLockableKinds[] = {
    Kind<gZak2, gZak2Markers>({20, 60, 40, 60}, LockMarkerZak2),
    // One pixel row high.
    Kind<gZak3, gZak3Markers>({40, 60, 60, 60}, LockMarkerZak3),
    Kind<gDiver80L, gDiver80LMarkers>({20, 60, 20, 60}, LockMarkerDiver80L),
    Kind<gDiver80R, gDiver80RMarkers>({20, 60, 20, 60}, LockMarkerDiver80R),
    // From the craft's own top row.
    Kind<gGunner80L, gGunner80LMarkers>({20, 60, 0, 60}, LockMarkerGunner80L),
    Kind<gGunner80R, gGunner80RMarkers>({20, 60, 0, 60}, LockMarkerGunner80R),
    // Big90A has two slots: its third mark is never locked.
    Kind<gBig90A, gBig90AMarkers>({30, 60, 30, 60}, LockMarkerBig90A),
    Kind<gVolleyZakA, gVolleyZakAMarkers>({30, 60, 30, 60}, LockMarkerVolleyZakA),
    Kind<gZak4A, gZak4AMarkers>({40, 80, 40, 80}, LockMarkerZak4A),
    Kind<gZak4B, gZak4BMarkers>({40, 80, 40, 80}, LockMarkerZak4B),
    Kind<gZak4C, gZak4CMarkers>({40, 80, 40, 80}, LockMarkerZak4C),
    Kind<gZak4D, gZak4DMarkers>({40, 80, 40, 80}, LockMarkerZak4D),
};

// The sight and the box overlap, edges included (wide sums: no overflow).
bool SightOverlaps(const LockBox& box, int ex, int ey) {
  const int64_t sx = gSightX, sy = gSightY;
  return sx + kSightWidth >= int64_t{ex} + box.left && sx <= int64_t{ex} + box.right &&
         sy + kSightHeight >= int64_t{ey} + box.top && sy <= int64_t{ey} + box.bottom;
}

void TestKind(const LockableKind& kind) {
  for (size_t i = 0; i < kind.slots; ++i) {
    const LockTarget t = kind.slot(i);
    if (t.hitSkip != 0 || t.y < kEnemyLowestY) continue;
    if (SightOverlaps(kind.box, static_cast<int>(t.x), static_cast<int>(t.y)))
      kind.lock(static_cast<int>(i));
  }
}

struct LockableBoss {
  const BossState* boss;
  int parts;
  float lowestY;            // a boss above this y is passed over; the limit itself is tested
  int boxRight, boxBottom;  // the centre box runs to bx + boxRight, by + boxBottom
  void (*lockA)(int part);
  void (*lockB)(int part);
};

template <auto& marksA, auto& marksB>
constexpr LockableBoss Boss(const BossState& boss, float lowestY, int right, int bottom,
                            void (*lockA)(int), void (*lockB)(int)) {
  static_assert(std::size(marksA) == std::size(marksB));
  return {&boss, static_cast<int>(std::size(marksA)), lowestY, right, bottom, lockA, lockB};
}

constexpr LockableBoss kLockableBosses[] = {
    Boss<gBoss1MarkersA, gBoss1MarkersB>(gBoss1, -10, 400, 320, LockMarkersBoss1A,
                                         LockMarkersBoss1B),
    Boss<gBoss2MarkersA, gBoss2MarkersB>(gBoss2, -10, 400, 340, LockMarkersBoss2A,
                                         LockMarkersBoss2B),
    Boss<gBoss3MarkersA, gBoss3MarkersB>(gBoss3, -10, 420, 340, LockMarkersBoss3A,
                                         LockMarkersBoss3B),
    Boss<gBoss4MarkersA, gBoss4MarkersB>(gBoss4, -10, 340, 340, LockMarkersBoss4A,
                                         LockMarkersBoss4B),
    Boss<gBoss5MarkersA, gBoss5MarkersB>(gBoss5, -10, 340, 340, LockMarkersBoss5A,
                                         LockMarkersBoss5B),
    Boss<gBoss6MarkersA, gBoss6MarkersB>(gBoss6, 0, 400, 340, LockMarkersBoss6A, LockMarkersBoss6B),
    Boss<gBoss7MarkersA, gBoss7MarkersB>(gBoss7, 0, 460, 340, LockMarkersBoss7A, LockMarkersBoss7B),
    Boss<gBoss8MarkersA, gBoss8MarkersB>(gBoss8, 0, 440, 340, LockMarkersBoss8A, LockMarkersBoss8B),
};

bool BossHoldsCentre(const LockableBoss& b, int64_t px, int64_t py) {
  const BossState& s = *b.boss;
  if (s.hitSkip != 0 || s.y < b.lowestY) return false;
  const int64_t bx = static_cast<int>(s.x), by = static_cast<int>(s.y);
  return bx + kBossBoxInset <= px && px <= bx + b.boxRight && by + kBossBoxInset <= py &&
         py <= by + b.boxBottom;
}

void LockMark(std::span<TargetMarker> marks, int slot) {
  if (slot < 0 || static_cast<size_t>(slot) >= marks.size()) return;
  marks[static_cast<size_t>(slot)].locked = 1;
}

}  // namespace

void TestLockSight() {
  for (const LockableKind& kind : kLockableKinds) TestKind(kind);
}

void TestLockSightBosses() {
  const int64_t px = int64_t{gSightX} + kSightWidth / 2;
  const int64_t py = int64_t{gSightY} + kSightHeight / 2;
  for (const LockableBoss& b : kLockableBosses) {
    if (!BossHoldsCentre(b, px, py)) continue;
    for (int part = 0; part < b.parts; ++part) {
      b.lockA(part);
      b.lockB(part);
    }
  }
}

void LockMarkerZak2(int slot) { LockMark(gZak2Markers, slot); }
void LockMarkerZak3(int slot) { LockMark(gZak3Markers, slot); }
void LockMarkerDiver80L(int slot) { LockMark(gDiver80LMarkers, slot); }
void LockMarkerDiver80R(int slot) { LockMark(gDiver80RMarkers, slot); }
void LockMarkerGunner80L(int slot) { LockMark(gGunner80LMarkers, slot); }
void LockMarkerGunner80R(int slot) { LockMark(gGunner80RMarkers, slot); }
void LockMarkerBig90A(int slot) { LockMark(gBig90AMarkers, slot); }
void LockMarkerVolleyZakA(int slot) { LockMark(gVolleyZakAMarkers, slot); }
void LockMarkerZak4A(int slot) { LockMark(gZak4AMarkers, slot); }
void LockMarkerZak4B(int slot) { LockMark(gZak4BMarkers, slot); }
void LockMarkerZak4C(int slot) { LockMark(gZak4CMarkers, slot); }
void LockMarkerZak4D(int slot) { LockMark(gZak4DMarkers, slot); }
void LockMarkerSpare1(int slot) { LockMark(gSpareMarkers1, slot); }
void LockMarkerSpare2(int slot) { LockMark(gSpareMarkers2, slot); }
